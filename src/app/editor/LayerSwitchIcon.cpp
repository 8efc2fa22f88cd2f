#include "app/editor/LayerSwitchIcon.h"

#include <QPolygon>
#include <array>

#include "core/document/KeyFunction.h"

namespace vl {

namespace {

constexpr std::array<QPoint, 8> kArrowA = {QPoint(5, 15), QPoint(12, 2), QPoint(19, 15),
                                           QPoint(15, 15), QPoint(15, 20), QPoint(9, 20),
                                           QPoint(9, 15), QPoint(5, 15)};
constexpr std::array<QPoint, 11> kOutlineB = {
    QPoint(1, 12), QPoint(4, 9),  QPoint(5, 9),  QPoint(8, 12), QPoint(6, 12), QPoint(6, 17),
    QPoint(8, 19), QPoint(6, 21), QPoint(3, 18), QPoint(3, 12), QPoint(1, 12)};

// Icon points scaled from the cell corner; mirror turns (x, y) into (x, 25 - y)
// or, for the second half of the temporary switch, (17 - x, 26 - y).
enum class Mirror { None, Vertical, Both };

template <size_t N>
QPolygon IconPolygon(const std::array<QPoint, N>& points, const QPoint& origin, int scale,
                     Mirror mirror) {
  QPolygon polygon;
  for (const QPoint& p : points) {
    int x = p.x();
    int y = p.y();
    if (mirror == Mirror::Vertical) y = 25 - y;
    if (mirror == Mirror::Both) {
      x = 17 - x;
      y = 26 - y;
    }
    polygon << origin + QPoint(x * scale, y * scale);
  }
  return polygon;
}

}  // namespace

int LayerSwitchTarget(uint8_t func) {
  if (func >= kFuncGoToLayer0 && func < kFuncShiftToLayer0) return func - kFuncGoToLayer0;
  if (func >= kFuncShiftToLayer0 && func < kFuncNone) return func - kFuncShiftToLayer0;
  return -1;
}

void PaintLayerSwitchIcon(QPainter& painter, uint8_t func, const QPoint& origin, int scale) {
  const QBrush brush = painter.brush();
  auto fill = [&](const QPolygon& polygon, const QColor& colour) {
    painter.setBrush(colour);
    painter.drawPolygon(polygon);
  };
  if (func == kFuncLayerUp) {
    fill(IconPolygon(kArrowA, origin, scale, Mirror::None), QColor(0, 0, 255));
  } else if (func == kFuncLayerDown) {
    fill(IconPolygon(kArrowA, origin, scale, Mirror::Vertical), QColor(0, 0, 255));
  } else if (func >= kFuncGoToLayer0 && func < kFuncShiftToLayer0) {
    fill(IconPolygon(kArrowA, origin, scale, Mirror::None), QColor(0, 255, 0));
  } else if (func >= kFuncShiftToLayer0 && func < kFuncNone) {
    fill(IconPolygon(kOutlineB, origin, scale, Mirror::Both), QColor(255, 0, 0));
    fill(IconPolygon(kOutlineB, origin, scale, Mirror::None), QColor(255, 0, 0));
  }
  painter.setBrush(brush);
}

}  // namespace vl
