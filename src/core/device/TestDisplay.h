#pragma once
// What the test window and `vlat-cli monitor` show for each byte the keyboard
// sends: its decimal code, its hexadecimal code, or the name of the key pressed.
// Name mode keeps state across bytes (set-1 decoding, Shift and lock states), so
// one object serves one stream of bytes.

#include <cstdint>
#include <string>

#include "core/text/KeyTexts.h"
#include "core/text/ScanCode.h"

namespace vl {

// The order of the test window's display list.
enum class TestDisplayMode : uint8_t { Decimal = 0, Hexadecimal = 1, Names = 2 };

class TestDisplay {
 public:
  explicit TestDisplay(TestDisplayMode mode = TestDisplayMode::Decimal) : mode_(mode) {}

  // The name state is kept: switching modes does not forget held Shifts or locks.
  void SetMode(TestDisplayMode mode) { mode_ = mode; }

  // The text to append for one received byte (UTF-8; empty when the byte shows
  // nothing): "028 ", "0x1c " or a key name and a blank.
  std::string Format(uint8_t byte);

  // Back to the state of a new window: nothing pending, Num Lock on, Caps Lock off.
  void Reset();

 private:
  std::string Name(uint8_t set2Byte);

  TestDisplayMode mode_;
  Set1Decoder decoder_;
  int skip_ = 0;
  bool extended_ = false;
  bool release_ = false;
  KeyCaseState state_;
};

}  // namespace vl
