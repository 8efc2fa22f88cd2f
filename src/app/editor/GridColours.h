#pragma once
// The key grid's colours. By default the established ones: light green for keys
// with a record, red for the shown layer's line, grey glyphs, the desktop's
// highlight for the selection. With the setting "контрастные цвета", or when the
// desktop's own palette is a high-contrast one, colours that keep text at 4.5:1
// or more against its background and lines and marks at 3:1 or more.

#include <QColor>

class QPalette;

namespace vl {

struct GridColours {
  QColor Base;            // an empty key
  QColor Text;            // text and outlines on Base and KeyRecord
  QColor KeyRecord;       // a key with a record, one layer shown
  QColor Selection;
  QColor SelectionText;
  QColor Fixed;           // header cells
  QColor FixedText;
  QColor Lines;           // the grid lines
  QColor Glyph;           // note, bookmark and master glyphs
  QColor GlyphSelected;
  QColor ShownLayer;      // the shown layer's line in high view
  QColor ShownLayerSelected;
  bool UnderlineShownLayer = false;  // the shown layer marked by more than its colour
};

// The WCAG 2.1 contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& first, const QColor& second);
// A desktop palette that itself keeps window text and selected text at 7:1 or more.
bool IsHighContrastPalette(const QPalette& palette);
GridColours GridColoursFor(const QPalette& palette, bool contrastSetting);

}  // namespace vl
