#include <gtest/gtest.h>

#include <deque>

#include "RecordingReporter.h"
#include "ScriptedPrompt.h"
#include "core/device/Detect.h"

namespace vl {
namespace {

// A standard PS/2 keyboard: the reset is acknowledged and passes its self-test,
// any other byte it does not know is answered with a resend request. Replies to
// bytes sent while capture is off are gone, as they are on a real port when
// they come before the capture starts. noisyAttempt (1-based) answers that
// identify attempt with one received byte that no keyboard sends on its own.
class PlainKeyboardPort final : public Port {
 public:
  bool SendByte(uint8_t byte) override {
    if (byte == 0xFF) ++resets_;
    if (!capturing_) return true;
    if (byte == 0xFF) {
      replies_.insert(replies_.end(), {kKeyboardAcknowledge, 0xAA});
    } else {
      replies_.push_back(resets_ == noisyAttempt && byte == kIdentifyCode ? 0x0E : kKeyboardResend);
    }
    return true;
  }
  void SetCapture(uint32_t target) override {
    capturing_ = target != 0;
    replies_.clear();
  }
  uint16_t TakeByte() override {
    if (replies_.empty()) return 0;
    const uint8_t byte = replies_.front();
    replies_.pop_front();
    return static_cast<uint16_t>(byte << 8 | 1);
  }
  void Forward(IByteReceiver*) override {}

  int noisyAttempt = 0;

 private:
  bool capturing_ = false;
  int resets_ = 0;
  std::deque<uint8_t> replies_;
};

std::vector<std::string> DetectionMessages(Port& port) {
  VirtualClock clock;
  FixedLockState locks;
  test::RecordingReporter reporter;
  test::ScriptedPrompt prompt{Answer::Ok};
  Link link{port, clock, locks};
  EXPECT_FALSE(DetectDevice(link, reporter, prompt));
  return prompt.Messages();
}

TEST(Detect, APlainKeyboardIsToldApartFromNoKeyboardOnlyWhenEveryAttemptSaysSo) {
  PlainKeyboardPort plain;
  EXPECT_EQ(DetectionMessages(plain), std::vector<std::string>{kPlainKeyboardOnly});
  NullPort nothing;
  EXPECT_EQ(DetectionMessages(nothing), std::vector<std::string>{kNotConnected});
  // One attempt heard something else: no telling what is on the port.
  PlainKeyboardPort noisy;
  noisy.noisyAttempt = 3;
  EXPECT_EQ(DetectionMessages(noisy), std::vector<std::string>{kNotConnected});
}

TEST(Detect, APlainKeyboardsReplyIsOneResendOrAcknowledgementPerByteSent) {
  EXPECT_TRUE(IsPlainKeyboardReply("\xFE\xFE\xFE"));
  EXPECT_TRUE(IsPlainKeyboardReply("\xFA\xFA\xFE"));
  EXPECT_FALSE(IsPlainKeyboardReply(""));              // nothing on the port
  EXPECT_FALSE(IsPlainKeyboardReply("\xFE\xFE"));      // a reply missing
  EXPECT_FALSE(IsPlainKeyboardReply("\xFE\xFE\xFE\xFE"));
  EXPECT_FALSE(IsPlainKeyboardReply("\xFE\xFA\xAA"));  // a reset's self-test byte is no reply to a command
}

}  // namespace
}  // namespace vl
