#include "cli/CliContext.h"

#include <algorithm>

namespace vl::cli {

std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name) {
  const auto found = std::find(args.begin(), args.end(), name);
  if (found == args.end()) return std::nullopt;
  if (found + 1 == args.end()) throw UsageError{"option " + name + " needs a value"};
  std::string value = *(found + 1);
  args.erase(found, found + 2);
  return value;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
  const auto found = std::find(args.begin(), args.end(), name);
  if (found == args.end()) return false;
  args.erase(found);
  return true;
}

}  // namespace vl::cli
