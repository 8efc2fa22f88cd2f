#pragma once
// What the programmed keyboard finds in its memory: the header block before the
// last 32 bytes and the device data image from address 0, read through the same
// image reader as an upload so both sides agree on every record.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/device/Clock.h"
#include "core/device/DeviceHeader.h"
#include "core/device/DeviceImage.h"
#include "core/document/MacroButton.h"

namespace vl::sim {

// The image's records (card block t - 1: track t's header, terminator and output
// flags) and the layer count.
struct ProgrammedLayout : ImageRecords {
  int layers = 1;  // L, 1..4
};

// The interval between two bytes the keyboard sends: (code + 1) x 1.6 ms, as
// the interval list names the codes 0..15.
Clock::Duration ScanInterval(uint8_t code);

// The header block at headerAddress (the caller keeps it inside memory).
DeviceHeader ReadHeader(std::span<const uint8_t> memory, uint32_t headerAddress);

// The layout of a keyboard width x height keys, or nullopt when the memory holds
// none: DataSize 0 or reaching into the header block, a CRC-8 that does not
// match, or any table offset or record running outside the image.
std::optional<ProgrammedLayout> ReadProgrammedLayout(std::span<const uint8_t> memory, uint32_t headerAddress,
                                                     int width, int height);

}  // namespace vl::sim
