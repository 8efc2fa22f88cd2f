#include "core/input/LineClipboard.h"

#include <cstdint>

#include "core/document/Field.h"

namespace vl {

std::string EncodeLineClipboard(std::string_view bytes) {
  const std::string_view kept = bytes.substr(0, kMaxSequenceLength);
  std::string data(1, static_cast<char>(kept.size()));
  data += kept;
  return data;
}

std::optional<std::string> DecodeLineClipboard(std::string_view data) {
  if (data.empty()) return std::nullopt;
  const size_t length = static_cast<uint8_t>(data[0]);
  if (data.size() - 1 < length) return std::nullopt;
  return std::string(data.substr(1, length));
}

}  // namespace vl
