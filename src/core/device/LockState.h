#pragma once
// Where the keyboard reset learns which lock indicators to restore.

namespace vl {

class ILockState {
 public:
  virtual ~ILockState() = default;
  virtual bool NumLockOn() const = 0;
  virtual bool CapsLockOn() const = 0;
};

// A fixed state; the default is both locks off.
class FixedLockState final : public ILockState {
 public:
  FixedLockState(bool numLock = false, bool capsLock = false) : num_(numLock), caps_(capsLock) {}
  bool NumLockOn() const override { return num_; }
  bool CapsLockOn() const override { return caps_; }

 private:
  bool num_;
  bool caps_;
};

// Bit 5 (0x20) Num Lock on, bit 6 (0x40) Caps Lock on.
int ReadLockState(const ILockState& locks);

}  // namespace vl
