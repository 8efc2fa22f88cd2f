#pragma once
// The clipboard form of a line's raw bytes: a length byte followed by the bytes,
// carried beside the line's plain text under a type of our own.

#include <optional>
#include <string>
#include <string_view>

#include "core/common/TranslatableText.h"

namespace vl {

inline constexpr const char* kScanCodesMimeType = "application/x-velmorando-scancodes";
inline constexpr const char* kPasteOverflowMessage =
    VL_TEXT("core", "Вставка данных приведет к переполнению строки ввода.");

// The bytes (at most 255) as clipboard data.
std::string EncodeLineClipboard(std::string_view bytes);
// The bytes of clipboard data; nullopt when the data is empty or shorter than
// its length byte says. Bytes after the stated length are ignored.
std::optional<std::string> DecodeLineClipboard(std::string_view data);

}  // namespace vl
