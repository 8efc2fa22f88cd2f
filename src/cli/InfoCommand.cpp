#include "cli/CliContext.h"

namespace vl::cli {

int RunInfo(CliContext& context) {
  *context.err << "not built yet\n";
  return kExitFailure;
}

}  // namespace vl::cli
