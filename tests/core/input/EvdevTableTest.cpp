// Desktop key codes turned into the keyboard's own set-1 bytes, checked through
// the decoder that the lines use.

#include <gtest/gtest.h>

#include "core/input/EvdevTable.h"
#include "core/text/ScanCode.h"

namespace vl {
namespace {

using Raw = std::vector<uint8_t>;

std::vector<uint8_t> Set2Of(int evdev, bool pressed) {
  Set1Decoder decoder;
  std::vector<uint8_t> out;
  for (uint8_t byte : EvdevToSet1(evdev, pressed)) {
    for (uint8_t code : decoder.Feed(byte)) out.push_back(code);
  }
  return out;
}

TEST(EvdevTableTest, MainBlockCodesAreSet1Codes) {
  EXPECT_EQ(EvdevToSet1(1, true), Raw{0x01});    // Esc
  EXPECT_EQ(EvdevToSet1(30, false), Raw{0x9E});  // a released
  EXPECT_EQ(EvdevToSet1(88, true), Raw{0x58});   // F12
  EXPECT_EQ(Set2Of(87, true), Raw{0x78});        // F11
  EXPECT_EQ(Set2Of(86, true), Raw{0x61});        // the key beside left Shift
}

TEST(EvdevTableTest, ExtendedKeysComeWithE0) {
  struct Case {
    int Evdev;
    uint8_t Set2;
  };
  // keypad Enter, right Control, keypad /, Print Screen, right Alt, Home, Up,
  // Page Up, Left, Right, End, Down, Page Down, Insert, Delete, Windows, menu.
  for (const Case c : {Case{96, 0x5A}, {97, 0x14}, {98, 0x4A}, {99, 0x7C}, {100, 0x11},
                       {102, 0x6C}, {103, 0x75}, {104, 0x7D}, {105, 0x6B}, {106, 0x74},
                       {107, 0x69}, {108, 0x72}, {109, 0x7A}, {110, 0x70}, {111, 0x71},
                       {125, 0x1F}, {126, 0x27}, {127, 0x2F}}) {
    EXPECT_EQ(Set2Of(c.Evdev, true), (Raw{0xE0, c.Set2})) << c.Evdev;
    EXPECT_EQ(Set2Of(c.Evdev, false), (Raw{0xE0, 0xF0, c.Set2})) << c.Evdev;
  }
}

TEST(EvdevTableTest, PauseSendsItsSequenceOnPressOnly) {
  EXPECT_EQ(EvdevToSet1(119, true), (Raw{0xE1, 0x1D, 0x45, 0xE1, 0x9D, 0xC5}));
  EXPECT_TRUE(EvdevToSet1(119, false).empty());
}

TEST(EvdevTableTest, KeysWithoutSet1CodeGiveNothing) {
  for (int code : {0, 89, 101, 112, 128, 240, 0x2FF, -1}) {
    EXPECT_TRUE(EvdevToSet1(code, true).empty()) << code;
  }
}

}  // namespace
}  // namespace vl
