#include "app/device/SimKeyField.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/common/CoreTexts.h"
#include "app/editor/LayerSwitchIcon.h"
#include "core/document/KeyFunction.h"

namespace vl {

namespace {

constexpr int kKeyPixels = 64;  // the width of a key, whatever its size in the catalogue
constexpr int kPlainSpace = 6;
constexpr int kPlainMargin = 8;
constexpr int kIconScale = 2;
constexpr int kIconSize = 22 * kIconScale;  // the icon's points lie within 22 x 22
constexpr size_t kLabelChars = 24;

int Scaled(int hundredths, double scale) { return static_cast<int>(std::lround(hundredths * scale)); }

}  // namespace

SimKeyField::SimKeyField(int width, int height, const ImageGeometry& geometry, QWidget* parent)
    : QWidget(parent), width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (geometry.KeyWidth > 0 && geometry.KeyHeight > 0) {
    const double scale = static_cast<double>(kKeyPixels) / geometry.KeyWidth;
    key_ = QSize(kKeyPixels, std::max(Scaled(geometry.KeyHeight, scale), kIconSize));
    space_ = QSize(std::max(Scaled(geometry.HorKeySpace, scale), 2), std::max(Scaled(geometry.VerKeySpace, scale), 2));
    margin_ = QPoint(std::max(Scaled(geometry.LeftSpace, scale), kPlainMargin),
                     std::max(Scaled(geometry.TopSpace, scale), kPlainMargin));
  } else {
    key_ = QSize(kKeyPixels, kKeyPixels * 3 / 4);
    space_ = QSize(kPlainSpace, kPlainSpace);
    margin_ = QPoint(kPlainMargin, kPlainMargin);
  }
  setAccessibleName(tr("Клавиши"));
  setToolTip(tr("Щелчок правой кнопкой мыши фиксирует клавишу нажатой до следующего щелчка по ней"));
  setMinimumSize(sizeHint());
}

void SimKeyField::SetLayout(const std::optional<sim::ProgrammedLayout>& layout, int layer, KeyLanguage language) {
  labels_.clear();
  if (layout) {
    labels_.reserve(layout->keys.size());
    const int shown = std::clamp(layer, 0, kLayerCount - 1);
    for (const TMacroButton& key : layout->keys) {
      QString text;
      if (key.Func == kFuncMacro)
        text = QString::fromStdString(SequenceToText(key.Layers[shown].Macro[0], kLabelChars, language, true));
      labels_.push_back({key.Func, text});
    }
  }
  update();
}

const SimKeyField::Label* SimKeyField::LabelOf(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
  const size_t number = static_cast<size_t>(x) * height_ + y;
  return number < labels_.size() ? &labels_[number] : nullptr;
}

QString SimKeyField::KeyText(int x, int y) const {
  const Label* label = LabelOf(x, y);
  return label ? label->text : QString();
}

QString SimKeyField::KeyName(int x, int y) const {
  const Label* label = LabelOf(x, y);
  if (label && IsLayerSwitch(label->func)) return CoreText(kFuncCaptions[label->func]);
  if (label && !label->text.trimmed().isEmpty()) return label->text;
  return tr("клавиша %1, %2").arg(x + 1).arg(y + 1);
}

void SimKeyField::Tap(int x, int y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || held_) return;
  emit KeyPressed(x, y);
  emit KeyReleased(x, y);
}

QRect SimKeyField::KeyRect(int x, int y) const {
  return QRect(margin_ + QPoint(x * (key_.width() + space_.width()), y * (key_.height() + space_.height())), key_);
}

std::optional<QPoint> SimKeyField::KeyAt(const QPoint& point) const {
  const int pitchX = key_.width() + space_.width();
  const int pitchY = key_.height() + space_.height();
  const QPoint inside = point - margin_;
  if (inside.x() < 0 || inside.y() < 0) return std::nullopt;
  const int x = inside.x() / pitchX;
  const int y = inside.y() / pitchY;
  if (x >= width_ || y >= height_ || !KeyRect(x, y).contains(point)) return std::nullopt;
  return QPoint(x, y);
}

QSize SimKeyField::sizeHint() const {
  if (width_ == 0 || height_ == 0) return QSize(2 * margin_.x(), 2 * margin_.y());
  const QRect last = KeyRect(width_ - 1, height_ - 1);
  return QSize(last.right() + 1 + margin_.x(), last.bottom() + 1 + margin_.y());
}

void SimKeyField::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(96, 96, 104));
  painter.setRenderHint(QPainter::Antialiasing);
  QFont small = font();
  small.setPointSizeF(std::max(small.pointSizeF() * 0.85, 6.0));
  painter.setFont(small);
  for (int x = 0; x < width_; ++x) {
    for (int y = 0; y < height_; ++y) {
      const QRect face = KeyRect(x, y);
      const bool held = held_ && *held_ == QPoint(x, y);
      const bool latched = std::find(latched_.begin(), latched_.end(), QPoint(x, y)) != latched_.end();
      painter.setPen(latched ? QPen(QColor(200, 90, 0), 3) : QPen(QColor(40, 40, 40)));
      painter.setBrush(held || latched ? QColor(150, 170, 200) : QColor(232, 232, 226));
      painter.drawRoundedRect(face, 4, 4);
      painter.setPen(QColor(40, 40, 40));
      const Label* label = LabelOf(x, y);
      if (!label) continue;
      if (IsLayerSwitch(label->func)) {
        const QPoint origin = face.center() - QPoint(kIconSize / 2, kIconSize / 2);
        PaintLayerSwitchIcon(painter, label->func, origin, kIconScale);
        const int target = LayerSwitchTarget(label->func);
        if (target >= 0)
          painter.drawText(face.adjusted(0, 2, -4, 0), Qt::AlignTop | Qt::AlignRight, QString::number(target));
      } else {
        painter.setPen(Qt::black);
        painter.drawText(face.adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWrapAnywhere, label->text);
      }
    }
  }
}

void SimKeyField::mousePressEvent(QMouseEvent* event) {
  const std::optional<QPoint> key = KeyAt(event->position().toPoint());
  if (!key || held_) return;
  const bool latched = std::find(latched_.begin(), latched_.end(), *key) != latched_.end();
  if (event->button() == Qt::RightButton || (event->button() == Qt::LeftButton && latched)) {
    ToggleLatch(*key);
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  held_ = key;
  update();
  emit KeyPressed(held_->x(), held_->y());
}

void SimKeyField::ToggleLatch(const QPoint& key) {
  const auto at = std::find(latched_.begin(), latched_.end(), key);
  if (at != latched_.end()) {
    latched_.erase(at);
    emit KeyReleased(key.x(), key.y());
  } else {
    latched_.push_back(key);
    emit KeyPressed(key.x(), key.y());
  }
  update();
}

void SimKeyField::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) LetGo();
}

void SimKeyField::hideEvent(QHideEvent*) {
  LetGo();
  while (!latched_.empty()) ToggleLatch(latched_.back());
}

void SimKeyField::LetGo() {
  if (!held_) return;
  const QPoint key = *held_;
  held_.reset();
  update();
  emit KeyReleased(key.x(), key.y());
}

}  // namespace vl
