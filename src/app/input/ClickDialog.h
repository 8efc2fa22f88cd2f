#pragma once
// "Клик": the click duration of each of the four layers.

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QSlider;

namespace vl {

class TfmClick : public QDialog {
  Q_OBJECT

 public:
  explicit TfmClick(QWidget* parent = nullptr);

  // The durations 0..6 on OK; nullopt on Cancel.
  std::optional<std::array<int, 4>> Exec(const std::array<int, 4>& durations);
  QSlider* Bar(int layer) const { return bars_[layer]; }

 private:
  std::array<QSlider*, 4> bars_;
  std::array<QLabel*, 4> values_;
};

}  // namespace vl
