#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "KeyImageTestSupport.h"
#include "core/formats/KeyImagePages.h"
#include "core/formats/KeyLabelFit.h"

namespace vl {
namespace {

constexpr double kMmPerPoint = 25.4 / 72;

// Every character 0.6 em wide ("…" counts as one), lines 1.2 em apart.
class MonospaceMeasure final : public ITextMeasure {
 public:
  double Width(std::string_view utf8, double points) const override {
    const auto chars = std::count_if(utf8.begin(), utf8.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return static_cast<double>(chars) * 0.6 * points * kMmPerPoint;
  }
  double LineHeight(double points) const override { return 1.2 * points * kMmPerPoint; }
};

std::vector<std::string> Texts(const std::vector<LabelPiece>& pieces) {
  std::vector<std::string> texts;
  for (const auto& piece : pieces) texts.push_back((piece.BlankBefore ? " " : "") + piece.Text);
  return texts;
}

std::string WithoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

bool EndsWithEllipsis(const std::string& line) {
  return line.size() >= kEllipsis.size() && line.compare(line.size() - kEllipsis.size(), kEllipsis.size(), kEllipsis) == 0;
}

TEST(LabelPieces, BreakAtBlanksAndAroundKeyNamesOnly) {
  EXPECT_EQ(Texts(LabelPieces("[RControl]p[F1]")), (std::vector<std::string>{"[RControl]", "p", "[F1]"}));
  EXPECT_EQ(Texts(LabelPieces("[L Alt] x  yz")), (std::vector<std::string>{"[L Alt]", " x", " yz"}));
  EXPECT_EQ(Texts(LabelPieces(" UP TO LAYER 2")), (std::vector<std::string>{"UP", " TO", " LAYER", " 2"}));
  // A name cut short by the length limit stays one piece to the end.
  EXPECT_EQ(Texts(LabelPieces("ab[RCont rol")), (std::vector<std::string>{"ab", "[RCont rol"}));
  EXPECT_TRUE(LabelPieces("   ").empty());
}

TEST(FitLabel, KeepsTheLargestSizeThatFits) {
  const MonospaceMeasure measure;
  const FittedLabel fitted = FitLabel("[F1]", 18, 18, measure);
  EXPECT_EQ(fitted.Points, kLabelLargestPoints);
  EXPECT_EQ(fitted.Lines, (std::vector<std::string>{"[F1]"}));
  EXPECT_FALSE(fitted.Cut);
  EXPECT_TRUE(FitLabel("", 18, 18, measure).Lines.empty());
}

TEST(FitLabel, WrapsBetweenNamesAndShrinksRatherThanBreakAName) {
  const MonospaceMeasure measure;
  // 10 characters need 25.4 mm at 12 pt; in 17 mm "[RControl]" shrinks, whole.
  const FittedLabel one = FitLabel("[RControl]", 17, 17, measure);
  EXPECT_EQ(one.Lines, (std::vector<std::string>{"[RControl]"}));
  EXPECT_LT(one.Points, kLabelLargestPoints);
  EXPECT_LE(measure.Width("[RControl]", one.Points), 17);
  EXPECT_GT(measure.Width("[RControl]", one.Points + kLabelPointStep), 17);

  // Four lines at that size are larger letters than two lines of "[RControl]p".
  const FittedLabel wrapped = FitLabel("[RControl]p[RControl]q", 17, 17, measure);
  EXPECT_EQ(wrapped.Lines, (std::vector<std::string>{"[RControl]", "p", "[RControl]", "q"}));
  EXPECT_EQ(wrapped.Points, one.Points);
  EXPECT_FALSE(wrapped.Cut);
  // Lower, two lines of two pieces each at a smaller size.
  const FittedLabel low = FitLabel("[RControl]p[RControl]q", 17, 6, measure);
  EXPECT_EQ(low.Lines, (std::vector<std::string>{"[RControl]p", "[RControl]q"}));
}

TEST(FitLabel, CutsWithAnEllipsisBelowTheSmallestSize) {
  const MonospaceMeasure measure;
  // 40 characters in a 9 x 4 mm box: at 5 pt a line holds 8 characters, the box two lines.
  const std::string label = "[LControl][RControl][LShift][RShift][Esc]";
  const FittedLabel fitted = FitLabel(label, 9, 4, measure);
  EXPECT_TRUE(fitted.Cut);
  EXPECT_EQ(fitted.Points, kLabelSmallestPoints);
  ASSERT_EQ(fitted.Lines.size(), 1u);  // one line of 2.1 mm; two would need 4.2 mm
  EXPECT_EQ(fitted.Lines[0], "[LContr\xE2\x80\xA6");
  EXPECT_LE(measure.Width(fitted.Lines[0], fitted.Points), 9);
  // Not even "…" fits: nothing rather than a character outside.
  EXPECT_TRUE(FitLabel(label, 0.5, 4, measure).Lines.empty());
  EXPECT_TRUE(FitLabel(label, 9, 1, measure).Lines.empty());
}

TEST(FitLabel, EveryLineFitsItsBoxForAnyLabel) {
  const MonospaceMeasure measure;
  const std::vector<std::string> words = {"[RControl]", "[L Alt]", "ab", "q", "UP", "TO", "LAYER", "1007",
                                          "Пример", "[0,3c]", "[Enter]"};
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string label;
    const int count = 1 + static_cast<int>(random() % 6);
    for (int k = 0; k < count; ++k) {
      if (k > 0 && random() % 2 == 0) label += ' ';
      label += words[random() % words.size()];
    }
    const double width = 4 + static_cast<double>(random() % 200) / 10;
    const double height = 2 + static_cast<double>(random() % 200) / 10;
    const FittedLabel fitted = FitLabel(label, width, height, measure);
    SCOPED_TRACE(label + " in " + std::to_string(width) + " x " + std::to_string(height));
    EXPECT_GE(fitted.Points, kLabelSmallestPoints);
    EXPECT_LE(static_cast<double>(fitted.Lines.size()) * measure.LineHeight(fitted.Points), height + 1e-9);
    std::string joined;
    for (const std::string& line : fitted.Lines) {
      EXPECT_LE(measure.Width(line, fitted.Points), width + 1e-9) << line;
      // No name starts on one line and ends on the next.
      if (!EndsWithEllipsis(line)) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '['), std::count(line.begin(), line.end(), ']')) << line;
      }
      joined += line;
    }
    if (!fitted.Cut) {
      EXPECT_EQ(WithoutBlanks(joined), WithoutBlanks(label));
    }
  }
}

TEST(PlaceKeyLabels, LayersShareTheKeyInBandsAndStayInside) {
  const MonospaceMeasure measure;
  const MmRect key{5, 5, 18, 18};
  const std::vector<std::string> labels = {"[F3]", "SHIFT TO LAYER 1", "[RControl]p[0,3c][Enter]"};
  for (KeyForm form : {KeyForm::Rectangle, KeyForm::RoundRect, KeyForm::Ellipse}) {
    const MmRect area = LabelArea(key, form);
    const auto placed = PlaceKeyLabels(key, form, labels, measure);
    ASSERT_FALSE(placed.empty());
    EXPECT_EQ(placed.front().Text, "[F3]");
    EXPECT_EQ(placed.front().Top, area.Top);
    double previousTop = 0;
    for (const PlacedLine& line : placed) {
      EXPECT_GE(line.Left, key.Left);
      EXPECT_GE(line.Top, previousTop);
      previousTop = line.Top;
      EXPECT_LE(line.Left + measure.Width(line.Text, line.Points), area.Left + area.Width + 1e-9);
      EXPECT_LE(line.Top + measure.LineHeight(line.Points), area.Top + area.Height + 1e-9);
    }
  }
  // The ellipse's area is the rectangle inscribed in it: its corner lies on the ellipse.
  const MmRect inscribed = LabelArea({0, 0, 20, 10}, KeyForm::Ellipse);
  const double x = (inscribed.Left - 0.5 - 10) / 10, y = (inscribed.Top - 0.5 - 5) / 5;
  EXPECT_NEAR(x * x + y * y, 1.0, 1e-9);
}

TEST(KeyImagePages, WholeKeysOnEverySheet) {
  TVL2Document document;
  KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::Pdf);
  request.Columns = 16;  // 16 x 3 keys of 18 mm, 2 mm apart, 5 mm margins: 330 x 70 mm
  request.Selection = ImageSelection(1, 1, 16, 3);
  // All on one sheet when it is large enough.
  EXPECT_EQ(KeyImagePages(request, 3300, 700).size(), 1u);
  // 190 x 277 mm (A4 portrait inside 10 mm margins): 9 columns, then 7.
  const auto sheets = KeyImagePages(request, 1900, 2770);
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0].Columns, 9);
  EXPECT_EQ(sheets[1].Columns, 7);
  EXPECT_LE(PictureWidth(sheets[0]), 1900);
  EXPECT_EQ(sheets[1].Selection, (TRect{10, 1, 16, 3}));
  // 9 * 200 - 20 + 100 = 1880 fits 1880 exactly, one unit less does not.
  EXPECT_EQ(KeyImagePages(request, 1880, 700)[0].Columns, 9);
  EXPECT_EQ(KeyImagePages(request, 1879, 700)[0].Columns, 8);
  // A key larger than the sheet still gets a sheet of its own.
  EXPECT_EQ(KeyImagePages(request, 100, 100).size(), 48u);
  // Near the field's edge the sheets keep the positions beyond it label-free.
  request.Selection = ImageSelection(250, 1, 16, 3);
  EXPECT_EQ(KeyImagePages(request, 1900, 2770)[1].Selection, (TRect{259, 1, 255, 3}));
}

TEST(KeyImageFormatOf, ByExtensionInAnyCase) {
  EXPECT_EQ(KeyImageFormatOf("keys.emf"), KeyImageFormat::Metafile);
  EXPECT_EQ(KeyImageFormatOf("dir.x/KEYS.RTF"), KeyImageFormat::RichText);
  EXPECT_EQ(KeyImageFormatOf("keys.Pdf"), KeyImageFormat::Pdf);
  EXPECT_EQ(KeyImageFormatOf("keys.svg"), KeyImageFormat::Svg);
  EXPECT_EQ(KeyImageFormatOf("keys.png"), std::nullopt);
  EXPECT_EQ(KeyImageFormatOf("keys"), std::nullopt);
  // The painted formats draw on the metafile's grid: the same key sizes.
  EXPECT_EQ(ScaleFactor(KeyImageFormat::Pdf), ScaleFactor(KeyImageFormat::Metafile));
  EXPECT_EQ(ScaleFactor(KeyImageFormat::Svg), ScaleFactor(KeyImageFormat::Metafile));
}

}  // namespace
}  // namespace vl
