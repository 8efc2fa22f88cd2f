#include "core/formats/KeyImageMetafile.h"

#include <algorithm>

#include "core/formats/EmfWriter.h"

namespace vl {

std::string BuildKeyImageMetafile(const KeyImageRequest& request, IReporter& reporter) {
  const int width = PictureWidth(request);
  const int height = PictureHeight(request);
  EmfWriter emf({0, 0, width, height});

  const uint32_t borderPen = emf.CreatePen(EmfRgb(128, 128, 128));
  emf.Select(borderPen);
  emf.Select(kStockWhiteBrush);
  emf.Rectangle({0, 0, width, height});

  const uint32_t keyPen = emf.CreatePen(EmfRgb(0, 0, 0));
  const uint32_t keyBrush = emf.CreateSolidBrush(EmfRgb(255, 255, 255));
  const uint32_t font = emf.CreateFont(kMetafileFontHeight, kMetafileFontFace);
  emf.Select(keyPen);
  emf.Select(keyBrush);
  emf.Select(font);
  // A long label may reach into another layer's corner; an opaque text box would
  // hide the outline and the label beneath it.
  emf.SetTransparentText();

  int done = 0;
  for (int i = 0; i < request.Columns; ++i) {
    for (int j = 0; j < request.Rows; ++j) {
      reporter.SetProgress(PositionProgress(request, done));
      const KeyBox key = KeyOutline(request, i, j);
      const EmfRect box{key.Left, key.Top, key.Right, key.Bottom};
      switch (request.Options.Form) {
        case KeyForm::Rectangle: emf.Rectangle(box); break;
        case KeyForm::RoundRect: emf.RoundRect(box, kRoundCorner, kRoundCorner); break;
        case KeyForm::Ellipse: emf.Ellipse(box); break;
      }
      // A label longer than its key is cut at the key's edge instead of running
      // over its neighbours.
      for (const LayerLabel& label : LayerLabelsToDraw(request, i, j)) {
        const LabelCorner corner = LayerCorner(label.Layer);
        // A label wider or higher than the key keeps its start visible.
        const int32_t x = corner.Right ? std::max(key.Left, key.Right - emf.TextWidth(label.Text)) : key.Left;
        const int32_t y = corner.Bottom ? std::max(key.Top, key.Bottom - emf.LineHeight()) : key.Top;
        emf.Text(x, y, label.Text, box);
      }
      ++done;
    }
  }

  emf.Select(kStockBlackPen);
  emf.Select(kStockWhiteBrush);
  emf.Select(kStockSystemFont);
  emf.Delete(borderPen);
  emf.Delete(keyPen);
  emf.Delete(keyBrush);
  emf.Delete(font);
  return emf.Finish();
}

}  // namespace vl
