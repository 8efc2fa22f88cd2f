#include "core/mtf/MtfCommands.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/mtf/MtfKeyNames.h"

namespace vl {
namespace {

constexpr std::array<MtfCommand, 22> kPlainCommands = {{
    {"KEY", 3, 3, MtfCommandId::Key, -1},
    {"MCREADER", 0, 4, MtfCommandId::McReader, -1},
    {"DOWN", 0, 4, MtfCommandId::Down, -1},
    {"UP", 0, 4, MtfCommandId::Up, -1},
    {"HEADER", 0, 4, MtfCommandId::Header, -1},
    {"TERMINATOR", 0, 4, MtfCommandId::Terminator, -1},
    {"LAYOUT", 5, 5, MtfCommandId::Layout, -1},
    {"MOVERECT", 2, 2, MtfCommandId::MoveRect, -1},
    {"AUTOREPEAT", 0, 4, MtfCommandId::AutoRepeat, -1},
    {"BEEP", 0, 5, MtfCommandId::Beep, -1},
    {"LRC", 0, 0, MtfCommandId::Lrc, -1},
    {"SSSYMBOLS", 0, 0, MtfCommandId::SsSymbols, -1},
    {"INCLUDE", 1, 1, MtfCommandId::Include, -1},
    {"LABEL", 1, 1, MtfCommandId::Label, -1},
    {"REF", 1, 1, MtfCommandId::Ref, -1},
    {"STANDARDKEY", 3, 3, MtfCommandId::StandardKey, -1},
    {"TEXT", 1, 1, MtfCommandId::Text, -1},
    {"WAIT", 0, 1, MtfCommandId::Wait, -1},
    {"LAYERS", 1, 1, MtfCommandId::Layers, -1},
    {"IBD", 1, 1, MtfCommandId::Ibd, -1},
    {"KEYBUFF", 0, 0, MtfCommandId::KeyBuff, -1},
    {"AUTOCORRECTLOCK", 0, 0, MtfCommandId::AutoCorrectLock, -1},
}};

constexpr std::array<std::string_view, 11> kFunctionConstants = {
    "MACROS",   "INCLAYER", "DECLAYER", "TOLAYER0", "TOLAYER1",   "TOLAYER2",
    "TOLAYER3", "SHIFTLAYER0", "SHIFTLAYER1", "SHIFTLAYER2", "SHIFTLAYER3"};
constexpr std::array<std::string_view, 3> kLanguageConstants = {"ENGLISH", "RUSSIAN", "UKRAINIAN"};

// The commands by name in an open-addressing table: every key name of a text is
// looked up here. A name is upper-cased into two zero-padded machine words, so the
// hash and the comparison are a few word operations.
class CommandIndex {
 public:
  CommandIndex() {
    commands_.assign(kPlainCommands.begin(), kPlainCommands.end());
    const auto& keys = MtfKeyNames();
    for (int i = 0; i < kMtfKeyNameCount; ++i) {
      commands_.push_back({keys[static_cast<size_t>(i)].Name, 0, 1, MtfCommandId::KeyName, i});
    }
    // A name given twice keeps its first command, which comes first on its probe path.
    for (const auto& command : commands_) {
      const Key key = KeyOf(command.Name);
      size_t slot = Hash(key);
      while (slots_[slot].Command) slot = (slot + 1) % kSlots;
      slots_[slot] = {key, &command};
    }
  }

  const MtfCommand* Find(std::string_view name) const {
    if (name.size() > kLongestName) return nullptr;
    const Key key = KeyOf(name);
    for (size_t slot = Hash(key); slots_[slot].Command; slot = (slot + 1) % kSlots) {
      if (slots_[slot].Name == key) return slots_[slot].Command;
    }
    return nullptr;
  }

 private:
  static constexpr size_t kSlots = 512;  // a power of two, four times the commands
  static_assert(kSlots >= 4 * kMtfCommandCount);
  static constexpr size_t kLongestName = 16;  // AUTOCORRECTLOCK has 15 letters

  struct Key {
    std::array<uint64_t, 2> Words;  // the upper-cased name, zero-padded
    size_t Length;
    bool operator==(const Key&) const = default;
  };
  struct Slot {
    Key Name;
    const MtfCommand* Command;
  };

  static Key KeyOf(std::string_view name) {
    // Gathered in registers: a copy through memory would stall on the word loads.
    const size_t length = std::min(name.size(), kLongestName);
    uint64_t low = 0;
    uint64_t high = 0;
    for (size_t i = 0; i < std::min<size_t>(length, 8); ++i) {
      low |= uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
    }
    for (size_t i = 8; i < length; ++i) high |= uint64_t{static_cast<unsigned char>(name[i])} << (8 * (i - 8));
    return {{UpperAsciiBytes(low), UpperAsciiBytes(high)}, name.size()};
  }

  // Each byte 'a'..'z' of the word less 0x20, all others as they are.
  static uint64_t UpperAsciiBytes(uint64_t word) {
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    const uint64_t low7 = word & (0x7F * kOnes);
    const uint64_t fromA = low7 + (0x80 - 'a') * kOnes;      // high bit set from 'a' on
    const uint64_t pastZ = low7 + (0x80 - 'z' - 1) * kOnes;  // high bit set past 'z'
    const uint64_t lower = fromA & ~pastZ & ~word & (0x80 * kOnes);
    return word ^ (lower >> 2);
  }

  static size_t Hash(const Key& key) {
    const uint64_t mixed = (key.Words[0] * 0x9E3779B97F4A7C15ull) ^ (key.Words[1] * 0xC2B2AE3D27D4EB4Full) ^
                           key.Length;
    return static_cast<size_t>((mixed ^ (mixed >> 29)) * 0xBF58476D1CE4E5B9ull >> 55) % kSlots;
  }

  std::vector<MtfCommand> commands_;
  std::array<Slot, kSlots> slots_{};
};

}  // namespace

const MtfCommand* FindMtfCommand(std::string_view name) {
  static const CommandIndex kIndex;
  return kIndex.Find(name);
}

std::optional<int> FindMtfConstant(std::string_view upperText) {
  // Every constant begins with a letter; most parameters are numbers.
  if (upperText.empty() || upperText.front() < 'A' || upperText.front() > 'Z') return std::nullopt;
  if (upperText == "TRUE") return 1;
  if (upperText == "FALSE") return 0;
  for (size_t i = 0; i < kFunctionConstants.size(); ++i) {
    if (upperText == kFunctionConstants[i]) return static_cast<int>(i);
  }
  for (size_t i = 0; i < kLanguageConstants.size(); ++i) {
    if (upperText == kLanguageConstants[i]) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string_view MtfFunctionConstant(uint8_t func) {
  return func < kFunctionConstants.size() ? kFunctionConstants[func] : std::string_view();
}

std::string_view MtfLanguageConstant(uint8_t language) {
  // A stored language outside 0..2 is not one the devices know; English is the default.
  return language < kLanguageConstants.size() ? kLanguageConstants[language] : kLanguageConstants[0];
}

}  // namespace vl
