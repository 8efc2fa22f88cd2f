#include "cli/CliContext.h"

#include <algorithm>
#include <sstream>

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

int ParseInt(const std::string& text, const std::string& what) {
  try {
    size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  throw UsageError{"bad " + what + " \"" + text + "\""};
}

TRect ParseRect(const std::string& text) {
  std::vector<int> values;
  std::stringstream parts(text);
  for (std::string part; std::getline(parts, part, ',');) values.push_back(ParseInt(part, "--rect"));
  if (values.size() != 4 || !InField(values[0], values[1]) || !InField(values[2], values[3]) ||
      values[0] > values[2] || values[1] > values[3]) {
    throw UsageError{"--rect needs C1,R1,C2,R2 within 1..255"};
  }
  return TRect{values[0], values[1], values[2], values[3]};
}

}  // namespace vl::cli
