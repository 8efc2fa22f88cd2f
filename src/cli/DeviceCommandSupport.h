#pragma once
// What the device commands of vlat-cli share: the terminal's answers and progress,
// the port from --port, the device type's description from the command line
// (--memory, --check, --keys) and reading and writing the layout.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "core/device/DeviceSession.h"
#include "core/device/LockState.h"
#include "core/document/VL2Document.h"

namespace vl::cli {

// Questions on the terminal: "y"/"д" is Yes, anything else (end of input too) No.
// With assumeYes every question is answered Yes unasked. Messages go to err.
class TerminalPrompt final : public IPrompt {
 public:
  TerminalPrompt(std::istream& in, std::ostream& err, bool assumeYes);
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> AskPassword(const std::string& firstLine, const std::string& secondLine) override;

 private:
  std::istream& in_;
  std::ostream& err_;
  bool assumeYes_;
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

// The device type as given on the command line, for every type the port reports,
// with its keys laid on the grid column by column.
class CommandLineCatalogue final : public IDeviceCatalogue {
 public:
  explicit CommandLineCatalogue(DeviceModel model) : model_(std::move(model)) {}
  std::optional<DeviceModel> Model(uint16_t) const override { return model_; }
  std::optional<KeyPlacement> Decoding(uint16_t) const override;
  std::string ProgramFolder() const override { return {}; }

 private:
  DeviceModel model_;
};

// Everything a device command talks to, opened from the context's options.
struct DeviceLine {
  RealClock clock;
  FixedLockState locks;
  std::unique_ptr<Port> port;
  std::unique_ptr<CommandLineCatalogue> catalogue;
  PortAccess Access() { return PortAccess{*port, clock, locks}; }
};

inline constexpr const char* kDeviceOptionsUsage = "[--memory BYTES] [--check CS|CRC] [--keys WxH]";

// Takes --memory, --check and --keys out of the arguments and opens the port.
// nullptr (told on err) when the port cannot be opened; UsageError for bad options.
std::unique_ptr<DeviceLine> OpenDeviceLine(CliContext& context);

// True when out is an interactive terminal.
bool IsTerminal(const std::ostream& out);

// Layouts in Macro Text Format (.mtf). Both tell a failure on the prompt; Load
// takes the layout properties the text sets into the settings.
bool LoadDocument(TVL2Document& document, const std::string& fileName, SettingsStore& settings,
                  IPrompt& prompt, IReporter& reporter);
bool SaveDocument(const TVL2Document& document, const std::string& fileName, const SettingsStore& settings,
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

}  // namespace vl::cli
