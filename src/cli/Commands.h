#pragma once
// The vlat-cli commands. Each lives in its own source file; Commands.cpp lists them.

#include <span>

#include "cli/CliContext.h"

namespace vl::cli {

struct CommandInfo {
  const char* name;
  const char* usage;  // arguments, for the help text
  const char* summary;
  int (*run)(CliContext& context);
};

std::span<const CommandInfo> AllCommands();

}  // namespace vl::cli
