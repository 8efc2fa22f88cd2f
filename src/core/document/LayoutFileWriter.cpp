#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <random>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/common/FileErrors.h"
#include "core/common/LargeBuffer.h"
#include "core/common/SafeWrite.h"
#include "core/document/LayoutFile.h"
#include "core/document/LayoutFileFormat.h"
#include "core/document/RecordHash.h"

namespace vl {
namespace {

using namespace layout_file;

// The file's bytes as they are built: the header goes in plain, everything after
// the password record through the scrambler, which runs once over all of it
// when the bytes are taken.
class LayoutBytes {
 public:
  LayoutBytes(std::string password, size_t expectedSize) : password_(std::move(password)) {
    ReserveLarge(bytes_, expectedSize);
  }

  void Plain(uint8_t byte) {
    bytes_.push_back(static_cast<char>(byte));
    scrambleFrom_ = bytes_.size();
  }
  void Put(uint8_t byte) { bytes_.push_back(static_cast<char>(byte)); }
  void Put(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  void Put(uint8_t a, uint8_t b) {
    Put(a);
    Put(b);
  }
  void Put(uint8_t a, uint8_t b, uint8_t c) {
    Put(a, b);
    Put(c);
  }
  // A tag, a length byte and the bytes; nothing for an empty text. Texts are kept
  // within their limits by the editors; the limit here only guards the length byte.
  void Text(uint8_t tag, const std::string& text, size_t limit) {
    if (text.empty()) return;
    const size_t n = std::min(text.size(), limit);
    Put(tag, static_cast<uint8_t>(n));
    Put(std::string_view(text).substr(0, n));
  }

  std::string_view Finish() {
    if (!password_.empty()) {
      for (size_t i = scrambleFrom_, k = 0; i < bytes_.size(); ++i, ++k) {
        bytes_[i] = static_cast<char>(bytes_[i] ^ password_[k % password_.size()]);
      }
    }
    return {bytes_.data(), bytes_.size()};
  }

 private:
  std::string password_;
  size_t scrambleFrom_ = 0;
  std::vector<char> bytes_;
};

uint8_t Marker(bool hasPassword) {
  if (!hasPassword) return kNoPasswordMarker;
  std::minstd_rand generator(
      static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
  return static_cast<uint8_t>(kFirstPasswordMarker + generator() % 240);
}

uint8_t ColumnByte(size_t index) { return static_cast<uint8_t>(FieldMatrix<KeyRef>::ColumnOf(index)); }
uint8_t RowByte(size_t index) { return static_cast<uint8_t>(FieldMatrix<KeyRef>::RowOf(index)); }

void PutKeyBody(LayoutBytes& out, const TMacroButton& key) {
  out.Put(kFunction, key.Func);
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    const TMacros& block = key.Layers[layer];
    if (block.IsEmpty()) continue;
    out.Put(kLayer, static_cast<uint8_t>(layer));
    out.Text(kPressSequence, block.Macro[0], kMaxSequenceLength);
    out.Text(kReleaseSequence, block.Macro[1], kMaxSequenceLength);
    if (block.AutoRepeat != 0) out.Put(kAutoRepeat, block.AutoRepeat);
    if (block.Click != 0) out.Put(kClick, block.Click);
    out.Text(kLayerNote, block.Note, kMaxLayerNoteLength);
  }
}

void PutProperties(LayoutBytes& out, const TDocument& document, const SettingsStore& settings) {
  const auto layers = static_cast<uint8_t>(settings.LayerCountValue() - 1);
  out.Put(kTracksAndLayers, static_cast<uint8_t>((document.TrackMask & 0x3F) * 4 + layers));
  const uint8_t language = settings.Get(Setting::Layout) & 0x7F;
  out.Put(kLanguageAndCorrection,
          static_cast<uint8_t>(language + (settings.IsOn(Setting::CorrectLock) ? 128 : 0)));
  out.Put(kInterval, settings.Get(Setting::Ibd) & 0x0F);
  out.Put(kBuffering, settings.IsOn(Setting::Buffered) ? 1 : 0);
}

// Progress of the key and note passes: keys written x 100 / 65 536, from 0 again
// for each pass.
class PassProgress {
 public:
  explicit PassProgress(IReporter& reporter) : reporter_(reporter) { reporter_.SetProgress(0); }
  void Written() {
    const int position = static_cast<int>(++count_ * 100 / 65536);
    if (position != shown_) reporter_.SetProgress(shown_ = position);
  }

 private:
  IReporter& reporter_;
  long count_ = 0;
  int shown_ = 0;
};

// Cells by a hash of their content. Sorted by hash and then by cell, so the cells
// sharing a hash are one run in traversal order: a lookup gives the candidates
// for an equal record without a scan of the field and without a map of lists.
class HashIndex {
 public:
  // Cells are added in traversal order.
  void Add(size_t hash, size_t index) { entries_.emplace_back(hash, index); }
  void Sort() {
    SortByHash();
    shared_.assign(kFieldCells, false);
    for (size_t i = 1; i < entries_.size(); ++i) {
      if (entries_[i].first != entries_[i - 1].first) continue;
      shared_[entries_[i].second] = true;
      shared_[entries_[i - 1].second] = true;
    }
  }
  // An indexed cell whose hash no other cell has: nothing can equal it.
  bool Alone(size_t index) const { return !shared_[index]; }
  // The cells with this hash, in traversal order (after Sort).
  std::span<const std::pair<size_t, size_t>> With(size_t hash) const {
    const auto first = std::lower_bound(entries_.begin(), entries_.end(), std::pair<size_t, size_t>(hash, 0));
    auto last = first;
    while (last != entries_.end() && last->first == hash) ++last;
    return {first, last};
  }

 private:
  // A byte of the hash at a time, lowest first; each pass keeps the order of equal
  // bytes, so cells sharing a hash stay in traversal order. A full field sorts in a
  // tenth of the time a comparison sort takes.
  void SortByHash() {
    std::vector<std::pair<size_t, size_t>> sorted(entries_.size());
    for (unsigned shift = 0; shift < 64; shift += 8) {
      std::array<size_t, 257> starts{};
      for (const auto& entry : entries_) ++starts[((entry.first >> shift) & 0xFF) + 1];
      for (size_t digit = 1; digit < starts.size(); ++digit) starts[digit] += starts[digit - 1];
      for (const auto& entry : entries_) sorted[starts[(entry.first >> shift) & 0xFF]++] = entry;
      entries_.swap(sorted);
    }
  }

  std::vector<std::pair<size_t, size_t>> entries_;
  std::vector<bool> shared_;
};

// Each key with content once in traversal order; every later key with an equal
// record right after it as a same-key record. The candidates come from the hash
// index, which gives the bytes of a rescan of the field from (1, 1) per key.
void PutKeys(LayoutBytes& out, const TDocument& document, IReporter& reporter) {
  HashIndex byHash;
  std::vector<std::pair<size_t, size_t>> withContent;  // index, hash
  for (size_t index = 0; index < kFieldCells; ++index) {
    const TMacroButton* key = document.Keys.At(index).get();
    if (!key || key->IsEmpty()) continue;
    const size_t hash = HashRecord(*key);
    withContent.emplace_back(index, hash);
    byHash.Add(hash, index);
  }
  byHash.Sort();
  std::vector<bool> written(kFieldCells, false);
  PassProgress progress(reporter);
  for (const auto& [index, hash] : withContent) {
    if (written[index]) continue;
    const TMacroButton& key = *document.Keys.At(index);
    out.Put(kKey, ColumnByte(index), RowByte(index));
    PutKeyBody(out, key);
    out.Put(kEndOfKey);
    written[index] = true;
    progress.Written();
    if (byHash.Alone(index)) continue;
    for (const auto& [sameHash, other] : byHash.With(hash)) {
      if (written[other] || !(*document.Keys.At(other) == key)) continue;
      out.Put(kSameKey, ColumnByte(other), RowByte(other));
      written[other] = true;
      progress.Written();
    }
  }
}

// Each note record once; later keys whose note text is the same and that have no
// bookmark follow as same-note records.
void PutNotes(LayoutBytes& out, const TVL2Document& document, IReporter& reporter) {
  const std::hash<std::string_view> textHash;
  HashIndex byText;  // the notes that can be written as same-note records
  for (size_t index = 0; index < kFieldCells; ++index) {
    const TKeyNote* note = document.Notes.At(index).get();
    if (note && !note->KeyNote.empty() && note->Mark.empty()) byText.Add(textHash(note->KeyNote), index);
  }
  byText.Sort();
  std::vector<bool> written(kFieldCells, false);
  PassProgress progress(reporter);
  for (size_t index = 0; index < kFieldCells; ++index) {
    const TKeyNote* note = document.Notes.At(index).get();
    if (!note || written[index]) continue;
    out.Put(kNote, ColumnByte(index), RowByte(index));
    out.Text(kKeyNote, note->KeyNote, kMaxKeyNoteLength);
    out.Text(kMark, note->Mark, kMaxMarkLength);
    out.Put(kEndOfNote);
    written[index] = true;
    progress.Written();
    // A note with a bookmark is not indexed, but its text may be shared.
    if (note->KeyNote.empty() || (note->Mark.empty() && byText.Alone(index))) continue;
    for (const auto& [hash, other] : byText.With(textHash(note->KeyNote))) {
      if (written[other] || document.Notes.At(other)->KeyNote != note->KeyNote) continue;
      out.Put(kSameNote, ColumnByte(other), RowByte(other));
      written[other] = true;
      progress.Written();
    }
  }
}

// Each group once, from the first of its cells met in traversal order.
void PutGroups(LayoutBytes& out, const TVL2Document& document) {
  std::vector<bool> written(kFieldCells, false);
  for (size_t index = 0; index < kFieldCells; ++index) {
    const TGroupCell& cell = document.Groups.At(index);
    if (written[index] || !cell.IsGrouped()) continue;
    out.Put(kGroup, kGroupByteCount);
    out.Put(cell.MasterCol, cell.MasterRow);
    out.Put(cell.Left, cell.Top);
    out.Put(cell.Right, cell.Bottom);
    written[index] = true;
    for (int column = std::max<int>(cell.Left, 1); column <= cell.Right; ++column) {
      for (int row = std::max<int>(cell.Top, 1); row <= cell.Bottom; ++row) {
        written[FieldMatrix<KeyRef>::Index(column, row)] = true;
      }
    }
  }
}

// At least the size of the file, so that its bytes are not copied over and over as
// they grow: every record written in full, none as a same-key or same-note record.
size_t LargestFileSize(const TVL2Document& document) {
  size_t size = 64 + kMaxStoredPassword;
  const auto keySize = [](const TMacroButton& key) {
    size_t bytes = 5;  // key, column, row, function, end of key
    for (const TMacros& block : key.Layers) {
      bytes += 10 + block.Macro[0].size() + block.Macro[1].size() + block.Note.size();
    }
    return bytes;
  };
  size += keySize(document.CardReader);
  for (size_t index = 0; index < kFieldCells; ++index) {
    if (const TMacroButton* key = document.Keys.At(index).get()) size += keySize(*key);
    if (const TKeyNote* note = document.Notes.At(index).get()) size += 8 + note->KeyNote.size() + note->Mark.size();
    if (document.Groups.At(index).IsGrouped()) size += 8;
  }
  return size;
}

// The save keeps at least 100 bytes free on the drive.
bool EnoughSpace(const std::filesystem::path& file, size_t bytes) {
  std::error_code error;
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  const auto space = std::filesystem::space(folder, error);
  if (error) return true;  // unknown: let the write itself decide
  return space.available >= bytes + 100;
}

}  // namespace

void SaveLayout(TVL2Document& document, const std::string& fileName, const SettingsStore& settings,
                IReporter& reporter) {
  const std::string password = document.Password.substr(0, kMaxStoredPassword);
  LayoutBytes out(password, LargestFileSize(document));
  ReportScope scope(reporter, kStatusSaveKeys);
  out.Plain(Marker(!password.empty()));
  out.Plain(kWrittenVersion);
  if (!password.empty()) {
    out.Plain(kPassword);
    out.Plain(static_cast<uint8_t>(password.size()));
    for (const char c : CodePassword(password)) out.Plain(static_cast<uint8_t>(c));
  }
  PutProperties(out, document, settings);
  // A key at (255, 255) can only be told from the card reader when the card
  // reader's record comes first, so the card reader is then written even empty.
  const TMacroButton* corner = document.GetKey(kCardReaderCell, kCardReaderCell);
  if (!document.CardReader.IsEmpty() || (corner && !corner->IsEmpty())) {
    out.Put(kKey, kCardReaderCell, kCardReaderCell);
    PutKeyBody(out, document.CardReader);
    out.Put(kEndOfKey);
  }
  PutKeys(out, document, reporter);
  reporter.SetStatus(kStatusSaveNotes);
  PutNotes(out, document, reporter);
  reporter.SetStatus(kStatusSaveGroups);
  PutGroups(out, document);
  // The whole file is built in memory and replaces the old one in one step, so
  // a failure anywhere leaves the old file and the document as they were.
  const std::filesystem::path file(fileName);
  const std::string_view bytes = out.Finish();
  if (!EnoughSpace(file, bytes.size()) || !WriteFileSafely(file, bytes)) {
    throw FileWriteError(WithFileName(WriteFailureText(file), fileName));
  }
  document.Modified = false;
  document.History.MarkSaved();
  document.ReadFromDevice = false;
  document.Named = true;
  document.FileName = fileName;
}

}  // namespace vl
