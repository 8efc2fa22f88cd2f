#include "core/device/Transport.h"

#include "core/device/Crc8.h"

namespace vl {

namespace {

std::span<const uint8_t> AsBytes(const Bytes& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

bool KnownKind(uint8_t kind) { return kind <= 1; }

void Put(Bytes& bytes, unsigned value) { bytes.push_back(static_cast<char>(value & 0xFF)); }

void PutWord(Bytes& bytes, uint16_t word) {
  Put(bytes, word);
  Put(bytes, word >> 8);
}

// Start capture, send, poll until `expected` bytes are in or the polls run out, stop.
// `sent` reports whether the send itself succeeded.
template <typename SendFn>
Bytes Exchange(Link& link, SendFn send, PollPlan plan, size_t expected, bool& sent) {
  Bytes buffer;
  StartCapture(link);
  sent = send();
  for (int poll = 0; poll < plan.polls && buffer.size() < expected; ++poll) {
    link.clock.Pause(plan.period);
    FetchByte(link, buffer);
  }
  StopCapture(link);
  return buffer;
}

template <typename SendFn>
bool AwaitAck(Link& link, SendFn send, PollPlan plan, uint8_t ack) {
  bool sent = false;
  const Bytes received = Exchange(link, send, plan, 2, sent);
  return IsAcknowledgement(received, sent, ack);
}

Bytes ReadRequest(Link& link, uint16_t serial, uint16_t address, PollPlan plan) {
  const size_t expected = 2 * ReadAnswerLength(link.checksumKind);
  bool sent = false;
  auto send = [&] {
    if (link.mode == TransferMode::Protected) return SendFrame(link, {}, address, kFrameRead);
    return SendPacket(link, ReadRequestPacket(link.checksumKind, serial, address));
  };
  return DecodeNibbles(Exchange(link, send, plan, expected, sent));
}

// The echoed address sits after the first byte and the serial (sum check only).
bool EchoesAddress(const Bytes& answer, uint8_t checksumKind, uint16_t address) {
  const size_t at = checksumKind == 0 ? 3 : 1;
  if (answer.size() < at + 2) return false;
  const auto echoed = static_cast<uint16_t>(static_cast<uint8_t>(answer[at]) |
                                            static_cast<uint8_t>(answer[at + 1]) << 8);
  return echoed == address;
}

}  // namespace

bool SendByte(Link& link, uint8_t byte) { return link.port.SendByte(byte); }

bool IsAcknowledgement(const Bytes& received, bool sent, uint8_t ack) {
  if (!sent || received.size() != 2) return false;
  return static_cast<uint8_t>(DecodeNibbles(received)[0]) == ack;
}

bool SendBytePaced(Link& link, uint8_t byte) {
  SendByte(link, byte);
  link.clock.Pause(kBytePause);
  return true;
}

void StartCapture(Link& link) { link.port.SetCapture(link.captureTarget); }

void StopCapture(Link& link) { link.port.SetCapture(0); }

void FetchByte(Link& link, Bytes& buffer) {
  const uint16_t taken = link.port.TakeByte();
  if ((taken & 0xFF) != 0 && buffer.size() < kCaptureLimit) Put(buffer, taken >> 8);
}

bool SendString(Link& link, const Bytes& bytes) {
  if (bytes.empty()) return true;
  for (size_t i = 0; i + 1 < bytes.size(); ++i) SendBytePaced(link, static_cast<uint8_t>(bytes[i]));
  SendByte(link, static_cast<uint8_t>(bytes.back()));
  return true;
}

Bytes DecodeNibbles(const Bytes& received) {
  Bytes decoded;
  for (size_t i = 0; i + 1 < received.size(); i += 2)
    Put(decoded, (static_cast<uint8_t>(received[i + 1]) & 0x0Fu) << 4 | (static_cast<uint8_t>(received[i]) & 0x0Fu));
  return decoded;
}

Bytes EncodeNibbles(const Bytes& data, uint8_t highBits) {
  Bytes sent;
  const unsigned high = highBits & 0xF0;
  for (char c : data) {
    const auto byte = static_cast<uint8_t>(c);
    Put(sent, high | (byte & 0x0F));
    Put(sent, high | (byte >> 4));
  }
  return sent;
}

Bytes PacketBytes(uint8_t checksumKind, const Bytes& data) {
  if (!KnownKind(checksumKind)) return {};
  const auto check = CheckBytes(AsBytes(data), static_cast<CheckKind>(checksumKind));
  Bytes packet = data;
  Put(packet, check[0]);
  Put(packet, check[1]);
  return packet;
}

Bytes FrameBytes(uint8_t checksumKind, const Bytes& data, uint16_t word, uint8_t command) {
  if (!KnownKind(checksumKind) || (command != kFrameWrite && command != kFrameRead)) return {};
  const bool write = command == kFrameWrite;
  Bytes covered;
  Put(covered, command);
  PutWord(covered, word);
  covered += data;
  if (write) covered.resize(11, '\0');

  Bytes frame(write ? 21 : 5, '\0');
  frame[0] = static_cast<char>(command);
  for (size_t i = 0; i < 4; ++i) frame[1 + i] = static_cast<char>((word >> (4 * i)) & 0x0F);
  for (size_t i = 0; i < data.size(); ++i) {
    const auto byte = static_cast<uint8_t>(data[i]);
    if (5 + 2 * i < frame.size()) frame[5 + 2 * i] = static_cast<char>(byte & 0x0F);
    if (6 + 2 * i < frame.size()) frame[6 + 2 * i] = static_cast<char>(byte >> 4);
  }
  if (write) {
    const auto check = CheckBytes(AsBytes(covered), static_cast<CheckKind>(checksumKind));
    for (uint8_t c : check) {
      Put(frame, c & 0x0F);
      Put(frame, c >> 4);
    }
  }
  return frame;
}

bool ResetKeyboard(Link& link) {
  SendBytePaced(link, 0xFF);
  Bytes buffer;
  StartCapture(link);
  for (int poll = 0; poll < kResetPoll.polls && buffer.empty(); ++poll) {
    link.clock.Pause(kResetPoll.period);
    FetchByte(link, buffer);
  }
  StopCapture(link);
  const bool ok = buffer.size() == 1 && static_cast<uint8_t>(buffer[0]) == 0xAA;
  const int locks = ReadLockState(link.locks);
  if (ok) {
    SendBytePaced(link, kSetIndicators);
    SendBytePaced(link, IndicatorBits(locks & 0x20, locks & 0x40));
  }
  return ok;
}

bool SendPacket(Link& link, const Bytes& data) {
  const Bytes packet = PacketBytes(link.checksumKind, data);
  return !packet.empty() && SendString(link, packet);
}

bool SendFrame(Link& link, const Bytes& data, uint16_t word, uint8_t command) {
  const Bytes frame = FrameBytes(link.checksumKind, data, word, command);
  return !frame.empty() && SendString(link, frame);
}

Bytes DeviceCommand(Link& link, uint8_t code, bool resetFirst, Bytes* received) {
  if (resetFirst) ResetKeyboard(link);
  bool sent = false;
  Bytes command;
  for (uint8_t byte : kDeviceCommandPrefix) Put(command, byte);
  Put(command, code);
  const Bytes answer = Exchange(link, [&] { return SendString(link, command); }, kCommandPoll, 16, sent);
  if (received) *received = answer;
  if (answer.size() != 16) return "0";
  return DecodeNibbles(answer);
}

bool WritePacketAck(Link& link, const Bytes& packet) {
  return AwaitAck(link, [&] { return SendPacket(link, packet); }, kAckPoll, kAckPacket);
}

bool WriteFrameAck(Link& link, const Bytes& data8, uint16_t address) {
  return AwaitAck(link, [&] { return SendFrame(link, data8, address, kFrameWrite); }, kAckPoll, kAckFrame);
}

Bytes WriteBlockPacket(uint8_t checksumKind, uint16_t serial, uint16_t address, const Bytes& data16) {
  Bytes packet;
  Put(packet, 0xE4);
  if (checksumKind == 0) PutWord(packet, serial);
  PutWord(packet, address);
  return packet + data16;
}

Bytes ReadRequestPacket(uint8_t checksumKind, uint16_t serial, uint16_t address) {
  Bytes packet;
  Put(packet, 0xE2);
  if (checksumKind == 0) PutWord(packet, serial);
  PutWord(packet, address);
  return packet;
}

size_t ReadAnswerLength(uint8_t checksumKind) { return checksumKind == 0 ? 15 : 13; }

bool WriteHeader(Link& link, uint16_t serial, uint16_t address, DeviceHeader header,
                 ProgrammerVersion version) {
  header.ProgrammerMajor = version.major;
  header.ProgrammerMinor = version.minor;
  const bool normal = link.mode == TransferMode::Normal;
  const HeaderBlock block = PackHeader(header, normal);
  const Bytes data(block.begin(), block.end());
  if (normal) {
    const Bytes packet = WriteBlockPacket(link.checksumKind, serial, address, data + Bytes(8, '\0'));
    return AwaitAck(link, [&] { return SendPacket(link, packet); }, kHeaderAckPoll, kAckPacket);
  }
  return AwaitAck(link, [&] { return SendFrame(link, data, address, kFrameWrite); }, kHeaderAckPoll,
                  kAckFrame);
}

bool ReadHeader(Link& link, uint16_t serial, uint16_t address, DeviceHeader& header) {
  const Bytes answer = ReadRequest(link, serial, address, kHeaderReadPoll);
  if (answer.size() != ReadAnswerLength(link.checksumKind)) return false;
  if (!KnownKind(link.checksumKind) ||
      !CheckBlock(AsBytes(answer), static_cast<CheckKind>(link.checksumKind)))
    return false;
  if (!EchoesAddress(answer, link.checksumKind, address)) return false;
  const size_t dataAt = link.checksumKind == 0 ? 5 : 3;
  header = UnpackHeader(AsBytes(answer).subspan(dataAt).first<8>());
  return true;
}

Bytes ReadBlock(Link& link, uint16_t serial, uint16_t address) {
  Bytes answer = ReadRequest(link, serial, address, kBlockReadPoll);
  if (!EchoesAddress(answer, link.checksumKind, address)) return {};
  return answer;
}

bool ClearDevice(Link& link, uint16_t serial, uint16_t headerAddress, uint8_t programmer,
                 ProgrammerVersion version) {
  SendBytePaced(link, 0xF5);
  constexpr int kAttempts = 10;
  bool ok = false;
  for (int attempt = 0; attempt < kAttempts && !ok; ++attempt) {
    if (link.mode == TransferMode::Protected)
      ok = WriteFrameAck(link, Bytes(8, '\0'), 0);
    else
      ok = WritePacketAck(link, WriteBlockPacket(link.checksumKind, serial, 0, Bytes(16, '\xFF')));
  }
  if (ok) {
    DeviceHeader cleared;
    cleared.ScanInterval = 1;
    cleared.Buffered = 1;
    cleared.Programmer = programmer;
    ok = false;
    for (int attempt = 0; attempt < kAttempts && !ok; ++attempt)
      ok = WriteHeader(link, serial, headerAddress, cleared, version);
  }
  ResetKeyboard(link);
  return ok;
}

}  // namespace vl
