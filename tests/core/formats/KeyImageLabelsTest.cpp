#include <gtest/gtest.h>

#include "KeyImageTestSupport.h"
#include "core/formats/KeyImageRichText.h"

namespace vl {
namespace {

using test::Bytes;
using test::CountOf;
using test::PutKey;

TEST(KeyImageGeometry, SmallDeviceInTwips) {
  TVL2Document document;
  const KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::RichText);
  // Each value is scaled and rounded on its own: 1800 -> 1020, 200 -> 113, 500 -> 283.
  EXPECT_EQ(request.Geometry, (KeyImageGeometry{1020, 1020, 113, 113, 283, 283}));
  EXPECT_EQ(KeyOutline(request, 0, 0), (KeyBox{283, 283, 1303, 1303}));
  EXPECT_EQ(KeyOutline(request, 3, 2), (KeyBox{283 + 3 * 1133, 283 + 2 * 1133, 283 + 3 * 1133 + 1020,
                                               283 + 2 * 1133 + 1020}));
  EXPECT_EQ(PictureWidth(request), 4 * 1133 - 113 + 2 * 283);
  EXPECT_EQ(PictureHeight(request), 3 * 1133 - 113 + 2 * 283);

  NullReporter reporter;
  const std::string rtf = BuildKeyImageRichText(request, reporter);
  EXPECT_EQ(CountOf(rtf, "{\\sv 1}}"), 12u);  // rectangles
  EXPECT_NE(rtf.find("\\shpleft283\\shptop283\\shpright1303\\shpbottom1303"), std::string::npos);
  EXPECT_EQ(rtf.rfind("}{\\par}}"), rtf.size() - 8);
}

TEST(KeyImageGeometry, SelectionIsCutAtTheFieldEdge) {
  EXPECT_EQ(ImageSelection(1, 1, 4, 3), (TRect{1, 1, 4, 3}));
  EXPECT_EQ(ImageSelection(254, 250, 4, 10), (TRect{254, 250, 255, 255}));
}

TEST(KeyImageLabels, BySourceAndFunction) {
  TVL2Document document;
  TMacroButton& macro = PutKey(document, 1, 1, kFuncMacro);
  macro.Layers[0].Macro[0] = Bytes({0x12, 0x33, 0xF0, 0x33, 0xF0, 0x12, 0x24});  // "He"
  macro.Layers[0].Macro[1] = Bytes({0x5A});
  macro.Layers[1].Note = "\xCF\xF0\xE8\xEC\xE5\xF0";  // "Пример"
  PutKey(document, 2, 1, kFuncGoToLayer0 + 2);
  PutKey(document, 3, 1, kFuncNone).Layers[0].Macro[0] = Bytes({0x1C});
  document.Notes(1, 2) = std::make_unique<TKeyNote>(TKeyNote{std::string(60, 'n'), ""});

  KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::Metafile);
  EXPECT_EQ(Label(request, 0, 0, 0), "He");
  EXPECT_EQ(Label(request, 1, 0, 0), "UP TO LAYER 2");  // whatever the layer
  EXPECT_EQ(Label(request, 1, 0, 3), "UP TO LAYER 2");
  EXPECT_EQ(Label(request, 2, 0, 0), "");  // no function: no text
  EXPECT_EQ(Label(request, 3, 0, 0), "");  // no record

  request.Options.Source = LabelSource::Release;
  EXPECT_EQ(Label(request, 0, 0, 0), "[Enter]");
  request.Options.AddFunctionKeys = false;
  EXPECT_EQ(Label(request, 0, 0, 0), "");

  request.Options.Source = LabelSource::LayerNote;
  EXPECT_EQ(Label(request, 0, 0, 1), "Пример");
  EXPECT_EQ(Label(request, 1, 0, 1), "");

  request.Options.Source = LabelSource::KeyNote;
  EXPECT_EQ(Label(request, 0, 1, 0), std::string(40, 'n'));
  EXPECT_EQ(Label(request, 0, 0, 0), "");
}

TEST(KeyImageLabels, CreateModeAndLayerBits) {
  TVL2Document document;
  TMacroButton& key = PutKey(document, 1, 1, kFuncMacro);
  key.Layers[0].Macro[0] = Bytes({0x1C});
  key.Layers[2].Macro[0] = Bytes({0x32});
  KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::RichText);
  request.Options.Layers = 0b0101;
  EXPECT_EQ(LayerLabelsToDraw(request, 0, 0), (std::vector<LayerLabel>{{0, "a"}, {2, "b"}}));
  EXPECT_EQ(LabelsToDraw(request, 1, 0), (std::vector<std::string>{"", ""}));
  request.Options.Create = LabelCreate::NonEmpty;
  EXPECT_TRUE(LabelsToDraw(request, 1, 0).empty());
  request.Options.Create = LabelCreate::Never;
  EXPECT_TRUE(LabelsToDraw(request, 0, 0).empty());

  // Two layers: two label boxes at the same place in the document, each as
  // high as the key, so a second line is not cut in half.
  request.Options.Create = LabelCreate::NonEmpty;
  NullReporter reporter;
  const std::string rtf = BuildKeyImageRichText(request, reporter);
  EXPECT_EQ(CountOf(rtf, "\\shpleft283\\shptop283\\shpright1303\\shpbottom1303"), 3u);
  EXPECT_EQ(CountOf(rtf, "\\dpxsize1020\\dpysize1020"), 12u + 2u);  // outlines and labels alike
  // Their text keeps half a millimetre from the outline, not the readers' 2.5 mm.
  EXPECT_EQ(CountOf(rtf, "{\\sp{\\sn dxTextLeft}{\\sv 18000}}"), 2u);
  EXPECT_EQ(CountOf(rtf, "{\\sv 202}}"), 2u);
  // Labels stack above their outline, each shape with its own identifier.
  EXPECT_NE(rtf.find("\\shpbottom1303\\shpfhdr0\\shpbxcolumn\\shpbypara\\shpwr3\\shpwrk0"
                     "\\shpfblwtxt0\\shpz0\\shplid1026"),
            std::string::npos);
  EXPECT_NE(rtf.find("\\shpz1\\shplid1027{\\sp{\\sn shapeType}{\\sv 202}}"), std::string::npos);
  EXPECT_NE(rtf.find("\\shpz2\\shplid1028{\\sp{\\sn shapeType}{\\sv 202}}"), std::string::npos);
  EXPECT_NE(rtf.find("\\shpz3\\shplid1029{\\sp{\\sn shapeType}{\\sv 1}}"), std::string::npos);
}

// Labels of several layers used to be drawn over one another at the top-left corner.
TEST(KeyImageLabels, EachLayerHasItsOwnCornerInRichText) {
  TVL2Document document;
  TMacroButton& key = PutKey(document, 1, 1, kFuncMacro);
  for (size_t layer = 0; layer < 4; ++layer) key.Layers[layer].Macro[0] = Bytes({0x1C});
  KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::RichText);
  request.Options.Layers = 0b1111;
  request.Options.Create = LabelCreate::NonEmpty;
  NullReporter reporter;
  const std::string rtf = BuildKeyImageRichText(request, reporter);
  const std::string paragraph = "\\cgrid ";
  for (const char* corner : {"{\\sv 0}}{\\sp{\\sn lTxid}", "{\\sv 2}}{\\sp{\\sn lTxid}"}) {
    EXPECT_EQ(CountOf(rtf, std::string("anchorText}") + corner), 2u) << corner;
  }
  // Left and right, each in the shape's text and in the picture for older readers.
  EXPECT_EQ(CountOf(rtf, paragraph + "\\ql {\\lang1033 a}"), 4u);
  EXPECT_EQ(CountOf(rtf, paragraph + "\\qr {\\lang1033 a}"), 4u);
  // In layer order: top-left, top-right, bottom-left, bottom-right.
  const size_t first = rtf.find("anchorText}{\\sv 0}");
  const size_t second = rtf.find("\\qr {\\lang1033 a}");
  const size_t third = rtf.find("anchorText}{\\sv 2}");
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  // Undated and Unicode-aware without a fallback character.
  EXPECT_EQ(rtf.find("\\yr"), std::string::npos);
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1251\\uc0 ", 0), 0u);
}

TEST(KeyImageLabels, LayerNotesAbsentGiveOutlinesOnly) {
  TVL2Document document;
  PutKey(document, 2, 2, kFuncMacro).Layers[0].Macro[0] = Bytes({0x1C});
  KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::RichText);
  request.Options.Create = LabelCreate::NonEmpty;
  request.Options.Source = LabelSource::LayerNote;
  NullReporter reporter;
  const std::string rtf = BuildKeyImageRichText(request, reporter);
  EXPECT_EQ(CountOf(rtf, "{\\shp{"), 12u);
  EXPECT_EQ(CountOf(rtf, "shptxt"), 0u);
}

TEST(KeyImageLabels, PositionsBeyondTheFieldHaveOutlinesOnly) {
  TVL2Document document;
  for (int row = 1; row <= 3; ++row) {
    PutKey(document, 253, row, kFuncMacro).Layers[0].Macro[0] = Bytes({0x1C});
    PutKey(document, 255, row, kFuncMacro).Layers[0].Macro[0] = Bytes({0x1C});
  }
  KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::RichText, 253, 1);
  request.Options.Create = LabelCreate::Always;
  for (int j = 0; j < 3; ++j) {
    EXPECT_EQ(LabelsToDraw(request, 2, j), (std::vector<std::string>{"a"}));
    EXPECT_EQ(LabelsToDraw(request, 3, j), std::vector<std::string>{});  // column 256
  }
  NullReporter reporter;
  const std::string rtf = BuildKeyImageRichText(request, reporter);
  EXPECT_EQ(CountOf(rtf, "{\\sv 1}}"), 12u);
  EXPECT_EQ(CountOf(rtf, "{\\sv 202}}"), 9u);
}

TEST(RichTextLabel, RunsAndEscapes) {
  EXPECT_EQ(RichTextLabel(""), "");
  EXPECT_EQ(RichTextLabel("ab"), "{\\lang1033 ab}{\\par }");
  EXPECT_EQ(RichTextLabel("\"x'\\{}"), "{\\lang1033 \\'94x\\rquote \\\\\\{\\}}{\\par }");
  EXPECT_EQ(RichTextLabel("a Яz"), "{\\lang1033 a }{\\f17 \\'DF}{\\lang1033 z}{\\par }");
  EXPECT_EQ(RichTextLabel("й\""), "{\\f17 \\'E9}{\\lang1033 \\'94}{\\par }");
  // Ukrainian letters and ё lie below C0h in the code page but are Cyrillic.
  EXPECT_EQ(RichTextLabel("їё"), "{\\f17 \\'BF\\'B8}{\\par }");
  EXPECT_EQ(RichTextLabel("№"), "{\\lang1033 \\'B9}{\\par }");
}

TEST(RichTextLabel, WrapsBetweenKeyNamesNotInside) {
  // A zero-width space between names and their neighbours lets a word processor
  // wrap there rather than in the middle of "[RControl]".
  // No '?' fallback: a reader without Unicode would show it between the names.
  EXPECT_EQ(RichTextLabel("[RControl]p[F1]"), "{\\lang1033 [RControl]\\u8203 p\\u8203 [F1]}{\\par }");
  EXPECT_EQ(RichTextLabel("[L Alt] x"), "{\\lang1033 [L Alt] x}{\\par }");
  EXPECT_EQ(RichTextLabel("я[Enter]"), "{\\f17 \\'FF}{\\lang1033 \\u8203 [Enter]}{\\par }");
  EXPECT_EQ(RichTextLabel("[F1]1"), "{\\lang1033 [F1]\\u8203 1}{\\par }");  // "\\u82031" would be another character
  // A bracket with no name after it, or a name cut short, is plain text.
  EXPECT_EQ(RichTextLabel("a[b"), "{\\lang1033 a[b}{\\par }");
  EXPECT_EQ(RichTextLabel("]a"), "{\\lang1033 ]a}{\\par }");
}

}  // namespace
}  // namespace vl
