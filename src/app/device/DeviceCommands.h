#pragma once
// The main window's device commands: download, upload, clear, information,
// interval, key image and the test window. Owns the device windows; the port is
// opened on first use from "keyboard port" (or --port) and kept.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "app/device/AppDevice.h"
#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/device/OperationDriver.h"
#include "core/settings/SettingsBackend.h"
#include "core/settings/SettingsStore.h"

class QWidget;

namespace vl {

class IFileDialogs;
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
    std::function<bool(TfmGrid&)> save;    // the autosave routine
    std::function<QString()> layoutsFolder;
    std::function<void()> commandsChanged;
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
  void ShowTest();

  // The port is opened again on next use (after the settings changed).
  void ForgetDevice();

  TfmProgress& Progress() const { return *progress_; }
  TfmInfo& Info() const { return *info_; }
  TfmIBD& IntervalDialog() const { return *ibd_; }
  TfmDetect& Detect() const { return *detect_; }
  TfmTest& Test() const { return *test_; }
  // The device, opened if need be; nullptr when it cannot be (told unless quiet).
  AppDevice* Device(bool quiet = false);

 private:
  void Transfer(OperationKind kind, TfmGrid& window);
  // The keyboard type for the key image: detected, or chosen from the list.
  std::optional<uint16_t> ImageDeviceType();

  Host host_;
  std::function<std::unique_ptr<AppDevice>()> openDevice_;
  std::unique_ptr<AppDevice> device_;
  TfmProgress* progress_;
  TfmInfo* info_;
  TfmIBD* ibd_;
  TfmDetect* detect_;
  TfmTest* test_;
};

}  // namespace vl
