#pragma once
// A model of the keyboard's side of the port protocol: reset, indicators,
// disable scanning, the 0xE3 0xA4 commands, normal-mode packets, protected-mode
// frames and read requests, all answered from its own memory. It checks the
// check bytes as the device does and stays silent on a bad block. Answers go
// out as nibble bytes with arbitrary high nibbles, at times on the given clock.
// Every byte both ways is kept in a transcript; faults come from a seeded generator.
// Its keys and card reader (KeyboardModel) send what the layout in its memory says,
// mixed into the same stream as the protocol's answers.

#include <cstdint>
#include <deque>
#include <random>
#include <string_view>
#include <vector>

#include "core/device/CheckBytes.h"
#include "core/device/Clock.h"
#include "core/device/DeviceIdentity.h"
#include "core/device/Port.h"
#include "sim/KeyboardModel.h"

namespace vl::sim {

struct SimConfig {
  DeviceIdentity identity{.DeviceType = 0x105, .SerialNumber = 0x1234, .HasCardReader = 1};
  uint8_t controllerMajor = 1;
  uint8_t controllerMinor = 2;
  uint32_t memorySize = 8192;  // 64..65536; the header block is the 32 bytes before the end
  CheckKind check = CheckKind::Crc;
  Clock::Duration resetDelay = std::chrono::milliseconds{300};  // self-test before 0xAA
  Clock::Duration answerDelay = std::chrono::milliseconds{1};   // first answer byte after the request
  Clock::Duration byteGap = std::chrono::milliseconds{1};       // between answer bytes
  // Host bytes further apart than this start a new message (a lost byte only
  // spoils the message it belonged to).
  Clock::Duration messageGap = std::chrono::milliseconds{20};
  uint8_t highNibbles = 0xA0;  // what the device puts in the high nibble of answer bytes
  bool keepTranscript = true;  // off for a long-running keyboard
  int keyColumns = 8;          // the device's key field, Width x Height
  int keyRows = 8;
  bool rawSet2 = false;        // the host gets the keys' set-2 bytes untranslated
};

// Probabilities per event, 0 = never.
struct FaultPlan {
  uint32_t seed = 1;
  double loseHostByte = 0;    // a byte from the host never reaches the device
  double corruptNibble = 0;   // an answer byte's data nibble is flipped
  double loseAck = 0;         // an accepted block is not acknowledged
  double lateAnswer = 0;      // an answer starts lateBy later
  Clock::Duration lateBy = std::chrono::milliseconds{150};  // past an acknowledgement's wait
};

struct TranscriptEntry {
  Clock::Duration time;
  bool fromHost;
  uint8_t byte;
  bool operator==(const TranscriptEntry&) const = default;
};

class SimulatedPort final : public Port {
 public:
  // Throws std::invalid_argument for a memory size out of range.
  SimulatedPort(Clock& clock, SimConfig config, FaultPlan faults = {});

  bool SendByte(uint8_t byte) override;
  void SetCapture(uint32_t target) override;
  uint16_t TakeByte() override;
  void Forward(IByteReceiver* receiver) override;

  const std::vector<TranscriptEntry>& Transcript() const { return transcript_; }
  std::vector<uint8_t> HostBytes() const;
  std::vector<uint8_t> DeviceBytes() const;
  void ClearTranscript() { transcript_.clear(); }

  std::vector<uint8_t>& Memory() { return memory_; }
  uint32_t HeaderAddress() const { return config_.memorySize - 32; }
  const SimConfig& Config() const { return config_; }
  uint8_t Indicators() const { return indicators_; }
  bool ScanningDisabled() const { return scanningDisabled_; }
  int IntervalCode() const { return intervalCode_; }
  int BlocksAccepted() const { return blocksAccepted_; }

  // The keys and the card reader, at the clock's present time; false for a
  // position outside the key field or a track outside 1..4.
  bool PressKey(int x, int y);
  bool ReleaseKey(int x, int y);
  bool SwipeCard(int track, std::string_view text);
  const KeyboardModel& Keys() const { return keys_; }
  // Delivers what is due by the clock's present time; a caller on the real clock
  // calls it regularly so autorepeats and queued bytes go out while nobody asks.
  void Poll() { Pump(); }

 private:
  struct Pending {
    Clock::Duration time;
    uint8_t byte;
  };
  void Receive(uint8_t byte);
  void Dispatch();
  size_t MessageLength(uint8_t command) const;
  void Answer(const std::vector<uint8_t>& data, bool isAck);
  void AnswerWhole(uint8_t byte, Clock::Duration delay);
  void Schedule(uint8_t byte, Clock::Duration at);
  void Pump();
  bool Chance(double p);
  void WriteMemory(uint32_t address, const uint8_t* data, size_t count);
  void AnswerRead(uint8_t command, uint32_t address);
  std::vector<uint8_t> WithCheck(std::vector<uint8_t> covered) const;

  Clock& clock_;
  SimConfig config_;
  FaultPlan faults_;
  std::mt19937 random_;
  std::vector<uint8_t> memory_;
  KeyboardModel keys_;
  std::vector<TranscriptEntry> transcript_;
  std::vector<uint8_t> message_;
  Clock::Duration lastHostByte_{-1};
  std::deque<Pending> outgoing_;
  std::deque<uint8_t> captured_;
  Clock::Duration lastScheduled_{0};
  bool capturing_ = false;
  Clock::Duration captureSince_{0};
  IByteReceiver* receiver_ = nullptr;
  bool expectIndicators_ = false;
  uint8_t indicators_ = 0;
  bool scanningDisabled_ = false;
  int intervalCode_ = -1;
  int blocksAccepted_ = 0;
};

}  // namespace vl::sim
