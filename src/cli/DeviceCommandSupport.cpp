#include "cli/DeviceCommandSupport.h"

#include <unistd.h>

#include <cmath>
#include <iostream>

#include "core/common/FileErrors.h"
#include "core/mtf/MtfReader.h"
#include "core/mtf/MtfWriter.h"
#include "platform/PortSelect.h"

namespace vl::cli {
namespace {

constexpr int kBarWidth = 30;

bool HasExtension(const std::string& fileName, const std::string& extension) {
  if (fileName.size() < extension.size()) return false;
  std::string tail = fileName.substr(fileName.size() - extension.size());
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == extension;
}

void RequireMtf(const std::string& fileName) {
  if (!HasExtension(fileName, ".mtf"))
    throw UsageError{"\"" + fileName + "\": device commands read and write Macro Text Format (.mtf) files"};
}

}  // namespace

TerminalPrompt::TerminalPrompt(std::istream& in, std::ostream& err, bool assumeYes)
    : in_(in), err_(err), assumeYes_(assumeYes) {}

Answer TerminalPrompt::Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon) {
  err_ << caption << ": " << text << '\n';
  if (buttons == MessageButtons::Ok) return Answer::Ok;
  if (assumeYes_) return Answer::Yes;
  err_ << "[y/n] " << std::flush;
  std::string reply;
  if (!std::getline(in_, reply)) return Answer::No;
  return reply.starts_with("y") || reply.starts_with("Y") || reply.starts_with("д") ||
                 reply.starts_with("Д")
             ? Answer::Yes
             : Answer::No;
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

std::optional<KeyPlacement> CommandLineCatalogue::Decoding(uint16_t) const {
  return KeyPlacement([](int x, int y) { return GridOffset{x, y}; });
}

std::unique_ptr<DeviceLine> OpenDeviceLine(CliContext& context) {
  auto& args = context.args;
  const int memory = ParseInt(TakeOption(args, "--memory").value_or("8192"), "--memory");
  const std::string check = TakeOption(args, "--check").value_or("CRC");
  const std::string keys = TakeOption(args, "--keys").value_or("8x8");
  if (memory < 64 || memory > 0x10000) throw UsageError{"--memory must be 64..65536"};
  const auto cross = keys.find('x');
  if (cross == std::string::npos) throw UsageError{"--keys needs WxH"};
  const int width = ParseInt(keys.substr(0, cross), "--keys");
  const int height = ParseInt(keys.substr(cross + 1), "--keys");
  if (width < 1 || height < 1 || width * height > 255) throw UsageError{"--keys needs W x H of 1..255 keys"};

  auto line = std::make_unique<DeviceLine>();
  DeviceModel model{width, height, memory, CheckKindFromCatalogue(check), width * height, 0, {}, {}};
  PortChoice choice;
  try {
    choice = ParsePortChoice(context.port);
  } catch (const std::invalid_argument& e) {
    throw UsageError{e.what()};
  }
  sim::SimConfig simConfig;
  simConfig.memorySize = static_cast<uint32_t>(memory);
  simConfig.check = model.Check;
  try {
    line->port = OpenChosenPort(choice, line->clock, simConfig);
  } catch (const std::system_error& e) {
    *context.err << e.what() << '\n';
    return nullptr;
  }
  line->catalogue = std::make_unique<CommandLineCatalogue>(std::move(model));
  return line;
}

bool IsTerminal(const std::ostream& out) {
  if (&out == &std::cout) return isatty(STDOUT_FILENO) == 1;
  if (&out == &std::cerr) return isatty(STDERR_FILENO) == 1;
  return false;
}

bool LoadDocument(TVL2Document& document, const std::string& fileName, SettingsStore& settings,
                  IPrompt& prompt, IReporter& reporter) {
  RequireMtf(fileName);
  try {
    ReadMtf(document, fileName, settings, prompt, reporter);
    return true;
  } catch (const OperationAbandoned&) {
    return false;  // the reader has told why
  } catch (const FileError& error) {
    prompt.Message(error.what(), kCaptionError, MessageIcon::Error);
    return false;
  }
}

bool SaveDocument(const TVL2Document& document, const std::string& fileName, const SettingsStore& settings,
                  IPrompt& prompt, IReporter& reporter) {
  RequireMtf(fileName);
  return ExportMtf(document, fileName, settings, prompt, reporter);
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
    : prompt(std::cin, *context.err, assumeYes), reporter(*context.err, IsTerminal(*context.err)) {}

}  // namespace vl::cli
