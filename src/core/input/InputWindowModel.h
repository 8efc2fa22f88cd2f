#pragma once
// What the key function window and the card-reader window edit, without the
// widgets: four rows (layers, or tracks 1 to 4) of press and release sequences,
// autorepeat, click duration and note, the key function, and one changed flag per
// field so that only what the user changed is written back.

#include <array>
#include <cstdint>
#include <string>

#include "core/document/ApplyRecord.h"
#include "core/document/MacroButton.h"
#include "core/document/VL2Document.h"

namespace vl {

inline constexpr int kInputRows = 4;

struct InputRow {
  std::string Press;    // set-2 bytes
  std::string Release;  // set-2 bytes
  std::string Note;     // code page 1251, at most 50 characters
  bool AutoRepeat = false;
  uint8_t Click = 0;
};

class InputWindowModel {
 public:
  // Fills the rows and the function from a record and clears the changed flags.
  void Load(const TMacroButton& record);
  // The record the rows describe; bytes the rows do not show (the other bits of
  // AutoRepeat) stay as loaded.
  TMacroButton Store() const;
  // Loads an empty record without a function.
  void ClearAll() { Load(TMacroButton{}); }

  const InputRow& Row(int row) const { return rows_.at(static_cast<size_t>(row)); }
  uint8_t Function() const { return function_; }
  // The pages and row labels show for a macro key and for a selection of
  // different functions.
  bool PagesVisible() const { return function_ == kFuncMacro || function_ == kFuncNone; }

  // Each setter sets the field's changed flag when the value differs.
  void SetPress(int row, std::string bytes);
  void SetRelease(int row, std::string bytes);
  void SetNote(int row, std::string cp1251);
  void SetAutoRepeat(int row, bool on);
  void SetClick(int row, int duration);
  void SetFunction(uint8_t function);

  const ChangedFlags& Changed() const { return changed_; }

  // Writes the changed fields into every key of the block and clears the flags.
  void ApplyTo(TVL2Document& document, const TRect& block);

 private:
  // After the setter's checked access, row is 0..3.
  void Mark(LayerField field, int row) { changed_.set(ChangedFlag(field, static_cast<size_t>(row))); }

  TMacroButton loaded_;
  std::array<InputRow, kInputRows> rows_;
  uint8_t function_ = kFuncNone;
  ChangedFlags changed_;
};

// The card reader's own switches beside its four tracks.
class CardReaderModel {
 public:
  // Rows from the document's card-reader record, the track mask, and the output
  // switches from block 0's Click byte.
  void Load(const TDocument& document);
  // Writes the record and the track mask into the document as one history step
  // and notifies ContentChanged, the output switches into all four tracks' blocks;
  // nothing happens when they are as stored (block 0's switches taken for all).
  void ApplyTo(TVL2Document& document) const;

  InputWindowModel& Rows() { return rows_; }
  const InputWindowModel& Rows() const { return rows_; }

  bool TrackEnabled(int track) const { return (trackMask_ >> track) & 1; }
  void SetTrackEnabled(int track, bool on);
  bool StartStop() const { return startStop_; }
  // LRC output is offered only with the start/stop symbols; turning them off
  // turns it off. A stored LRC bit is loaded as it is, so showing a record
  // never changes it.
  bool Lrc() const { return lrc_; }
  bool LrcEnabled() const { return startStop_; }
  void SetStartStop(bool on);
  void SetLrc(bool on) { lrc_ = on && startStop_; }

 private:
  InputWindowModel rows_;
  uint8_t trackMask_ = 0;
  bool startStop_ = false;
  bool lrc_ = false;
};

}  // namespace vl
