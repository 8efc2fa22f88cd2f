#include "sim/ProgrammedLayout.h"

#include "core/device/Crc8.h"
#include "core/device/DeviceImage.h"

namespace vl::sim {

namespace {

constexpr size_t kHeaderSize = 8;

}  // namespace

Clock::Duration ScanInterval(uint8_t code) { return std::chrono::microseconds{1600} * ((code & 0x0F) + 1); }

DeviceHeader ReadHeader(std::span<const uint8_t> memory, uint32_t headerAddress) {
  return UnpackHeader(memory.subspan(headerAddress).first<kHeaderSize>());
}

std::optional<ProgrammedLayout> ReadProgrammedLayout(std::span<const uint8_t> memory, uint32_t headerAddress,
                                                     int width, int height) {
  if (width <= 0 || height <= 0 || headerAddress + kHeaderSize > memory.size()) return std::nullopt;
  const size_t dataSize = ReadHeader(memory, headerAddress).DataSize;
  if (dataSize < 2 || dataSize > headerAddress) return std::nullopt;
  const auto image = memory.first(dataSize - 1);
  if (Crc8(image) != memory[dataSize - 1]) return std::nullopt;

  ProgrammedLayout layout;
  layout.layers = ((image.size() > 3 ? image[3] : 0) >> 4 & 3) + 1;
  const ImageReadOptions options{.Width = width, .Height = height, .ClickQuirk = false, .WithCard = true};
  if (!ReadImageRecords(image, options, layout)) return std::nullopt;
  return layout;
}

}  // namespace vl::sim
