#pragma once
// The keyboard-port transport: resets, packets, frames, acknowledgements and
// the device commands, over a Port and a Clock. Every operation blocks; only
// one runs on a link at a time. Pauses, poll counts and periods are part of
// the protocol and are kept exactly.

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "core/device/CheckBytes.h"
#include "core/device/Clock.h"
#include "core/device/DeviceHeader.h"
#include "core/device/LockState.h"
#include "core/device/Port.h"

namespace vl {

enum class TransferMode : uint8_t { Normal = 0, Protected = 1 };

// What the operations share: the port, the clock and the mode settings.
struct Link {
  Port& port;
  Clock& clock;
  const ILockState& locks;
  TransferMode mode = TransferMode::Normal;
  // 0 sum, 1 CRC-8; any other value makes packets and frames send nothing.
  uint8_t checksumKind = 0;
  uint32_t captureTarget = 1;
};

using Bytes = std::string;  // raw bytes, as the rest of the core keeps them

inline constexpr std::chrono::milliseconds kBytePause{5};
inline constexpr uint8_t kAckPacket = 0xE4;
inline constexpr uint8_t kAckFrame = 0xE5;
inline constexpr uint8_t kFrameWrite = 0xE5;
inline constexpr uint8_t kFrameRead = 0xE6;
inline constexpr uint8_t kIdentifyCode = 0xAA;
inline constexpr size_t kCaptureLimit = 255;

// Waits of each exchange: polls x period.
struct PollPlan {
  int polls;
  std::chrono::milliseconds period;
};
inline constexpr PollPlan kResetPoll{500, std::chrono::milliseconds{5}};
inline constexpr PollPlan kCommandPoll{150, std::chrono::milliseconds{5}};
inline constexpr PollPlan kAckPoll{50, std::chrono::milliseconds{2}};
inline constexpr PollPlan kHeaderAckPoll{100, std::chrono::milliseconds{2}};
inline constexpr PollPlan kHeaderReadPoll{200, std::chrono::milliseconds{5}};
inline constexpr PollPlan kBlockReadPoll{1000, std::chrono::milliseconds{2}};

bool SendByte(Link& link, uint8_t byte);           // true when sent
bool SendBytePaced(Link& link, uint8_t byte);      // then 5 ms; always true
void StartCapture(Link& link);
void StopCapture(Link& link);
void FetchByte(Link& link, Bytes& buffer);         // appends at most one byte, up to 255
// Bytes 1..n-1 each followed by 5 ms, the last without pause; empty sends nothing.
bool SendString(Link& link, const Bytes& bytes);

// Low nibbles, low first: r1, r2 -> (r2 & 15) * 16 + (r1 & 15). An odd last byte
// is dropped.
Bytes DecodeNibbles(const Bytes& received);
// The bytes as the keyboard sends them: two nibbles each, low first; the high
// nibbles of the sent bytes are taken from highBits (the device leaves them undefined).
Bytes EncodeNibbles(const Bytes& data, uint8_t highBits = 0);

// The transmitted normal-mode packet (data, then the two check bytes), or empty
// for an unknown checksum kind.
Bytes PacketBytes(uint8_t checksumKind, const Bytes& data);
// The transmitted protected-mode frame: 25 bytes for 0xE5, 5 for 0xE6; empty
// for an unknown checksum kind (or command).
Bytes FrameBytes(uint8_t checksumKind, const Bytes& data, uint16_t word, uint8_t command);

// The keyboard's indicator command and the indicator byte it takes.
inline constexpr uint8_t kSetIndicators = 0xED;
inline constexpr uint8_t IndicatorBits(bool numLock, bool capsLock) {
  return static_cast<uint8_t>((numLock ? 0x02 : 0) | (capsLock ? 0x04 : 0));
}

bool ResetKeyboard(Link& link);
bool SendPacket(Link& link, const Bytes& data);
bool SendFrame(Link& link, const Bytes& data, uint16_t word, uint8_t command);

// What an acknowledgement wait received counts only when the send went out and
// exactly two bytes arrived that decode to ack.
bool IsAcknowledgement(const Bytes& received, bool sent, uint8_t ack);

// The bytes that open every device command, before its code.
inline constexpr uint8_t kDeviceCommandPrefix[] = {0xE3, 0xA4};
// 8 decoded bytes, or "0" unless exactly 16 bytes arrived. received, when given,
// gets what arrived as it came.
Bytes DeviceCommand(Link& link, uint8_t code, bool resetFirst, Bytes* received = nullptr);
bool WritePacketAck(Link& link, const Bytes& packet);
bool WriteFrameAck(Link& link, const Bytes& data8, uint16_t address);

struct ProgrammerVersion {
  uint8_t major = 2;
  uint8_t minor = 3;
};

// Normal-mode packets before the check bytes; the serial travels only under the sum check.
Bytes WriteBlockPacket(uint8_t checksumKind, uint16_t serial, uint16_t address, const Bytes& data16);
Bytes ReadRequestPacket(uint8_t checksumKind, uint16_t serial, uint16_t address);

// The header is sent with the given version and the controller as 0.
bool WriteHeader(Link& link, uint16_t serial, uint16_t address, DeviceHeader header,
                 ProgrammerVersion version);
// One attempt; the caller repeats.
bool ReadHeader(Link& link, uint16_t serial, uint16_t address, DeviceHeader& header);
// The decoded answer when its echoed address matches, else empty; the caller checks it.
Bytes ReadBlock(Link& link, uint16_t serial, uint16_t address);
bool ClearDevice(Link& link, uint16_t serial, uint16_t headerAddress, uint8_t programmer,
                 ProgrammerVersion version);

// Decoded read-answer length: 13 under CRC-8, 15 under the sum check.
size_t ReadAnswerLength(uint8_t checksumKind);

}  // namespace vl
