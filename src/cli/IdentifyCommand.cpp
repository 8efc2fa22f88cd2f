// vlat-cli identify [--memory BYTES] [--check CS|CRC]: which keyboard is on the
// port, and its controller version, in the rows of the device information
// window that come from the device itself. Memory size and check kind are the
// device type's (the header block sits at Memory - 32); exit 1 when no device answers.

#include <iostream>

#include "cli/CliContext.h"
#include "core/device/Detect.h"
#include "core/device/DeviceInfo.h"
#include "platform/PortSelect.h"

namespace vl::cli {
namespace {

class StreamPrompt final : public IPrompt {
 public:
  explicit StreamPrompt(std::ostream& err) : err_(err) {}
  Answer Ask(const std::string& text, const std::string&, MessageButtons, MessageIcon) override {
    err_ << text << '\n';
    return Answer::Ok;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return {}; }

 private:
  std::ostream& err_;
};

// Rows of the information window that need no catalogue entry.
bool FromDevice(const std::string& parameter) {
  for (const char* name : {"Серия", "Номер", "Наличие считывателя магнитных карт", "Наличие считывателя Smart-карт",
                           "Наличие внешней клавиатуры", "Программатор", "Версия контроллера устройства"})
    if (parameter == name) return true;
  return false;
}

}  // namespace

int RunIdentify(CliContext& context) {
  std::vector<std::string>& args = context.args;
  int memory = 0;
  try {
    memory = std::stoi(TakeOption(args, "--memory").value_or("8192"));
  } catch (const std::logic_error&) {
    throw UsageError{"--memory must be a number"};
  }
  const std::string check = TakeOption(args, "--check").value_or("CRC");
  if (!args.empty()) throw UsageError{"unexpected argument: " + args.front()};
  if (memory < 64 || memory > 0x10000) throw UsageError{"--memory must be 64..65536"};

  PortChoice choice;
  try {
    choice = ParsePortChoice(context.port);
  } catch (const std::invalid_argument& e) {
    throw UsageError{e.what()};
  }
  RealClock clock;
  sim::SimConfig simConfig;
  simConfig.memorySize = static_cast<uint32_t>(memory);
  simConfig.check = CheckKindFromCatalogue(check);
  std::unique_ptr<Port> port;
  try {
    port = OpenChosenPort(choice, clock, simConfig);
  } catch (const std::system_error& e) {
    *context.err << e.what() << '\n';
    return kExitFailure;
  }
  FixedLockState locks;
  Link link{*port, clock, locks, TransferMode::Normal, static_cast<uint8_t>(CheckKindFromCatalogue(check))};
  NullReporter reporter;
  StreamPrompt prompt(*context.err);

  const auto identity = DetectDevice(link, reporter, prompt);
  if (!identity) return kExitFailure;
  DeviceInfoSource source;
  source.DeviceType = identity->DeviceType;
  source.Serial = identity->SerialNumber;
  source.MagneticReader = identity->HasCardReader;
  source.SmartCardReader = identity->HasSmartReader;
  source.ExternalKeyboard = identity->HasExternalKeyboard;
  source.Memory = memory;
  const auto header =
      ReadControllerVersion(link, identity->SerialNumber, static_cast<uint16_t>(memory - 32), reporter);
  if (header) {
    source.Programmer = header->Programmer;
    source.ProgrammerMajor = header->ProgrammerMajor;
    source.ProgrammerMinor = header->ProgrammerMinor;
    source.ControllerMajor = header->ControllerMajor;
    source.ControllerMinor = header->ControllerMinor;
  }
  for (const auto& [parameter, value] : DeviceInfoRows(source)) {
    if (!FromDevice(parameter)) continue;
    const bool unread = !header && (parameter == "Программатор" || parameter == "Версия контроллера устройства");
    *context.out << parameter << ": " << (unread ? kUnknownValue : value) << '\n';
  }
  ResetKeyboard(link);
  return kExitOk;
}

}  // namespace vl::cli
