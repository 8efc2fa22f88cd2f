#include "cli/DeviceCommandSupport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <iostream>

#include "cli/LayoutFiles.h"
#include "cli/Reason.h"
#include "cli/SignalCancel.h"
#include "core/common/FileErrors.h"
#include "core/common/SafeWrite.h"
#include "core/device/Detect.h"
#include "core/device/Download.h"
#include "core/device/Interval.h"
#include "core/formats/LayoutFormats.h"
#include "ports/PortSelect.h"
#include "platform/QtSettingsBackend.h"
#include "platform/SerioRawPort.h"
#include "platform/SimulatedMemory.h"
#include "sim/SimulatedPort.h"

namespace vl::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr const char* kCancelledText = "прервано по сигналу";
// After the write failure of a simulated keyboard's memory file.
constexpr const char* kMemoryNotKept = "Память имитатора клавиатуры не сохранена.";
// The write failure of the normal mode without the application's menu, which a
// command line does not have: most often the keyboard or its port went away.
constexpr const char* kWriteErrorHere =
    "Ошибка записи данных в память устройства: устройство не подтверждает блоки. Проверьте, что клавиатура "
    "подключена и --port указывает на неё; для переносных компьютеров нужен защищённый режим "
    "(настройка \"load readwrite mode\" = 1).";

// The format of the name's extension; a UsageError for a name no format reads
// (writes, when not reading).
const LayoutFormat& FormatOf(const std::string& fileName, bool reading) {
  const LayoutFormat* format = LayoutFormatOf(fileName);
  if (format && (reading || format->Write)) return *format;
  throw UsageError{"\"" + fileName + "\": device commands " +
                   (reading ? "read layout files (.vld, .mkb)" : "write layout files (.vld)") +
                   " and Macro Text Format (.mtf) files"};
}

}  // namespace

TerminalPrompt::TerminalPrompt(CliContext& context, bool assumeYes)
    : in_(std::cin), err_(*context.err), context_(context), assumeYes_(assumeYes) {}

void TerminalPrompt::Settle(const std::string& question, Answer answer, const std::string& refusedReason) {
  settledQuestion_ = question;
  settledAnswer_ = answer;
  refusedReason_ = refusedReason;
}

Answer TerminalPrompt::Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon) {
  const std::string cause = ReasonOfMessage(text);
  if (cause == reason::kNotConnected) context_.noDevice = true;
  TellReason(context_, cause);
  err_ << caption << ": ";
  PrintMessage(err_, text == kWriteErrorNormal ? kWriteErrorHere : text);
  if (buttons == MessageButtons::Ok) return Answer::Ok;
  if (!settledQuestion_.empty() && text == settledQuestion_) {
    if (settledAnswer_ == Answer::No) TellReason(context_, refusedReason_);
    return settledAnswer_;
  }
  if (assumeYes_) return Answer::Yes;
  err_ << "[y/n] " << std::flush;
  std::string reply;
  const bool yes = std::getline(in_, reply) && (reply.starts_with("y") || reply.starts_with("Y") ||
                                               reply.starts_with("д") || reply.starts_with("Д"));
  if (!yes) TellReason(context_, reason::kDeclined);
  return yes ? Answer::Yes : Answer::No;
}

std::optional<std::string> TerminalPrompt::AskPassword(const std::string& firstLine,
                                                       const std::string& secondLine) {
  if (assumeYes_) return std::nullopt;
  err_ << firstLine << '\n' << secondLine << ": " << std::flush;
  std::string password;
  if (!std::getline(in_, password)) return std::nullopt;
  return password;
}

TerminalReporter::TerminalReporter(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}

TerminalReporter::~TerminalReporter() {
  if (drawn_) out_ << '\n' << std::flush;
}

void TerminalReporter::SetStatus(const std::string& text) {
  if (text == status_ || text.empty()) return;
  status_ = text;
  if (terminal_)
    Redraw();
  else
    out_ << text << '\n';
}

void TerminalReporter::SetProgress(int position) {
  if (position == position_) return;
  const bool tenth = position / 10 != position_ / 10 || position_ < 0;
  position_ = position;
  if (terminal_)
    Redraw();
  else if (tenth)
    out_ << position << "%\n";
}

void TerminalReporter::Redraw() {
  const int position = std::max(position_, 0);
  const int filled = position * kBarWidth / 100;
  out_ << "\r\x1b[K[" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] " << position
       << "% " << status_ << std::flush;
  drawn_ = true;
}

bool DeviceLine::KeepMemory(std::ostream& err) const {
  auto* simulated = dynamic_cast<sim::SimulatedPort*>(port.get());
  if (!simulated || !memory) return true;
  const auto& bytes = simulated->Memory();
  if (memory->Save({reinterpret_cast<const char*>(bytes.data()), bytes.size()})) return true;
  err << memory->Path().string() << ": " << WriteFailureText(memory->Path()) << ' ' << kMemoryNotKept << '\n';
  return false;
}

std::unique_ptr<DeviceLine> OpenDeviceLine(CliContext& context) {
  PortChoice choice;
  try {
    choice = ParsePortChoice(context.port.empty() ? StoredPortChoice(QtSettingsBackend()) : context.port);
  } catch (const std::invalid_argument& e) {
    throw UsageError{e.what()};
  }
  auto line = std::make_unique<DeviceLine>();
  try {
    line->catalogue = std::make_unique<FolderDeviceCatalogue>(context.dataDir);
    line->port = OpenChosenPort(choice, line->clock, line->catalogue->Catalogue());
    if (auto* simulated = dynamic_cast<sim::SimulatedPort*>(line->port.get())) {
      // The application's folder is made on first use; a folder named by --sim-state must be there.
      std::string file = context.simState;
      if (file.empty()) {
        file = SimulatedMemoryFile(choice.simType);
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
      }
      line->memory = std::make_unique<StateFile>(file, simulated->Memory().size());
      if (const auto& kept = line->memory->Kept()) std::copy(kept->begin(), kept->end(), simulated->Memory().begin());
    }
  } catch (const std::exception& e) {
    // A port that is missing, busy or refuses us, or a simulated keyboard held
    // like a port by the application, vlat-kbdsim or another vlat-cli: no device.
    // Otherwise no catalogue, a simulated type it does not describe, or memory that cannot be kept.
    context.noDevice = dynamic_cast<const std::system_error*>(&e) || dynamic_cast<const PortRefusedError*>(&e) ||
                       dynamic_cast<const StateFileBusy*>(&e);
    TellReason(context, context.noDevice                                 ? reason::kNoPort
                        : dynamic_cast<const StateFileRefused*>(&e) ? reason::kFileWrite
                                                                      : reason::kCatalogue);
    *context.err << e.what() << '\n';
    return nullptr;
  }
  return line;
}

bool IsTerminal(const std::ostream& out) {
  if (&out == &std::cout) return isatty(STDOUT_FILENO) == 1;
  if (&out == &std::cerr) return isatty(STDERR_FILENO) == 1;
  return false;
}

bool LoadDocument(TVL2Document& document, const std::string& fileName, SettingsStore& settings,
                  IPrompt& prompt, IReporter& reporter) {
  const LayoutFormat& format = FormatOf(fileName, true);
  try {
    format.Read(document, fileName, settings, prompt, reporter);
    return true;
  } catch (const OperationAbandoned&) {
    return false;  // the reader has told why, or the user declined
  } catch (const FileError& error) {
    prompt.Message(error.what(), kCaptionError, MessageIcon::Error);
    return false;
  }
}

void RequireWritableLayoutName(const std::string& fileName) { FormatOf(fileName, false); }

bool SaveDocument(TVL2Document& document, const std::string& fileName, const SettingsStore& settings,
                  IPrompt& prompt, IReporter& reporter) {
  const LayoutFormat& format = FormatOf(fileName, false);
  try {
    const auto losses = format.Write(document, fileName, settings, reporter);
    if (!losses.empty()) prompt.Message(MtfLossesMessage(losses, {}, losses.size()), kCaptionAttention, MessageIcon::Warning);
    return true;
  } catch (const FileError& error) {
    prompt.Message(error.what(), kCaptionError, MessageIcon::Error);
    return false;
  }
}

void ExpectNoMoreArguments(const std::vector<std::string>& args) {
  if (!args.empty()) throw UsageError{"unexpected argument: " + args.front()};
}

std::string TakeOnlyArgument(std::vector<std::string>& args, const std::string& what) {
  if (args.empty()) throw UsageError{what + " is needed"};
  std::string argument = args.front();
  args.erase(args.begin());
  ExpectNoMoreArguments(args);
  return argument;
}

TerminalSide::TerminalSide(CliContext& context, bool assumeYes)
    : prompt(context, assumeYes), reporter(*context.progress, IsTerminal(*context.progress)) {}

LayoutTransfer::LayoutTransfer(CliContext& commandContext, bool assumeYes, std::unique_ptr<DeviceLine> openLine)
    : context(commandContext),
      line(std::move(openLine)),
      terminal(commandContext, assumeYes),
      settings(commandContext.settings) {}

bool LayoutTransfer::Run(const OperationRequest& request) {
  CancelGate gate;
  // Ctrl-C, SIGTERM or SIGHUP stop the transfer between blocks; a download then clears the device.
  const SignalCancel interrupt(gate);
  const OperationResult result = RunDeviceOperation(line->Access(), settings, *line->catalogue, request,
                                                    terminal.reporter, terminal.prompt, gate);
  if (result == OperationResult::Cancelled && interrupt.Signalled()) {
    TellReason(context, reason::kCancelled);
    terminal.reporter.SetStatus(kCancelledText);
  }
  // Whatever the keyboard now holds (the layout, or a cleared memory) is kept.
  const bool kept = line->KeepMemory(*context.err);
  if (!kept) TellReason(context, reason::kFileWrite);
  return result == OperationResult::Done && kept;
}

std::unique_ptr<LayoutTransfer> OpenLayoutTransfer(CliContext& context, bool assumeYes) {
  auto line = OpenDeviceLine(context);
  if (!line) return nullptr;
  return std::make_unique<LayoutTransfer>(context, assumeYes, std::move(line));
}

int Verdict(CliContext& context, bool done, const std::string& doneText, const std::string& failedText) {
  context.result.Set("verdict", done ? doneText : failedText);
  (done ? *context.out : *context.err) << (done ? doneText : failedText) << '\n';
  return done ? kExitOk : kExitFailure;
}

bool SameFile(const std::string& one, const std::string& other) {
  struct stat first {}, second {};
  return ::stat(one.c_str(), &first) == 0 && ::stat(other.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool CanWriteFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path file(path);
  // Not a folder, and no FIFO either: opening one to write would wait for a reader.
  if (!IsReplaceableFile(file)) return false;
  if (fs::exists(file, error)) {
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    ::close(fd);
  }
  // The file is written beside its target and renamed, so that folder must take a new file.
  return TemporaryFileRefusal(WriteTarget(file)) == 0;
}

}  // namespace vl::cli
