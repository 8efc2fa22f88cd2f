// vlat-cli: batch use of the layout core and the device link.

#include <csignal>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "platform/ProgramFolder.h"
#include "platform/QtSettingsBackend.h"
#include "platform/SerioRawPort.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: vlat-cli [--data DIR] [--port none|PATH|sim[:TYPE]] COMMAND [ARGS]\n\ncommands:\n";
  for (const auto& command : vl::cli::AllCommands()) {
    out << "  " << command.name << (*command.usage ? " " : "") << command.usage << "\n      "
        << command.summary << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vl::cli;
  // A reader that goes away (vlat-cli ... | head) must not end a transfer half way:
  // writes to it then merely fail.
  std::signal(SIGPIPE, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  CliContext context;
  context.out = &std::cout;
  context.err = &std::cerr;
  try {
    context.dataDir = TakeOption(args, "--data").value_or(vl::ProgramDataFolder(argv[0]));
    context.port = TakeOption(args, "--port").value_or("");
  } catch (const UsageError& error) {
    std::cerr << "vlat-cli: " << error.message << '\n';
    return kExitUsage;
  }
  if (args.empty() || args[0] == "--help" || args[0] == "help") {
    PrintUsage(args.empty() ? std::cerr : std::cout);
    return args.empty() ? kExitUsage : kExitOk;
  }
  const std::string name = args[0];
  args.erase(args.begin());
  for (const auto& command : AllCommands()) {
    if (name != command.name) continue;
    vl::QtSettingsBackend backend;
    context.settings.Load(backend);
    context.settingsBackend = &backend;
    context.args = std::move(args);
    try {
      return command.run(context);
    } catch (const UsageError& error) {
      std::cerr << "vlat-cli " << name << ": " << error.message << "\nusage: vlat-cli " << name << ' '
                << command.usage << '\n';
      return kExitUsage;
    } catch (const vl::NotAPortError& error) {
      // A file or FIFO given as the port: refused before a byte reached it.
      std::cerr << "vlat-cli " << name << ": " << error.what() << '\n';
      return kExitNoPort;
    } catch (const std::bad_alloc&) {
      // Input too large for the memory at hand: say so instead of aborting.
      std::cerr << "vlat-cli " << name << ": out of memory\n";
      return kExitFailure;
    }
  }
  std::cerr << "vlat-cli: unknown command \"" << name << "\"\n";
  PrintUsage(std::cerr);
  return kExitUsage;
}
