#pragma once
// Naming the device's field in a layout: the block of keys a download writes, an
// upload fills or a comparison or key image covers, told by the key it starts
// at, so that a stray click on another key does not go unnoticed.

#include <string>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"
#include "core/document/Field.h"

namespace vl {

// %1 x %2 the block's columns and rows, (%3,%4) its top-left key.
inline constexpr const char* kDeviceFieldPattern = VL_TEXT("core", "Поле устройства %1×%2 с клавиши (%3,%4).");

// The key image's question before it writes a field that does not start at (1,1).
inline constexpr const char* kKeyImageFieldQuestion = VL_TEXT("core", "Сохранить рисунок клавиш этого поля?");

// "Поле устройства 8×8 с клавиши (10,3)." for the block.
std::string DeviceFieldText(const TRect& field, const TextTranslator& translate = {});

// The same, or nothing when the block starts at the layout's first key (1,1).
std::string DeviceFieldNote(const TRect& field, const TextTranslator& translate = {});

// question preceded by the field's note and an empty line, or question alone.
std::string WithDeviceFieldNote(const TRect& field, const std::string& question,
                                const TextTranslator& translate = {});

}  // namespace vl
