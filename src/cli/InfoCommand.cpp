#include "cli/CliContext.h"

namespace vl::cli {

int RunDeviceInfo(CliContext& context);

int RunInfo(CliContext& context) {
  // Without a layout file (only options), the attached keyboard is described.
  if (context.args.empty() || context.args.front().starts_with("--")) return RunDeviceInfo(context);
  *context.err << "not built yet\n";
  return kExitFailure;
}

}  // namespace vl::cli
