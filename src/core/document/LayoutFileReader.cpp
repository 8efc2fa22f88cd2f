#include <filesystem>
#include <memory>

#include "core/common/FileErrors.h"
#include "core/common/ReadFile.h"
#include "core/document/LayoutByteReader.h"
#include "core/document/LayoutFile.h"
#include "core/document/GroupOps.h"
#include "core/document/LayoutFileFormat.h"
#include "core/document/LegacyLayoutReader.h"
#include "core/document/PasswordOps.h"
#include "core/document/RecordOps.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

using namespace layout_file;

// The largest file the writer can produce: every cell a key with every layer at
// its longest (two 255-byte sequences, a 50-character note, repeat and click) and
// a note record with key note, mark and group, plus the header. Rounded up; about
// 160 MB. A larger file is not a layout and is refused unread.
constexpr std::uintmax_t kMaxKeyRecordBytes =
    3 + 2 + kLayerCount * (2 + 2 * (2 + kMaxSequenceLength) + 2 + 2 + 2 + kMaxLayerNoteLength) + 1;
constexpr std::uintmax_t kMaxNoteRecordBytes =
    3 + (2 + kMaxKeyNoteLength) + (2 + kMaxMarkLength) + 1 + (2 + kGroupByteCount);
constexpr std::uintmax_t kMaxLayoutFileBytes = (kMaxKeyRecordBytes + kMaxNoteRecordBytes) * kFieldCells + (1u << 20);

// Reads the records of a current-format body. What is under construction while
// reading: a key record, its current layer, a note and their positions.
class CurrentBodyReader {
 public:
  CurrentBodyReader(LayoutByteReader& in, TVL2Document& document, IPrompt& prompt,
                    const std::string& fileName)
      : in_(in), document_(document), prompt_(prompt), fileName_(fileName) {
    InitRecord(key_);
  }

  void Read() {
    while (!in_.AtEnd()) Record(in_.Byte());
  }

 private:
  void Record(uint8_t tag) {
    switch (tag) {
      case kPassword: return Password();
      case kTracksAndLayers: document_.TrackMask = in_.Byte() >> 2; return;
      case kLanguageAndCorrection:
      case kInterval:
      case kBuffering: in_.Byte(); return;  // the settings keep their own values
      case kKey:
        ReadPosition(keyColumn_, keyRow_);
        InitRecord(key_);
        layer_ = 0;
        return;
      case kFunction: key_.Func = in_.ByteAtMost(kMaxFunc); return;
      case kLayer: layer_ = in_.ByteAtMost(kLayerCount - 1); return;
      case kPressSequence: in_.AppendCounted(key_.Layers[layer_].Macro[0], kMaxSequenceLength); return;
      case kReleaseSequence: in_.AppendCounted(key_.Layers[layer_].Macro[1], kMaxSequenceLength); return;
      case kAutoRepeat: key_.Layers[layer_].AutoRepeat = in_.Byte(); return;
      case kClick: key_.Layers[layer_].Click = in_.Byte(); return;
      case kLayerNote: in_.AppendCounted(key_.Layers[layer_].Note, kMaxLayerNoteLength); return;
      case kEndOfKey: return EndOfKey();
      case kSameKey: {
        uint8_t column = 0, row = 0;
        ReadPosition(column, row);
        StoreKey(column, row);
        return;
      }
      case kNote:
        ReadPosition(noteColumn_, noteRow_);
        note_ = TKeyNote{};
        return;
      case kKeyNote: in_.AppendCounted(note_.KeyNote, kMaxKeyNoteLength); return;
      case kMark: in_.AppendCounted(note_.Mark, kMaxMarkLength); return;
      case kEndOfNote:
        if (!note_.IsEmpty()) StoreNote(noteColumn_, noteRow_, note_);
        return;
      case kSameNote: {
        uint8_t column = 0, row = 0;
        ReadPosition(column, row);
        if (!note_.KeyNote.empty()) StoreNote(column, row, TKeyNote{note_.KeyNote, {}});
        return;
      }
      case kGroup: return Group();
      default: throw LayoutFormatError{};
    }
  }

  void ReadPosition(uint8_t& column, uint8_t& row) {
    column = in_.Byte();
    row = in_.Byte();
  }

  // The stored password is asked for before anything after it is read.
  void Password() {
    if (passwordRead_) throw LayoutFormatError{};
    passwordRead_ = true;
    const uint8_t n = in_.Byte();
    if (n == 0 || n > kMaxStoredPassword) throw LayoutFormatError{};
    std::string stored;
    for (uint8_t i = 0; i < n; ++i) stored.push_back(static_cast<char>(in_.Byte()));
    stored = CodePassword(stored);
    const auto entered = prompt_.AskPassword(kEnterPassword, "");
    if (!entered || entered->empty()) throw OperationAbandoned();
    // Compared as stored bytes; a character the code page cannot hold never matches.
    if (Utf8ToCp1251(*entered) != stored) {
      throw WrongPasswordError(
          WithFileName(kWrongPasswordError, fileName_));
    }
    document_.Password = stored;
    in_.Unscramble(stored);
  }

  // Only the first record at (255, 255), before any key, is the card reader: the
  // writer puts it there, so keys in column 255 and at (255, 255) itself survive.
  void EndOfKey() {
    if (!keySeen_ && !cardReaderSeen_ && keyColumn_ == kCardReaderCell &&
        keyRow_ == kCardReaderCell) {
      cardReaderSeen_ = true;
      document_.CardReader = key_;
      return;
    }
    StoreKey(keyColumn_, keyRow_);
  }

  void StoreKey(uint8_t column, uint8_t row) {
    if (column == 0 || row == 0) throw LayoutFormatError{};
    keySeen_ = true;
    if (key_.IsEmpty()) {
      document_.Keys(column, row).reset();
      return;
    }
    document_.SetKey(column, row, std::make_unique<TMacroButton>(key_));
  }

  void StoreNote(uint8_t column, uint8_t row, const TKeyNote& note) {
    if (column == 0 || row == 0) throw LayoutFormatError{};
    document_.Notes(column, row) = std::make_unique<TKeyNote>(note);
  }

  void Group() {
    in_.Byte();  // byte count, always 6
    const uint8_t masterColumn = in_.Byte();
    const uint8_t masterRow = in_.Byte();
    const TRect rect{in_.Byte(), in_.Byte(), in_.Byte(), in_.Byte()};
    if (rect.Right < rect.Left || rect.Bottom < rect.Top || !InField(rect.Left, rect.Top)) {
      throw LayoutFormatError{};
    }
    // A master outside its own rectangle would move another group's master. The
    // group is part of the file, not an edit: it leaves nothing to undo.
    if (rect.Contains(masterColumn, masterRow))
      PlaceGroup(document_, rect, masterColumn, masterRow);
    else
      PlaceGroup(document_, rect, rect.Left, rect.Top);
  }

  LayoutByteReader& in_;
  TVL2Document& document_;
  IPrompt& prompt_;
  const std::string& fileName_;
  TMacroButton key_;
  size_t layer_ = 0;
  uint8_t keyColumn_ = 0, keyRow_ = 0;
  TKeyNote note_;
  uint8_t noteColumn_ = 0, noteRow_ = 0;
  bool passwordRead_ = false;
  bool keySeen_ = false;
  bool cardReaderSeen_ = false;
};

}  // namespace

void LoadLayout(TVL2Document& document, const std::string& fileName, IPrompt& prompt,
                IReporter& reporter) {
  const auto bytes = ReadRegularFile(std::filesystem::path(fileName), kMaxLayoutFileBytes);
  if (!bytes) throw FileReadError(WithFileName(kLayoutReadError, fileName));
  LoadLayoutBytes(document, *bytes, fileName, prompt, reporter);
}

void LoadLayoutBytes(TVL2Document& document, std::string_view bytes, const std::string& fileName,
                     IPrompt& prompt, IReporter& reporter) {
  const FileReadError readError(WithFileName(kLayoutReadError, fileName));
  ReportScope scope(reporter, kStatusReadLayout);
  LayoutByteReader in(bytes, [&](int percent) { reporter.SetProgress(percent); });
  try {
    const uint8_t marker = in.Byte();
    const uint8_t version = in.Byte();
    if (VersionNumber(version) >= kFirstCurrentVersion) {
      CurrentBodyReader(in, document, prompt, fileName).Read();
      document.FileName = fileName;
      document.Named = true;
      document.Modified = false;
      return;
    }
    // An old file of a keyboard type without a known key table cannot be read:
    // say so before offering a conversion that would fail.
    if (!LegacyKeyTypeTableSize(marker)) throw LayoutFormatError{};
    const Answer convert = prompt.Ask(kOldFormatQuestion, kCaptionAttention, MessageButtons::YesNo, MessageIcon::Warning);
    if (convert != Answer::Yes) throw OperationAbandoned();
    ReadLegacyLayoutBody(in, marker, document);
    document.FileName.clear();
    document.Named = false;
    document.Modified = true;
  } catch (const LayoutFormatError&) {
    throw readError;
  }
}

}  // namespace vl
