#include "app/device/PortHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <filesystem>

#include "ports/PortSelect.h"

namespace vl {
namespace {

// udev makes the device node a moment after the driver took the port.
constexpr int kNodeWaitMs = 3000;
// How often a running helper and a missing node are looked at.
constexpr int kPollMs = 50;

PortHelperRun RunPortHelper(const QString& verb, const CancelGate& gate, const ProgramRunner& runner) {
  return runner(QStringLiteral("pkexec"), {PortHelperPath(), verb}, gate);
}

// Waits for the node while the gate is open.
bool WaitForNode(const std::string& path, const CancelGate& gate) {
  QElapsedTimer waited;
  waited.start();
  while (!PortPresent(path)) {
    if (waited.elapsed() >= kNodeWaitMs || gate.StopRequested()) return false;
    QThread::msleep(kPollMs);
  }
  return true;
}

}  // namespace

bool AttachPortForDownload(const ISettingsBackend& backend) {
  return backend.ReadInt("", kAttachPortSettingName).value_or(0) != 0;
}

void SetAttachPortForDownload(ISettingsBackend& backend, bool attach) {
  backend.WriteInt("", kAttachPortSettingName, attach ? 1 : 0);
}

std::string PortPathToAttach(const std::string& storedChoice) {
  if (storedChoice.empty()) return kDefaultSerioRawPath;
  const std::string name = std::filesystem::path(storedChoice).filename().string();
  return name.rfind("serio_raw", 0) == 0 ? storedChoice : std::string();
}

bool PortPresent(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

PortHelperRun RunProgram(const QString& program, const QStringList& arguments, const CancelGate& gate) {
  if (gate.StopRequested()) return {false, program + QStringLiteral(": stopped")};
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForStarted()) return {false, program + QStringLiteral(": ") + process.errorString()};
  // In slices, so that a stop (the job's cancel, the program quitting) ends the
  // wait for the user's authentication.
  while (!process.waitForFinished(kPollMs)) {
    if (gate.StopRequested() || process.state() == QProcess::NotRunning) {
      process.kill();
      process.waitForFinished();
      return {false, program + QStringLiteral(": ") + process.errorString()};
    }
  }
  return {process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
          QString::fromUtf8(process.readAll())};
}

QString PortHelperPath() {
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vlat-port"));
  if (QFileInfo(beside).isExecutable()) return beside;
  // Run from the build tree: the helper lies in its own folder, found on the PATH if at all.
  const QString onPath = QStandardPaths::findExecutable(QStringLiteral("vlat-port"));
  return onPath.isEmpty() ? beside : onPath;
}

bool AskToAttachPort(const std::string& portPath, IPrompt& prompt) {
  return prompt.Ask(QCoreApplication::translate("vl::PortHelper",
                                              "Порт клавиатуры %1 не найден.\nПодключить порт клавиатуры для "
                                              "программирования? Пока он подключён, клавиатура не печатает.")
                        .arg(QString::fromStdString(portPath))
                        .toStdString(),
                    kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) == Answer::Yes;
}

std::string AttachPort(const std::string& portPath, const CancelGate& gate, const ProgramRunner& runner) {
  const PortHelperRun run = RunPortHelper(QStringLiteral("attach"), gate, runner);
  if ((run.ok && WaitForNode(portPath, gate)) || gate.StopRequested()) return {};
  return QCoreApplication::translate("vl::PortHelper", "Не удалось подключить порт клавиатуры %1.\n%2")
      .arg(QString::fromStdString(portPath), run.output.trimmed())
      .toStdString();
}

std::string ReleasePort(const CancelGate& gate, const ProgramRunner& runner) {
  const PortHelperRun run = RunPortHelper(QStringLiteral("release"), gate, runner);
  if (run.ok) return {};
  return QCoreApplication::translate("vl::PortHelper", "Не удалось вернуть порт клавиатуре.\n%1")
      .arg(run.output.trimmed())
      .toStdString();
}

}  // namespace vl
