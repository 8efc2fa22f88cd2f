#include "core/mtf/MtfCommands.h"

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
// looked up here, so the lookup is a short hash and a probe or two.
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
      size_t slot = Hash(command.Name);
      while (slots_[slot]) slot = (slot + 1) % kSlots;
      slots_[slot] = &command;
    }
  }

  const MtfCommand* Find(std::string_view name) const {
    for (size_t slot = Hash(name); slots_[slot]; slot = (slot + 1) % kSlots) {
      if (slots_[slot]->Name == name) return slots_[slot];
    }
    return nullptr;
  }

 private:
  static constexpr size_t kSlots = 512;  // a power of two, four times the commands
  static_assert(kSlots >= 4 * kMtfCommandCount);

  static size_t Hash(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash % kSlots;
  }

  std::vector<MtfCommand> commands_;
  std::array<const MtfCommand*, kSlots> slots_{};
};

}  // namespace

const MtfCommand* FindMtfCommand(std::string_view upperName) {
  static const CommandIndex kIndex;
  return kIndex.Find(upperName);
}

std::optional<int> FindMtfConstant(std::string_view upperText) {
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
