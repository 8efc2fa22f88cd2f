#include "core/mtf/Convert.h"

#include <limits>
#include <memory>

#include "core/mtf/MtfKeyNames.h"
#include "core/text/Cp1251.h"
#include "core/text/ScanCode.h"

namespace vl {
namespace {

constexpr int kError = 0;  // error 73 in the action table

// Rows: lexer state 0 between commands, 1 in a name, 2 in a comment, 3 in a
// parameter list. Columns: character class 0..14.
constexpr uint8_t kActions[4][15] = {
    {1, kError, kError, 5, 6, kError, 10, kError, kError, 13, 10, kError, kError, kError, kError},
    {2, 3, kError, 15, 9, 7, 8, 11, 12, 13, 8, 2, kError, kError, kError},
    {10, 10, 10, 10, 10, 10, 10, 10, 10, 13, 10, 10, 10, 10, 10},
    {7, kError, 4, kError, kError, 7, 7, kError, kError, 13, 10, 7, 7, 7, 7},
};

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

int CharacterClass(char upper) {
  switch (upper) {
    case '\\': return 0;
    case '(': return 1;
    case ')': return 2;
    case '{': return 3;
    case '}': return 4;
    case ' ': case '\t': return 6;
    case '^': return 7;
    case '_': return 8;
    case '%': return 9;
    case '\r': case '\n': return 10;
    case ',': return 11;
    case ':': return 13;
    case '.': return 14;
    default:
      if ((upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9')) return 5;
      return 12;
  }
}

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
  return text;
}

// Signed decimal, or hexadecimal after "$", "0X" or "X" (the text is upper case).
std::optional<long long> ParseNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with("$")) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.starts_with("X")) {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > std::numeric_limits<int32_t>::max() + 1LL) return std::nullopt;
  }
  value = negative ? -value : value;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return value;
}

bool IsSelectionCommand(MtfCommandId id) {
  return id == MtfCommandId::Down || id == MtfCommandId::Up || id == MtfCommandId::AutoRepeat ||
         id == MtfCommandId::Header || id == MtfCommandId::Terminator;
}

bool OpensEnvironment(MtfCommandId id) {
  return id == MtfCommandId::Key || id == MtfCommandId::McReader || id == MtfCommandId::Down ||
         id == MtfCommandId::Up || id == MtfCommandId::Header || id == MtfCommandId::Terminator;
}

// The main file name for the report, upper-cased like the program does (Latin and
// Cyrillic); a name that code page 1251 cannot hold gets its Latin letters only.
std::string UpperFileName(const std::string& utf8) {
  if (auto cp = Utf8ToCp1251(utf8)) return Cp1251ToUtf8(Cp1251ToUpper(*cp));
  std::string upper = utf8;
  for (char& c : upper) c = UpperAscii(c);
  return upper;
}

}  // namespace

TConvert::TConvert(const std::string& fileName, TDocument& target, SettingsStore& settings,
                   IncludeLoader loader, IncludeLimits limits)
    : target_(target),
      settings_(settings),
      loader_(std::move(loader)),
      limits_(limits),
      mainFileName_(fileName) {
  levels_[0].FileName = Cp1251ToUpper(Utf8ToCp1251Lossy(fileName));
}

void TConvert::Process(char c) {
  if (Failed()) return;
  Step(c);
  DrainIncludes();
}

// Included files are read here, deepest level first, so that an \include inside an
// included file is finished before the file holding it continues.
void TConvert::DrainIncludes() {
  while (!Failed() && includeDepth_ >= 2) {
    TInclude& level = levels_[includeDepth_ - 1];
    if (level.Position == level.Chunk.size()) {
      const auto chunk = level.Source->NextChunk();
      if (!chunk) return SetError(2, "Ошибка чтения файла [" + Cp1251ToUtf8(level.FileName) + "]");
      if (chunk->empty()) {
        level = TInclude{};
        --includeDepth_;
      } else {
        level.Chunk = *chunk;
        level.Position = 0;
      }
      continue;
    }
    if (bytesIncluded_ == limits_.Bytes) {
      return SetError(6, "Превышен объем включаемых файлов (" + std::to_string(limits_.Bytes) +
                             " байт)");
    }
    ++bytesIncluded_;
    Step(level.Chunk[level.Position++]);
  }
}

void TConvert::Step(char c) {
  TInclude& level = levels_[includeDepth_ - 1];
  ++level.Column;
  if (c == '\n') {
    ++level.Line;
    if (includeDepth_ == 1) level.Column = 0;
  }
  const char upper = UpperAscii(c);
  switch (kActions[state_][CharacterClass(upper)]) {
    case kError:
      SetCharacterError(73, "Неизвестный символ ", c);
      break;
    case 1:
      BeginCommand();
      break;
    case 2:
      SaveCommand();
      Execute(savedName_, savedModifier_, nullptr);
      if (!Failed()) BeginCommand();
      break;
    case 3:
      SaveCommand();
      state_ = 3;
      text_.clear();
      break;
    case 4:
      if (text_.empty()) {
        SetError(70, "Отсутствует параметр");
        break;
      }
      state_ = 0;
      Execute(savedName_, savedModifier_, &text_);
      break;
    case 5:
      if (!savedPresent_) {
        SetError(71, "Отсутствует команда окружения");
        break;
      }
      state_ = 0;
      OpenEnvironment();
      break;
    case 6:
      CloseEnvironment();
      savedPresent_ = false;
      break;
    case 7:
      text_ += c;
      break;
    case 8:
      SaveCommand();
      state_ = 0;
      Execute(savedName_, savedModifier_, nullptr);
      break;
    case 9:
      state_ = 0;
      Execute(text_, modifier_, nullptr);
      if (Failed()) break;
      CloseEnvironment();
      savedPresent_ = false;
      break;
    case 10:
      break;
    case 11:
    case 12: {
      const Modifier same = upper == '^' ? Modifier::Release : Modifier::Press;
      if (modifier_ == Modifier::None) {
        modifier_ = same;
        text_.clear();
      } else if (modifier_ == same) {
        SetCharacterError(72, "Дублирование символа ", c);
      } else {
        modifier_ = Modifier::None;
      }
      break;
    }
    case 13:
      if (state_ == 2) {
        state_ = commentState_;
        break;
      }
      if (state_ == 1) {
        SaveCommand();
        state_ = 0;
        Execute(savedName_, savedModifier_, nullptr);
        if (Failed()) break;
      }
      commentState_ = state_;
      state_ = 2;
      break;
    case 15:
      state_ = 0;
      Execute(text_, modifier_, nullptr);
      if (!Failed()) OpenEnvironment();
      break;
  }
}

bool TConvert::Finish() {
  if (Failed()) return false;
  if (state_ == 1) {
    state_ = 0;
    Execute(text_, modifier_, nullptr);
  } else if (state_ == 2) {
    SetError(69, "Отсутствует закрытие комментария");
  } else if (state_ == 3) {
    SetError(59, "Ошибочный параметр");
  }
  if (!Failed() && environmentDepth_ > 0) SetError(53, "Отсутствует }");
  return !Failed();
}

void TConvert::SetError(int number, const std::string& text) {
  if (Failed()) return;
  errorNumber_ = number;
  errorMessage_ = "Ошибка " + std::to_string(number) + ". ";
  if (includeDepth_ >= 2) {
    errorMessage_ += " Строка " + std::to_string(levels_[includeDepth_ - 1].Line) + ". ";
  }
  errorMessage_ += text;
}

void TConvert::SetCharacterError(int number, const char* text, char c) {
  SetError(number, text + Cp1251ToUtf8(std::string(1, c)) + " (ASCII:" +
                       std::to_string(static_cast<unsigned char>(c)) + ")");
}

std::string TConvert::ErrorReport() const {
  return "Файл " + UpperFileName(mainFileName_) + ", cтрока " + std::to_string(ErrorLine()) +
         ", столбец " + std::to_string(ErrorColumn()) + "\r\n" + errorMessage_;
}

void TConvert::BeginCommand() {
  state_ = 1;
  text_.clear();
  modifier_ = Modifier::None;
}

void TConvert::SaveCommand() {
  savedPresent_ = true;
  savedName_.assign(text_);
  savedModifier_ = modifier_;
}

void TConvert::Execute(std::string_view name, Modifier modifier, const std::string* parameterText) {
  upperName_.assign(name);
  for (char& c : upperName_) c = UpperAscii(c);
  const MtfCommand* command = FindMtfCommand(upperName_);
  if (!command) return SetError(55, "Неизвестная команда");
  const bool isText = command->Id == MtfCommandId::Text;
  if (modifier != Modifier::None && command->Id != MtfCommandId::KeyName && !isText) {
    return SetError(56, "Ошибочное употребление модификаторов");
  }
  parameterCount_ = 0;
  if (parameterText && !SplitParameters(*parameterText, isText)) return;
  if (parameterCount_ < command->MinParams || parameterCount_ > command->MaxParams) {
    return SetError(57, "Ошибочное число параметров команды");
  }
  lastCommand_ = command->Id;
  RunCommand(*command, modifier);
}

bool TConvert::SplitParameters(const std::string& text, bool forText) {
  if (text.front() == ',' || text.back() == ',') {
    SetError(54, "Ошибочная запись параметров команды");
    return false;
  }
  size_t start = 0;
  while (true) {
    if (parameterCount_ == kMaxParameters) {
      SetError(57, "Ошибочное число параметров команды");
      return false;
    }
    const size_t comma = text.find(',', start);
    const size_t end = comma == std::string::npos ? text.size() : comma;
    std::string_view part(text.data() + start, end - start);
    if (!forText) part = Trim(part);
    if (parameterCount_ == 0) includeName_.assign(part);
    std::string& parameter = parameters_[parameterCount_++];
    parameter.assign(part);
    for (char& c : parameter) c = UpperAscii(c);
    if (!forText) {
      if (auto value = FindMtfConstant(parameter)) parameter = std::to_string(*value);
    }
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

bool TConvert::ReadNumber(int index, int low, int high, int& value) {
  const auto number = ParseNumber(parameters_[index]);
  if (!number) {
    SetError(59, "Ошибочный параметр");
    return false;
  }
  if (*number < low || *number > high) {
    SetError(66, "Ошибочный параметр");
    return false;
  }
  value = static_cast<int>(*number);
  return true;
}

// Layers 0..3 (low 0) or tracks 1..4 (low 1); none listed selects all four.
bool TConvert::ReadSelection(int low) {
  if (parameterCount_ == 0) {
    selection_.fill(1);
    return true;
  }
  std::array<uint8_t, 4> flags{};
  for (int i = 0; i < parameterCount_; ++i) {
    int value;
    if (!ReadNumber(i, low, low + 3, value)) return false;
    flags[value - low] = 1;
  }
  selection_ = flags;
  return true;
}

bool TConvert::CheckPlacement(MtfCommandId id) {
  const Environment* inner = Innermost();
  const MtfCommandId kind = inner ? inner->Kind : MtfCommandId::Label;
  switch (id) {
    case MtfCommandId::Key: case MtfCommandId::McReader: case MtfCommandId::Layout:
    case MtfCommandId::MoveRect: case MtfCommandId::StandardKey: case MtfCommandId::Layers:
    case MtfCommandId::Ibd: case MtfCommandId::KeyBuff: case MtfCommandId::AutoCorrectLock:
      if (inner) SetError(58, "Команда употребляется вне окружения");
      break;
    case MtfCommandId::Down: case MtfCommandId::Up: case MtfCommandId::AutoRepeat:
    case MtfCommandId::Beep:
      if (!inner || kind != MtfCommandId::Key) {
        SetError(60, "Команда употребляется в окружении команды \\KEY");
      }
      break;
    case MtfCommandId::Header: case MtfCommandId::Terminator: case MtfCommandId::Lrc:
    case MtfCommandId::SsSymbols:
      if (!inner || kind != MtfCommandId::McReader) {
        SetError(61, "Команда употребляется в окружении команды \\MCREADER");
      }
      break;
    case MtfCommandId::KeyName: case MtfCommandId::Wait: case MtfCommandId::Text:
      if (!inner || (kind != MtfCommandId::Down && kind != MtfCommandId::Up &&
                     kind != MtfCommandId::Header && kind != MtfCommandId::Terminator)) {
        SetError(63, std::string("Команда употребляется в") +
                         " окружении \\DOWN, \\UP, \\HEADER или \\TERMINATOR");
      }
      break;
    case MtfCommandId::Include: case MtfCommandId::Label: case MtfCommandId::Ref:
      break;
  }
  return !Failed();
}

// A key must land inside the field once the offsets are added; anything else is
// refused rather than written beside the matrix.
bool TConvert::CheckField(int column, int row) {
  if (column + columnOffset_ > kFieldSize || row + rowOffset_ > kFieldSize) {
    SetError(66, "Ошибочный параметр");
    return false;
  }
  return true;
}

void TConvert::StoreKey(int column, int row, const TMacroButton& record) {
  target_.SetKey(column + columnOffset_, row + rowOffset_, std::make_unique<TMacroButton>(record));
}

void TConvert::RunCommand(const MtfCommand& command, Modifier modifier) {
  const MtfCommandId id = command.Id;
  if (IsSelectionCommand(id)) {
    const int low = (id == MtfCommandId::Header || id == MtfCommandId::Terminator) ? 1 : 0;
    if (!ReadSelection(low) || !CheckPlacement(id)) return;
    if (id == MtfCommandId::AutoRepeat) {
      for (int layer = 0; layer < kLayerCount; ++layer) {
        if (selection_[layer]) keyInProgress_.Layers[layer].AutoRepeat |= 1;
      }
    }
    return;
  }
  if (id == MtfCommandId::Layout && layoutSeen_) return SetError(74, "Дублирование команды");
  if (!CheckPlacement(id)) return;

  int values[5] = {};
  switch (id) {
    case MtfCommandId::Key: {
      if (!ReadNumber(0, 1, 255, values[0]) || !ReadNumber(1, 1, 255, values[1]) ||
          !ReadNumber(2, 0, 10, values[2]) || !CheckField(values[0], values[1])) {
        return;
      }
      keyInProgress_ = TMacroButton{};
      keyInProgress_.Func = static_cast<uint8_t>(values[2]);
      keyColumn_ = values[0];
      keyRow_ = values[1];
      if (keyInProgress_.Func != kFuncMacro) StoreKey(keyColumn_, keyRow_, keyInProgress_);
      return;
    }
    case MtfCommandId::StandardKey: {
      if (!ReadNumber(0, 1, 255, values[0]) || !ReadNumber(1, 1, 255, values[1])) return;
      const MtfCommand* key = FindMtfCommand(parameters_[2]);
      if (!key || key->Id != MtfCommandId::KeyName) return SetError(59, "Ошибочный параметр");
      if (!CheckField(values[0], values[1])) return;
      const MtfKeyName& name = MtfKeyNames()[key->KeyIndex];
      TMacroButton record;
      record.Func = kFuncMacro;
      for (auto& layer : record.Layers) {
        layer.Macro[0] = name.Press;
        layer.Macro[1] = name.Release;
        layer.AutoRepeat = 1;
      }
      StoreKey(values[0], values[1], record);
      return;
    }
    case MtfCommandId::McReader: {
      if (!ReadSelection(1)) return;
      keyInProgress_ = TMacroButton{};
      uint8_t mask = 0;
      for (int track = 0; track < 4; ++track) {
        if (selection_[track]) mask |= static_cast<uint8_t>(1u << track);
      }
      target_.SetTrackMask(mask);
      return;
    }
    case MtfCommandId::Layout:
      if (!ReadNumber(0, 1, 4, values[0]) || !ReadNumber(1, 0, 1, values[1]) ||
          !ReadNumber(2, 1, 16, values[2]) || !ReadNumber(3, 0, 2, values[3]) ||
          !ReadNumber(4, 0, 1, values[4])) {
        return;
      }
      layoutSeen_ = true;
      settings_.Set(Setting::LayerCount, static_cast<uint8_t>(values[0] - 1));
      settings_.Set(Setting::CorrectLock, static_cast<uint8_t>(values[1]));
      settings_.Set(Setting::Ibd, static_cast<uint8_t>(values[2] - 1));
      settings_.Set(Setting::Layout, static_cast<uint8_t>(values[3]));
      settings_.Set(Setting::Buffered, static_cast<uint8_t>(values[4]));
      return;
    case MtfCommandId::MoveRect:
      if (!ReadNumber(0, 1, 255, values[0]) || !ReadNumber(1, 1, 255, values[1])) return;
      columnOffset_ = values[0];
      rowOffset_ = values[1];
      return;
    case MtfCommandId::Beep: {
      int click = 2;
      if (parameterCount_ >= 1 && !ReadNumber(0, 0, 6, click)) return;
      std::array<bool, 4> layers{true, true, true, true};
      if (parameterCount_ >= 2) {
        layers.fill(false);
        for (int i = 1; i < parameterCount_; ++i) {
          int layer;
          if (!ReadNumber(i, 0, 3, layer)) return;
          layers[layer] = true;
        }
      }
      for (int layer = 0; layer < kLayerCount; ++layer) {
        if (layers[layer]) keyInProgress_.Layers[layer].Click = static_cast<uint8_t>(click);
      }
      return;
    }
    case MtfCommandId::Lrc:
    case MtfCommandId::SsSymbols: {
      const uint8_t flag = id == MtfCommandId::Lrc ? kCardOutputLrc : kCardOutputStartStop;
      for (auto& block : keyInProgress_.Layers) block.Click |= flag;
      return;
    }
    case MtfCommandId::Layers:
      if (!ReadNumber(0, 1, 4, values[0])) return;
      settings_.Set(Setting::LayerCount, static_cast<uint8_t>(values[0] - 1));
      return;
    case MtfCommandId::Ibd:
      if (!ReadNumber(0, 1, 16, values[0])) return;
      settings_.Set(Setting::Ibd, static_cast<uint8_t>(values[0] - 1));
      return;
    case MtfCommandId::KeyBuff:
      settings_.Set(Setting::Buffered, 1);
      return;
    case MtfCommandId::AutoCorrectLock:
      settings_.Set(Setting::CorrectLock, 1);
      return;
    case MtfCommandId::KeyName: {
      int repeat = 1;
      if (parameterCount_ == 1 && !ReadNumber(0, 0, 255, repeat)) return;
      AppendKeyName(command.KeyIndex, modifier, repeat);
      return;
    }
    case MtfCommandId::Wait: {
      int pause = 2;
      if (parameterCount_ == 1 && !ReadNumber(0, 0, kMaxWait, pause)) return;
      const char bytes[2] = {static_cast<char>(kScanWait), static_cast<char>(kWaitBase + pause)};
      Append(std::string_view(bytes, 2), 1);
      return;
    }
    case MtfCommandId::Text:
      for (char c : parameters_[0]) {
        const auto keyName = TextCharacterKeyName(c);
        const MtfCommand* key = keyName ? FindMtfCommand(*keyName) : nullptr;
        if (!key) return SetError(55, "Неизвестная команда");
        AppendKeyName(key->KeyIndex, modifier, 1);
        if (Failed()) return;
      }
      return;
    case MtfCommandId::Include:
      RunInclude();
      return;
    default:  // \label, \ref
      return;
  }
}

void TConvert::AppendKeyName(int keyIndex, Modifier modifier, int repeat) {
  const MtfKeyName& key = MtfKeyNames()[keyIndex];
  if (modifier == Modifier::Release) return Append(key.Release, repeat);
  if (modifier == Modifier::Press) return Append(key.Press, repeat);
  const std::string pair = key.Press + key.Release;
  Append(pair, repeat);
}

// Appends to every selected sequence of the innermost environment; refuses the
// whole append when one of them would grow beyond 255 bytes.
void TConvert::Append(std::string_view bytes, int repeat) {
  const Environment& inner = *Innermost();
  const int side = (inner.Kind == MtfCommandId::Down || inner.Kind == MtfCommandId::Header) ? 0 : 1;
  const size_t added = bytes.size() * static_cast<size_t>(repeat);
  for (int layer = 0; layer < kLayerCount; ++layer) {
    if (inner.Bytes[layer] && keyInProgress_.Layers[layer].Macro[side].size() + added > kMaxSequenceLength) {
      return SetError(67, "Переполнение буфера команд окружения");
    }
  }
  for (int layer = 0; layer < kLayerCount; ++layer) {
    if (!inner.Bytes[layer]) continue;
    std::string& sequence = keyInProgress_.Layers[layer].Macro[side];
    for (int i = 0; i < repeat; ++i) sequence.append(bytes);
  }
}

void TConvert::RunInclude() {
  if (includeDepth_ == kMaxIncludeDepth) return SetError(3, "Переполнения стека файлов");
  const std::string& name = parameters_[0];
  for (int i = 0; i < includeDepth_; ++i) {
    if (levels_[i].FileName == name) {
      return SetError(4, "Циклическая ссылка в файле [" +
                             Cp1251ToUtf8(levels_[includeDepth_ - 1].FileName) + "]");
    }
  }
  if (filesOpened_ == limits_.Files) {
    return SetError(5, "Превышено число включаемых файлов (" + std::to_string(limits_.Files) + ")");
  }
  auto source = loader_ ? loader_(Cp1251ToUtf8(includeName_)) : nullptr;
  if (!source) return SetError(2, "Ошибка чтения файла [" + Cp1251ToUtf8(name) + "]");
  ++filesOpened_;
  TInclude& level = levels_[includeDepth_];
  level = TInclude{};
  level.Source = std::move(source);
  level.FileName = name;
  ++includeDepth_;
}

void TConvert::OpenEnvironment() {
  if (!lastCommand_ || !OpensEnvironment(*lastCommand_)) {
    return SetError(64, "Команда не имеет окружения");
  }
  if (environmentDepth_ == kMaxEnvironmentDepth) {
    return SetError(65, "Переполнение стека команд окружения");
  }
  Environment& entry = environments_[environmentDepth_++];
  entry.Kind = *lastCommand_;
  if (entry.Kind == MtfCommandId::Key) {
    entry.Bytes = {static_cast<uint8_t>(keyColumn_ - 1), static_cast<uint8_t>(keyRow_ - 1),
                   keyInProgress_.Func, 0};
  } else {
    entry.Bytes = selection_;
  }
}

void TConvert::CloseEnvironment() {
  if (environmentDepth_ == 0) return SetCharacterError(73, "Неизвестный символ ", '}');
  const Environment& inner = environments_[environmentDepth_ - 1];
  if (inner.Kind == MtfCommandId::Key) {
    if (keyInProgress_.Func == kFuncMacro) {
      StoreKey(keyColumn_, keyRow_, keyInProgress_);
    } else {
      TMacroButton record;
      record.Func = keyInProgress_.Func;
      for (int layer = 0; layer < kLayerCount; ++layer) {
        record.Layers[layer].AutoRepeat = keyInProgress_.Layers[layer].AutoRepeat;
      }
      StoreKey(keyColumn_, keyRow_, record);
    }
  } else if (inner.Kind == MtfCommandId::McReader) {
    target_.SetCardReader(keyInProgress_);
  }
  --environmentDepth_;
}

}  // namespace vl
