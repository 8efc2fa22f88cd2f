#include "core/text/Cp1251.h"

#include <array>
#include <cstdint>
#include <unordered_map>

#include "core/text/Utf8.h"

namespace vl {
namespace {

// Unicode code points of the bytes 0x80 to 0xFF; 0 marks the one undefined byte.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

const std::unordered_map<char32_t, unsigned char>& ReverseTable() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> map;
    for (size_t i = 0; i < 128; ++i) {
      if (kHighHalf[i] != 0) map.emplace(kHighHalf[i], static_cast<unsigned char>(0x80 + i));
    }
    return map;
  }();
  return table;
}

std::optional<unsigned char> EncodeOne(char32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  const auto& table = ReverseTable();
  const auto found = table.find(c);
  if (found == table.end()) return std::nullopt;
  return found->second;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (const char ch : cp1251) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
      out += ch;
    } else {
      const char16_t c = kHighHalf[byte - 0x80];
      AppendUtf8(out, c != 0 ? c : 0xFFFD);
    }
  }
  return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto c = NextUtf8CodePoint(utf8, pos);
    if (!c) return std::nullopt;
    const auto byte = EncodeOne(*c);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

std::string Utf8ToCp1251Lossy(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto c = NextUtf8CodePoint(utf8, pos);
    if (!c) {
      ++pos;
      out += '?';
      continue;
    }
    const auto byte = EncodeOne(*c);
    out += byte ? static_cast<char>(*byte) : '?';
  }
  return out;
}

namespace {

constexpr unsigned char UpperByte(unsigned char b) {
  if (b >= 'a' && b <= 'z') return static_cast<unsigned char>(b - 32);
  if (b >= 0xE0) return static_cast<unsigned char>(b - 32);  // а-я -> А-Я
  switch (b) {
    case 0xB8: return static_cast<unsigned char>(0xA8);  // ё
    case 0xA2: return static_cast<unsigned char>(0xA1);  // ў
    case 0xB3: return static_cast<unsigned char>(0xB2);  // і
    case 0xBF: return static_cast<unsigned char>(0xAF);  // ї
    case 0xBA: return static_cast<unsigned char>(0xAA);  // є
    case 0xB4: return static_cast<unsigned char>(0xA5);  // ґ
    case 0xBC: return static_cast<unsigned char>(0xA3);  // ј
    case 0xBE: return static_cast<unsigned char>(0xBD);  // ѕ
    case 0x90: return static_cast<unsigned char>(0x80);  // ђ
    case 0x83: return static_cast<unsigned char>(0x81);  // ѓ
    case 0x9A: return static_cast<unsigned char>(0x8A);  // љ
    case 0x9C: return static_cast<unsigned char>(0x8C);  // њ
    case 0x9D: return static_cast<unsigned char>(0x8D);  // ќ
    case 0x9E: return static_cast<unsigned char>(0x8E);  // ћ
    case 0x9F: return static_cast<unsigned char>(0x8F);  // џ
    default: return b;
  }
}

// Initialisation-file names are compared upper-cased, a byte at a time: one table load each.
constexpr std::array<char, 256> kUpper = [] {
  std::array<char, 256> table{};
  for (size_t b = 0; b < table.size(); ++b) table[b] = static_cast<char>(UpperByte(static_cast<unsigned char>(b)));
  return table;
}();

}  // namespace

char Cp1251UpperChar(char ch) { return kUpper[static_cast<unsigned char>(ch)]; }

std::string Cp1251ToUpper(std::string_view cp1251) {
  std::string out(cp1251);
  for (char& ch : out) ch = kUpper[static_cast<unsigned char>(ch)];
  return out;
}

}  // namespace vl
