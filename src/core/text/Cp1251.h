#pragma once
// Code page 1251 <-> UTF-8. Layout data, Macro Text Format, INI files and RTF are
// single-byte 1251 text; UTF-8 exists only at the edges (widgets, terminal).

#include <optional>
#include <string>
#include <string_view>

namespace vl {

// Every 1251 byte has a UTF-8 form except 0x98, which the code page leaves
// undefined; it becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

// Returns nullopt when the text is not valid UTF-8 (an overlong form, a surrogate
// or a truncated sequence included) or holds a character that
// code page 1251 cannot represent: a caller must refuse such input rather than
// store a substitute.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// As Utf8ToCp1251, but replaces what cannot be represented by '?'. For texts that
// are shown, never for texts that are stored.
std::string Utf8ToCp1251Lossy(std::string_view utf8);

// Upper-casing of 1251 text the way the program's messages need it: Latin a-z and
// Cyrillic а-я, ё, ў, і, ї, є, ґ and the other 1251 lower-case letters.
std::string Cp1251ToUpper(std::string_view cp1251);
// The same for one character.
char Cp1251UpperChar(char ch);

}  // namespace vl
