// The input windows' model: loading a record, the changed flags, and writing the
// changed fields into the document.

#include <gtest/gtest.h>

#include "core/input/InputWindowModel.h"

namespace vl {
namespace {

std::unique_ptr<TMacroButton> Key(const std::string& press, uint8_t autoRepeat = 0) {
  auto key = std::make_unique<TMacroButton>();
  key->Func = kFuncMacro;
  key->Layers[0].Macro[0] = press;
  key->Layers[0].AutoRepeat = autoRepeat;
  return key;
}

TEST(InputWindowModelTest, LoadAndStoreKeepWhatTheRowsDoNotShow) {
  TMacroButton record = *Key("\x1c", 0x03);
  record.Layers[2].Click = 4;
  record.Layers[3].Note = "n";
  InputWindowModel model;
  model.Load(record);
  EXPECT_TRUE(model.Row(0).AutoRepeat);
  EXPECT_EQ(model.Row(2).Click, 4);
  EXPECT_EQ(model.Store(), record);
  model.SetAutoRepeat(0, false);
  EXPECT_EQ(model.Store().Layers[0].AutoRepeat, 0x02);
}

TEST(InputWindowModelTest, FlagsAreSetOnlyByRealChanges) {
  InputWindowModel model;
  model.Load(*Key("\x1c"));
  model.SetPress(0, "\x1c");
  model.SetClick(1, 0);
  model.SetFunction(kFuncMacro);
  EXPECT_TRUE(model.Changed().none());
  model.SetRelease(3, "\xf0\x1c");
  model.SetClick(2, 9);  // clamped to 6
  model.SetNote(1, std::string(60, 'x'));
  model.SetFunction(kFuncLayerUp);
  EXPECT_TRUE(model.Changed()[ChangedFlag(LayerField::Release, 3)]);
  EXPECT_TRUE(model.Changed()[ChangedFlag(LayerField::Click, 2)]);
  EXPECT_TRUE(model.Changed()[ChangedFlag(LayerField::Note, 1)]);
  EXPECT_TRUE(model.Changed()[kChangedFunction]);
  EXPECT_EQ(model.Changed().count(), 4u);
  EXPECT_EQ(model.Row(2).Click, kMaxClick);
  EXPECT_EQ(model.Row(1).Note.size(), kMaxLayerNoteLength);
  EXPECT_FALSE(model.PagesVisible());
  model.ClearAll();
  EXPECT_TRUE(model.Changed().none());
  EXPECT_EQ(model.Function(), kFuncNone);
  EXPECT_TRUE(model.PagesVisible());
}

TEST(InputWindowModelTest, ApplyWritesOnlyChangedFieldsToEverySelectedKey) {
  TVL2Document document;
  document.SetKey(1, 1, Key("\x1c"));
  document.SetKey(2, 1, Key("\x32"));
  InputWindowModel model;
  model.Load(*document.GetKey(1, 1));
  model.SetRelease(1, "\xf0\x21");
  model.ApplyTo(document, {1, 1, 3, 1});
  EXPECT_TRUE(document.Modified);
  EXPECT_TRUE(model.Changed().none());
  EXPECT_EQ(document.GetKey(2, 1)->Layers[0].Macro[0], "\x32");  // not copied from the first
  for (int column = 1; column <= 3; ++column) {
    ASSERT_NE(document.GetKey(column, 1), nullptr);
    EXPECT_EQ(document.GetKey(column, 1)->Layers[1].Macro[1], "\xf0\x21");
  }
}

TEST(CardReaderModelTest, TracksAndOutputSwitchesRoundTrip) {
  TVL2Document document;
  document.CardReader.Layers[0].Click = kCardOutputStartStop | kCardOutputLrc;
  document.CardReader.Layers[1].Macro[0] = "\x16";
  document.TrackMask = 0x05;
  CardReaderModel card;
  card.Load(document);
  EXPECT_TRUE(card.TrackEnabled(0));
  EXPECT_FALSE(card.TrackEnabled(1));
  EXPECT_TRUE(card.Lrc());
  card.ApplyTo(document);
  EXPECT_FALSE(document.Modified);

  card.SetTrackEnabled(1, true);
  card.SetTrackEnabled(2, false);
  card.SetStartStop(false);  // takes LRC with it
  EXPECT_FALSE(card.LrcEnabled());
  card.SetLrc(true);
  EXPECT_FALSE(card.Lrc());
  card.Rows().SetRelease(3, "\xf0\x16");
  card.ApplyTo(document);
  EXPECT_TRUE(document.Modified);
  EXPECT_EQ(document.TrackMask, 0x03);
  EXPECT_EQ(document.CardReader.Layers[0].Click, 0);
  EXPECT_EQ(document.CardReader.Layers[1].Macro[0], "\x16");
  EXPECT_EQ(document.CardReader.Layers[3].Macro[1], "\xf0\x16");
}

}  // namespace
}  // namespace vl
