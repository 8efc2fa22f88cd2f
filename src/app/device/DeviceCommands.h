#pragma once
// The main window's device commands: download, upload, clear, information,
// interval, compare, key image, the test window and the simulated keyboard's
// window. Owns the device windows; the port is opened on first use from
// "keyboard port" (or --port) and kept. With no port at all, the first command
// offers the simulated keyboard; a backup of the keyboard's layout can precede
// each download. Every procedure that talks to the port is a job of the job
// runner, shown by the progress window (TfmProgress): questions before it on the
// user-interface thread, the port work on its worker, the outcome shown when it
// has ended. A job holds the port until its end step, which also keeps the
// simulated keyboard's memory and gives back a port attached for it, however the
// job ends. Workers use copies of the layout, never the document a window shows.

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/device/AppDevice.h"
#include "app/device/SimKeyboardWindow.h"
#include "app/device/JobRunner.h"
#include "app/device/ProgressDialog.h"
#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/device/OperationDriver.h"
#include "core/formats/KeyImage.h"
#include "core/settings/SettingsBackend.h"
#include "core/settings/SettingsStore.h"

class QUrl;
class QWidget;

namespace vl {

class IFileDialogs;
class SimCaption;
class SupportedDevicesDialog;
class TfmGrid;
class TfmCompare;
class IntervalDialog;
class TfmInfo;
class TfmTest;

// Asked when the program is closed while a device job runs.
inline constexpr const char* kQuitDuringJob =
    QT_TRANSLATE_NOOP("core",
                      "Идёт работа с устройством. Прервать её и закрыть программу?\n"
                      "Прерванная загрузка оставляет память устройства очищенной.");

class DeviceCommands : public QObject {
  Q_OBJECT

 public:
  struct Host {
    QWidget* window;               // parent of the device windows
    SettingsStore& settings;
    ISettingsBackend& backend;     // the test window's placement
    IPrompt& prompt;
    IReporter& status;             // the main window's status bar
    IFileDialogs& dialogs;
    SupportedDevicesDialog& deviceList;        // the supported-devices window as chooser
    std::function<bool(TfmGrid&)> save;    // the save before a download; false: no download
    std::function<QString()> dialogFolder;  // where the key image's file dialog starts
    std::function<void()> commandsChanged;
    // The port choice in force (--port or the stored one), and storing a new one.
    std::function<std::string()> portChoice = [] { return std::string(); };
    std::function<void(const std::string&)> choosePort = [](const std::string&) {};
    // Whether a missing port may be answered with the simulated keyboard (not when
    // the device is handed in).
    std::function<bool()> mayOfferSimulator = [] { return false; };
    // A command's outcome in the status bar.
    std::function<void(const QString&)> tell = [](const QString&) {};
    // Opens a file in the desktop's program for it; false when none could start.
    std::function<bool(const QUrl&)> openFile = [](const QUrl&) { return false; };
  };
  // openDevice makes the device when a command first needs it; it may throw
  // std::exception with the reason.
  DeviceCommands(Host host, std::function<std::unique_ptr<AppDevice>()> openDevice);
  ~DeviceCommands() override;

  // Each is one command. The layout commands act on the given window.
  void Download(TfmGrid& window);
  void Upload(TfmGrid& window);
  void Clear();
  void Information();
  void Interval();
  // The window's layout against the keyboard's, listed in the compare window.
  void Compare(TfmGrid& window);
  void KeyImage(TfmGrid& window);
  // The key image through the print preview, at true scale on as many sheets as it needs.
  void PrintKeyImage(TfmGrid& window);
  void ShowTest();
  // The simulated keyboard's window; nothing unless it is the port.
  void ShowSimulator();
  // Whether the simulated keyboard is the chosen port.
  bool SimulatedChosen() const;

  // The port is opened again on next use (after the settings changed). A
  // running job is stopped for good first.
  void ForgetDevice();

  // True while a device job runs.
  bool JobRunning() const;
  // Whether the program may close now: while a job runs the user is asked
  // (kQuitDuringJob), and on yes the job is stopped and waited for (its current
  // block). False while a job's own question is open.
  bool MayQuit();
  // The byte readers' hold on the port: the device's, opened if need be
  // (quietly); an empty handle when it gives no bytes or cannot be opened.
  PortHandle ByteSource();

  JobRunner& Jobs() const { return *runner_; }
  TfmProgress& Progress() const { return *progress_; }
  TfmInfo& Info() const { return *info_; }
  IntervalDialog& IntervalChoice() const { return *ibd_; }
  TfmCompare& CompareWindow() const { return *compare_; }
  TfmTest& Test() const { return *test_; }
  SimKeyboardWindow* Simulator() const { return simulator_; }
  // The device, opened if need be; nullptr when it cannot be (told unless
  // quiet). A missing serio_raw port may be attached first, by a job: retry then
  // repeats the command once it is there.
  AppDevice* Device(bool quiet = false, std::function<void()> retry = {});

 signals:
  // The chosen port changed (the simulated keyboard was taken up, or forgotten).
  void PortChanged();

 private:
  // With no port present and none chosen, offers the simulated keyboard once.
  // Nothing chosen yet and the simulated keyboard not offered in this run.
  bool SimulatorMayBeOffered() const;
  void OfferSimulator();
  struct KeptLayout;
  struct PortLease;

  // Starts a job on the device; it holds the port until its end. lease: the port
  // was attached for the job, and is given back at once when it is stopped for good.
  void Launch(AppDevice& device, JobRunner::Job job, std::shared_ptr<PortLease> lease = nullptr);
  // The device for a command: nullptr while a job runs or when it cannot be opened.
  AppDevice* IdleDevice(std::function<void()> retry);
  // The same for a command on window, run again on it once the port is there.
  AppDevice* IdleDeviceFor(TfmGrid& window, void (DeviceCommands::*command)(TfmGrid&));
  // Hands the keyboard port at path to serio_raw (a job), then runs next; lease:
  // it is attached for a download only.
  void AttachThen(const std::string& path, std::function<void()> next, std::shared_ptr<PortLease> lease = nullptr);
  // The download once the port is there; lease: the port was attached for it.
  void DownloadOn(TfmGrid& window, std::shared_ptr<PortLease> lease);
  // The backup job before a download: reads the keyboard's layout, then starts
  // the download, which writes it once the user agreed.
  void ReadBackupThenDownload(TfmGrid& window, AppDevice& device, std::shared_ptr<PortLease> lease);
  // Closes the port and gives it back to the keyboard (a job) for a lease that
  // attached it, once no job uses it.
  void GiveBackPort(const std::shared_ptr<PortLease>& lease);
  // The same at once, on this thread: the job was stopped for good (the program
  // quits), so no job can follow.
  void GiveBackPortNow(const std::shared_ptr<PortLease>& lease);
  // Closes the port; the simulated keyboard's window goes first.
  void CloseDevice();
  void StartDownload(TfmGrid& window, AppDevice& device, std::shared_ptr<KeptLayout> backup,
                     std::shared_ptr<PortLease> lease);
  // A device job: work computes a Result on the worker from the device and a copy
  // of the settings; finished takes it on the user-interface thread.
  template <typename Result>
  void RunJob(AppDevice& device, const char* caption, const QString& layout,
              std::function<Result(AppDevice&, const SettingsStore&, JobRunner::Context&)> work,
              std::function<void(const Result&)> finished);
  // The keyboard type for the key image, detected (a job) or chosen from the
  // list, handed to next.
  void WithImageDeviceType(std::function<void(uint16_t)> next);
  // The key image command up to the drawing for the device's field at the key
  // (left, top): the device's checks, then the format for the field (the user
  // may still cancel there); nothing when the command ends early.
  std::optional<KeyImageRequest> ImageRequest(
      TfmGrid& window, uint16_t type, int left, int top,
      const std::function<std::optional<KeyImageFormat>(const TRect& field)>& chooseFormat);

  Host host_;
  std::function<std::unique_ptr<AppDevice>()> openDevice_;
  std::unique_ptr<AppDevice> device_;
  JobRunner* runner_;
  TfmProgress* progress_;
  TfmInfo* info_;
  IntervalDialog* ibd_;
  TfmCompare* compare_;
  QPointer<TfmGrid> compared_;  // the window the compare window speaks of
  TfmTest* test_;
  SimCaption* captions_;
  QPointer<SimKeyboardWindow> simulator_;
  bool simulatorOffered_ = false;
};

}  // namespace vl
