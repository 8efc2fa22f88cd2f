#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>

#include "RecordingReporter.h"
#include "ScriptedPrompt.h"
#include "core/device/Detect.h"
#include "core/device/Transport.h"
#include "sim/SimulatedPort.h"

namespace vl {
namespace {

using namespace std::chrono_literals;
using sim::SimConfig;
using sim::SimulatedPort;

std::vector<uint8_t> V(const std::string& s) { return {s.begin(), s.end()}; }

// Plays back a fixed answer: whatever is sent, the given bytes arrive one per take.
class ScriptedPort final : public Port {
 public:
  explicit ScriptedPort(std::string answer) : answer_(std::move(answer)) {}
  bool SendByte(uint8_t) override { return true; }
  void SetCapture(uint32_t target) override {
    if (target) queue_.assign(answer_.begin(), answer_.end());
  }
  uint16_t TakeByte() override {
    if (queue_.empty()) return 0;
    const auto byte = static_cast<uint8_t>(queue_.front());
    queue_.pop_front();
    return static_cast<uint16_t>(byte << 8 | 1);
  }
  void Forward(IByteReceiver*) override {}

 private:
  std::string answer_;
  std::deque<char> queue_;
};

// A reporter with a detection window: its calls kept apart from the status line.
class DialogReporter final : public IReporter {
 public:
  void SetStatus(const std::string& text) override { statuses.push_back(text); }
  void ShowProgress(bool) override {}
  void SetProgress(int) override {}
  void OpenDetection(const std::string& caption, const std::string& text) override {
    dialog.push_back(caption + " | " + text);
  }
  void SetAttempt(const std::string& label) override { dialog.push_back(label); }
  void CloseDetection() override { dialog.push_back("closed"); }
  std::vector<std::string> statuses;
  std::vector<std::string> dialog;
};

struct SimLink {
  explicit SimLink(SimConfig config = {}, sim::FaultPlan faults = {}, TransferMode mode = TransferMode::Normal)
      : keyboard(clock, config, faults),
        link{keyboard, clock, locks, mode, static_cast<uint8_t>(config.check)} {}
  VirtualClock clock;
  FixedLockState locks{true, false};
  SimulatedPort keyboard;
  Link link;
};

// The host's bytes of one string: 5 ms after each but the last.
void ExpectPaced(const std::vector<sim::TranscriptEntry>& transcript) {
  std::vector<sim::TranscriptEntry> host;
  for (const auto& e : transcript)
    if (e.fromHost) host.push_back(e);
  for (size_t i = 1; i < host.size(); ++i) EXPECT_EQ(host[i].time - host[i - 1].time, 5ms) << i;
}

TEST(Exchange, ResetRestoresTheIndicators) {
  SimLink s;
  ASSERT_TRUE(ResetKeyboard(s.link));
  EXPECT_EQ(s.keyboard.HostBytes(), (std::vector<uint8_t>{0xFF, 0xED, 0x02}));  // Num Lock only, no Scroll
  EXPECT_EQ(s.keyboard.DeviceBytes(), (std::vector<uint8_t>{0xAA}));
  EXPECT_EQ(s.keyboard.Indicators(), 0x02);

  // No 0xAA: no indicator command; the wait is 5 ms plus 500 polls of 5 ms.
  VirtualClock clock;
  NullPort none;
  FixedLockState locks;
  Link dead{none, clock, locks};
  EXPECT_FALSE(ResetKeyboard(dead));
  EXPECT_EQ(clock.Elapsed(), 5ms + 500 * 5ms);
}

TEST(Exchange, NormalWriteAndReadBothChecks) {
  for (CheckKind kind : {CheckKind::Sum, CheckKind::Crc}) {
    SimConfig config;
    config.check = kind;
    SimLink s(config);
    const std::string data = "0123456789ABCDEF";
    const std::string packet = WriteBlockPacket(s.link.checksumKind, 0x1234, 0x0040, data);
    ASSERT_TRUE(WritePacketAck(s.link, packet));
    EXPECT_EQ(s.keyboard.HostBytes(), V(PacketBytes(s.link.checksumKind, packet)));
    ExpectPaced(s.keyboard.Transcript());
    EXPECT_EQ(std::string(s.keyboard.Memory().begin() + 0x40, s.keyboard.Memory().begin() + 0x50), data);

    s.keyboard.ClearTranscript();
    const std::string answer = ReadBlock(s.link, 0x1234, 0x0048);
    ASSERT_EQ(answer.size(), ReadAnswerLength(s.link.checksumKind));
    EXPECT_TRUE(CheckBlock({reinterpret_cast<const uint8_t*>(answer.data()), answer.size()}, kind));
    EXPECT_EQ(answer.substr(answer.size() - 10, 8), "89ABCDEF");
    EXPECT_EQ(s.keyboard.HostBytes(), V(PacketBytes(s.link.checksumKind, ReadRequestPacket(s.link.checksumKind, 0x1234, 0x48))));
  }
}

TEST(Exchange, SumCheckDeviceIgnoresAnotherSerial) {
  SimConfig config;
  config.check = CheckKind::Sum;
  SimLink s(config);
  EXPECT_FALSE(WritePacketAck(s.link, WriteBlockPacket(0, 0x4321, 0, std::string(16, 'x'))));
  // The wait: 22 paced bytes, then 50 polls of 2 ms.
  EXPECT_EQ(s.clock.Elapsed(), 22 * 5ms + 50 * 2ms);
}

TEST(Exchange, ProtectedModeWritesFramesAndDropsExtra) {
  SimLink s({}, {}, TransferMode::Protected);
  ASSERT_TRUE(WriteFrameAck(s.link, "ABCDEFGH", 0x0100));
  EXPECT_EQ(s.keyboard.HostBytes(), V(FrameBytes(1, "ABCDEFGH", 0x0100, kFrameWrite)));
  ExpectPaced(s.keyboard.Transcript());

  const uint16_t headerAddress = static_cast<uint16_t>(s.keyboard.HeaderAddress());
  DeviceHeader header{.DataSize = 300, .ScanInterval = 4, .Buffered = 1, .Extra = 31};
  ASSERT_TRUE(WriteHeader(s.link, 0x1234, headerAddress, header, {}));
  DeviceHeader read;
  ASSERT_TRUE(ReadHeader(s.link, 0x1234, headerAddress, read));
  EXPECT_EQ(read.Extra, 0);
  EXPECT_EQ(read.DataSize, 300);
  EXPECT_EQ(read.ProgrammerMajor, 2);
  EXPECT_EQ(read.ProgrammerMinor, 3);
  EXPECT_EQ(read.ControllerMajor, 1);  // the device's own, not the 0 written
  EXPECT_EQ(read.ControllerMinor, 2);
}

TEST(Exchange, BadFramesGetNoAcknowledgement) {
  SimLink s({}, {}, TransferMode::Protected);
  std::string frame = FrameBytes(1, "ABCDEFGH", 0x0100, kFrameWrite);
  frame[7] ^= 1;
  bool sent = SendString(s.link, frame);
  s.clock.Pause(100ms);
  EXPECT_TRUE(sent);
  EXPECT_EQ(s.keyboard.BlocksAccepted(), 0);
  s.link.checksumKind = 7;  // unknown kinds send nothing and fail
  EXPECT_FALSE(WriteFrameAck(s.link, "ABCDEFGH", 0x0100));
}

TEST(Exchange, AnswerCounts) {
  VirtualClock clock;
  FixedLockState locks;
  const std::string ack = EncodeNibbles("\xE4", 0x50);
  ScriptedPort packetAck(ack), frameAck(EncodeNibbles("\xE5"));
  Link packetLink{packetAck, clock, locks}, frameLink{frameAck, clock, locks};
  EXPECT_TRUE(WritePacketAck(packetLink, "abc"));
  EXPECT_FALSE(WritePacketAck(frameLink, "abc"));  // the other mode's acknowledgement
  EXPECT_TRUE(IsAcknowledgement(ack, true, kAckPacket));
  EXPECT_FALSE(IsAcknowledgement(ack + "\x5E", true, kAckPacket));  // three bytes, the first two right
  EXPECT_FALSE(IsAcknowledgement(ack, false, kAckPacket));          // the send itself failed

  ScriptedPort fifteen(std::string(15, '\x01'));
  Link fifteenLink{fifteen, clock, locks};
  EXPECT_EQ(DeviceCommand(fifteenLink, kIdentifyCode, false), "0");

  // A correct read answer for 0x0102 asked for 0x0103.
  std::string answer = "\xE2\x02\x01" + std::string(8, 'h');
  const auto check = CheckBytes({reinterpret_cast<const uint8_t*>(answer.data()), answer.size()}, CheckKind::Crc);
  answer += std::string{char(check[0]), char(check[1])};
  ScriptedPort echo(EncodeNibbles(answer));
  Link echoLink{echo, clock, locks, TransferMode::Normal, 1};
  DeviceHeader header;
  EXPECT_TRUE(ReadHeader(echoLink, 0, 0x0102, header));
  EXPECT_FALSE(ReadHeader(echoLink, 0, 0x0103, header));
  EXPECT_EQ(ReadBlock(echoLink, 0, 0x0103), "");
}

// With nothing answering, each exchange waits exactly its paced sends and all its polls.
TEST(Exchange, WaitsWithoutAnAnswer) {
  NullPort none;
  FixedLockState locks;
  DeviceHeader header;
  struct Case {
    TransferMode mode;
    std::function<void(Link&)> run;
    Clock::Duration expected;
  };
  const std::vector<Case> cases{
      {TransferMode::Normal, [](Link& l) { DeviceCommand(l, 0xAA, false); }, 2 * 5ms + 150 * 5ms},
      {TransferMode::Normal, [&](Link& l) { ReadHeader(l, 0, 8160, header); }, 4 * 5ms + 200 * 5ms},
      {TransferMode::Normal, [](Link& l) { ReadBlock(l, 0, 0); }, 4 * 5ms + 1000 * 2ms},
      {TransferMode::Protected, [](Link& l) { ReadBlock(l, 0, 0); }, 4 * 5ms + 1000 * 2ms},
      {TransferMode::Normal, [](Link& l) { WriteHeader(l, 0, 8160, {}, {}); }, 20 * 5ms + 100 * 2ms},
      {TransferMode::Protected, [](Link& l) { WriteHeader(l, 0, 8160, {}, {}); }, 24 * 5ms + 100 * 2ms},
      {TransferMode::Protected, [](Link& l) { WriteFrameAck(l, "", 0); }, 24 * 5ms + 50 * 2ms},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    VirtualClock clock;
    Link link{none, clock, locks, cases[i].mode, 1};
    cases[i].run(link);
    EXPECT_EQ(clock.Elapsed(), cases[i].expected) << "case " << i;
  }
}

TEST(Exchange, ForwardingSeesEveryKeyboardByte) {
  struct Collector final : IByteReceiver {
    void OnKeyboardByte(uint8_t byte) override { bytes.push_back(byte); }
    std::vector<uint8_t> bytes;
  } collector;
  SimLink s;
  s.keyboard.Forward(&collector);
  DeviceCommand(s.link, kIdentifyCode, true);
  s.keyboard.Forward(nullptr);
  EXPECT_EQ(collector.bytes, s.keyboard.DeviceBytes());
  EXPECT_EQ(collector.bytes.size(), 17u);  // 0xAA, then the 16 answer nibbles
}

TEST(Exchange, IntervalCommand) {
  SimLink s;
  EXPECT_EQ(DeviceCommand(s.link, 0, false).size(), 8u);
  EXPECT_EQ(s.keyboard.HostBytes(), (std::vector<uint8_t>{0xE3, 0xA4, 0x00}));
  EXPECT_EQ(s.keyboard.IntervalCode(), 0);
}

TEST(Detection, IdentifiesUnderEitherCheck) {
  for (CheckKind kind : {CheckKind::Sum, CheckKind::Crc}) {
    SimConfig config;
    config.check = kind;
    config.identity = {.DeviceType = 0x2F1, .SerialNumber = 77, .HasSmartReader = 1};
    SimLink s(config);
    s.link.checksumKind = 5;  // not known yet: identification must not depend on it
    test::RecordingReporter reporter;
    test::ScriptedPrompt prompt;
    const auto id = DetectDevice(s.link, reporter, prompt);
    ASSERT_TRUE(id);
    EXPECT_EQ(*id, config.identity);
    EXPECT_TRUE(prompt.Labelled().empty());
  }
}

TEST(Detection, ReportsAttemptsAndNotConnected) {
  VirtualClock clock;
  NullPort none;
  FixedLockState locks;
  Link link{none, clock, locks};
  test::RecordingReporter reporter;
  test::ScriptedPrompt prompt;
  EXPECT_FALSE(DetectDevice(link, reporter, prompt));
  EXPECT_EQ(reporter.statuses, (std::vector<std::string>{kDetectText, "1-я попытка", "2-я попытка", "3-я попытка", ""}));
  EXPECT_EQ(prompt.Labelled(), (std::vector<std::string>{"Информация: Устройство не подключено."}));

  reporter.statuses.clear();
  EXPECT_FALSE(ReadControllerVersion(link, 0, 100, reporter));
  EXPECT_EQ(reporter.statuses.size(), 7u);
  EXPECT_EQ(reporter.statuses[5], "5-я попытка");

  DialogReporter dialog;
  EXPECT_FALSE(DetectDevice(link, dialog, prompt));
  EXPECT_FALSE(ReadControllerVersion(link, 0, 100, dialog));
  EXPECT_TRUE(dialog.statuses.empty());
  EXPECT_EQ(dialog.dialog,
            (std::vector<std::string>{"Автоопределение | автоматическое определение типа подключенного устройства",
                                      "1-я попытка", "2-я попытка", "3-я попытка", "closed",
                                      "Контроллер | чтение версии контроллера подключенного устройства",
                                      "1-я попытка", "2-я попытка", "3-я попытка", "4-я попытка", "5-я попытка",
                                      "closed"}));
}

TEST(Faults, RetriesGetThroughAndBadDataNeverLands) {
  for (TransferMode mode : {TransferMode::Normal, TransferMode::Protected}) {
    sim::FaultPlan faults{.seed = 42, .loseHostByte = 0.01, .corruptNibble = 0.02, .loseAck = 0.1,
                          .lateAnswer = 0.05};
    SimLink s({}, faults, mode);
    const uint16_t headerAddress = static_cast<uint16_t>(s.keyboard.HeaderAddress());
    ASSERT_TRUE(ClearDevice(s.link, 0x1234, headerAddress, 0, {}));
    EXPECT_EQ(s.keyboard.HostBytes().front(), 0xF5);  // scanning off before the first write
    DeviceHeader header;
    bool read = false;
    for (int attempt = 0; attempt < 10 && !read; ++attempt)
      read = ReadHeader(s.link, 0x1234, headerAddress, header);
    ASSERT_TRUE(read);
    EXPECT_EQ(header.DataSize, 0);
    EXPECT_EQ(header.ScanInterval, 1);
    EXPECT_EQ(header.Buffered, 1);
    EXPECT_EQ(s.keyboard.Memory()[0], mode == TransferMode::Normal ? 0xFF : 0x00);
  }
}

}  // namespace
}  // namespace vl
