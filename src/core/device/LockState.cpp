#include "core/device/LockState.h"

namespace vl {

int ReadLockState(const ILockState& locks) {
  return (locks.NumLockOn() ? 0x20 : 0) | (locks.CapsLockOn() ? 0x40 : 0);
}

}  // namespace vl
