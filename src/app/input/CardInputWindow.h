#pragma once
// TfmCardInputWnd ("Считыватель магнитных карт"): the card reader of the active
// layout: per track a header, a terminator and a note, the track switches and
// the start/stop-symbol and LRC output.

#include <QPointer>
#include <array>

#include "app/input/InputWindow.h"

class QCheckBox;

namespace vl {

class TfmGrid;

class TfmCardInputWnd : public TfmInputWnd {
  Q_OBJECT

 public:
  TfmCardInputWnd(const InputContext& context, QWidget* parent = nullptr);

  // Shows this layout window's card reader (null: none), and again whenever its
  // document changes from elsewhere (an upload, undo, an import).
  void Attach(TfmGrid* window);
  QCheckBox* TrackBox(int track) const { return cbTracks_[track]; }
  QCheckBox* StartStopBox() const { return cbStartStop_; }
  QCheckBox* LrcBox() const { return cbLrc_; }

 protected:
  InputWindowModel& Model() override { return card_.Rows(); }
  void Apply() override;

 private:
  void ShowSwitches();
  void Reload();

  CardReaderModel card_;
  QPointer<TfmGrid> window_;
  QMetaObject::Connection content_;
  std::array<QCheckBox*, kInputRows> cbTracks_{};
  QCheckBox* cbStartStop_;
  QCheckBox* cbLrc_;
};

}  // namespace vl
