#pragma once
// TfmCopyToLayers: "Копировать на уровень": the target layers (the shown one
// disabled) and whether to delete from the shown layer.

#include <QDialog>
#include <optional>

#include "core/document/LayerOps.h"

class QCheckBox;

namespace vl {

class TfmCopyToLayers : public QDialog {
  Q_OBJECT
 public:
  struct Choice {
    LayerChoice Targets{};
    bool DeleteFromSource = false;
  };
  explicit TfmCopyToLayers(QWidget* parent = nullptr);
  // nullopt when cancelled.
  std::optional<Choice> Exec(int shownLayer);
  QCheckBox* LayerBox(int layer) const { return cbLayer_[layer]; }
  QCheckBox* DeleteBox() const { return cbDelete_; }

 private:
  QCheckBox* cbLayer_[kLayerCount];
  QCheckBox* cbDelete_;
};

}  // namespace vl
