// Download, upload and their preparation end to end against the simulated
// keyboard on the virtual clock.

#include <gtest/gtest.h>

#include <thread>

#include "DeviceRig.h"
#include "core/device/Download.h"
#include "core/device/KeyboardLayout.h"
#include "core/device/OperationDriver.h"
#include "core/device/Upload.h"

namespace vl {
namespace {

using test::DeviceRig;
using test::RigOptions;

TMacroButton& Key(TVL2Document& document, int column, int row) {
  auto& ref = document.Keys(column, row);
  ref = std::make_unique<TMacroButton>();
  ref->Func = kFuncMacro;
  return *ref;
}

// A layout with macro keys, a layer switch and a note-only layer in the 8 x 8 block.
void FillLayout(TVL2Document& document) {
  for (int column = 1; column <= 8; column += 3) {
    for (int row = 1; row <= 8; row += 2) {
      TMacroButton& key = Key(document, column, row);
      key.Layers[0].Macro = {std::string(1, static_cast<char>(0x10 + column)), "\xF0\x1C"};
      key.Layers[0].Click = 3;
      key.Layers[1].Macro[0] = std::string(column + row, '\x21');
      key.Layers[1].AutoRepeat = 1;
    }
  }
  Key(document, 2, 2).Func = 9;
  Key(document, 3, 3).Layers[2].Note = "only a note";
}

std::vector<uint8_t> Stored(DeviceRig& rig, size_t size) {
  const auto& memory = rig.keyboard.Memory();
  return {memory.begin(), memory.begin() + static_cast<long>(size)};
}

OperationResult Download(DeviceRig& rig, TVL2Document& document, bool verify = false) {
  OperationRequest request{OperationKind::Download, document, TRect{1, 1, 1, 1}, verify, {}, {}};
  return RunDeviceOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt,
                            rig.gate);
}

OperationResult Upload(DeviceRig& rig, TVL2Document& document) {
  OperationRequest request{OperationKind::Upload, document, TRect{1, 1, 1, 1}, false, {}, {}};
  return RunDeviceOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt,
                            rig.gate);
}

// The worker alone, its read put into target as the command line's upload does.
OperationResult UploadInto(DeviceSession& session, TVL2Document& target) {
  DeviceRead read;
  const OperationResult result = RunUpload(session, UploadJob{read, TRect{1, 1, 8, 8}, test::Straight});
  StoreDeviceRead(target, read);
  return result;
}

// What a download on a fault-free line leaves in the device, up to the header's
// length: the reference for downloads that are stopped, faulted or retried.
std::vector<uint8_t> CleanImage(TVL2Document& document, const RigOptions& options = {}) {
  DeviceRig clean(options);
  if (Download(clean, document) != OperationResult::Done) return {};
  return Stored(clean, clean.StoredHeader().DataSize);
}

void ExpectSameKeys(const TVL2Document& expected, const TVL2Document& actual) {
  for (int column = 1; column <= 8; ++column) {
    for (int row = 1; row <= 8; ++row) {
      const TMacroButton* want = expected.GetKey(column, row);
      const TMacroButton* got = actual.GetKey(column, row);
      TMacroButton comparable = want ? *want : TMacroButton{};
      for (auto& layer : comparable.Layers) layer.Note.clear();  // notes stay on screen only
      if (IsLayerSwitch(comparable.Func)) comparable.Layers = {};
      if (comparable.IsBlank()) {
        EXPECT_EQ(got, nullptr) << column << ":" << row;
      } else {
        ASSERT_NE(got, nullptr) << column << ":" << row;
        EXPECT_EQ(comparable, *got) << column << ":" << row;
      }
    }
  }
}

struct Transfer {
  CheckKind check;
  TransferMode mode;
};

class RoundTrip : public testing::TestWithParam<Transfer> {};

TEST_P(RoundTrip, DeviceHoldsTheImageAndUploadReproducesTheKeys) {
  DeviceRig rig(RigOptions{.check = GetParam().check});
  rig.settings.Set(Setting::LoadReadWriteMode, GetParam().mode == TransferMode::Protected ? 1 : 0);
  rig.settings.Set(Setting::LayerCount, 3);
  rig.settings.Set(Setting::Ibd, 4);
  rig.settings.Set(Setting::Layout, 1);
  rig.settings.Set(Setting::IsShowDownloadParameters, 0);
  TVL2Document document;
  FillLayout(document);

  ASSERT_EQ(Download(rig, document), OperationResult::Done) << testing::PrintToString(rig.prompt.Messages());
  const DeviceHeader header = rig.StoredHeader();
  EXPECT_EQ(header.Language, 1);
  EXPECT_EQ(header.ScanInterval, 4);
  EXPECT_EQ(header.ProgrammerMajor * 10 + header.ProgrammerMinor, 23);
  EXPECT_EQ(header.ControllerMajor * 10 + header.ControllerMinor, 12);  // the device's own
  EXPECT_EQ(rig.keyboard.IntervalCode(), 5);
  EXPECT_TRUE(rig.prompt.Messages().empty()) << testing::PrintToString(rig.prompt.Messages());
  EXPECT_EQ(rig.reporter.positions.back(), 100);
  if (GetParam().mode == TransferMode::Protected) {
    // The last frame carries the image's tail and zeros up to 8 bytes.
    for (size_t i = header.DataSize; i % 8 != 0; ++i) EXPECT_EQ(rig.keyboard.Memory()[i], 0) << i;
  }

  TVL2Document uploaded;
  ASSERT_EQ(Upload(rig, uploaded), OperationResult::Done) << testing::PrintToString(rig.prompt.Messages());
  ExpectSameKeys(document, uploaded);
  EXPECT_TRUE(uploaded.Modified);
}

INSTANTIATE_TEST_SUITE_P(ChecksAndModes, RoundTrip,
                         testing::Values(Transfer{CheckKind::Crc, TransferMode::Normal},
                                         Transfer{CheckKind::Crc, TransferMode::Protected},
                                         Transfer{CheckKind::Sum, TransferMode::Normal},
                                         Transfer{CheckKind::Sum, TransferMode::Protected}));

TEST(Download, WritesTheImageOfEveryGroupMode) {
  // A grouped cell's own key goes down as nothing, as the master's key, or as itself.
  const std::string wanted[] = {"", "\x11", "\x1d"};
  for (uint8_t groupMode = 0; groupMode <= 2; ++groupMode) {
    DeviceRig rig;
    rig.settings.Set(Setting::GroupDownloadMode, groupMode);
    TVL2Document document;
    FillLayout(document);
    Key(document, 2, 1).Layers[0].Macro[0] = "\x1d";
    document.MakeGroup(TRect{1, 1, 2, 2});
    ASSERT_EQ(Download(rig, document), OperationResult::Done);
    TVL2Document uploaded;
    ASSERT_EQ(Upload(rig, uploaded), OperationResult::Done);
    const TMacroButton* grouped = uploaded.GetKey(2, 1);
    EXPECT_EQ(grouped ? grouped->Layers[0].Macro[0] : "", wanted[groupMode]) << int{groupMode};
    ASSERT_NE(uploaded.GetKey(1, 1), nullptr);
    EXPECT_EQ(uploaded.GetKey(1, 1)->Layers[0].Macro[0], "\x11") << int{groupMode};
  }
}

TEST(Download, RefusesAnImageThatReachesTheHeader) {
  TVL2Document document;
  FillLayout(document);
  const size_t size = CleanImage(document).size();
  ASSERT_GT(size, 0u);
  {
    DeviceRig rig(RigOptions{.memory = static_cast<uint32_t>(size + 32)});
    EXPECT_EQ(Download(rig, document), OperationResult::Failed);
    EXPECT_EQ(rig.prompt.Messages().back(), kImageTooLarge);
    EXPECT_EQ(rig.keyboard.BlocksAccepted(), 0);
  }
  DeviceRig rig(RigOptions{.memory = static_cast<uint32_t>(size + 33)});
  EXPECT_EQ(Download(rig, document), OperationResult::Done);
  EXPECT_EQ(rig.StoredHeader().DataSize, size);
}

TEST(Download, BlockAcknowledgedOnTheEleventhSendCountsAndTwelveDoNot) {
  const auto packetSize =
      PacketBytes(1, WriteBlockPacket(1, 0x1234, 0, Bytes(16, '\0'))).size();
  for (int lost : {10, 11}) {
    DeviceRig rig;
    TVL2Document document;
    FillLayout(document);
    DeviceSession session = rig.Session();
    rig.port.dropHostBytes = lost * static_cast<int>(packetSize);
    const auto result = RunDownload(session, DownloadJob{document, TRect{1, 1, 8, 8}, test::Straight});
    EXPECT_TRUE(rig.reporter.Saw("11-й повтор записи данных"));
    if (lost == 10) {
      EXPECT_EQ(result, OperationResult::Done);
      EXPECT_EQ(Stored(rig, rig.StoredHeader().DataSize), CleanImage(document));
    } else {
      EXPECT_EQ(result, OperationResult::Failed);
      EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{kWriteErrorNormal});
      EXPECT_EQ(rig.StoredHeader().DataSize, 0);  // cleared
    }
  }
}

TEST(Download, APortThatGoesAwayIsToldAsGoneNotAsASettingsProblem) {
  DeviceRig rig;
  TVL2Document document;
  FillLayout(document);
  rig.reporter.onProgress = [&](int position) { rig.port.gone = rig.port.gone || position >= 30; };
  EXPECT_EQ(Download(rig, document), OperationResult::Failed);
  EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{kPortLost});
}

TEST(Download, CancelAnsweredYesGoesOnAndNoClearsSilently) {
  for (bool stop : {false, true}) {
    DeviceRig rig;
    TVL2Document document;
    FillLayout(document);
    std::thread answer;
    rig.reporter.onProgress = [&](int position) {
      if (position < 30 || answer.joinable()) return;
      rig.gate.Hold();  // the user is asked while the worker waits at its next block
      answer = std::thread([&rig, stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        stop ? rig.gate.Stop() : rig.gate.Resume();
      });
    };
    const auto result = Download(rig, document);
    answer.join();
    if (stop) {
      EXPECT_EQ(result, OperationResult::Cancelled);
      EXPECT_TRUE(rig.prompt.Messages().empty());
      EXPECT_TRUE(rig.reporter.Saw(kStatusClearing));
      EXPECT_EQ(rig.StoredHeader().DataSize, 0);
    } else {
      EXPECT_EQ(result, OperationResult::Done);
      EXPECT_EQ(Stored(rig, rig.StoredHeader().DataSize), CleanImage(document));
    }
  }
}

TEST(Download, StopAfterTheLastBlockKeepsTheLayout) {
  DeviceRig rig;
  TVL2Document document;
  FillLayout(document);
  rig.reporter.onStatus = [&](const std::string& status) {
    if (status == kStatusWriteHeader) rig.gate.Stop();
  };
  EXPECT_EQ(Download(rig, document), OperationResult::Done);
  EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{});
  EXPECT_FALSE(rig.reporter.Saw(kStatusClearing));
  const auto image = CleanImage(document);
  EXPECT_EQ(rig.StoredHeader().DataSize, image.size());
  EXPECT_EQ(Stored(rig, image.size()), image);
}

// Stopped before the download, or while the worker waits at the first block's
// gate for the user's answer: nothing was written, so nothing is cleared.
TEST(Download, StopBeforeTheFirstBlockKeepsTheOldLayout) {
  for (const bool heldAtTheGate : {false, true}) {
    DeviceRig rig;
    TVL2Document old;
    FillLayout(old);
    ASSERT_EQ(Download(rig, old), OperationResult::Done);
    const auto oldImage = CleanImage(old);
    std::thread answer;
    if (heldAtTheGate) {
      rig.reporter.onStatus = [&](const std::string& status) {
        if (status != kStatusBuildImage || answer.joinable()) return;
        rig.gate.Hold();
        answer = std::thread([&rig] {
          std::this_thread::sleep_for(std::chrono::milliseconds(5));
          rig.gate.Stop();
        });
      };
    } else {
      rig.gate.Stop();
    }
    TVL2Document other;
    EXPECT_EQ(Download(rig, other), OperationResult::Cancelled);
    if (answer.joinable()) answer.join();
    EXPECT_FALSE(rig.reporter.Saw(kStatusClearing));
    EXPECT_EQ(rig.StoredHeader().DataSize, oldImage.size());
    EXPECT_EQ(Stored(rig, oldImage.size()), oldImage);
  }
}

// A 9-byte image: one zero-filled packet in normal mode; in protected mode frames
// at 0 and 8, the second carrying one byte and zeros.
TEST(Download, BlocksOfANineByteImage) {
  const std::vector<uint8_t> image{1, 2, 3, 4, 5, 6, 7, 8, 9};
  const Bytes bytes(image.begin(), image.end());
  for (TransferMode mode : {TransferMode::Normal, TransferMode::Protected}) {
    DeviceRig rig;
    DeviceSession session = rig.Session();
    Link link = OpenLink(rig.Access(), mode, rig.Model());
    rig.keyboard.ClearTranscript();
    ASSERT_EQ(WriteDeviceMemory(link, session, image), MemoryTransfer::Done);
    const auto& memory = rig.keyboard.Memory();
    EXPECT_EQ(std::vector<uint8_t>(memory.begin(), memory.begin() + 9), image);
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + 9, memory.begin() + 16), std::vector<uint8_t>(7, 0));
    EXPECT_EQ(memory[16], 0xFF);  // nothing beyond the last block
    const Bytes sent = mode == TransferMode::Normal
                           ? PacketBytes(1, WriteBlockPacket(1, 0, 0, bytes + Bytes(7, '\0')))
                           : FrameBytes(1, bytes.substr(0, 8), 0, kFrameWrite) +
                                 FrameBytes(1, bytes.substr(8), 8, kFrameWrite);
    EXPECT_EQ(rig.keyboard.HostBytes(), std::vector<uint8_t>(sent.begin(), sent.end()));
    const std::vector<int> positions = mode == TransferMode::Normal ? std::vector<int>{0} : std::vector<int>{0, 89};
    EXPECT_EQ(rig.reporter.positions, positions);
  }
}

TEST(Download, SendsTheIntervalCodeWithFifteenAsZero) {
  for (auto [ibd, code] : {std::pair{15, 0}, std::pair{0, 1}}) {
    DeviceRig rig;
    rig.settings.Set(Setting::Ibd, static_cast<uint8_t>(ibd));
    TVL2Document document;
    ASSERT_EQ(Download(rig, document), OperationResult::Done);
    EXPECT_EQ(rig.keyboard.IntervalCode(), code);
  }
}

TEST(Download, VerifyReportsTheFirstDifferenceAndClears) {
  DeviceRig rig;
  TVL2Document document;
  FillLayout(document);
  rig.reporter.onStatus = [&](const std::string& status) {
    if (status == kStatusVerify) rig.keyboard.Memory()[600] = 0x5A;
  };
  EXPECT_EQ(Download(rig, document, true), OperationResult::Failed);
  EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{VerifyMismatchText(600)});
  EXPECT_EQ(rig.StoredHeader().DataSize, 0);

  DeviceRig clean;
  EXPECT_EQ(Download(clean, document, true), OperationResult::Done);
  EXPECT_TRUE(clean.reporter.Saw(kStatusVerify));
}

// A stop during the read-back ends it at the next block: the layout, complete by
// then, stays in the device, and the result says it was not checked.
TEST(Download, StopDuringVerifyEndsTheReadBackAndKeepsTheLayout) {
  DeviceRig rig;
  TVL2Document document;
  FillLayout(document);
  const auto image = CleanImage(document);
  bool verifying = false;
  int readBackPositions = 0;
  rig.reporter.onStatus = [&](const std::string& status) {
    verifying = verifying || status == kStatusVerify;
  };
  rig.reporter.onProgress = [&](int) {
    if (!verifying) return;
    if (++readBackPositions == 2) rig.gate.Stop();
  };
  EXPECT_EQ(Download(rig, document, true), OperationResult::Cancelled);
  EXPECT_EQ(readBackPositions, 2);
  EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{kVerifyStopped});
  EXPECT_FALSE(rig.reporter.Saw(kStatusClearing));
  EXPECT_EQ(rig.StoredHeader().DataSize, image.size());
  EXPECT_EQ(Stored(rig, image.size()), image);
}

// Whatever goes wrong on the line, success means the device holds the image, and
// a download that wrote anything and failed leaves the device cleared.
TEST(Download, FaultsNeverLeaveAHalfWrittenLayoutOrAFalseSuccess) {
  TVL2Document document;
  FillLayout(document);
  int successes = 0;
  for (double rate : {0.002, 0.01, 0.03}) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
      DeviceRig rig(RigOptions{.faults = {.seed = seed,
                                          .loseHostByte = rate / 4,
                                          .corruptNibble = rate / 4,
                                          .loseAck = rate,
                                          .lateAnswer = rate}});
      const auto image = CleanImage(document);
      const auto result = Download(rig, document);
      if (result == OperationResult::Done) {
        ++successes;
        EXPECT_EQ(Stored(rig, image.size()), image) << rate << " " << seed;
        EXPECT_EQ(rig.StoredHeader().DataSize, image.size());
      } else if (rig.keyboard.BlocksAccepted() > 0) {
        EXPECT_NE(rig.StoredHeader().DataSize, image.size()) << rate << " " << seed;
        EXPECT_TRUE(rig.reporter.Saw(kStatusClearing));
      }
    }
  }
  EXPECT_GT(successes, 0);
}

TEST(Upload, ReportsAnEmptyOrOversizedDevice) {
  DeviceRig rig;
  TVL2Document document;
  ASSERT_EQ(Download(rig, document), OperationResult::Done);
  auto& memory = rig.keyboard.Memory();
  for (auto [size, message] : {std::pair<uint16_t, const char*>{0, kDeviceEmpty},
                               std::pair<uint16_t, const char*>{8193, kDataSizeError}}) {
    DeviceHeader header = rig.StoredHeader();
    header.DataSize = size;
    const HeaderBlock block = PackHeader(header, true);
    std::copy(block.begin(), block.end(), memory.begin() + rig.keyboard.HeaderAddress());
    rig.prompt.shown.clear();
    TVL2Document target;
    EXPECT_EQ(Upload(rig, target), OperationResult::Failed);
    EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{message});
  }
}

TEST(Upload, BadBlocksAndBadCrcLeaveTheDocumentAlone) {
  DeviceRig rig;
  TVL2Document layout;
  FillLayout(layout);
  ASSERT_EQ(Download(rig, layout), OperationResult::Done);
  TVL2Document target;
  Key(target, 5, 5).Layers[0].Macro[0] = "x";

  DeviceSession session = rig.Session();
  rig.port.deaf = true;
  EXPECT_EQ(UploadInto(session, target), OperationResult::Failed);
  EXPECT_TRUE(rig.reporter.Saw("1-й повтор чтения данных"));
  EXPECT_TRUE(rig.reporter.Saw("10-й повтор чтения данных"));
  EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{kReadError});
  rig.port.deaf = false;

  rig.keyboard.Memory()[100] ^= 1;
  rig.prompt.shown.clear();
  EXPECT_EQ(UploadInto(session, target), OperationResult::Failed);
  EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{kCrcError});
  EXPECT_EQ(target.GetKey(5, 5)->Layers[0].Macro[0], "x");
  EXPECT_EQ(target.GetKey(1, 1), nullptr);
  EXPECT_FALSE(target.Modified);
}

// An answer of the right length whose check byte is wrong is read again; ten
// such answers end the upload.
TEST(Upload, BlocksWithAWrongCheckAreReadAgain) {
  DeviceRig rig;
  TVL2Document layout;
  FillLayout(layout);
  ASSERT_EQ(Download(rig, layout), OperationResult::Done);
  rig.port.spoilByteAt = 2 * static_cast<int>(ReadAnswerLength(1));  // the CRC's high nibble
  for (int spoiled : {1, 10}) {
    rig.port.spoiledCaptures = spoiled;
    rig.reporter.statuses.clear();
    rig.prompt.shown.clear();
    DeviceSession session = rig.Session();
    TVL2Document target;
    const auto result = UploadInto(session, target);
    EXPECT_TRUE(rig.reporter.Saw("1-й повтор чтения данных"));
    if (spoiled == 1) {
      EXPECT_EQ(result, OperationResult::Done);
      EXPECT_FALSE(rig.reporter.Saw("2-й повтор чтения данных"));
      ExpectSameKeys(layout, target);
    } else {
      EXPECT_EQ(result, OperationResult::Failed);
      EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{kReadError});
      EXPECT_EQ(target.GetKey(1, 1), nullptr);
    }
  }
}

TEST(Upload, TakesTheCardReaderOnlyWhenAsked) {
  DeviceRig rig;
  TVL2Document layout;
  FillLayout(layout);
  TMacroButton card;
  card.Layers[0].Macro = {"\x16", "\x1E"};
  card.Layers[0].Click = 1;
  layout.SetCardReader(card);
  layout.TrackMask = 0x05;
  ASSERT_EQ(Download(rig, layout), OperationResult::Done);
  for (bool withCard : {false, true}) {
    rig.settings.Set(Setting::IsUploadInCard, withCard ? 1 : 0);
    TVL2Document target;
    TMacroButton own;
    own.Layers[0].Macro[0] = "own";
    target.SetCardReader(own);
    target.TrackMask = 0x0F;
    ASSERT_EQ(Upload(rig, target), OperationResult::Done);
    EXPECT_EQ(target.CardReader.Layers[0].Macro, withCard ? card.Layers[0].Macro : own.Layers[0].Macro);
    EXPECT_EQ(target.CardReader.Layers[0].Click, withCard ? 1 : 0);
    EXPECT_EQ(target.TrackMask, withCard ? 0x05 : 0x0F);
    EXPECT_NE(target.GetKey(1, 1), nullptr);  // the keys come either way
  }
}

TEST(Upload, AShortImageStoresWhatItReadAndReportsTheRest) {
  DeviceRig rig;
  TVL2Document layout;
  FillLayout(layout);
  ASSERT_EQ(Download(rig, layout), OperationResult::Done);
  DeviceSession session = rig.Session();
  // Version 1.3 wrote no CRC; the stored length cuts the layer records short.
  session.header.ProgrammerMajor = 1;
  session.header.ProgrammerMinor = 3;
  session.header.DataSize = static_cast<uint16_t>(session.header.DataSize - 100);
  TVL2Document target;
  EXPECT_EQ(UploadInto(session, target), OperationResult::Failed);
  EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{kProcessError});
  EXPECT_NE(target.GetKey(1, 1), nullptr);  // read before the end
  EXPECT_TRUE(target.Modified);
}

TEST(Transfer, A64KiBDeviceTakesAndGivesItsLayout) {
  DeviceRig rig(RigOptions{.memory = 0x10000});
  TVL2Document layout;
  FillLayout(layout);
  ASSERT_EQ(Download(rig, layout), OperationResult::Done) << testing::PrintToString(rig.prompt.Messages());
  EXPECT_EQ(rig.keyboard.HeaderAddress(), 0xFFE0u);
  TVL2Document uploaded;
  ASSERT_EQ(Upload(rig, uploaded), OperationResult::Done) << testing::PrintToString(rig.prompt.Messages());
  ExpectSameKeys(layout, uploaded);
}

TEST(Upload, CancelNeverClearsNorAsks) {
  DeviceRig rig;
  TVL2Document layout;
  FillLayout(layout);
  ASSERT_EQ(Download(rig, layout), OperationResult::Done);
  const auto before = rig.keyboard.Memory();
  rig.prompt.shown.clear();

  TVL2Document target;
  Key(target, 1, 1).Layers[0].Macro[0] = "mine";
  rig.reporter.onProgress = [&](int position) {
    if (position > 40) rig.gate.Stop();
  };
  EXPECT_EQ(Upload(rig, target), OperationResult::Cancelled);
  EXPECT_TRUE(rig.prompt.shown.empty());
  EXPECT_EQ(rig.keyboard.Memory(), before);
  EXPECT_EQ(target.GetKey(1, 1)->Layers[0].Macro[0], "mine");
}

TEST(Preparation, AsksOnlyWhatTheSelectionAndSettingsCallFor) {
  DeviceRig rig;
  rig.settings.Set(Setting::IsShowDownloadParameters, 0);
  TVL2Document document;
  OperationRequest request{OperationKind::Download, document, TRect{1, 1, 8, 8}, false, {}, {}};
  auto prepared = PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt);
  ASSERT_TRUE(prepared);
  EXPECT_TRUE(rig.prompt.shown.empty());
  EXPECT_EQ(prepared->selection, (TRect{1, 1, 8, 8}));
  EXPECT_TRUE(rig.keyboard.ScanningDisabled());

  // One column too many: asked, and No ends it before anything is sent but 0xF5.
  request.selection = TRect{1, 1, 9, 8};
  rig.prompt.answersByText[kSelectionTooLarge] = Answer::No;
  EXPECT_FALSE(PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt));
  ASSERT_EQ(rig.prompt.shown.size(), 1u);
  EXPECT_EQ(rig.prompt.shown[0].text, kSelectionTooLarge);

  // Without "is download from selection" the fragment becomes the device's block.
  rig.prompt.answersByText.clear();
  request.selection = TRect{3, 4, 5, 5};
  prepared = PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt);
  ASSERT_TRUE(prepared);
  EXPECT_EQ(prepared->selection, (TRect{3, 4, 10, 11}));
  rig.settings.Set(Setting::IsDownloadFromSelection, 1);
  prepared = PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt);
  EXPECT_EQ(prepared->selection, request.selection);
}

// Keys beyond the device's field were left out of a download without a word, and
// the fragment was shown only after the questions about it.
TEST(Preparation, KeysBeyondTheFieldAreToldBeforeTheDownload) {
  DeviceRig rig;
  rig.settings.Set(Setting::IsShowDownloadParameters, 0);
  TVL2Document document;
  Key(document, 9, 1).Layers[0].Macro[0] = "\x1C";
  Key(document, 40, 200).Layers[1].Macro[1] = "\xF0\x1C";
  Key(document, 1, 9);  // a blank record loses nothing
  Key(document, 8, 8).Layers[0].Macro[0] = "\x1C";
  std::optional<TRect> shown;
  OperationRequest request{OperationKind::Download, document, TRect{1, 1, 1, 1}, false, {}, {},
                           [&](const TRect& fragment) { shown = fragment; }};
  rig.prompt.answers = {Answer::No};
  EXPECT_FALSE(PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt));
  EXPECT_EQ(shown, (TRect{1, 1, 8, 8}));
  ASSERT_EQ(rig.prompt.shown.size(), 1u);
  EXPECT_EQ(rig.prompt.shown[0].text, KeysOutsideQuestion(2, 8, 8));
  EXPECT_EQ(rig.keyboard.BlocksAccepted(), 0);

  // A selection downloaded on purpose leaves the rest out by the user's choice.
  rig.prompt.shown.clear();
  rig.settings.Set(Setting::IsDownloadFromSelection, 1);
  request.selection = TRect{1, 1, 8, 8};
  EXPECT_TRUE(PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt));
  EXPECT_TRUE(rig.prompt.shown.empty());
}

// A stray click on another key moved the field a download writes without a word:
// every question of the download now names the field when it does not start at (1,1).
TEST(Preparation, TheDownloadsQuestionsNameAFieldAwayFromTheFirstKey) {
  DeviceRig rig;
  TVL2Document document;
  Key(document, 1, 1).Layers[0].Macro[0] = "\x1C";
  Key(document, 10, 3).Layers[3].Macro[0] = "a";  // a remark: data on a layer that is not loaded
  OperationRequest request{OperationKind::Download, document, TRect{10, 3, 10, 3}, false, {}, {}};
  rig.prompt.fallback = Answer::Yes;
  rig.prompt.answers = {Answer::Yes, Answer::Yes, Answer::No};
  EXPECT_FALSE(PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt));
  const std::string field = "Поле устройства 8×8 с клавиши (10,3).\n\n";
  EXPECT_EQ(rig.prompt.Texts(), (std::vector<std::string>{field + kCheckRemarks, field + KeysOutsideQuestion(1, 8, 8),
                                                          field + DownloadPropertiesText(rig.settings)}));
  EXPECT_EQ(rig.keyboard.BlocksAccepted(), 0);

  // From the first key the questions stay as they were.
  rig.prompt.shown.clear();
  request.selection = TRect{1, 1, 1, 1};
  rig.prompt.answers = {Answer::No};
  EXPECT_FALSE(PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt));
  EXPECT_EQ(rig.prompt.Texts(), (std::vector<std::string>{KeysOutsideQuestion(1, 8, 8)}));
}

TEST(Preparation, DeclinedQuestionsAndAnUnreadableTableWriteNothing) {
  TVL2Document document;
  Key(document, 1, 1).Layers[3].Macro[0] = "a";  // data on a layer that is not loaded
  std::vector<CheckRemark> remarksShown;
  OperationRequest request{OperationKind::Download, document, TRect{1, 1, 8, 8}, false,
                           [&](const std::vector<CheckRemark>& remarks) { remarksShown = remarks; },
                           {}};
  {
    DeviceRig rig;
    rig.prompt.answersByText[kCheckRemarks] = Answer::No;
    EXPECT_EQ(RunDeviceOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt,
                                 rig.gate),
              OperationResult::Failed);
    EXPECT_FALSE(remarksShown.empty());
    EXPECT_EQ(rig.keyboard.BlocksAccepted(), 0);
  }
  {
    DeviceRig rig;
    rig.settings.Set(Setting::LayerCount, 3);
    rig.settings.Set(Setting::Ibd, 2);
    rig.prompt.answersByText[DownloadPropertiesText(rig.settings)] = Answer::No;
    EXPECT_EQ(RunDeviceOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt,
                                 rig.gate),
              OperationResult::Failed);
    ASSERT_FALSE(rig.prompt.shown.empty());
    EXPECT_NE(rig.prompt.shown.back().text.find("4.8 мс"), std::string::npos);
    EXPECT_EQ(rig.keyboard.BlocksAccepted(), 0);
  }
  DeviceRig rig;
  rig.catalogue.decodingReadable = false;
  EXPECT_FALSE(PrepareOperation(rig.Access(), rig.settings, rig.catalogue, request, rig.reporter, rig.prompt));
  EXPECT_EQ(rig.prompt.Messages(),
            std::vector<std::string>{"the test's decoding file cannot be read"});
}

// A keyboard never written holds erased memory, its stored size reading FFFF: a
// backup of it is an empty layout, not an error that would stop the download.
TEST(KeyboardLayout, NeverWrittenKeyboardReadsAsEmptyWithoutAWord) {
  DeviceRig rig;
  ASSERT_EQ(rig.StoredHeader().DataSize, 0xFFFF);
  TVL2Document held;
  ASSERT_TRUE(ReadKeyboardLayout(rig.Access(), rig.settings, rig.catalogue, held, rig.reporter, rig.prompt));
  EXPECT_TRUE(rig.prompt.shown.empty());
  EXPECT_EQ(held.GetKey(1, 1), nullptr);

  TVL2Document layout;
  FillLayout(layout);
  ASSERT_EQ(Download(rig, layout), OperationResult::Done);
  TVL2Document written;
  ASSERT_TRUE(ReadKeyboardLayout(rig.Access(), rig.settings, rig.catalogue, written, rig.reporter, rig.prompt));
  ExpectSameKeys(layout, written);
}

// A comparison stopped before its worker began still showed its window when the
// keyboard was empty or never written: the read ended before any block's gate.
TEST(KeyboardLayout, AStopDecidedBeforeTheReadEndsItWhateverTheKeyboardHolds) {
  for (const bool written : {false, true}) {
    DeviceRig rig;
    if (written) {
      TVL2Document layout;
      FillLayout(layout);
      ASSERT_EQ(Download(rig, layout), OperationResult::Done);
    }
    rig.gate.Stop();
    rig.prompt.shown.clear();
    TVL2Document read;
    EXPECT_FALSE(ReadKeyboardLayout(rig.Access(), rig.settings, rig.catalogue, read, rig.reporter, rig.prompt,
                                    &rig.gate));
    EXPECT_TRUE(rig.prompt.shown.empty());
    EXPECT_EQ(read.GetKey(1, 1), nullptr);
  }
}

}  // namespace
}  // namespace vl
