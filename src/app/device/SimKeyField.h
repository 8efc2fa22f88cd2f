#pragma once
// The simulated keyboard's keys as a picture: Width x Height keys laid out by the
// catalogue's key image geometry where it has one, else as a plain grid, each key
// labelled from one layer of the keyboard's layout. A press of the left mouse
// button on a key presses it; letting go releases it. A right click latches a key
// down until it is clicked again, so that a key held for a temporary layer can be
// tried together with the keys clicked meanwhile.

#include <QWidget>
#include <optional>
#include <vector>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/text/KeyTexts.h"
#include "sim/ProgrammedLayout.h"

namespace vl {

class SimKeyField : public QWidget {
  Q_OBJECT

 public:
  // A geometry without a key size gives the plain grid.
  SimKeyField(int width, int height, const ImageGeometry& geometry, QWidget* parent = nullptr);

  // Labels the keys from layer of layout (no labels without a layout).
  void SetLayout(const std::optional<sim::ProgrammedLayout>& layout, int layer, KeyLanguage language);
  // The label of the key at device position (x, y): its press sequence as text;
  // empty for a layer switch, a key without a function or outside the field.
  QString KeyText(int x, int y) const;

  // What a screen reader calls the key: its label, the function of a layer
  // switch, or its position when it has neither.
  QString KeyName(int x, int y) const;
  int KeyColumns() const { return width_; }
  int KeyRows() const { return height_; }
  // Presses and lets go of a key at once, as the button action of assistive
  // technology does.
  void Tap(int x, int y);

  QRect KeyRect(int x, int y) const;
  // The device position of the key under point, if any.
  std::optional<QPoint> KeyAt(const QPoint& point) const;
  // The keys latched down, in the order they were latched.
  const std::vector<QPoint>& LatchedKeys() const { return latched_; }

  QSize sizeHint() const override;

 signals:
  void KeyPressed(int x, int y);
  void KeyReleased(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // A key held when the field disappears is let go, or it would repeat for ever.
  void hideEvent(QHideEvent* event) override;

 private:
  struct Label {
    uint8_t func;
    QString text;
  };
  const Label* LabelOf(int x, int y) const;
  void LetGo();
  // Latches the key, or lets a latched one go.
  void ToggleLatch(const QPoint& key);

  int width_;
  int height_;
  // Key size, spacing and margins in pixels.
  QSize key_;
  QSize space_;
  QPoint margin_;
  std::vector<Label> labels_;  // by key number x * height + y
  std::optional<QPoint> held_;
  std::vector<QPoint> latched_;
};

}  // namespace vl
