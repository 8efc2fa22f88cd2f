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
// Long enough for the user to authenticate.
constexpr int kHelperTimeoutMs = 120000;

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

bool WaitForNode(const std::string& path) {
  QElapsedTimer waited;
  waited.start();
  while (!Exists(path)) {
    if (waited.elapsed() >= kNodeWaitMs) return false;
    QThread::msleep(50);
  }
  return true;
}

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

// Attaches and waits for the port; tells the user when it fails.
bool Attach(const std::string& portPath, IPrompt& prompt, const ProgramRunner& runner) {
  const PortHelperRun run = RunPortHelper(QStringLiteral("attach"), runner);
  if (run.ok && WaitForNode(portPath)) return true;
  prompt.Message("Не удалось подключить порт клавиатуры " + portPath + ".\n" + Utf8(run.output.trimmed()),
                 kCaptionError, MessageIcon::Error);
  return false;
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

PortHelperRun RunProgram(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForStarted() || !process.waitForFinished(kHelperTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return {false, program + QStringLiteral(": ") + process.errorString()};
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

PortHelperRun RunPortHelper(const QString& verb, const ProgramRunner& runner) {
  return runner(QStringLiteral("pkexec"), {PortHelperPath(), verb});
}

bool OfferPortAttach(const std::string& portPath, IPrompt& prompt, const ProgramRunner& runner) {
  if (portPath.empty() || Exists(portPath)) return !portPath.empty();
  const Answer answer = prompt.Ask("Порт клавиатуры " + portPath +
                                       " не найден.\nПодключить порт клавиатуры для программирования? "
                                       "Пока он подключён, клавиатура не печатает.",
                                   kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question);
  return answer == Answer::Yes && Attach(portPath, prompt, runner);
}

PortAttachment::PortAttachment(const ISettingsBackend& backend, const std::string& portPath, IPrompt& prompt,
                               ProgramRunner runner)
    : prompt_(prompt), runner_(std::move(runner)) {
  if (AttachPortForDownload(backend) && !portPath.empty() && !Exists(portPath)) {
    attached_ = Attach(portPath, prompt_, runner_);
  }
}

PortAttachment::~PortAttachment() {
  if (!attached_) return;
  const PortHelperRun run = RunPortHelper(QStringLiteral("release"), runner_);
  if (!run.ok) {
    prompt_.Message("Не удалось вернуть порт клавиатуре.\n" + Utf8(run.output.trimmed()), kCaptionError,
                    MessageIcon::Error);
  }
}

}  // namespace vl
