#pragma once
// Labels that fit their key cap: where a label may wrap, how far its font shrinks,
// and where each line goes inside the key. Sizes are millimetres and points; the
// font's measures come from outside (the painter's font), so the rules stay
// testable without one.

#include <string>
#include <string_view>
#include <vector>

#include "core/formats/KeyImage.h"

namespace vl {

class ITextMeasure {
 public:
  virtual ~ITextMeasure() = default;
  // Advance width of the UTF-8 text at the size, in millimetres.
  virtual double Width(std::string_view utf8, double points) const = 0;
  // Height of one line (ascent plus descent) at the size, in millimetres.
  virtual double LineHeight(double points) const = 0;
};

// Labels start at the metafile's 12 points and shrink in half points to 5.
inline constexpr double kLabelLargestPoints = 12.0;
inline constexpr double kLabelSmallestPoints = 5.0;
inline constexpr double kLabelPointStep = 0.5;
inline constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // "…"

// The pieces a label may wrap between: at blanks and before and after a key name
// in brackets ("[RControl]", "[L Alt]"), which is never split. A piece carries the
// blank that precedes it, dropped when it starts a line.
struct LabelPiece {
  std::string Text;
  bool BlankBefore = false;
  bool operator==(const LabelPiece&) const = default;
};
std::vector<LabelPiece> LabelPieces(std::string_view utf8);

// Greedy wrapping of the pieces at the size into lines no wider than width where
// a piece allows it; a piece wider than the width stands alone on its line.
std::vector<std::string> WrapLabel(const std::vector<LabelPiece>& pieces, double width, double points,
                                   const ITextMeasure& measure);

struct FittedLabel {
  double Points = kLabelLargestPoints;
  std::vector<std::string> Lines;
  bool Cut = false;  // something was left out and "…" ends the last line
};

// The largest size from `largest` down to kLabelSmallestPoints at which the
// wrapped label fits width x height; failing that, the smallest size with the
// lines that fit, a line too wide cut and the last line ended by "…". An empty
// label, or a box that holds no line at all, gives no lines.
FittedLabel FitLabel(std::string_view utf8, double width, double height, const ITextMeasure& measure,
                     double largest = kLabelLargestPoints);

struct MmRect {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;
};

// Where the labels of a key may go: its outline inset by a small margin, inside
// the rounded corners, or the rectangle inscribed in the ellipse.
MmRect LabelArea(const MmRect& key, KeyForm form);

// One line of text ready to draw: its top-left corner in millimetres.
struct PlacedLine {
  double Left = 0;
  double Top = 0;
  double Points = 0;
  std::string Text;
};

// The labels of a key stacked in equal bands of its label area, one per label in
// layer order, each fitted to its band and starting at the band's top-left corner.
std::vector<PlacedLine> PlaceKeyLabels(const MmRect& key, KeyForm form, const std::vector<std::string>& labels,
                                       const ITextMeasure& measure);

// The key's outline in millimetres; the request's geometry in the metafile's units.
MmRect KeyRectMm(const KeyImageRequest& request, int i, int j);

}  // namespace vl
