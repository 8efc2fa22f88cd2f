#pragma once
// The edit history of one layout document: the steps "Отменить" walks back and
// "Повторить" walks forward again. A step keeps only what its edit changed (the
// key records, notes and group cells it touched, the card reader, the password),
// as they were before the edit. Undoing exchanges them with the document, so the
// step then holds the state after the edit, which redoing exchanges back.
//
// An edit opens a step naming the parts and cells it may change (StepGuard does
// this for a scope); closing the step keeps the cells that really differ. The
// cells are kept in their flat form (CellBytes.h), which costs no allocation
// per cell and less memory than the records themselves. The first undo of a
// step turns them into records, taking the document's own, so that undoing and
// redoing it again only swaps records. A step that changed nothing is not kept. A step opened while another is open widens
// the open one: the edit and its inner edits are one step under the outer name.
//
// The history is bounded in steps and in bytes; the oldest steps go first, and a
// single step larger than the byte bound stays alone. The document's Modified
// flag follows the history: it is clear exactly at the state last saved.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/document/Field.h"
#include "core/document/GroupCell.h"
#include "core/document/KeyNote.h"
#include "core/document/MacroButton.h"

namespace vl {

class TVL2Document;

// What an edit may change. Cells bounds the key, note and group parts.
struct StepScope {
  TRect Cells{1, 1, kFieldSize, kFieldSize};
  bool Keys = false;
  bool Notes = false;
  bool Groups = false;
  bool CardReader = false;  // the card-reader record and the track mask
  bool Password = false;

  static StepScope KeysIn(const TRect& cells) { return {cells, true}; }
  static StepScope KeysAndNotesIn(const TRect& cells) { return {cells, true, true}; }
  static StepScope NotesIn(const TRect& cells) { return {cells, false, true}; }
  // Groups reach beyond the cells an edit names, so group edits take the field.
  static StepScope AllGroups() { return {{1, 1, kFieldSize, kFieldSize}, false, false, true}; }
  static StepScope KeysAndCardReader() { return {{1, 1, kFieldSize, kFieldSize}, true, false, false, true}; }
  static StepScope CardReaderOnly() { return {{}, false, false, false, true}; }
  static StepScope PasswordOnly() { return {{}, false, false, false, false, true}; }
};

inline constexpr size_t kHistoryStepLimit = 100;
inline constexpr size_t kHistoryByteLimit = size_t{256} << 20;

class History {
 public:
  explicit History(TVL2Document& document, size_t stepLimit = kHistoryStepLimit,
                   size_t byteLimit = kHistoryByteLimit);
  ~History();
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  // Opens a step (or widens the open one) and records the scope's present state.
  void BeginStep(const std::string& name, const StepScope& scope);
  // Closes the outermost step: keeps what differs, drops the redo steps when it
  // changed anything, and holds the bounds. Modified is then set when the step
  // was kept and as it was before the step otherwise. Returns whether a step was
  // kept.
  bool EndStep();

  bool CanUndo() const { return applied_ > 0; }
  bool CanRedo() const { return applied_ < steps_.size(); }
  // Accusative names of the step an undo or a redo would take (UTF-8).
  const std::string& UndoName() const;
  const std::string& RedoName() const;
  // Each exchanges one step, sets Modified from the saved state and notifies
  // Undone, then ContentChanged. Nothing happens without a step to take or
  // while a step is being recorded.
  void Undo();
  void Redo();

  // The document was saved at the present state.
  void MarkSaved();
  bool AtSavedState() const { return saved_ == CurrentId(); }

  size_t StepCount() const { return steps_.size(); }
  // What the kept steps hold, by the same count the byte bound uses.
  size_t Bytes() const { return bytes_; }

 private:
  // The cells of one part that a step holds. As recorded, their values lie one
  // after another in Bytes; a cell of Length 0 holds no value (no record, an
  // ungrouped cell). The first exchange puts the values themselves in Values, in
  // the order of Cells, and empties Bytes.
  template <class Value>
  struct CellChanges {
    struct Cell {
      uint32_t Index;
      uint32_t Length;
    };
    std::vector<Cell> Cells;
    std::string Bytes;
    std::vector<Value> Values;
  };
  struct CardState {
    TMacroButton Record;
    uint8_t TrackMask = 0;
  };
  struct Step {
    std::string Name;
    uint64_t Id = 0;
    CellChanges<std::unique_ptr<TMacroButton>> Keys;
    CellChanges<std::unique_ptr<TKeyNote>> Notes;
    CellChanges<TGroupCell> Groups;
    std::optional<CardState> Card;
    std::optional<std::string> Password;
    size_t Bytes = 0;
  };
  // The step being recorded and, per part, which cells it has recorded.
  struct OpenStep {
    Step Recorded;
    int Depth = 0;
    bool ModifiedBefore = false;
    std::vector<uint8_t> KeyMarks;
    std::vector<uint8_t> NoteMarks;
    std::vector<uint8_t> GroupMarks;
  };

  uint64_t CurrentId() const { return applied_ > 0 ? steps_[applied_ - 1].Id : baseId_; }
  template <class Value, class Matrix>
  static void Record(CellChanges<Value>& changes, std::vector<uint8_t>& marks, const Matrix& matrix,
                     const TRect& cells);
  template <class Value, class Matrix>
  static void Settle(CellChanges<Value>& changes, const std::vector<uint8_t>& marks, const Matrix& matrix);
  template <class Value, class Matrix>
  static void ExchangeCells(CellChanges<Value>& changes, Matrix& matrix);
  template <class Value>
  static size_t ChangeBytes(const CellChanges<Value>& changes);
  void Exchange(Step& step);
  // Counts the step's bytes anew into bytes_.
  void Measure(Step& step);
  void Keep(Step step);

  TVL2Document& document_;
  size_t stepLimit_;
  size_t byteLimit_;
  std::deque<Step> steps_;  // oldest first; the first applied_ are applied
  size_t applied_ = 0;
  size_t bytes_ = 0;
  uint64_t nextId_ = 1;
  uint64_t baseId_ = 0;   // the state before the oldest kept step
  uint64_t saved_ = 0;    // the state last saved; none once it cannot come back
  std::unique_ptr<OpenStep> open_;
};

}  // namespace vl
