#pragma once
// The key image painted through QPainter: at true scale in millimetres, the labels
// fitted to their keys. One painting serves the PDF file, the SVG file and the
// printer.

#include <QFont>
#include <optional>
#include <string>

#include "core/common/Reporter.h"
#include "core/formats/KeyImage.h"
#include "core/formats/KeyLabelFit.h"

class QPagedPaintDevice;
class QPaintDevice;

namespace vl {

// Text measured on the device the labels are painted on, in the labels' font.
class QtTextMeasure final : public ITextMeasure {
 public:
  explicit QtTextMeasure(QPaintDevice& device);
  double Width(std::string_view utf8, double points) const override;
  double LineHeight(double points) const override;
  // Ascent in device pixels.
  double Ascent(double points) const;
  QFont Font(double points) const;

 private:
  QPaintDevice& device_;
  QString family_;
  double pixelsPerMm_;
};

// A program without a QGuiApplication (vlat-cli) gets one here, for the fonts;
// on the offscreen platform unless QT_QPA_PLATFORM names another.
void EnsurePaintingApplication();

// Paints the request (geometry in the metafile's units) on the paged device (a
// PDF writer, a printer): as many sheets as its printable area needs, whole keys
// only, each from the area's top-left corner. Advances the reporter position by
// position. False when the device cannot be painted on.
bool PaintKeyImagePages(QPagedPaintDevice& device, const KeyImageRequest& request, IReporter& reporter);

// The page orientation of an A4 sheet with 10 mm margins that needs the fewer sheets.
bool KeyImageWantsLandscape(const KeyImageRequest& request);

// The file's bytes: PDF on A4 sheets with 10 mm margins, SVG as one picture of
// the image's size; the metafile and Rich Text from the core's writers. Nothing
// when painting failed.
std::optional<std::string> KeyImageBytes(KeyImageFormat format, const KeyImageRequest& request,
                                         IReporter& reporter);

}  // namespace vl
