#pragma once
// The keys of a standard keyboard by name, for adding a make or a break code to
// a line without pressing the key.

#include <array>
#include <cstdint>
#include <string>

#include "core/common/TranslatableText.h"

namespace vl {

struct ListedKey {
  const char* Name;  // UTF-8
  uint8_t Code;      // set-2 code
  bool Extended;     // sent with E0
};

inline constexpr int kListedKeyCount = 102;

// The names in words; the windows show them in their own language.
inline constexpr const char* kKeyRightControl = VL_TEXT("core", "Правый Control");
inline constexpr const char* kKeyLeftControl = VL_TEXT("core", "Левый Control");
inline constexpr const char* kKeyRightAlt = VL_TEXT("core", "Правый Alt");
inline constexpr const char* kKeyLeftAlt = VL_TEXT("core", "Левый Alt");
inline constexpr const char* kKeyRightShift = VL_TEXT("core", "Правый Shift");
inline constexpr const char* kKeyLeftShift = VL_TEXT("core", "Левый Shift");
inline constexpr const char* kKeySpace = VL_TEXT("core", "Пробел");
inline constexpr const char* kKeyUp = VL_TEXT("core", "Стрелка Вверх");
inline constexpr const char* kKeyDown = VL_TEXT("core", "Стрелка Вниз");
inline constexpr const char* kKeyLeft = VL_TEXT("core", "Стрелка Влево");
inline constexpr const char* kKeyRight = VL_TEXT("core", "Стрелка Вправо");
inline constexpr const char* kKeyRightStart = VL_TEXT("core", "Правая Start");
inline constexpr const char* kKeyLeftStart = VL_TEXT("core", "Левая Start");
inline constexpr const char* kKeyFunctionMenu = VL_TEXT("core", "Функциональное меню");

// The 102 keys in the order the list shows them.
const std::array<ListedKey, kListedKeyCount>& StandardKeys();

// The make bytes of a key (E0 and the code, or the code).
std::string MakeBytes(const ListedKey& key);
// The break bytes of a key (E0 F0 and the code, or F0 and the code).
std::string BreakBytes(const ListedKey& key);

}  // namespace vl
