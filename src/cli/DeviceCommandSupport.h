#pragma once
// What the device commands of vlat-cli share: the terminal's answers and progress,
// the port from --port, the catalogue of the program folder (--data) and reading
// and writing the layout.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "core/catalogue/DeviceCatalogue.h"
#include "core/common/StateFile.h"
#include "core/device/DeviceSession.h"
#include "core/device/OperationDriver.h"
#include "core/device/LockState.h"
#include "core/document/VL2Document.h"

namespace vl::cli {

// Questions on the terminal: "y"/"д" is Yes, anything else (end of input too) No.
// With assumeYes every question is answered Yes unasked, but for one settled
// beforehand. Messages go to err; the first that names a cause becomes the
// context's reason, and a "device not connected" message marks its noDevice.
class TerminalPrompt final : public IPrompt {
 public:
  TerminalPrompt(CliContext& context, bool assumeYes);
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> AskPassword(const std::string& firstLine, const std::string& secondLine) override;
  // The answer to the question whose text is question, unasked whatever
  // assumeYes says; a No records refusedReason.
  void Settle(const std::string& question, Answer answer, const std::string& refusedReason);

 private:
  std::istream& in_;
  std::ostream& err_;
  CliContext& context_;
  bool assumeYes_;
  std::string settledQuestion_;
  Answer settledAnswer_ = Answer::No;
  std::string refusedReason_;
};

// A progress bar redrawn in place on a terminal; otherwise one line per status
// change and per tenth of the way.
class TerminalReporter final : public IReporter {
 public:
  TerminalReporter(std::ostream& out, bool terminal);
  ~TerminalReporter() override;
  void SetStatus(const std::string& text) override;
  void ShowProgress(bool) override {}
  void SetProgress(int position) override;

 private:
  void Redraw();
  std::ostream& out_;
  bool terminal_;
  std::string status_;
  int position_ = -1;
  bool drawn_ = false;
};

// Everything a device command talks to: the port from --port and the catalogue
// read from the program folder. A simulated keyboard's memory file is held from
// the line's opening to its end and read when it opens; a command that changes
// the memory keeps it with KeepMemory.
struct DeviceLine {
  RealClock clock;
  FixedLockState locks;
  std::unique_ptr<FolderDeviceCatalogue> catalogue;
  std::unique_ptr<Port> port;
  std::unique_ptr<StateFile> memory;  // the simulated keyboard's; nullptr for a real port
  PortAccess Access() { return PortAccess{*port, clock, locks}; }
  // Writes a simulated keyboard's memory back to its file; false (told on err)
  // when it could not be kept. True for a real port.
  bool KeepMemory(std::ostream& err) const;
};

// Reads the catalogue and opens the port. nullptr (told on err) when either fails,
// with noDevice marked when the port would not open, is no port at all (a file,
// a FIFO) or is a simulated keyboard another program holds; UsageError for a
// malformed --port.
std::unique_ptr<DeviceLine> OpenDeviceLine(CliContext& context);

// True when out is an interactive terminal.
bool IsTerminal(const std::ostream& out);

// Layout files (.vld, and .mkb to read) or Macro Text Format (.mtf), by the file
// name's extension. Both tell a failure on the prompt; Load takes the layout
// properties a Macro Text Format file sets into the settings (a layout file's
// properties are left to the settings, as when the program opens it). Another
// extension is a UsageError.
bool LoadDocument(TVL2Document& document, const std::string& fileName, SettingsStore& settings,
                  IPrompt& prompt, IReporter& reporter);
// UsageError unless the name is one SaveDocument writes.
void RequireWritableLayoutName(const std::string& fileName);
// True when a file can be created or replaced at path: its folder takes a new
// file and the path is not a folder, FIFO, device or a file that refuses writing.
// Asked before anything goes to the device.
bool CanWriteFile(const std::string& path);
// True when both names lead to one existing file (links followed, hard links too).
bool SameFile(const std::string& one, const std::string& other);
bool SaveDocument(TVL2Document& document, const std::string& fileName, const SettingsStore& settings,
                  IPrompt& prompt, IReporter& reporter);

// No arguments may be left over.
void ExpectNoMoreArguments(const std::vector<std::string>& args);
// The command's one file argument (what names it for the usage error).
std::string TakeOnlyArgument(std::vector<std::string>& args, const std::string& what);

// The terminal side of a device command: questions on standard input and the
// error stream (all answered Yes with assumeYes), progress on the error stream.
struct TerminalSide {
  TerminalSide(CliContext& context, bool assumeYes);
  TerminalPrompt prompt;
  TerminalReporter reporter;
};

// A command that moves a whole layout between a file and the keyboard: the open
// line, the terminal and the settings the command may adjust for this run.
struct LayoutTransfer {
  LayoutTransfer(CliContext& context, bool assumeYes, std::unique_ptr<DeviceLine> openLine);
  CliContext& context;
  std::unique_ptr<DeviceLine> line;
  TerminalSide terminal;
  SettingsStore settings;
  // The download or upload on the caller's thread; true when the device finished
  // it and a simulated keyboard's memory is kept.
  bool Run(const OperationRequest& request);
};

// nullptr (told on err) when the line does not open.
std::unique_ptr<LayoutTransfer> OpenLayoutTransfer(CliContext& context, bool assumeYes);

// The command's last line for people, "done" or "failed", and its JSON "verdict";
// the exit code, kExitOk when done.
int Verdict(CliContext& context, bool done, const std::string& doneText, const std::string& failedText);

}  // namespace vl::cli
