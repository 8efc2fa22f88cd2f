#pragma once
// The key record and its layer block. Sequences are scan-code bytes (set 2, 0xE0
// extended prefix, 0xF0 release prefix, 0xFF + (n + 80) pause); notes are code
// page 1251 bytes. Lengths are kept within the limits of Field.h by every editor.

#include <array>
#include <cstdint>
#include <string>

#include "core/document/Field.h"
#include "core/document/KeyFunction.h"

namespace vl {

// The highest click the click window sets (and Macro Text Format reads).
inline constexpr int kMaxClick = 6;

struct TMacros {
  std::array<std::string, 2> Macro;  // [0] press sequence, [1] release sequence
  uint8_t AutoRepeat = 0;            // bit 0: the press sequence repeats while held
  uint8_t Click = 0;                 // click-duration code; 0 when never set
  std::string Note;                  // layer note, at most 50 characters

  bool IsEmpty() const {
    return Macro[0].empty() && Macro[1].empty() && AutoRepeat == 0 && Click == 0 && Note.empty();
  }
  bool operator==(const TMacros&) const = default;
};

struct TMacroButton {
  uint8_t Func = kFuncNone;
  std::array<TMacros, kLayerCount> Layers;

  bool AllLayersEmpty() const {
    for (const auto& layer : Layers) {
      if (!layer.IsEmpty()) return false;
    }
    return true;
  }
  // No function and nothing on any layer: not written to files.
  bool IsEmpty() const { return Func == kFuncNone && AllLayersEmpty(); }
  // Empty, or a macro key with nothing on any layer: editing frees such records.
  bool IsBlank() const { return (Func == kFuncNone || Func == kFuncMacro) && AllLayersEmpty(); }
  bool operator==(const TMacroButton&) const = default;
};

// The card reader uses TMacroButton with one block per track (block t = track t+1):
// Macro[0] the track header, Macro[1] the terminator, Click the output flags.
inline constexpr uint8_t kCardOutputStartStop = 0x01;
inline constexpr uint8_t kCardOutputLrc = 0x02;

}  // namespace vl
