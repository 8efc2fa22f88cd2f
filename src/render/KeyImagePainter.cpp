#include "render/KeyImagePainter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <functional>

#include "core/formats/KeyImagePages.h"

namespace vl {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kMmPerUnit = 0.1;  // the metafile's unit, which the painted formats share
constexpr double kLineWidthMm = 0.2;
constexpr double kCornerMm = 1.0;
// Fine enough that rounding to device pixels stays far below a printer's dot.
constexpr int kPdfResolution = 1200;
constexpr int kSvgResolution = 2540;  // 100 units a millimetre
constexpr double kSheetMarginMm = 10.0;

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QRectF ToPixels(const MmRect& r, double scale) {
  return {r.Left * scale, r.Top * scale, r.Width * scale, r.Height * scale};
}

// One sheet (or the whole image) from the painter's origin, pixelsPerMm apart.
void PaintSheet(QPainter& painter, const QtTextMeasure& measure, double pixelsPerMm,
                const KeyImageRequest& sheet, const std::function<void()>& nextPosition) {
  const double lineWidth = kLineWidthMm * pixelsPerMm;
  painter.setPen(QPen(QColor(128, 128, 128), lineWidth));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(0, 0, PictureWidth(sheet) * kMmPerUnit * pixelsPerMm,
                          PictureHeight(sheet) * kMmPerUnit * pixelsPerMm));
  const QPen keyPen(Qt::black, lineWidth);
  for (int i = 0; i < sheet.Columns; ++i) {
    for (int j = 0; j < sheet.Rows; ++j) {
      nextPosition();
      const MmRect key = KeyRectMm(sheet, i, j);
      const QRectF box = ToPixels(key, pixelsPerMm);
      painter.setPen(keyPen);
      painter.setBrush(Qt::white);
      switch (sheet.Options.Form) {
        case KeyForm::Rectangle: painter.drawRect(box); break;
        case KeyForm::RoundRect:
          painter.drawRoundedRect(box, kCornerMm * pixelsPerMm, kCornerMm * pixelsPerMm);
          break;
        case KeyForm::Ellipse: painter.drawEllipse(box); break;
      }
      for (const PlacedLine& line : PlaceKeyLabels(key, sheet.Options.Form, LabelsToDraw(sheet, i, j), measure)) {
        painter.setFont(measure.Font(line.Points));
        painter.drawText(QPointF(line.Left * pixelsPerMm, line.Top * pixelsPerMm + measure.Ascent(line.Points)),
                         ToQString(line.Text));
      }
    }
  }
}

// The sheets of the request on a paged device's printable area.
std::vector<KeyImageRequest> SheetsFor(const KeyImageRequest& request, double widthMm, double heightMm) {
  return KeyImagePages(request, static_cast<int>(widthMm / kMmPerUnit), static_cast<int>(heightMm / kMmPerUnit));
}

QPageLayout A4Sheet(QPageLayout::Orientation orientation) {
  return QPageLayout(QPageSize(QPageSize::A4), orientation,
                     QMarginsF(kSheetMarginMm, kSheetMarginMm, kSheetMarginMm, kSheetMarginMm),
                     QPageLayout::Millimeter);
}

std::optional<std::string> PaintPdf(const KeyImageRequest& request, IReporter& reporter) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Velmorando AT"));
    writer.setTitle(QStringLiteral("Key image"));
    writer.setPageLayout(
        A4Sheet(KeyImageWantsLandscape(request) ? QPageLayout::Landscape : QPageLayout::Portrait));
    if (!PaintKeyImagePages(writer, request, reporter)) return std::nullopt;
  }
  return bytes.toStdString();
}

std::optional<std::string> PaintSvg(const KeyImageRequest& request, IReporter& reporter) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setResolution(kSvgResolution);
  const double pixelsPerMm = kSvgResolution / kMmPerInch;
  const QSize size(static_cast<int>(std::lround(PictureWidth(request) * kMmPerUnit * pixelsPerMm)),
                   static_cast<int>(std::lround(PictureHeight(request) * kMmPerUnit * pixelsPerMm)));
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(QStringLiteral("Key image"));
  QPainter painter;
  if (!painter.begin(&generator)) return std::nullopt;
  const QtTextMeasure measure(generator);
  int done = 0;
  PaintSheet(painter, measure, pixelsPerMm, request,
             [&] { reporter.SetProgress(PositionProgress(request, done++)); });
  if (!painter.end()) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace

QtTextMeasure::QtTextMeasure(QPaintDevice& device)
    : device_(device),
      family_(QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family()),
      pixelsPerMm_(device.logicalDpiY() / kMmPerInch) {}

QFont QtTextMeasure::Font(double points) const {
  QFont font(family_);
  font.setPointSizeF(points);
  // Unhinted outlines scale with the size, so what was measured is what is drawn.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

double QtTextMeasure::Width(std::string_view utf8, double points) const {
  return QFontMetricsF(Font(points), &device_).horizontalAdvance(ToQString(utf8)) / pixelsPerMm_;
}

double QtTextMeasure::LineHeight(double points) const {
  return QFontMetricsF(Font(points), &device_).height() / pixelsPerMm_;
}

double QtTextMeasure::Ascent(double points) const { return QFontMetricsF(Font(points), &device_).ascent(); }

void EnsurePaintingApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Lives as long as the program; the arguments must outlive it.
  static int argc = 1;
  static char name[] = "vlat-cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

bool PaintKeyImagePages(QPagedPaintDevice& device, const KeyImageRequest& request, IReporter& reporter) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QtTextMeasure measure(device);
  const double pixelsPerMm = device.logicalDpiX() / kMmPerInch;
  int done = 0;
  bool first = true;
  for (const KeyImageRequest& sheet :
       SheetsFor(request, device.width() / pixelsPerMm, device.height() / pixelsPerMm)) {
    if (!first && !device.newPage()) return false;
    first = false;
    PaintSheet(painter, measure, pixelsPerMm, sheet,
               [&] { reporter.SetProgress(PositionProgress(request, done++)); });
  }
  return painter.end();
}

bool KeyImageWantsLandscape(const KeyImageRequest& request) {
  const auto sheets = [&](QPageLayout::Orientation orientation) {
    const QSizeF area = A4Sheet(orientation).paintRect(QPageLayout::Millimeter).size();
    return SheetsFor(request, area.width(), area.height()).size();
  };
  return sheets(QPageLayout::Landscape) < sheets(QPageLayout::Portrait);
}

std::optional<std::string> KeyImageBytes(KeyImageFormat format, const KeyImageRequest& request,
                                         IReporter& reporter) {
  switch (format) {
    case KeyImageFormat::Pdf: return PaintPdf(request, reporter);
    case KeyImageFormat::Svg: return PaintSvg(request, reporter);
    case KeyImageFormat::Metafile:
    case KeyImageFormat::RichText: break;
  }
  return BuildKeyImage(format, request, reporter);
}

}  // namespace vl
