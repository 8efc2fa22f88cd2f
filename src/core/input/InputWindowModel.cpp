#include "core/input/InputWindowModel.h"

#include <algorithm>

#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {

void InputWindowModel::Load(const TMacroButton& record) {
  loaded_ = record;
  for (size_t row = 0; row < kInputRows; ++row) {
    const TMacros& layer = record.Layers[row];
    rows_[row] = InputRow{layer.Macro[0], layer.Macro[1], layer.Note, (layer.AutoRepeat & 1) != 0,
                          layer.Click};
  }
  function_ = record.Func;
  changed_.reset();
}

TMacroButton InputWindowModel::Store() const {
  TMacroButton record = loaded_;
  record.Func = function_;
  for (size_t row = 0; row < kInputRows; ++row) {
    TMacros& layer = record.Layers[row];
    const InputRow& from = rows_[row];
    layer.Macro[0] = from.Press;
    layer.Macro[1] = from.Release;
    layer.Note = from.Note;
    layer.AutoRepeat = static_cast<uint8_t>((layer.AutoRepeat & ~1u) | (from.AutoRepeat ? 1u : 0u));
    layer.Click = from.Click;
  }
  return record;
}

void InputWindowModel::SetPress(int row, std::string bytes) {
  InputRow& target = rows_.at(static_cast<size_t>(row));
  if (target.Press == bytes) return;
  target.Press = std::move(bytes);
  Mark(LayerField::Press, row);
}

void InputWindowModel::SetRelease(int row, std::string bytes) {
  InputRow& target = rows_.at(static_cast<size_t>(row));
  if (target.Release == bytes) return;
  target.Release = std::move(bytes);
  Mark(LayerField::Release, row);
}

void InputWindowModel::SetNote(int row, std::string cp1251) {
  InputRow& target = rows_.at(static_cast<size_t>(row));
  cp1251.resize(std::min(cp1251.size(), kMaxLayerNoteLength));
  if (target.Note == cp1251) return;
  target.Note = std::move(cp1251);
  Mark(LayerField::Note, row);
}

void InputWindowModel::SetAutoRepeat(int row, bool on) {
  InputRow& target = rows_.at(static_cast<size_t>(row));
  if (target.AutoRepeat == on) return;
  target.AutoRepeat = on;
  Mark(LayerField::AutoRepeat, row);
}

void InputWindowModel::SetClick(int row, int duration) {
  InputRow& target = rows_.at(static_cast<size_t>(row));
  const auto value = static_cast<uint8_t>(std::clamp(duration, 0, kMaxClick));
  if (target.Click == value) return;
  target.Click = value;
  Mark(LayerField::Click, row);
}

void InputWindowModel::SetFunction(uint8_t function) {
  if (function_ == function) return;
  function_ = function;
  changed_.set(kChangedFunction);
}

void InputWindowModel::ApplyTo(TVL2Document& document, const TRect& block) {
  // The flags are cleared first: the document's notification may come back here.
  const ChangedFlags changed = changed_;
  loaded_ = Store();
  changed_.reset();
  ApplyRecord(document, block, loaded_, changed);
}

void CardReaderModel::Load(const TDocument& document) {
  rows_.Load(document.CardReader);
  trackMask_ = document.TrackMask;
  const uint8_t output = document.CardReader.Layers[0].Click;
  startStop_ = (output & kCardOutputStartStop) != 0;
  lrc_ = (output & kCardOutputLrc) != 0;
}

void CardReaderModel::ApplyTo(TVL2Document& document) const {
  TMacroButton record = rows_.Store();
  const auto withSwitches = [this](uint8_t click) {
    auto output = static_cast<uint8_t>(click & ~(kCardOutputStartStop | kCardOutputLrc));
    if (startStop_) output |= kCardOutputStartStop;
    if (lrc_) output |= kCardOutputLrc;
    return output;
  };
  record.Layers[0].Click = withSwitches(record.Layers[0].Click);
  // The switches shown are block 0's; a layout whose blocks disagree stays as it
  // is until something is changed here.
  if (record == document.CardReader && trackMask_ == document.TrackMask) return;
  // Every track's block carries the switches: the keyboard reads each track's own.
  for (TMacros& track : record.Layers) track.Click = withSwitches(track.Click);
  {
    const StepGuard step(document, kUndoCardReader, StepScope::CardReaderOnly());
    document.SetCardReader(record);
    document.SetTrackMask(trackMask_);
  }
  document.Notify(DocumentNotification::ContentChanged);
}

void CardReaderModel::SetTrackEnabled(int track, bool on) {
  const auto bit = static_cast<uint8_t>(1u << track);
  trackMask_ = static_cast<uint8_t>(on ? (trackMask_ | bit) : (trackMask_ & ~bit));
}

void CardReaderModel::SetStartStop(bool on) {
  startStop_ = on;
  if (!on) lrc_ = false;
}

}  // namespace vl
