#include <gtest/gtest.h>

#include <string>

#include "core/device/CheckBytes.h"
#include "core/device/Crc8.h"
#include "core/device/DeviceHeader.h"
#include "core/device/DeviceIdentity.h"
#include "core/device/Transport.h"

namespace vl {
namespace {

std::span<const uint8_t> B(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

TEST(BlockCheck, KnownValues) {
  EXPECT_EQ(Crc8(B("123456789")), 0xA1);
  EXPECT_EQ(CheckBytes(B("abc"), CheckKind::Sum), (std::array<uint8_t, 2>{0x26, 0x27}));
  EXPECT_EQ(CheckBytes(B("abc"), CheckKind::Crc), (std::array<uint8_t, 2>{0x26, 0x42}));
  // The fold carries twice: 0xFFFF -> 0xFF + 0xFF = 0x1FE -> 0xFE + 1.
  EXPECT_EQ(FoldedSum(0xFFFF), 0xFF);
  EXPECT_EQ(CheckKindFromCatalogue("CS"), CheckKind::Sum);
  EXPECT_EQ(CheckKindFromCatalogue(""), CheckKind::Crc);
}

TEST(BlockCheck, ReceivedBlocks) {
  EXPECT_TRUE(CheckBlock(B("abc\x26\x27"), CheckKind::Sum));
  EXPECT_FALSE(CheckBlock(B("abc\x26\x27"), CheckKind::Crc));
  EXPECT_TRUE(CheckBlock(B("abc\x26\x42"), CheckKind::Crc));
  EXPECT_FALSE(CheckBlock(B("abc\x27\x42"), CheckKind::Crc));  // low sum byte wrong
  for (const std::string& shortBlock : {std::string(), std::string("\0", 1), std::string("\0\0", 2)}) {
    EXPECT_FALSE(CheckBlock(B(shortBlock), CheckKind::Sum));
    EXPECT_FALSE(CheckBlockAnyMode(B(shortBlock)));
  }
  EXPECT_TRUE(CheckBlockAnyMode(B("abc\x26\x42")));
  EXPECT_TRUE(CheckBlockAnyMode(B("abc\x26\x27")));
  EXPECT_FALSE(CheckBlockAnyMode(B("abc\x26\x43")));
}

TEST(DeviceHeaderPacking, WireFormAndRoundTrip) {
  DeviceHeader h{.DataSize = 0x1234, .Language = 5, .CorrectLock = 1, .ScanInterval = 9,
                 .ProgrammerMinor = 3, .ProgrammerMajor = 2, .ControllerMinor = 7, .ControllerMajor = 1,
                 .Buffered = 0, .Programmer = 2, .Extra = 0x15};
  const HeaderBlock normal = PackHeader(h, true);
  EXPECT_EQ(normal, (HeaderBlock{0x12, 0x34, 0x9D, 0x23, 0x00, 0xAD, 0, 0}));
  EXPECT_EQ(PackHeader(h, false)[5], 0x05);  // protected mode drops Extra

  HeaderBlock fromDevice = normal;
  fromDevice[4] = 0x17;
  EXPECT_EQ(UnpackHeader(fromDevice), h);
}

TEST(Identity, UnpacksTheAnswer) {
  const std::array<uint8_t, 8> answer{0, 0, 0x34, 0x12, 0xA8, 0x05, 0, 0};
  const DeviceIdentity id = UnpackIdentity(answer);
  EXPECT_EQ(id.SerialNumber, 0x1234);
  EXPECT_EQ(id.DeviceType, 0x105);
  EXPECT_EQ(id.HasCardReader, 1);
  EXPECT_EQ(id.HasSmartReader, 0);
  EXPECT_EQ(id.HasExternalKeyboard, 1);
  EXPECT_EQ(id.FlagBits01, 0);
  const auto packed = PackIdentity(id);
  EXPECT_TRUE(std::equal(packed.begin(), packed.end(), answer.begin()));
}

TEST(WireForms, NibblesPacketsAndFrames) {
  EXPECT_EQ(DecodeNibbles("\xA4\x5E\x31"), "\xE4");  // high nibbles ignored, odd byte dropped
  EXPECT_EQ(DecodeNibbles(EncodeNibbles("\x12\xEF", 0xC0)), "\x12\xEF");

  EXPECT_EQ(PacketBytes(1, "abc"), "abc\x26\x42");
  EXPECT_EQ(PacketBytes(2, "abc"), "");
  EXPECT_EQ(WriteBlockPacket(0, 0x1234, 0x0102, std::string(16, 'x')).substr(0, 5), "\xE4\x34\x12\x02\x01");
  EXPECT_EQ(ReadRequestPacket(1, 0x1234, 0x0102), "\xE2\x02\x01");

  const std::string frame = FrameBytes(1, "\x12\x34", 0xABCD, kFrameWrite);
  ASSERT_EQ(frame.size(), 25u);
  EXPECT_EQ(frame.substr(0, 9), std::string("\xE5\x0D\x0C\x0B\x0A\x02\x01\x04\x03", 9));
  EXPECT_EQ(frame.substr(9, 12), std::string(12, '\0'));  // padded to 8 data bytes
  const std::string covered("\xE5\xCD\xAB\x12\x34\0\0\0\0\0\0", 11);
  const auto check = CheckBytes(B(covered), CheckKind::Crc);
  EXPECT_EQ(frame.substr(21), std::string({char(check[0] & 15), char(check[0] >> 4), char(check[1] & 15),
                                           char(check[1] >> 4)}));
  EXPECT_EQ(FrameBytes(0, "ignored", 0x0102, kFrameRead), std::string("\xE6\x02\x00\x01\x00", 5));
}

}  // namespace
}  // namespace vl
