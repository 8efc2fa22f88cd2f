#pragma once
// The keyboard port from the application: vlat-port, run with administrator
// rights through pkexec, hands the i8042 keyboard port to serio_raw and back.
// The device commands offer to attach a missing port, and attach it around a
// download when the user allows it. pkexec runs on a device job's worker, so
// the window stays alive while the user authenticates, and the job's cancel
// ends it.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "core/common/Prompt.h"
#include "core/device/CancelGate.h"
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

// Whether path names something that exists.
bool PortPresent(const std::string& path);

struct PortHelperRun {
  bool ok = false;
  QString output;  // what vlat-port or pkexec said
};

// Runs a program on the calling thread until it ends or the gate is stopped
// (the program is then killed); tests pass their own.
using ProgramRunner =
    std::function<PortHelperRun(const QString& program, const QStringList& arguments, const CancelGate& gate)>;
PortHelperRun RunProgram(const QString& program, const QStringList& arguments, const CancelGate& gate);

// vlat-port beside the running program (the path the polkit action names), else
// the one on the PATH.
QString PortHelperPath();

// Asks whether to hand the missing keyboard port at portPath to serio_raw.
bool AskToAttachPort(const std::string& portPath, IPrompt& prompt);

// pkexec vlat-port attach, then a wait for the device node; on the worker. The
// message for the user when the port did not appear (empty when it did or when
// the gate was stopped).
std::string AttachPort(const std::string& portPath, const CancelGate& gate,
                       const ProgramRunner& runner = RunProgram);
// pkexec vlat-port release: the keyboard types again. The message for the user
// when it failed, else empty.
std::string ReleasePort(const CancelGate& gate, const ProgramRunner& runner = RunProgram);

}  // namespace vl
