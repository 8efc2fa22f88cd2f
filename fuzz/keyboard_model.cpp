// The programmed keyboard over any memory: random memory and random key events
// never crash and never read outside the memory (the sanitizers watch).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/device/Crc8.h"
#include "sim/ProgrammedLayout.h"
#include "sim/KeyboardModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  // Header bytes: the key field, the memory size, the event count and whether the
  // memory's CRC-8 is made to match (so the reader gets past the check).
  const int width = data[0] % 17;
  const int height = data[1] % 17;
  const size_t memorySize = 64 + data[2] * 16u;
  const size_t eventCount = data[3];
  const bool fixCrc = data[4] & 1;
  const bool raw = data[4] & 2;
  size_t at = 5;
  const size_t eventsEnd = std::min(size, at + eventCount * 3);
  const size_t eventsAt = at;
  at = eventsEnd;

  std::vector<uint8_t> memory(memorySize, 0);
  for (size_t i = 0; i < memorySize && at < size; ++i) memory[i] = data[at++];
  const uint32_t headerAddress = static_cast<uint32_t>(memorySize - 32);
  if (fixCrc) {
    const size_t dataSize = vl::sim::ReadHeader(memory, headerAddress).DataSize;
    if (dataSize >= 2 && dataSize <= headerAddress)
      memory[dataSize - 1] = vl::Crc8(std::span<const uint8_t>(memory.data(), dataSize - 1));
  }

  vl::sim::KeyboardModel model(memory, {width, height, headerAddress, raw});
  vl::Clock::Duration now{0};
  for (size_t i = eventsAt; i + 2 < eventsEnd; i += 3) {
    const int x = data[i + 1] % 18 - 1;
    const int y = data[i + 2] % 18 - 1;
    switch (data[i] % 7) {
      case 0: model.Press(x, y, now); break;
      case 1: model.Release(x, y, now); break;
      case 2: model.Swipe(x % 6, std::string(reinterpret_cast<const char*>(data + i), 3), now); break;
      case 3: now += std::chrono::milliseconds{data[i + 1] * 8}; break;
      case 4: model.Reset(); break;
      case 5: model.SetScanning(data[i + 1] & 1); break;
      default: model.TakeDue(now); break;
    }
  }
  model.TakeDue(now + std::chrono::seconds{5});
  return 0;
}
