#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/device/TestDisplay.h"

namespace vl {
namespace {

std::string Show(TestDisplay& display, std::initializer_list<uint8_t> bytes) {
  std::string text;
  for (uint8_t b : bytes) text += display.Format(b);
  return text;
}

TEST(TestDisplay, CodesInDecimalAndHexadecimal) {
  TestDisplay display;
  EXPECT_EQ(Show(display, {0x1C, 0x00, 0xFF}), "028 000 255 ");
  display.SetMode(TestDisplayMode::Hexadecimal);
  EXPECT_EQ(Show(display, {0x1C, 0x00, 0xFF}), "0x1c 0x00 0xff ");
}

TEST(TestDisplay, HeldKeyIsNamedOnceAndItsReleaseShowsNothing) {
  TestDisplay display(TestDisplayMode::Names);
  EXPECT_EQ(Show(display, {0x1E, 0x1E, 0x1E, 0x9E}), "a ");
  EXPECT_EQ(Show(display, {0x1E, 0x9E}), "a ");
}

TEST(TestDisplay, ShiftAndCapsLockDecideTheLetterCase) {
  TestDisplay display(TestDisplayMode::Names);
  EXPECT_EQ(Show(display, {0x2A, 0x1E, 0x9E, 0xAA, 0x1E, 0x9E}), "LShift A a ");
  EXPECT_EQ(Show(display, {0x3A, 0xBA, 0x1E, 0x9E}), "Caps A ");
  EXPECT_EQ(Show(display, {0x36, 0x1E, 0x9E, 0xB6}), "RShift a ");
  // A switch to codes and back keeps the lock state.
  display.SetMode(TestDisplayMode::Decimal);
  display.SetMode(TestDisplayMode::Names);
  EXPECT_EQ(Show(display, {0x1E}), "A ");
  display.Reset();
  EXPECT_EQ(Show(display, {0x1E}), "a ");
}

TEST(TestDisplay, ExtendedKeysAndTheirAddedShiftsAndPause) {
  TestDisplay display(TestDisplayMode::Names);
  // Up arrow with the shifts a keyboard adds while Num Lock is on.
  EXPECT_EQ(Show(display, {0xE0, 0x2A, 0xE0, 0x48, 0xE0, 0xC8, 0xE0, 0xAA}), "UpArrow ");
  EXPECT_EQ(Show(display, {0x48, 0xC8}), "<8> ");
  EXPECT_EQ(Show(display, {0xE1, 0x1D, 0x45, 0xE1, 0x9D, 0xC5, 0x1E}), "Pause a ");
  // Acknowledgements and resend requests are not keys.
  EXPECT_EQ(Show(display, {0xFA, 0xFE}), "");
}

}  // namespace
}  // namespace vl
