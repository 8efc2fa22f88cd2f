#include "cli/LayoutFiles.h"

#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "core/common/FileErrors.h"
#include "core/text/Cp1251.h"

namespace vl::cli {
namespace {

// One line from the terminal with echo off; nullopt at the end of input.
std::optional<std::string> ReadHiddenLine(std::ostream& err) {
  termios saved{};
  const bool quiet = tcgetattr(STDIN_FILENO, &saved) == 0;
  if (quiet) {
    termios noEcho = saved;
    noEcho.c_lflag &= static_cast<tcflag_t>(~ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &noEcho);
  }
  std::string line;
  const bool read = static_cast<bool>(std::getline(std::cin, line));
  if (quiet) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
  err << '\n';
  if (!read) return std::nullopt;
  return line;
}

// Why a layout could not be read, when the file itself says it: missing, a
// folder, a FIFO or device (which are never opened). Empty otherwise.
std::string UnreadableReason(const std::string& fileName) {
  namespace fs = std::filesystem;
  std::error_code error;
  switch (fs::status(fileName, error).type()) {
    case fs::file_type::not_found: return "no such file";
    case fs::file_type::directory: return "a folder, not a layout file";
    case fs::file_type::regular: return {};
    default: return "not a regular file (a FIFO or device)";
  }
}

}  // namespace

LayoutPrompt::LayoutPrompt(std::ostream& err, std::optional<std::string> password)
    : err_(err), password_(std::move(password)) {}

Answer LayoutPrompt::Ask(const std::string& text, const std::string&, MessageButtons buttons, MessageIcon) {
  if (buttons != MessageButtons::Ok) return Answer::Yes;
  PrintMessage(err_, text);
  return Answer::Ok;
}

std::optional<std::string> LayoutPrompt::AskPassword(const std::string& firstLine, const std::string&) {
  if (password_ && password_->empty()) {
    // An empty answer is the reader's "cancelled"; it must not end the command unexplained.
    passwordUnavailable_ = true;
    return std::nullopt;
  }
  if (password_) return password_;
  if (isatty(STDIN_FILENO) != 1) {
    passwordUnavailable_ = true;
    return std::nullopt;
  }
  err_ << firstLine << ": " << std::flush;
  return ReadHiddenLine(err_);
}

const LayoutFormat& FileCommandFormat(const std::string& fileName) {
  const LayoutFormat* format = LayoutFormatOf(fileName);
  return format ? *format : GetLayoutFormat(LayoutFormatId::LayoutFile);
}

void PrintMessage(std::ostream& err, const std::string& text) {
  std::string shown = text;
  for (size_t at = shown.find("\n\r"); at != std::string::npos; at = shown.find("\n\r", at + 1)) {
    shown.erase(at + 1, 1);
  }
  err << shown << '\n';
}

int ReadLayoutInput(TVL2Document& document, const std::string& fileName, SettingsStore& settings,
                    LayoutPrompt& prompt, std::ostream& err) {
  NullReporter reporter;
  try {
    FileCommandFormat(fileName).Read(document, fileName, settings, prompt, reporter);
    return kExitOk;
  } catch (const OperationAbandoned&) {
    // The reader's own report is told already; a password that could not be asked for is not.
    if (prompt.PasswordUnavailable()) {
      err << fileName << ": the layout is protected by a password; give --password TEXT (not empty)\n";
    }
    return kExitUnreadable;
  } catch (const FileError& error) {
    PrintMessage(err, error.what());
    if (const std::string why = UnreadableReason(fileName); !why.empty()) err << fileName << ": " << why << '\n';
    return kExitUnreadable;
  }
}

std::string StoredPassword(const std::string& utf8) {
  const auto stored = Utf8ToCp1251(utf8);
  if (!stored || stored->empty() || stored->size() > kMaxPasswordLength) {
    throw UsageError{"--password needs 1 to 20 characters of code page 1251"};
  }
  return *stored;
}

}  // namespace vl::cli
