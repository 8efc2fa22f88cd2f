#include "core/document/History.h"

#include <cstring>
#include <limits>
#include <string_view>
#include <utility>

#include "core/common/LargeBuffer.h"
#include "core/document/CellBytes.h"
#include "core/document/VL2Document.h"

namespace vl {
namespace {

constexpr uint64_t kUnreachable = std::numeric_limits<uint64_t>::max();

// Cell marks of an open step: not in its scope, recorded as absent (no record,
// or an ungrouped cell), recorded with a value in the step.
constexpr uint8_t kOutside = 0;
constexpr uint8_t kRecordedAbsent = 1;
constexpr uint8_t kRecordedValue = 2;

size_t StringHeap(const std::string& text) {
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

size_t HeapBytes(const TMacroButton& record) {
  size_t bytes = 0;
  for (const TMacros& layer : record.Layers) {
    bytes += StringHeap(layer.Macro[0]) + StringHeap(layer.Macro[1]) + StringHeap(layer.Note);
  }
  return bytes;
}

// The heap a value kept in a step holds beyond itself.
size_t ValueHeap(const std::unique_ptr<TMacroButton>& key) { return key ? sizeof(TMacroButton) + HeapBytes(*key) : 0; }
size_t ValueHeap(const std::unique_ptr<TKeyNote>& note) {
  return note ? sizeof(TKeyNote) + StringHeap(note->KeyNote) + StringHeap(note->Mark) : 0;
}
size_t ValueHeap(const TGroupCell&) { return 0; }

// Whether a cell has a value, without its bytes.
bool Present(const std::unique_ptr<TMacroButton>& key) { return key != nullptr; }
bool Present(const std::unique_ptr<TKeyNote>& note) { return note != nullptr; }
bool Present(const TGroupCell& cell) { return !(cell == TGroupCell{}); }

}  // namespace

// Records the cells of the rectangle not recorded yet: the bytes of each present
// value, a mark for each absent one. The bytes are counted first, so the buffer
// grows once.
template <class Value, class Matrix>
void History::Record(CellChanges<Value>& changes, std::vector<uint8_t>& marks, const Matrix& matrix,
                     const TRect& cells) {
  if (marks.empty()) marks.resize(kFieldCells, kOutside);
  size_t count = 0;
  size_t present = 0;
  for (int column = cells.Left; column <= cells.Right; ++column) {
    for (int row = cells.Top; row <= cells.Bottom; ++row) {
      const size_t index = Matrix::Index(column, row);
      if (marks[index] != kOutside) continue;
      const size_t length = CellByteCount(matrix.At(index));
      count += length;
      present += length > 0 ? 1 : 0;
    }
  }
  const size_t start = changes.Bytes.size();
  if (start == 0) ReserveLarge(changes.Bytes, count);
  changes.Bytes.resize(start + count);
  changes.Cells.reserve(changes.Cells.size() + present);
  char* out = changes.Bytes.data() + start;
  for (int column = cells.Left; column <= cells.Right; ++column) {
    for (int row = cells.Top; row <= cells.Bottom; ++row) {
      const size_t index = Matrix::Index(column, row);
      if (marks[index] != kOutside) continue;
      char* const end = WriteCellBytes(out, matrix.At(index));
      if (end != out) {
        changes.Cells.push_back({static_cast<uint32_t>(index), static_cast<uint32_t>(end - out)});
        marks[index] = kRecordedValue;
      } else {
        marks[index] = kRecordedAbsent;
      }
      out = end;
    }
  }
}

// Keeps the recorded cells whose value differs now, moving their bytes forward
// over those of the cells dropped, and adds the cells recorded absent that hold a
// value now.
template <class Value, class Matrix>
void History::Settle(CellChanges<Value>& changes, const std::vector<uint8_t>& marks, const Matrix& matrix) {
  size_t read = 0;
  size_t written = 0;
  size_t keptCells = 0;
  char* bytes = changes.Bytes.data();
  for (const auto& cell : changes.Cells) {
    if (!CellMatches(std::string_view(bytes + read, cell.Length), matrix.At(cell.Index))) {
      if (written != read) std::memmove(bytes + written, bytes + read, cell.Length);
      written += cell.Length;
      changes.Cells[keptCells++] = cell;
    }
    read += cell.Length;
  }
  changes.Bytes.resize(written);
  changes.Cells.resize(keptCells);
  for (size_t index = 0; index < marks.size(); ++index) {
    if (marks[index] == kRecordedAbsent && Present(matrix.At(index))) {
      changes.Cells.push_back({static_cast<uint32_t>(index), 0});
    }
  }
  changes.Cells.shrink_to_fit();
  changes.Bytes.shrink_to_fit();
}

// Puts the step's values into the document and the document's into the step.
// The first time, the step's values are made from its bytes and the document's
// records are taken as they are; from then on the two swap.
template <class Value, class Matrix>
void History::ExchangeCells(CellChanges<Value>& changes, Matrix& matrix) {
  if (changes.Values.size() != changes.Cells.size()) {
    changes.Values.resize(changes.Cells.size());
    size_t read = 0;
    for (size_t i = 0; i < changes.Cells.size(); ++i) {
      const uint32_t length = changes.Cells[i].Length;
      RestoreCell(std::string_view(changes.Bytes.data() + read, length), changes.Values[i]);
      read += length;
    }
    std::string().swap(changes.Bytes);  // an assignment would keep the storage
  }
  for (size_t i = 0; i < changes.Cells.size(); ++i) {
    const uint32_t index = changes.Cells[i].Index;
    std::swap(changes.Values[i], matrix(Matrix::ColumnOf(index), Matrix::RowOf(index)));
  }
}

template <class Value>
size_t History::ChangeBytes(const CellChanges<Value>& changes) {
  size_t bytes = changes.Cells.capacity() * sizeof(typename CellChanges<Value>::Cell) + StringHeap(changes.Bytes) +
                 changes.Values.capacity() * sizeof(Value);
  for (const Value& value : changes.Values) bytes += ValueHeap(value);
  return bytes;
}

History::History(TVL2Document& document, size_t stepLimit, size_t byteLimit)
    : document_(document), stepLimit_(stepLimit), byteLimit_(byteLimit) {}

History::~History() = default;

void History::BeginStep(const std::string& name, const StepScope& scope) {
  if (!open_) {
    open_ = std::make_unique<OpenStep>();
    open_->Recorded.Name = name;
    // A change made beside the history leaves the saved state behind for good.
    if (document_.Modified && AtSavedState()) saved_ = kUnreachable;
    open_->ModifiedBefore = document_.Modified;
  }
  ++open_->Depth;
  Step& step = open_->Recorded;
  if (scope.Keys) Record(step.Keys, open_->KeyMarks, std::as_const(document_.Keys), scope.Cells);
  if (scope.Notes) Record(step.Notes, open_->NoteMarks, std::as_const(document_.Notes), scope.Cells);
  if (scope.Groups) Record(step.Groups, open_->GroupMarks, std::as_const(document_.Groups), scope.Cells);
  if (scope.CardReader && !step.Card) step.Card = CardState{document_.CardReader, document_.TrackMask};
  if (scope.Password && !step.Password) step.Password = document_.Password;
}

bool History::EndStep() {
  if (!open_ || --open_->Depth > 0) return false;
  const std::unique_ptr<OpenStep> open = std::move(open_);
  Step& step = open->Recorded;
  Settle(step.Keys, open->KeyMarks, std::as_const(document_.Keys));
  Settle(step.Notes, open->NoteMarks, std::as_const(document_.Notes));
  Settle(step.Groups, open->GroupMarks, std::as_const(document_.Groups));
  if (step.Card && step.Card->Record == document_.CardReader &&
      step.Card->TrackMask == document_.TrackMask) {
    step.Card.reset();
  }
  if (step.Password == document_.Password) step.Password.reset();
  if (step.Keys.Cells.empty() && step.Notes.Cells.empty() && step.Groups.Cells.empty() && !step.Card &&
      !step.Password) {
    document_.Modified = open->ModifiedBefore;
    return false;
  }
  Keep(std::move(step));
  document_.Modified = true;
  return true;
}

void History::Measure(Step& step) {
  bytes_ -= step.Bytes;
  step.Bytes = sizeof(Step) + StringHeap(step.Name) + ChangeBytes(step.Keys) + ChangeBytes(step.Notes) +
               ChangeBytes(step.Groups);
  if (step.Card) step.Bytes += sizeof(CardState) + HeapBytes(step.Card->Record);
  if (step.Password) step.Bytes += StringHeap(*step.Password);
  bytes_ += step.Bytes;
}

void History::Keep(Step step) {
  while (steps_.size() > applied_) {
    bytes_ -= steps_.back().Bytes;
    steps_.pop_back();
  }
  if (saved_ != kUnreachable && saved_ > CurrentId()) saved_ = kUnreachable;
  step.Id = nextId_++;
  steps_.push_back(std::move(step));
  Measure(steps_.back());
  ++applied_;
  while (steps_.size() > stepLimit_ || (bytes_ > byteLimit_ && steps_.size() > 1)) {
    if (saved_ == baseId_) saved_ = kUnreachable;
    baseId_ = steps_.front().Id;
    bytes_ -= steps_.front().Bytes;
    steps_.pop_front();
    --applied_;
  }
}

const std::string& History::UndoName() const {
  static const std::string none;
  return CanUndo() ? steps_[applied_ - 1].Name : none;
}

const std::string& History::RedoName() const {
  static const std::string none;
  return CanRedo() ? steps_[applied_].Name : none;
}

void History::Undo() {
  if (!CanUndo() || open_) return;
  if (document_.Modified && AtSavedState()) saved_ = kUnreachable;
  Exchange(steps_[--applied_]);
}

void History::Redo() {
  if (!CanRedo() || open_) return;
  if (document_.Modified && AtSavedState()) saved_ = kUnreachable;
  Exchange(steps_[applied_++]);
}

void History::Exchange(Step& step) {
  ExchangeCells(step.Keys, document_.Keys);
  ExchangeCells(step.Notes, document_.Notes);
  ExchangeCells(step.Groups, document_.Groups);
  if (step.Card) {
    std::swap(step.Card->Record, document_.CardReader);
    std::swap(step.Card->TrackMask, document_.TrackMask);
  }
  if (step.Password) std::swap(*step.Password, document_.Password);
  // The step now holds the other side of the edit, which may be larger; the
  // bound is held when the next step is kept.
  Measure(step);
  document_.Modified = !AtSavedState();
  document_.Notify(DocumentNotification::Undone);
  document_.Notify(DocumentNotification::ContentChanged);
}

void History::MarkSaved() { saved_ = CurrentId(); }

}  // namespace vl
