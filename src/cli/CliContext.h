#pragma once
// What every vlat-cli command gets: its own arguments and the global options.

#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "core/document/Field.h"
#include "core/settings/SettingsStore.h"

namespace vl::cli {

struct CliContext {
  std::vector<std::string> args;  // the command's arguments, options included, in order
  std::string dataDir;            // --data DIR, or the program folder's data
  std::string port;               // --port none|PATH|sim[:TYPE]; empty = the stored "keyboard port"
  SettingsStore settings;         // loaded from the user's settings at start
  ISettingsBackend* settingsBackend = nullptr;  // where settings are stored, when a command asks
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
};

// Exit codes of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitNoPort = 3;  // no keyboard port at the path given

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
};

}  // namespace vl::cli
