#include "core/mtf/MtfWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "core/common/FileErrors.h"
#include "core/common/LargeBuffer.h"
#include "core/common/SafeWrite.h"
#include "core/mtf/MtfCommands.h"
#include "core/mtf/MtfKeyNames.h"
#include "core/text/Cp1251.h"
#include "core/text/ScanCode.h"

namespace vl {
namespace {

constexpr const char* kEol = "\r\n";
constexpr uint8_t kAllTracks = 0x0F;

// The fixed Russian comments, converted once to the file's code page.
struct Comments {
  std::string LayerCount, AutoCorrect, Interval, Language, Buffering;
  std::string Tracks, Header, Terminator, TrackSuffix, StartStop, Lrc;
  std::string KeyCodes, Press, Release, AutoRepeat, Click, LayerSuffix, SwitchKey;

  static std::string Cp(const char* utf8) { return Utf8ToCp1251(utf8).value(); }

  Comments()
      : LayerCount(Cp(", %установка количества уровней раскладки%")),
        AutoCorrect(Cp(", %автокоррекция Num и Caps Lock%")),
        Interval(Cp(", %интервал межу посылаемыми SCAN-кодами%")),
        Language(Cp(", %язык раскладки%")),
        Buffering(Cp(") %буферизация нажатых клавиш%")),
        Tracks(Cp("{ %включение дорожек номер ")),
        Header(Cp("){ %заголовок ")),
        Terminator(Cp("){ %разделитель ")),
        TrackSuffix(Cp("-й дорожки%")),
        StartStop(Cp("  \\sssymbols %устанавка старт-стоп символов%")),
        Lrc(Cp("  \\lrc %устанавливка LRC%")),
        KeyCodes(Cp(", MACROS){ %коды клавиши%")),
        Press(Cp("){ %последовательность нажатия ")),
        Release(Cp("){ %последовательность отжатия ")),
        AutoRepeat(Cp(") %автоповтор последовательности нажатия для ")),
        Click(Cp(") %звуковой клик для ")),
        LayerSuffix(Cp("-го уровня%")),
        SwitchKey(Cp(") %клавиша перехода%")) {}
};

const Comments& Texts() {
  static const Comments kTexts;
  return kTexts;
}

// Collects the losses of one place (a key's layer, a track, a whole key), each
// kind and code once.
class LossList {
 public:
  explicit LossList(std::vector<MtfLoss>* losses) : losses_(losses) {}

  void At(int column, int row, int layer) {
    column_ = column;
    row_ = row;
    layer_ = layer;
  }

  void Add(MtfLossKind kind, std::string_view codes = {}, int value = 0, int written = 0) {
    if (!losses_) return;
    for (auto it = losses_->rbegin(); it != losses_->rend(); ++it) {
      if (it->Column != column_ || it->Row != row_ || it->Layer != layer_) break;
      if (it->Kind == kind && it->Codes == codes) return;
    }
    losses_->push_back({column_, row_, layer_, kind, std::string(codes), value, written});
  }

 private:
  std::vector<MtfLoss>* losses_;
  int column_ = 0;
  int row_ = 0;
  int layer_ = kMtfWholeKey;
};

// A sequence is written as the pieces the language has words for.
enum class PieceKind : uint8_t { Press, Release, Wait, Unnamed, NoKeyCode };

struct Piece {
  PieceKind Kind;
  int Value;   // the key-name command (Press, Release), the pause (Wait)
  size_t End;  // where the next piece begins
  bool Extended = false;  // Unnamed: the code and whether E0 came before it
  uint8_t Code = 0;
};

bool IsPrefix(uint8_t byte) {
  return byte == kScanExtended || byte == kScanBreak || byte == kScanPausePrefix || byte == kScanWait;
}

// A name as written, padded so that it is copied as a whole block.
struct Word {
  std::array<char, 24> Text{};
  size_t Length = 0;
};

// What the sequences are written with, gathered once: the two whole-sequence
// names, each name as written in its three forms (blank and backslash included),
// and the name of each code at hand.
struct SequenceWords {
  int Pause = MtfPauseIndex();
  int PrintScreen = MtfPrintScreenIndex();
  std::string_view PausePress = MtfKeyNames()[size_t(Pause)].Press;
  std::string_view PrintPress = MtfKeyNames()[size_t(PrintScreen)].Press;
  std::string_view PrintRelease = MtfKeyNames()[size_t(PrintScreen)].Release;
  std::array<Word, kMtfKeyNameCount> Plain, Pressed, Released;  // " \a", " \_a", " \^a"
  std::array<bool, kMtfKeyNameCount> PressOnly{};  // a key without a release (Pause)
  std::array<int16_t, 512> ByCode;  // MtfKeyNameOfCode at [extended * 256 + code]

  SequenceWords() {
    for (size_t code = 0; code < 256; ++code) {
      ByCode[code] = static_cast<int16_t>(MtfKeyNameOfCode(false, static_cast<uint8_t>(code)));
      ByCode[256 + code] = static_cast<int16_t>(MtfKeyNameOfCode(true, static_cast<uint8_t>(code)));
    }
    for (size_t key = 0; key < kMtfKeyNameCount; ++key) {
      const std::string_view name = MtfWrittenName(int(key));
      Plain[key] = Written(" \\", name);
      Pressed[key] = Written(" \\_", name);
      Released[key] = Written(" \\^", name);
      PressOnly[key] = MtfKeyNames()[key].Release.empty();
    }
  }

  static Word Written(std::string_view prefix, std::string_view name) {
    Word word;
    word.Length = prefix.size() + name.size();
    if (word.Length > word.Text.size()) std::abort();  // the longest name has 14 letters
    std::copy(name.begin(), name.end(), std::copy(prefix.begin(), prefix.end(), word.Text.begin()));
    return word;
  }
};

const SequenceWords& Words() {
  static const SequenceWords kWords;
  return kWords;
}

Piece NextPiece(const SequenceWords& words, std::string_view sequence, size_t i) {
  const size_t n = sequence.size();
  const auto at = [sequence](size_t k) { return static_cast<uint8_t>(sequence[k]); };
  if (at(i) == kScanWait) {
    if (i + 1 < n && at(i + 1) >= kWaitBase && at(i + 1) <= kWaitBase + kMaxWait) {
      return {PieceKind::Wait, at(i + 1) - kWaitBase, i + 2};
    }
    return {PieceKind::NoKeyCode, 0, i + 1 < n ? i + 2 : n};
  }
  // Pause and Print Screen are whole sequences with a name of their own; Pause has
  // no release, its press is the whole key. Their first bytes tell whether to look.
  const std::string_view rest = sequence.substr(i);
  if (rest[0] == words.PausePress[0] && rest.starts_with(words.PausePress)) {
    return {PieceKind::Press, words.Pause, i + words.PausePress.size()};
  }
  if (rest[0] == words.PrintPress[0] && rest.starts_with(words.PrintPress)) {
    return {PieceKind::Press, words.PrintScreen, i + words.PrintPress.size()};
  }
  if (rest[0] == words.PrintRelease[0] && rest.starts_with(words.PrintRelease)) {
    return {PieceKind::Release, words.PrintScreen, i + words.PrintRelease.size()};
  }

  size_t j = i;
  const bool extended = at(j) == kScanExtended;
  if (extended) ++j;
  const bool release = j < n && at(j) == kScanBreak;
  if (release) ++j;
  if (j >= n || IsPrefix(at(j))) return {PieceKind::NoKeyCode, 0, j > i ? j : i + 1};
  const int key = words.ByCode[(extended ? 256u : 0u) + at(j)];
  if (key < 0) return {PieceKind::Unnamed, 0, j + 1, extended, at(j)};
  return {release ? PieceKind::Release : PieceKind::Press, key, j + 1};
}

// The text of a sequence is put together in a buffer, whole words at a time, and
// added to the output in large pieces; Finish adds the rest.
class SequenceOut {
 public:
  explicit SequenceOut(std::string& out) : out_(out) {}
  void Finish() { out_.append(buffer_.data(), next_); }

  void Add(const Word& word) {
    MakeRoom();
    std::memcpy(buffer_.data() + next_, word.Text.data(), word.Text.size());
    next_ += word.Length;
  }
  void Add(std::string_view text) {
    MakeRoom();
    std::memcpy(buffer_.data() + next_, text.data(), text.size());
    next_ += text.size();
  }

 private:
  static constexpr size_t kLongest = 24;  // a Word, or a pause with its line end
  void MakeRoom() {
    if (next_ + kLongest <= buffer_.size()) return;
    out_.append(buffer_.data(), next_);
    next_ = 0;
  }
  std::string& out_;
  std::array<char, 2048> buffer_;
  size_t next_ = 0;
};

// A press directly followed by its own release is the plain name, as the program
// always wrote it; a press or release on its own keeps its modifier.
void AppendSequenceText(std::string& out, std::string_view sequence, LossList& losses) {
  const SequenceWords& words = Words();
  SequenceOut text(out);
  text.Add("  ");
  const size_t n = sequence.size();
  for (size_t i = 0; i < n;) {
    const Piece piece = NextPiece(words, sequence, i);
    const size_t key = size_t(piece.Value);
    switch (piece.Kind) {
      case PieceKind::Wait: {
        const char tens[2] = {'1', static_cast<char>('0' + piece.Value % 10)};
        text.Add(" \\wait(");
        text.Add(piece.Value >= 10 ? std::string_view(tens, 2) : std::string_view(tens + 1, 1));
        text.Add(")");
        text.Add(kEol);
        break;
      }
      case PieceKind::Press: {
        if (words.PressOnly[key]) {
          text.Add(words.Plain[key]);
          break;
        }
        if (piece.End < n) {
          const Piece next = NextPiece(words, sequence, piece.End);
          if (next.Kind == PieceKind::Release && next.Value == piece.Value) {
            text.Add(words.Plain[key]);
            i = next.End;
            continue;
          }
        }
        text.Add(words.Pressed[key]);
        break;
      }
      case PieceKind::Release:
        text.Add(words.Released[key]);
        break;
      case PieceKind::Unnamed: {
        const char code[2] = {static_cast<char>(kScanExtended), static_cast<char>(piece.Code)};
        losses.Add(MtfLossKind::UnnamedCode, piece.Extended ? std::string_view(code, 2) : std::string_view(code + 1, 1));
        break;
      }
      case PieceKind::NoKeyCode:
        losses.Add(MtfLossKind::NoKeyCode, sequence.substr(i, piece.End - i));
        break;
    }
    i = piece.End;
  }
  text.Finish();
}

void AppendNumber(std::string& out, size_t number) {
  char digits[20];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  out.append(digits, end);
}

void AppendBlock(std::string& out, const char* command, size_t number, const std::string& comment,
                 std::string_view commentNumber, const std::string& suffix, std::string_view sequence,
                 LossList& losses) {
  out += "  \\";
  out += command;
  out += '(';
  AppendNumber(out, number);
  out += comment;
  out += commentNumber;
  out += suffix;
  out += kEol;
  AppendSequenceText(out, sequence, losses);
  out += "  }";
  out += kEol;
}

// The reader takes one set of output flags for all four tracks, and nothing else
// of a track but its header and terminator.
void AddCardReaderLosses(const TDocument& document, LossList& losses) {
  const TMacroButton& reader = document.CardReader;
  losses.At(0, 0, kMtfWholeKey);
  if (!reader.IsEmpty() && !(document.TrackMask & kAllTracks)) losses.Add(MtfLossKind::NoTrack);
  const uint8_t flags = reader.Layers[0].Click & (kCardOutputStartStop | kCardOutputLrc);
  for (int track = 1; track <= 4; ++track) {
    const TMacros& block = reader.Layers[size_t(track - 1)];
    losses.At(0, 0, track);
    if (block.Click != flags) losses.Add(MtfLossKind::OutputFlags, {}, block.Click, flags);
    if (block.AutoRepeat) losses.Add(MtfLossKind::AutoRepeat, {}, block.AutoRepeat, 0);
    if (!block.Note.empty()) losses.Add(MtfLossKind::LayerNote);
  }
}

void AppendCardReader(std::string& out, const TDocument& document, LossList& losses) {
  const Comments& texts = Texts();
  std::string tracks;
  for (int track = 0; track < 4; ++track) {
    if (!(document.TrackMask & (1u << track))) continue;
    if (!tracks.empty()) tracks += ", ";
    tracks += std::to_string(track + 1);
  }
  out += kEol;
  // "\mcreader()" would not read back (an empty list is an error); without a list
  // the reader enables every track, the nearest it can express.
  out += "\\mcreader";
  if (!tracks.empty()) out += "(" + tracks + ")";
  out += texts.Tracks + tracks + "%" + kEol;
  const TMacroButton& reader = document.CardReader;
  for (size_t track = 1; track <= 4; ++track) {
    const TMacros& block = reader.Layers[track - 1];
    const std::string number = std::to_string(track);
    losses.At(0, 0, int(track));
    if (!block.Macro[0].empty()) {
      AppendBlock(out, "header", track, texts.Header, number, texts.TrackSuffix, block.Macro[0], losses);
    }
    if (!block.Macro[1].empty()) {
      AppendBlock(out, "terminator", track, texts.Terminator, number, texts.TrackSuffix, block.Macro[1], losses);
    }
  }
  const uint8_t flags = reader.Layers[0].Click;
  if (flags & kCardOutputStartStop) out += texts.StartStop + kEol;
  if (flags & kCardOutputLrc) out += texts.Lrc + kEol;
  out += '}';
  out += kEol;
  AddCardReaderLosses(document, losses);
}

void AppendKey(std::string& out, int column, int row, const TMacroButton& key, LossList& losses) {
  const Comments& texts = Texts();
  const auto appendPosition = [&] {
    out += "\\key(";
    AppendNumber(out, size_t(column));
    out += ", ";
    AppendNumber(out, size_t(row));
  };
  if (key.Func != kFuncMacro) {
    if (key.Func < kFuncNone) {
      appendPosition();
      out += ", ";
      out += MtfFunctionConstant(key.Func);
      out += texts.SwitchKey + kEol;
    } else {
      losses.At(column, row, kMtfWholeKey);
      losses.Add(MtfLossKind::NoFunction);
      return;
    }
    for (size_t layer = 0; layer < kLayerCount; ++layer) {
      losses.At(column, row, int(layer));
      if (!key.Layers[layer].IsEmpty()) losses.Add(MtfLossKind::SwitchKeyContent);
    }
    return;
  }
  appendPosition();
  out += texts.KeyCodes;
  out += kEol;
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    const TMacros& macros = key.Layers[layer];
    const char digit = static_cast<char>('0' + layer);
    const std::string_view number(&digit, 1);
    // The end of a line of the layer: its comment, "<n>-го уровня%", CR LF.
    const auto endLine = [&](const std::string& comment) {
      out += comment;
      out += number;
      out += texts.LayerSuffix;
      out += kEol;
    };
    losses.At(column, row, int(layer));
    if (!macros.Macro[0].empty()) {
      AppendBlock(out, "down", layer, texts.Press, number, texts.LayerSuffix, macros.Macro[0], losses);
    }
    if (!macros.Macro[1].empty()) {
      AppendBlock(out, "up", layer, texts.Release, number, texts.LayerSuffix, macros.Macro[1], losses);
    }
    if (macros.AutoRepeat & 1) {
      out += "  \\autorepeat(";
      out += number;
      endLine(texts.AutoRepeat);
    }
    if (macros.AutoRepeat & ~1) losses.Add(MtfLossKind::AutoRepeat, {}, macros.AutoRepeat, macros.AutoRepeat & 1);
    // The reader takes clicks 0 to 6. Click 1 is written too: the device tells it
    // from 0, so leaving it out (as the program once did) changed the layout.
    if (macros.Click >= 1 && macros.Click <= kMaxClick) {
      out += "  \\beep(";
      AppendNumber(out, macros.Click);
      out += ", ";
      out += number;
      endLine(texts.Click);
    } else if (macros.Click > kMaxClick) {
      losses.Add(MtfLossKind::Click, {}, macros.Click);
    }
    if (!macros.Note.empty()) losses.Add(MtfLossKind::LayerNote);
  }
  out += '}';
  out += kEol;
}

// What the document holds beside its keys: notes, bookmarks and groups.
void AddNoteAndGroupLosses(const TVL2Document& document, std::vector<MtfLoss>& losses) {
  LossList list(&losses);
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      list.At(column, row, kMtfWholeKey);
      if (const TKeyNote* note = document.GetNote(column, row)) {
        if (!note->KeyNote.empty()) list.Add(MtfLossKind::KeyNote);
        if (!note->Mark.empty()) list.Add(MtfLossKind::Bookmark);
      }
      const TGroupCell group = document.GetGroup(column, row);
      if (group.IsGrouped() && group.Left == column && group.Top == row) list.Add(MtfLossKind::Group);
    }
  }
}

// About the size of the text, so that it is not copied over and over as it grows:
// a full field is tens of megabytes. Sequences of plain names take one or two
// characters per byte; a key and each of its sequences add a line or two.
size_t EstimatedTextSize(const TDocument& document) {
  size_t size = 4096;
  for (size_t index = 0; index < kFieldCells; ++index) {
    const TMacroButton* key = document.Keys.At(index).get();
    if (!key) continue;
    size += 64;
    for (const TMacros& layer : key->Layers) {
      for (const std::string& sequence : layer.Macro) {
        if (!sequence.empty()) size += 64 + 2 * sequence.size();
      }
    }
  }
  return size;
}

}  // namespace

std::string MtfSequenceText(std::string_view sequence, std::vector<MtfLoss>* losses) {
  std::string out;
  LossList list(losses);
  AppendSequenceText(out, sequence, list);
  return out;
}

std::string MtfText(const TDocument& document, const SettingsStore& settings,
                    const std::function<void(int)>& onProgress, std::vector<MtfLoss>* losses) {
  const Comments& texts = Texts();
  LossList list(losses);
  std::string out;
  ReserveLarge(out, EstimatedTextSize(document));
  out += "%";
  out += kEol;
  out += "    Ostrel Velmorando AT";
  out += kEol;
  out += "    www.ostrel.example";
  out += kEol;
  out += std::string(51, '_') + kEol;
  out += "%";
  out += kEol;
  out += kEol;

  auto boolean = [&](Setting setting) { return settings.IsOn(setting) ? "TRUE" : "FALSE"; };
  out += "\\layout(" + std::to_string(settings.LayerCountValue()) + texts.LayerCount + kEol;
  out += std::string("        ") + boolean(Setting::CorrectLock) + texts.AutoCorrect + kEol;
  out += "        " + std::to_string(settings.Get(Setting::Ibd) + 1) + texts.Interval + kEol;
  out += "        ";
  out += MtfLanguageConstant(settings.Get(Setting::Layout));
  out += texts.Language + kEol;
  out += std::string("        ") + boolean(Setting::Buffered) + texts.Buffering + kEol;

  // Enabled tracks are written even with nothing else on the card reader, so that
  // the track selection reads back.
  if (!document.CardReader.IsEmpty() || (document.TrackMask & kAllTracks)) AppendCardReader(out, document, list);

  int shown = -1;
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      const TMacroButton* key = document.GetKey(column, row);
      if (key && !key->IsEmpty()) AppendKey(out, column, row, *key, list);
    }
    const int percent = column * kFieldSize * 100 / kFieldCells;
    if (onProgress && percent != shown) onProgress(shown = percent);
  }
  return out;
}

std::vector<MtfLoss> ExportMtf(const TVL2Document& document, const std::string& fileName,
                               const SettingsStore& settings, IReporter& reporter) {
  ReportScope scope(reporter, "Экспорт в Macro Text Format");
  std::vector<MtfLoss> losses;
  const std::string text =
      MtfText(document, settings, [&](int percent) { reporter.SetProgress(percent); }, &losses);
  if (!WriteFileSafely(std::filesystem::path(fileName), text)) {
    throw FileWriteError(WithFileName(WriteFailureText(std::filesystem::path(fileName)), fileName));
  }
  AddNoteAndGroupLosses(document, losses);
  std::stable_sort(losses.begin(), losses.end(), [](const MtfLoss& a, const MtfLoss& b) {
    return std::pair(a.Column, a.Row) < std::pair(b.Column, b.Row);
  });
  return losses;
}

}  // namespace vl
