#pragma once
// The keys of a standard keyboard by name, for adding a make or a break code to
// a line without pressing the key.

#include <array>
#include <cstdint>
#include <string>

namespace vl {

struct ListedKey {
  const char* Name;  // UTF-8
  uint8_t Code;      // set-2 code
  bool Extended;     // sent with E0
};

inline constexpr int kListedKeyCount = 102;

// The names in words; the windows show them in their own language.
inline constexpr const char* kKeyRightControl = "Правый Control";
inline constexpr const char* kKeyLeftControl = "Левый Control";
inline constexpr const char* kKeyRightAlt = "Правый Alt";
inline constexpr const char* kKeyLeftAlt = "Левый Alt";
inline constexpr const char* kKeyRightShift = "Правый Shift";
inline constexpr const char* kKeyLeftShift = "Левый Shift";
inline constexpr const char* kKeySpace = "Пробел";
inline constexpr const char* kKeyUp = "Стрелка Вверх";
inline constexpr const char* kKeyDown = "Стрелка Вниз";
inline constexpr const char* kKeyLeft = "Стрелка Влево";
inline constexpr const char* kKeyRight = "Стрелка Вправо";
inline constexpr const char* kKeyRightStart = "Правая Start";
inline constexpr const char* kKeyLeftStart = "Левая Start";
inline constexpr const char* kKeyFunctionMenu = "Функциональное меню";

// The 102 keys in the order the list shows them.
const std::array<ListedKey, kListedKeyCount>& StandardKeys();

// The make bytes of a key (E0 and the code, or the code).
std::string MakeBytes(const ListedKey& key);
// The break bytes of a key (E0 F0 and the code, or F0 and the code).
std::string BreakBytes(const ListedKey& key);

}  // namespace vl
