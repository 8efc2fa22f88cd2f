#pragma once
// How the file commands (info, convert, check) read and write layouts: by the file
// name's extension, .mtf is Macro Text Format and anything else a layout file
// (a .vld, or an old .mkb that is converted in memory).

#include <optional>
#include <ostream>
#include <string>

#include "cli/CliContext.h"
#include "core/common/Prompt.h"
#include "core/document/VL2Document.h"
#include "core/formats/LayoutFormats.h"

namespace vl::cli {

// The file commands' answers. Converting an old file is what the command asks
// for, so that question is agreed to unasked. The password comes from --password,
// else from the terminal without echo; without a terminal there is none.
// Messages go to err.
class LayoutPrompt final : public IPrompt {
 public:
  LayoutPrompt(std::ostream& err, std::optional<std::string> password);
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> AskPassword(const std::string& firstLine, const std::string& secondLine) override;
  // A password was needed but neither given nor possible to ask for.
  bool PasswordUnavailable() const { return passwordUnavailable_; }

 private:
  std::ostream& err_;
  std::optional<std::string> password_;
  bool passwordUnavailable_ = false;
};

// A message of the program on the terminal: its "\n\r" line break becomes "\n".
void PrintMessage(std::ostream& err, const std::string& text);

// The format a file command reads or writes: the one of the name's extension, a
// layout file for any other name.
const LayoutFormat& FileCommandFormat(const std::string& fileName);

// Reads the file into the document; Macro Text Format sets the layout properties
// in settings. kExitOk, or the exit code after the reason was told on err.
int ReadLayoutInput(TVL2Document& document, const std::string& fileName, SettingsStore& settings,
                    LayoutPrompt& prompt, std::ostream& err);

// A --password value as the document keeps it: 1 to 20 characters of code page
// 1251. UsageError otherwise.
std::string StoredPassword(const std::string& utf8);

}  // namespace vl::cli
