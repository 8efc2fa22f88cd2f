#pragma once
// What every vlat-cli command gets: its own arguments and the global options.

#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/ExitCodes.h"
#include "cli/Json.h"
#include "core/document/Field.h"
#include "core/settings/SettingsStore.h"

namespace vl::cli {

struct CliContext {
  std::vector<std::string> args;  // the command's arguments, options included, in order
  std::string dataDir;            // --data DIR, or the program folder's data
  std::string port;               // --port none|PATH|sim[:TYPE]; empty = the stored "keyboard port"
  std::string simState;           // --sim-state FILE: the simulated keyboard's memory; empty = the application's
  SettingsStore settings;         // loaded from the user's settings at start
  ISettingsBackend* settingsBackend = nullptr;  // where settings are stored, when a command asks
  std::ostream* out = nullptr;       // the command's result for people (standard error under --json)
  std::ostream* err = nullptr;       // messages for people
  std::ostream* progress = nullptr;  // progress of a transfer, never part of a message
  bool json = false;                 // --json: main writes result on standard output at the end
  Json result;                       // the facts of the command, for --json
  bool noDevice = false;             // the port would not open or no device answered
  std::string reason;                // the cause of a failure, for --json (cli/Reason.h)
};

// Takes "--name value" out of args; nullopt when absent. A missing value throws.
std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name);
// Takes a "--name" flag out of args; true when it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

// A whole decimal number; UsageError naming what otherwise.
int ParseInt(const std::string& text, const std::string& what);
// "C1,R1,C2,R2" within the field, left above right and top above bottom.
TRect ParseRect(const std::string& text);

// Thrown for a malformed command line; main prints it with the usage line.
struct UsageError {
  std::string message;
  const char* reason = "usage";  // for --json; a refusal with a cause of its own names it
};

}  // namespace vl::cli
