#include "cli/CliContext.h"

namespace vl::cli {

int RunConvert(CliContext& context) {
  *context.err << "not built yet\n";
  return kExitFailure;
}

}  // namespace vl::cli
