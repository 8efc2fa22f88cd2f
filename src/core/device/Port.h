#pragma once
// The keyboard port as the driver offers it: four requests, and whether it is
// still there.
// Implementations: NullPort (no driver), the Linux serio_raw port, the
// simulated keyboard.

#include <cstdint>

namespace vl {

// Gets every byte the keyboard sends while forwarding is on (test window,
// code-sequence lines). Called on whatever thread the port delivers on.
class IByteReceiver {
 public:
  virtual ~IByteReceiver() = default;
  virtual void OnKeyboardByte(uint8_t byte) = 0;
};

class Port {
 public:
  virtual ~Port() = default;
  // Sends one byte to the keyboard; false when it could not be sent.
  virtual bool SendByte(uint8_t byte) = 0;
  // Non-zero target: start collecting the keyboard's bytes; 0: stop.
  // Bytes that arrive while capture is off are not collected.
  virtual void SetCapture(uint32_t target) = 0;
  // One collected byte in arrival order: low byte non-zero when a byte was
  // taken, high byte is the byte. 0 when nothing is waiting.
  virtual uint16_t TakeByte() = 0;
  // Passes every byte the keyboard sends to receiver; nullptr stops it. The
  // receiver must not call back into the port.
  virtual void Forward(IByteReceiver* receiver) = 0;
  // True once the port has gone away for good (the device node removed, the far
  // end of a terminal closed): nothing will pass any more, whatever the settings.
  virtual bool Lost() const { return false; }
};

// No driver: bytes sent go nowhere (and report failure), nothing arrives.
class NullPort final : public Port {
 public:
  bool SendByte(uint8_t) override { return false; }
  void SetCapture(uint32_t) override {}
  uint16_t TakeByte() override { return 0; }
  void Forward(IByteReceiver*) override {}
};

}  // namespace vl
