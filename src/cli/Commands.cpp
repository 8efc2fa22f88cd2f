#include "cli/Commands.h"

#include <array>

namespace vl::cli {

// Defined in the command's own source file.
int RunInfo(CliContext& context);
int RunConvert(CliContext& context);
int RunCheck(CliContext& context);
int RunIdentify(CliContext& context);

std::span<const CommandInfo> AllCommands() {
  static const std::array commands = {
      CommandInfo{"info", "FILE", "summary of a layout file", RunInfo},
      CommandInfo{"convert", "IN OUT [--password TEXT|--no-password]",
                  "rewrite a layout (.mkb or .vld into .vld)", RunConvert},
      CommandInfo{"check", "FILE [--layers N] [--rect C1,R1,C2,R2]",
                  "the layout check of a Macro Text Format file", RunCheck},
      CommandInfo{"identify", "[--memory BYTES] [--check CS|CRC]",
                  "identify the keyboard on the port and read its controller version", RunIdentify},
  };
  return commands;
}

}  // namespace vl::cli
