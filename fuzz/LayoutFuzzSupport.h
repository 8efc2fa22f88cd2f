#pragma once
// What both layout-file targets share: a prompt that always agrees and gives one
// fixed password, and the limits every loaded document must keep.

#include <optional>
#include <string>
#include <utility>

#include "core/common/FileErrors.h"
#include "core/document/LayoutFile.h"

namespace vl::fuzz {

inline constexpr const char* kPassword = "fuzz";

class AgreeingPrompt final : public IPrompt {
 public:
  Answer Ask(const std::string&, const std::string&, MessageButtons, MessageIcon) override {
    return Answer::Yes;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return kPassword;
  }
};

inline void CheckRecord(const TMacroButton& key) {
  if (key.Func > kMaxFunc) __builtin_trap();
  for (const TMacros& layer : key.Layers) {
    if (layer.Macro[0].size() > kMaxSequenceLength || layer.Macro[1].size() > kMaxSequenceLength ||
        layer.Note.size() > kMaxLayerNoteLength) {
      __builtin_trap();
    }
  }
}

// Loads the bytes; a failure must be one of the typed file errors, and a loaded
// document must hold only records within their limits.
inline void LoadAndCheck(std::string_view bytes) {
  TVL2Document document;
  AgreeingPrompt prompt;
  NullReporter reporter;
  try {
    LoadLayoutBytes(document, bytes, "fuzz.vld", prompt, reporter);
  } catch (const FileError&) {
    return;
  }
  CheckRecord(document.CardReader);
  // Read through const access: an untouched matrix is never allocated.
  for (const auto& key : std::as_const(document.Keys)) {
    if (key) CheckRecord(*key);
  }
  for (const auto& note : std::as_const(document.Notes)) {
    if (note && (note->KeyNote.size() > kMaxKeyNoteLength || note->Mark.size() > kMaxMarkLength)) {
      __builtin_trap();
    }
  }
}

}  // namespace vl::fuzz
