#pragma once
// Special-paste definitions (spaste.ini): categories of named macros, each value
// a press sequence, "FF", a release sequence, "FF", then a layer note, the two
// sequences written as hexadecimal digit pairs.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalogue/NameTranslations.h"
#include "core/document/VL2Document.h"

namespace vl {

inline constexpr const char* kSpecialPasteFileName = "spaste.ini";
// The names of categories, actions and notes in the other languages (NameTranslations).
inline constexpr const char* kSpecialPasteNamesFileName = "spaste-names.ini";

struct SpecialPasteAction {
  std::string Name;   // code page 1251
  std::string Value;  // the definition as written
};

struct SpecialPasteCategory {
  std::string Name;  // code page 1251
  std::vector<SpecialPasteAction> Actions;
};

// Categories and their actions in file order. Throws FileReadError when the file
// cannot be read.
std::vector<SpecialPasteCategory> ReadSpecialPaste(const std::string& path);

// What is applied to the selected keys: three code page 1251 byte strings.
struct SpecialPasteResult {
  std::string Press;
  std::string Release;
  std::string Note;
  bool operator==(const SpecialPasteResult&) const = default;
};

// The parsed value, or the message (UTF-8, naming the action) that refuses it: a
// sequence with a character that is not a hexadecimal digit, with an odd number
// of digits, or longer than a key's sequence may be. A byte FFh in the note ends
// the note there; the note is put into the language of names, then cut to a layer
// note's length. An empty value gives three empty parts.
struct SpecialPasteParse {
  std::optional<SpecialPasteResult> Result;
  std::string Error;
};
SpecialPasteParse ParseSpecialPaste(const std::string& actionName, std::string_view value,
                                    const NameTranslations& names = {});

// Pastes the definition into the block on the layer (kAllLayers: every layer) as
// one history step: the press and release sequences and the layer note replace
// what the keys had there, and every key of the block becomes a macro key with
// autorepeat on, even where the definition leaves it blank.
void ApplySpecialPaste(TVL2Document& document, const TRect& block, int layer, const SpecialPasteResult& paste);

}  // namespace vl
