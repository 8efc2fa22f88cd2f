#pragma once
// The byte vocabulary of the layout file (*.vld) shared by its writer and reader:
// header bytes, record tags and the password coding.

#include <array>
#include <cstdint>
#include <string>

namespace vl::layout_file {

inline constexpr uint8_t kNoPasswordMarker = 0xFF;
inline constexpr uint8_t kFirstPasswordMarker = 15;  // 15 + a random number below 240
inline constexpr uint8_t kWrittenVersion = 0x32;     // low nibble major, high nibble minor: 2.3
inline constexpr int kFirstCurrentVersion = 20;      // version numbers below are the old format

// major x 10 + minor of a version byte.
inline constexpr int VersionNumber(uint8_t versionByte) {
  return (versionByte & 0x0F) * 10 + (versionByte >> 4);
}

enum Tag : uint8_t {
  kEndOfKey = 0x01,
  kEndOfNote = 0x02,
  kTracksAndLayers = 0x21,
  kLanguageAndCorrection = 0x22,
  kInterval = 0x23,
  kLayer = 0x24,
  kAutoRepeat = 0x25,
  kClick = 0x26,
  kFunction = 0x27,
  kBuffering = 0x28,
  kKey = 0x40,
  kSameKey = 0x41,
  kNote = 0x42,
  kSameNote = 0x43,
  kPressSequence = 0x90,
  kReleaseSequence = 0x91,
  kLayerNote = 0x92,
  kKeyNote = 0x93,
  kMark = 0x94,
  kPassword = 0x95,
  kGroup = 0x96,
};

inline constexpr uint8_t kGroupByteCount = 6;
inline constexpr uint8_t kCardReaderCell = 255;  // the card reader is written at (255, 255)
inline constexpr size_t kMaxStoredPassword = 20;

// Mixed into every stored password character, byte i for character i.
inline constexpr std::array<uint8_t, kMaxStoredPassword> kPasswordTable = {
    0x5A, 0xC3, 0x17, 0x8E, 0x41, 0xF2, 0x2B, 0x96, 0x6D, 0x04,
    0xB9, 0x33, 0xE7, 0x58, 0x1C, 0xA5, 0x7F, 0xD0, 0x49, 0x82};

// The stored form of a password of 1 to 20 characters and back (the same coding).
inline std::string CodePassword(const std::string& text) {
  std::string coded = text;
  const auto n = static_cast<uint8_t>(text.size());
  for (size_t i = 0; i < coded.size() && i < kMaxStoredPassword; ++i) {
    coded[i] = static_cast<char>(static_cast<uint8_t>(coded[i]) ^ n ^ kPasswordTable[i]);
  }
  return coded;
}

}  // namespace vl::layout_file
