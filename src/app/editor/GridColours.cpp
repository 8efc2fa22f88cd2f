#include "app/editor/GridColours.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace vl {

namespace {

constexpr double kHighContrastPalette = 7.0;

double Channel(double value) {
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  return 0.2126 * Channel(colour.redF()) + 0.7152 * Channel(colour.greenF()) + 0.0722 * Channel(colour.blueF());
}

// The established colours.
GridColours Standard(const QPalette& palette) {
  GridColours colours;
  colours.Base = palette.color(QPalette::Base);
  colours.Text = Qt::black;
  colours.KeyRecord = QColor(157, 255, 182);
  colours.Selection = palette.color(QPalette::Highlight);
  colours.SelectionText = Qt::white;
  colours.Fixed = QColor(212, 208, 200);
  colours.FixedText = Qt::black;
  colours.Lines = palette.color(QPalette::Mid);
  colours.Glyph = QColor(128, 128, 128);
  colours.GlyphSelected = QColor(192, 192, 192);
  colours.ShownLayer = Qt::red;
  colours.ShownLayerSelected = Qt::red;
  return colours;
}

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
  const double a = Luminance(first) + 0.05;
  const double b = Luminance(second) + 0.05;
  return std::max(a, b) / std::min(a, b);
}

bool IsHighContrastPalette(const QPalette& palette) {
  return ContrastRatio(palette.color(QPalette::Window), palette.color(QPalette::WindowText)) >= kHighContrastPalette &&
         ContrastRatio(palette.color(QPalette::Highlight), palette.color(QPalette::HighlightedText)) >=
             kHighContrastPalette &&
         ContrastRatio(palette.color(QPalette::Base), palette.color(QPalette::Text)) >= kHighContrastPalette;
}

GridColours GridColoursFor(const QPalette& palette, bool contrastSetting) {
  const bool desktop = IsHighContrastPalette(palette);
  if (!contrastSetting && !desktop) return Standard(palette);
  GridColours colours;
  const bool dark = Luminance(palette.color(QPalette::Base)) < 0.5;
  // On light ground black and white, on a dark one the desktop's own text.
  colours.Base = dark ? palette.color(QPalette::Base) : QColor(Qt::white);
  colours.Text = dark ? palette.color(QPalette::Text) : QColor(Qt::black);
  // A fill that stands 3:1 off the ground and keeps the text at 4.5:1 on it.
  colours.KeyRecord = dark ? QColor(0, 110, 0) : QColor(40, 160, 40);
  if (desktop) {
    colours.Selection = palette.color(QPalette::Highlight);
    colours.SelectionText = palette.color(QPalette::HighlightedText);
  } else {
    colours.Selection = QColor(0, 90, 210);
    colours.SelectionText = Qt::white;
  }
  colours.Fixed = dark ? QColor(64, 64, 64) : QColor(212, 208, 200);
  colours.FixedText = dark ? QColor(Qt::white) : QColor(Qt::black);
  colours.Lines = colours.Text;
  colours.Glyph = colours.Text;
  colours.GlyphSelected = colours.SelectionText;
  // Colour alone cannot stand out against every fill here: the line is underlined.
  colours.ShownLayer = colours.Text;
  colours.ShownLayerSelected = colours.SelectionText;
  colours.UnderlineShownLayer = true;
  return colours;
}

}  // namespace vl
