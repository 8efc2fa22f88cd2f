#pragma once
// TfmKeyInputWnd ("Клавиша"): edits the selected keys of the active layout
// window: the key function and, per layer, press and release sequences,
// autorepeat, click duration and note; and whether the time between typed keys
// is recorded as pauses.

#include <QPointer>

#include "app/input/InputWindow.h"

class QCheckBox;
class QComboBox;

namespace vl {

class TfmGrid;

class TfmKeyInputWnd : public TfmInputWnd {
  Q_OBJECT

 public:
  TfmKeyInputWnd(const InputContext& context, QWidget* parent = nullptr);

  // Follows this layout window's selection (null: none).
  void Attach(TfmGrid* window);
  // Writes pending changes to the keys they were made for, then loads the
  // selection summary of the attached window.
  void LoadSelection();
  QComboBox* FunctionBox() const { return cbFunction_; }
  QCheckBox* RecordPausesBox() const { return cbRecordPauses_; }
  // The clock the lines time pauses with while the box is checked.
  void SetPauseClock(MillisecondClock clock);

 protected:
  InputWindowModel& Model() override { return model_; }
  void Apply() override;

 private:
  void Reload();
  void ShowFunction();
  void ApplyPauseRecording();

  InputWindowModel model_;
  QPointer<TfmGrid> window_;
  TRect block_;  // the selection the window shows
  QMetaObject::Connection selection_;
  QMetaObject::Connection content_;
  QComboBox* cbFunction_;
  QCheckBox* cbRecordPauses_;
  ISettingsBackend& backend_;
  MillisecondClock pauseClock_;
};

}  // namespace vl
