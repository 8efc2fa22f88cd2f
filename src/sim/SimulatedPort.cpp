#include "sim/SimulatedPort.h"

#include <algorithm>
#include <stdexcept>

#include "core/device/Transport.h"

namespace vl::sim {

namespace {

uint16_t Word(uint8_t low, uint8_t high) { return static_cast<uint16_t>(low | high << 8); }

std::span<const uint8_t> Span(const std::vector<uint8_t>& bytes) { return {bytes.data(), bytes.size()}; }

}  // namespace

SimulatedPort::SimulatedPort(Clock& clock, SimConfig config, FaultPlan faults)
    : clock_(clock), config_(config), faults_(faults), random_(faults.seed),
      memory_(config.memorySize, 0xFF),
      keys_(memory_, KeyField{config.keyColumns, config.keyRows, config.memorySize - 32, config.rawSet2}) {
  if (config.memorySize < 64 || config.memorySize > 0x10000)
    throw std::invalid_argument("memory size must be 64..65536 bytes");
  WriteMemory(HeaderAddress(), nullptr, 0);  // puts the controller version in place
}

bool SimulatedPort::Chance(double p) {
  return p > 0 && std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p;
}

bool SimulatedPort::SendByte(uint8_t byte) {
  Pump();
  if (config_.keepTranscript) transcript_.push_back({clock_.Now(), true, byte});
  if (!Chance(faults_.loseHostByte)) Receive(byte);
  return true;
}

void SimulatedPort::SetCapture(uint32_t target) {
  Pump();
  capturing_ = target != 0;
  if (capturing_) captureSince_ = clock_.Now();
  captured_.clear();
}

uint16_t SimulatedPort::TakeByte() {
  Pump();
  if (!capturing_ || captured_.empty()) return 0;
  const uint8_t byte = captured_.front();
  captured_.pop_front();
  return static_cast<uint16_t>(byte << 8 | 1);
}

void SimulatedPort::Forward(IByteReceiver* receiver) {
  Pump();
  receiver_ = receiver;
}

std::vector<uint8_t> SimulatedPort::HostBytes() const {
  std::vector<uint8_t> bytes;
  for (const auto& entry : transcript_)
    if (entry.fromHost) bytes.push_back(entry.byte);
  return bytes;
}

std::vector<uint8_t> SimulatedPort::DeviceBytes() const {
  std::vector<uint8_t> bytes;
  for (const auto& entry : transcript_)
    if (!entry.fromHost) bytes.push_back(entry.byte);
  return bytes;
}

// Bytes whose time has come leave the device, protocol answers and keys in time
// order: to the forwarding receiver, and into the capture when capture was on
// before they arrived.
void SimulatedPort::Pump() {
  const auto now = clock_.Now();
  const std::vector<TimedByte> keys = keys_.TakeDue(now);
  size_t nextKey = 0;
  for (;;) {
    const bool answerDue = !outgoing_.empty() && outgoing_.front().time <= now;
    if (!answerDue && nextKey == keys.size()) break;
    Pending sent;
    if (answerDue && (nextKey == keys.size() || outgoing_.front().time <= keys[nextKey].time)) {
      sent = outgoing_.front();
      outgoing_.pop_front();
    } else {
      sent = {keys[nextKey].time, keys[nextKey].byte};
      ++nextKey;
    }
    if (config_.keepTranscript) transcript_.push_back({sent.time, false, sent.byte});
    if (receiver_) receiver_->OnKeyboardByte(sent.byte);
    if (capturing_ && sent.time >= captureSince_) captured_.push_back(sent.byte);
  }
}

bool SimulatedPort::PressKey(int x, int y) {
  Pump();
  const bool isKey = keys_.Press(x, y, clock_.Now());
  Pump();
  return isKey;
}

bool SimulatedPort::ReleaseKey(int x, int y) {
  Pump();
  const bool isKey = keys_.Release(x, y, clock_.Now());
  Pump();
  return isKey;
}

bool SimulatedPort::SwipeCard(int track, std::string_view text) {
  Pump();
  const bool isTrack = keys_.Swipe(track, text, clock_.Now());
  Pump();
  return isTrack;
}

void SimulatedPort::Schedule(uint8_t byte, Clock::Duration at) {
  at = std::max(at, lastScheduled_ + config_.byteGap);
  lastScheduled_ = at;
  outgoing_.push_back({at, byte});
}

void SimulatedPort::AnswerWhole(uint8_t byte, Clock::Duration delay) {
  lastScheduled_ = clock_.Now();
  Schedule(byte, clock_.Now() + delay);
}

void SimulatedPort::Answer(const std::vector<uint8_t>& data, bool isAck) {
  if (isAck && Chance(faults_.loseAck)) return;
  auto at = clock_.Now() + config_.answerDelay;
  if (Chance(faults_.lateAnswer)) at += faults_.lateBy;
  const std::string encoded = EncodeNibbles(std::string(data.begin(), data.end()), config_.highNibbles);
  for (char c : encoded) {
    auto byte = static_cast<uint8_t>(c);
    if (Chance(faults_.corruptNibble)) byte ^= 0x01;
    Schedule(byte, at);
  }
}

std::vector<uint8_t> SimulatedPort::WithCheck(std::vector<uint8_t> covered) const {
  const auto check = CheckBytes(Span(covered), config_.check);
  covered.insert(covered.end(), check.begin(), check.end());
  return covered;
}

void SimulatedPort::WriteMemory(uint32_t address, const uint8_t* data, size_t count) {
  std::copy_n(data, count, memory_.begin() + address);
  // The controller version in the header is the device's own.
  memory_[HeaderAddress() + 4] = static_cast<uint8_t>(config_.controllerMajor << 4 | config_.controllerMinor);
}

size_t SimulatedPort::MessageLength(uint8_t command) const {
  const size_t serial = config_.check == CheckKind::Sum ? 2 : 0;
  switch (command) {
    case 0xE3: return 3;
    case 0xE4: return 1 + serial + 2 + 16 + 2;
    case 0xE2: return 1 + serial + 2 + 2;
    case kFrameWrite: return 25;
    case kFrameRead: return 5;
    default: return 0;
  }
}

void SimulatedPort::Receive(uint8_t byte) {
  const auto now = clock_.Now();
  if (lastHostByte_.count() >= 0 && now - lastHostByte_ > config_.messageGap) {
    message_.clear();
    expectIndicators_ = false;
  }
  lastHostByte_ = now;
  if (expectIndicators_) {
    indicators_ = byte;
    expectIndicators_ = false;
    return;
  }
  if (message_.empty()) {
    switch (byte) {
      case 0xFF:
        outgoing_.clear();
        keys_.Reset();
        scanningDisabled_ = false;
        AnswerWhole(0xAA, config_.resetDelay);
        return;
      case 0xED: expectIndicators_ = true; return;
      case 0xF5:
        scanningDisabled_ = true;
        keys_.SetScanning(false);
        return;
      default:
        if (MessageLength(byte) == 0) return;  // not ours: ignored like any unknown command
    }
  }
  message_.push_back(byte);
  if (message_.size() == MessageLength(message_[0])) {
    // A new request supersedes an answer still waiting to go out.
    outgoing_.erase(std::remove_if(outgoing_.begin(), outgoing_.end(),
                                   [&](const Pending& p) { return p.time > now; }),
                    outgoing_.end());
    lastScheduled_ = now;
    Dispatch();
    message_.clear();
  }
}

void SimulatedPort::AnswerRead(uint8_t command, uint32_t address) {
  if (address + 8 > memory_.size()) return;
  std::vector<uint8_t> answer{command};
  if (config_.check == CheckKind::Sum) {
    answer.push_back(static_cast<uint8_t>(config_.identity.SerialNumber & 0xFF));
    answer.push_back(static_cast<uint8_t>(config_.identity.SerialNumber >> 8));
  }
  answer.push_back(static_cast<uint8_t>(address & 0xFF));
  answer.push_back(static_cast<uint8_t>(address >> 8));
  answer.insert(answer.end(), memory_.begin() + address, memory_.begin() + address + 8);
  Answer(WithCheck(answer), false);
}

void SimulatedPort::Dispatch() {
  const std::vector<uint8_t>& m = message_;
  const bool sum = config_.check == CheckKind::Sum;
  const size_t addressAt = sum ? 3 : 1;
  const bool serialOk = !sum || Word(m[1], m[2]) == config_.identity.SerialNumber;
  switch (m[0]) {
    case 0xE3: {
      if (m[1] != 0xA4) return;
      if (m[2] == kIdentifyCode) {
        const auto identity = PackIdentity(config_.identity);
        Answer(WithCheck({identity.begin(), identity.end()}), false);
      } else if (m[2] <= 15) {
        intervalCode_ = m[2];
        Answer(WithCheck({0xE3, m[2], 0, 0, 0, 0}), false);
      }
      return;
    }
    case 0xE4: {
      const uint16_t address = Word(m[addressAt], m[addressAt + 1]);
      if (!CheckBlock(Span(m), config_.check) || !serialOk || address + 16u > memory_.size()) return;
      WriteMemory(address, &m[addressAt + 2], 16);
      ++blocksAccepted_;
      Answer({kAckPacket}, true);
      return;
    }
    case 0xE2:
      if (CheckBlock(Span(m), config_.check) && serialOk) AnswerRead(0xE2, Word(m[addressAt], m[addressAt + 1]));
      return;
    case kFrameWrite:
    case kFrameRead: {
      auto nibble = [&](size_t i) { return static_cast<uint8_t>(m[i] & 0x0F); };
      const uint16_t address =
          static_cast<uint16_t>(nibble(1) | nibble(2) << 4 | nibble(3) << 8 | nibble(4) << 12);
      if (m[0] == kFrameRead) {
        AnswerRead(kFrameRead, address);
        return;
      }
      std::vector<uint8_t> block{kFrameWrite, static_cast<uint8_t>(address & 0xFF),
                                 static_cast<uint8_t>(address >> 8)};
      for (size_t i = 5; i + 1 < m.size(); i += 2) block.push_back(static_cast<uint8_t>(nibble(i) | nibble(i + 1) << 4));
      // block: command, address, 8 data bytes, the two check bytes
      if (!CheckBlock(Span(block), config_.check) || address + 8u > memory_.size()) return;
      WriteMemory(address, &block[3], 8);
      ++blocksAccepted_;
      Answer({kAckFrame}, true);
      return;
    }
    default: return;
  }
}

}  // namespace vl::sim
