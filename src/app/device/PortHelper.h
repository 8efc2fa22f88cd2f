#pragma once
// The keyboard port from the application: vlat-port, run with administrator
// rights through pkexec, hands the i8042 keyboard port to serio_raw and back.
// The device commands call OfferPortAttach when the chosen port is missing, and
// hold a PortAttachment around a download when the user allows it.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "core/common/Prompt.h"
#include "core/settings/SettingsBackend.h"

namespace vl {

// Stored beside the settings, as "keyboard port" is: attach a missing port for
// a download and release it afterwards, so the keyboard types again.
inline constexpr const char* kAttachPortSettingName = "attach keyboard port";
bool AttachPortForDownload(const ISettingsBackend& backend);
void SetAttachPortForDownload(ISettingsBackend& backend, bool attach);

// The device path a stored port choice stands for, when attaching the keyboard
// port can make it appear: the default /dev/serio_raw0 for no choice, the path
// for a serio_raw device; empty for "none", the simulated keyboard and other
// devices.
std::string PortPathToAttach(const std::string& storedChoice);

struct PortHelperRun {
  bool ok = false;
  QString output;  // what vlat-port or pkexec said
};

// Runs a program and waits for it; tests pass their own.
using ProgramRunner = std::function<PortHelperRun(const QString& program, const QStringList& arguments)>;
PortHelperRun RunProgram(const QString& program, const QStringList& arguments);

// vlat-port beside the running program (the path the polkit action names), else
// the one on the PATH.
QString PortHelperPath();

// pkexec vlat-port VERB ("attach", "release", "status").
PortHelperRun RunPortHelper(const QString& verb, const ProgramRunner& runner = RunProgram);

// When portPath is missing: asks whether to hand the keyboard port to serio_raw
// and does so. True when the port exists afterwards.
bool OfferPortAttach(const std::string& portPath, IPrompt& prompt, const ProgramRunner& runner = RunProgram);

// For one download: attaches a missing port without asking when the setting
// allows it, and gives the port back to the keyboard when it goes out of scope.
class PortAttachment {
 public:
  PortAttachment(const ISettingsBackend& backend, const std::string& portPath, IPrompt& prompt,
                 ProgramRunner runner = RunProgram);
  ~PortAttachment();
  PortAttachment(const PortAttachment&) = delete;
  PortAttachment& operator=(const PortAttachment&) = delete;

  bool Attached() const { return attached_; }

 private:
  IPrompt& prompt_;
  ProgramRunner runner_;
  bool attached_ = false;
};

}  // namespace vl
