// Clear, device information and the scan-code interval against the simulated keyboard.

#include <gtest/gtest.h>

#include "DeviceRig.h"
#include "core/device/Clear.h"
#include "core/device/Detect.h"
#include "core/device/DeviceInfoQuery.h"
#include "core/device/Download.h"
#include "core/device/Interval.h"
#include "core/device/OperationDriver.h"

namespace vl {
namespace {

using test::DeviceRig;

TEST(Clear, OnlyAfterYesAndThenTheDeviceIsEmpty) {
  DeviceRig rig;
  TVL2Document document;
  DeviceSession session = rig.Session();
  ASSERT_EQ(RunDownload(session, DownloadJob{document, TRect{1, 1, 8, 8}, test::Straight}), OperationResult::Done);
  rig.keyboard.ClearTranscript();

  rig.prompt.answersByText[kClearQuestion] = Answer::No;
  EXPECT_FALSE(RunClear(rig.Access(), rig.settings, rig.catalogue, rig.reporter, rig.prompt));
  EXPECT_TRUE(rig.keyboard.Transcript().empty());
  EXPECT_NE(rig.StoredHeader().DataSize, 0);

  rig.prompt.answersByText.clear();
  EXPECT_TRUE(RunClear(rig.Access(), rig.settings, rig.catalogue, rig.reporter, rig.prompt));
  EXPECT_EQ(rig.StoredHeader().DataSize, 0);
  EXPECT_EQ(rig.prompt.Messages().back(), kClearDone);
}

TEST(Clear, FailsWhenTheDeviceStopsAnswering) {
  DeviceRig rig;
  rig.keyboard.Memory().resize(rig.keyboard.HeaderAddress());  // the header cannot be written
  EXPECT_FALSE(RunClear(rig.Access(), rig.settings, rig.catalogue, rig.reporter, rig.prompt));
  EXPECT_EQ(rig.prompt.shown.back().text, kClearFailed);
  EXPECT_EQ(rig.prompt.shown.back().caption, kCaptionError);
}

TEST(DeviceInfo, RowsAfterADownloadAndTheUnreadableHeader) {
  DeviceRig rig;
  TVL2Document document;
  DeviceSession session = rig.Session();
  ASSERT_EQ(RunDownload(session, DownloadJob{document, TRect{1, 1, 8, 8}, test::Straight}), OperationResult::Done);
  const auto rows = QueryDeviceInfo(rig.Access(), rig.settings, rig.catalogue, rig.reporter, rig.prompt);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 11u);
  EXPECT_EQ((*rows)[0].second, "0105");
  EXPECT_EQ((*rows)[1].second, "Клавиатура");
  EXPECT_EQ((*rows)[2].second, "04660");
  EXPECT_EQ((*rows)[9].second, "Velmorando AT 2,3");
  EXPECT_EQ((*rows)[10].second, "1,2");

  rig.port.deaf = true;
  EXPECT_FALSE(QueryDeviceInfo(rig.Access(), rig.settings, rig.catalogue, rig.reporter, rig.prompt));
  EXPECT_EQ(rig.prompt.Messages().back(), kNotConnected);
}

TEST(Interval, SendsTheItemCodeAndNeedsAnAnswer) {
  DeviceRig rig;
  rig.settings.Set(Setting::LoadReadWriteMode, 1);  // the command ignores the mode
  EXPECT_TRUE(RunInterval(rig.Access(), 15, rig.prompt));
  EXPECT_EQ(rig.keyboard.IntervalCode(), 0);
  EXPECT_TRUE(RunInterval(rig.Access(), 1, rig.prompt));
  EXPECT_EQ(rig.keyboard.IntervalCode(), 2);
  EXPECT_EQ(rig.settings.Get(Setting::Ibd), SettingsStore().Get(Setting::Ibd));
  EXPECT_TRUE(rig.prompt.shown.empty());

  rig.port.deaf = true;
  EXPECT_FALSE(RunInterval(rig.Access(), 1, rig.prompt));
  EXPECT_EQ(rig.prompt.Messages(), std::vector<std::string>{kOstrelNotConnected});

  EXPECT_EQ(IntervalItemText(0), "1,6");
  EXPECT_EQ(IntervalItemText(4), "8");
  EXPECT_EQ(IntervalItemText(15), "25,6");
}

}  // namespace
}  // namespace vl
