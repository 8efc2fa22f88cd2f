#pragma once
// The main window's device commands: download, upload, clear, information,
// interval, key image, the test window and the simulated keyboard's window. Owns
// the device windows; the port is opened on first use from "keyboard port" (or
// --port) and kept. With no port at all, the first command offers the simulated
// keyboard; a backup of the keyboard's layout can precede each download.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "app/device/AppDevice.h"
#include "app/device/SimKeyboardWindow.h"
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
class TfmDetect;
class TfmExAbout;
class TfmGrid;
class TfmIBD;
class TfmInfo;
class TfmProgress;
class TfmTest;

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
    TfmExAbout& deviceList;        // the supported-devices window as chooser
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
  void KeyImage(TfmGrid& window);
  // The key image through the print preview, at true scale on as many sheets as it needs.
  void PrintKeyImage(TfmGrid& window);
  void ShowTest();
  // The simulated keyboard's window; nothing unless it is the port.
  void ShowSimulator();
  // Whether the simulated keyboard is the chosen port.
  bool SimulatedChosen() const;

  // The port is opened again on next use (after the settings changed).
  void ForgetDevice();

  TfmProgress& Progress() const { return *progress_; }
  TfmInfo& Info() const { return *info_; }
  TfmIBD& IntervalDialog() const { return *ibd_; }
  TfmDetect& Detect() const { return *detect_; }
  TfmTest& Test() const { return *test_; }
  SimKeyboardWindow* Simulator() const { return simulator_; }
  // The device, opened if need be; nullptr when it cannot be (told unless quiet).
  AppDevice* Device(bool quiet = false);

 signals:
  // The chosen port changed (the simulated keyboard was taken up, or forgotten).
  void PortChanged();

 private:
  // With no port present and none chosen, offers the simulated keyboard once.
  void OfferSimulator();
  // Saves the keyboard's layout before a download; false (told why) when it failed.
  bool KeepBackup(AppDevice& device);

  void Transfer(OperationKind kind, TfmGrid& window);
  // The keyboard type for the key image: detected, or chosen from the list.
  std::optional<uint16_t> ImageDeviceType();
  // The key image command up to the drawing: the keyboard type, the device's
  // checks, the grid selection set to the device's field, then the format (the
  // user may still cancel there); nothing when the command ends early.
  std::optional<KeyImageRequest> ImageRequest(TfmGrid& window,
                                              const std::function<std::optional<KeyImageFormat>()>& chooseFormat);

  Host host_;
  std::function<std::unique_ptr<AppDevice>()> openDevice_;
  std::unique_ptr<AppDevice> device_;
  TfmProgress* progress_;
  TfmInfo* info_;
  TfmIBD* ibd_;
  TfmDetect* detect_;
  TfmTest* test_;
  SimCaption* captions_;
  QPointer<SimKeyboardWindow> simulator_;
  bool simulatorOffered_ = false;
};

}  // namespace vl
