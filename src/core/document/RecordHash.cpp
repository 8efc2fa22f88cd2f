#include "core/document/RecordHash.h"

#include <functional>
#include <string_view>

namespace vl {
namespace {

void Mix(size_t& seed, size_t value) { seed ^= value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2); }

}  // namespace

size_t HashRecord(const TMacroButton& record) {
  const std::hash<std::string_view> text;
  size_t seed = record.Func;
  for (const TMacros& layer : record.Layers) {
    Mix(seed, text(layer.Macro[0]));
    Mix(seed, text(layer.Macro[1]));
    Mix(seed, text(layer.Note));
    Mix(seed, static_cast<size_t>(layer.AutoRepeat) << 8 | layer.Click);
  }
  return seed;
}

}  // namespace vl
