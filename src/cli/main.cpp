// vlat-cli: batch use of the layout core and the device link.

#include <csignal>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Reason.h"
#include "cli/ToldLines.h"
#include "platform/ProgramFolder.h"
#include "platform/QtSettingsBackend.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: vlat-cli [--data DIR] [--port none|PATH|sim[:TYPE]] [--sim-state FILE] [--json] COMMAND [ARGS]\n"
         "       vlat-cli [--json] help | --version\n\ncommands:\n";
  for (const auto& command : vl::cli::AllCommands()) {
    out << "  " << command.name << (*command.usage ? " " : "") << command.usage << "\n      "
        << command.summary << '\n';
  }
}

// Runs the named command; the exit code. Usage errors are told on err.
int RunCommand(vl::cli::CliContext& context, const std::string& name, std::vector<std::string> args) {
  using namespace vl::cli;
  for (const auto& command : AllCommands()) {
    if (name != command.name) continue;
    vl::QtSettingsBackend backend;
    context.settings.Load(backend);
    context.settingsBackend = &backend;
    context.args = std::move(args);
    try {
      const int code = command.run(context);
      // A failure because no keyboard could be reached has its own code.
      return code == kExitFailure && context.noDevice ? kExitNoDevice : code;
    } catch (const UsageError& error) {
      TellReason(context, error.reason);
      *context.err << "vlat-cli " << name << ": " << error.message << "\nusage: vlat-cli " << name << ' '
                   << command.usage << '\n';
      return kExitUsage;
    } catch (const std::bad_alloc&) {
      // Input too large for the memory at hand: say so instead of aborting.
      TellReason(context, reason::kOutOfMemory);
      *context.err << "vlat-cli " << name << ": out of memory\n";
      return kExitFailure;
    }
  }
  *context.err << "vlat-cli: unknown command \"" << name << "\"\n";
  PrintUsage(*context.err);
  return kExitUsage;
}

// The commands for --json help.
vl::cli::Json CommandList() {
  vl::cli::Json commands = vl::cli::Json::Array();
  for (const auto& command : vl::cli::AllCommands())
    commands.Push(vl::cli::Json::Object()
                      .Set("name", command.name)
                      .Set("usage", command.usage)
                      .Set("summary", command.summary));
  return commands;
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
  context.progress = &std::cerr;
  try {
    context.dataDir = TakeOption(args, "--data").value_or(vl::ProgramDataFolder(argv[0]));
    context.port = TakeOption(args, "--port").value_or("");
    context.simState = TakeOption(args, "--sim-state").value_or("");
  } catch (const UsageError& error) {
    std::cerr << "vlat-cli: " << error.message << '\n';
    return kExitUsage;
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "vlat-cli (Velmorando AT) " VLAT_PROGRAM_VERSION "\n";
    return kExitOk;
  }
  if (args.empty() || args[0] == "--help" || args[0] == "help") {
    PrintUsage(args.empty() ? std::cerr : std::cout);
    return args.empty() ? kExitUsage : kExitOk;
  }
  context.json = TakeFlag(args, "--json");
  if (!context.json) {
    const std::string name = args[0];
    return RunCommand(context, name, {args.begin() + 1, args.end()});
  }

  // Under --json standard output carries only the JSON: the text for people goes
  // to standard error, and the messages among it become the result's message.
  ToldLines told(std::cerr);
  std::ostream err(&told);
  context.out = &std::cerr;
  context.err = &err;
  const std::string name = args.empty() ? "" : args[0];
  context.result.Set("command", name);
  int code = kExitOk;
  if (name == "help" || name == "--help")
    context.result.Set("command", "help").Set("version", VLAT_PROGRAM_VERSION).Set("commands", CommandList());
  else
    code = args.empty() ? (err << "vlat-cli: a command is needed\n", kExitUsage)
                        : RunCommand(context, name, {args.begin() + 1, args.end()});
  err.flush();
  context.result.Set("exit", code).Set("ok", code == kExitOk).Set("reason", FinalReason(context, code));
  std::string message;
  for (const auto& line : told.Lines()) message += (message.empty() ? "" : "\n") + line;
  if (!message.empty()) context.result.Set("message", message);
  std::cout << context.result.Dump() << std::endl;
  return code;
}
