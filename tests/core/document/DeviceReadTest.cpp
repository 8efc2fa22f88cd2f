// Taking an upload's read into a layout: only the read cells change, as one step
// that undoes whole.

#include <gtest/gtest.h>

#include <memory>

#include "core/document/DeviceRead.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

TMacroButton Macro(const std::string& press) {
  TMacroButton key;
  key.Func = kFuncMacro;
  key.Layers[0].Macro[0] = press;
  return key;
}

void Put(TVL2Document& document, int column, int row, const std::string& press) {
  document.SetKey(column, row, std::make_unique<TMacroButton>(Macro(press)));
}

TEST(ApplyDeviceRead, ChangesOnlyTheReadCellsAsOneStepThatUndoesWhole) {
  TVL2Document document;
  Put(document, 1, 1, "old");
  Put(document, 2, 1, "pasted meanwhile");  // in the fragment, not read (an ignored empty key)
  Put(document, 3, 3, "emptied");
  Put(document, 9, 9, "outside");
  DeviceRead read;
  read.Fragment = TRect{1, 1, 8, 8};
  read.Cells = {{1, 1, Macro("new")}, {3, 3, TMacroButton{}}, {4, 4, Macro("added")}};

  ApplyDeviceRead(document, read);
  EXPECT_EQ(document.GetKey(1, 1)->Layers[0].Macro[0], "new");
  EXPECT_EQ(document.GetKey(2, 1)->Layers[0].Macro[0], "pasted meanwhile");
  EXPECT_EQ(document.GetKey(3, 3), nullptr);  // a blank read record frees the cell
  EXPECT_EQ(document.GetKey(4, 4)->Layers[0].Macro[0], "added");
  EXPECT_EQ(document.GetKey(9, 9)->Layers[0].Macro[0], "outside");
  EXPECT_TRUE(document.Modified);
  EXPECT_TRUE(document.ReadFromDevice);
  EXPECT_EQ(document.History.UndoName(), kUndoDeviceRead);

  document.History.Undo();
  EXPECT_EQ(document.GetKey(1, 1)->Layers[0].Macro[0], "old");
  EXPECT_EQ(document.GetKey(3, 3)->Layers[0].Macro[0], "emptied");
  EXPECT_EQ(document.GetKey(4, 4), nullptr);
  EXPECT_FALSE(document.History.CanUndo());
}

TEST(ApplyDeviceRead, TakesTheCardReaderOnlyWhenItWasReadAndUndoesIt) {
  TVL2Document document;
  TMacroButton own;
  own.Layers[0].Macro[0] = "own";
  document.SetCardReader(own);
  document.SetTrackMask(0x0F);
  document.Modified = false;

  DeviceRead keysOnly;
  keysOnly.Cells = {{1, 1, Macro("k")}};
  ApplyDeviceRead(document, keysOnly);
  EXPECT_EQ(document.CardReader.Layers[0].Macro[0], "own");

  DeviceRead withCard;
  TMacroButton card;
  card.Layers[1].Macro[0] = "\x16";
  withCard.CardReader = card;
  withCard.TrackMask = 0x05;
  ApplyDeviceRead(document, withCard);
  EXPECT_EQ(document.CardReader.Layers[1].Macro[0], "\x16");
  EXPECT_EQ(document.TrackMask, 0x05);
  document.History.Undo();
  EXPECT_EQ(document.CardReader.Layers[0].Macro[0], "own");
  EXPECT_EQ(document.TrackMask, 0x0F);
  EXPECT_EQ(document.GetKey(1, 1)->Layers[0].Macro[0], "k");
}

TEST(ApplyDeviceRead, AnEmptyReadLeavesTheLayoutUntouched) {
  TVL2Document document;
  ApplyDeviceRead(document, DeviceRead{});
  EXPECT_FALSE(document.Modified);
  EXPECT_FALSE(document.ReadFromDevice);
  EXPECT_FALSE(document.History.CanUndo());
}

}  // namespace
}  // namespace vl
