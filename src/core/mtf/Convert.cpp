#include "core/mtf/Convert.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

#include "core/document/RecordOps.h"
#include "core/mtf/MtfKeyNames.h"
#include "core/text/Cp1251.h"
#include "core/text/ScanCode.h"

namespace vl {
namespace {

// Classes of characters, after upper-casing ASCII letters.
enum class CharClass : uint8_t {
  Backslash, OpenParen, CloseParen, OpenBrace, CloseBrace, NameChar, Blank, Caret, Underscore,
  Percent, LineEnd, Comma, Other, Colon, FullStop,
};
constexpr size_t kCharClassCount = static_cast<size_t>(CharClass::FullStop) + 1;

// What the lexer does with a character in a state.
enum class LexAction : uint8_t {
  Bad,           // error 73: the state does not allow the character
  Begin,         // begin a command name
  RunAndBegin,   // execute the name read so far, then begin the next name at once
  Parameters,    // the name is complete: collect a parameter list
  RunWithList,   // execute the saved name with the parameter list
  Open,          // open an environment for the command executed last
  Close,         // close the innermost environment
  Add,           // append the character to the token
  Run,           // execute the name read so far
  RunAndClose,   // execute the name read so far, then close the innermost environment
  Skip,          // nothing
  Release,       // "^" before a name
  Press,         // "_" before a name
  Comment,       // "%": a comment begins or ends
  RunAndOpen,    // execute the name read so far, then open its environment
};

constexpr CharClass ClassOf(char upper) {
  switch (upper) {
    case '\\': return CharClass::Backslash;
    case '(': return CharClass::OpenParen;
    case ')': return CharClass::CloseParen;
    case '{': return CharClass::OpenBrace;
    case '}': return CharClass::CloseBrace;
    case ' ': case '\t': return CharClass::Blank;
    case '^': return CharClass::Caret;
    case '_': return CharClass::Underscore;
    case '%': return CharClass::Percent;
    case '\r': case '\n': return CharClass::LineEnd;
    case ',': return CharClass::Comma;
    case ':': return CharClass::Colon;
    case '.': return CharClass::FullStop;
    default:
      if ((upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9')) return CharClass::NameChar;
      return CharClass::Other;
  }
}

using A = LexAction;
// One row per character class; the columns are the lexer states in their order.
constexpr std::array<std::array<LexAction, 4>, kCharClassCount> kActions = {{
    //                between         in a name        in a comment  in a parameter list
    /* \       */ {{A::Begin,        A::RunAndBegin,  A::Skip,      A::Add}},
    /* (       */ {{A::Bad,          A::Parameters,   A::Skip,      A::Bad}},
    /* )       */ {{A::Bad,          A::Bad,          A::Skip,      A::RunWithList}},
    /* {       */ {{A::Open,         A::RunAndOpen,   A::Skip,      A::Bad}},
    /* }       */ {{A::Close,        A::RunAndClose,  A::Skip,      A::Bad}},
    /* A-Z 0-9 */ {{A::Bad,          A::Add,          A::Skip,      A::Add}},
    /* blank   */ {{A::Skip,         A::Run,          A::Skip,      A::Add}},
    /* ^       */ {{A::Bad,          A::Release,      A::Skip,      A::Bad}},
    /* _       */ {{A::Bad,          A::Press,        A::Skip,      A::Bad}},
    /* %       */ {{A::Comment,      A::Comment,      A::Comment,   A::Comment}},
    /* CR LF   */ {{A::Skip,         A::Run,          A::Skip,      A::Skip}},
    /* ,       */ {{A::Bad,          A::RunAndBegin,  A::Skip,      A::Add}},
    /* other   */ {{A::Bad,          A::Bad,          A::Skip,      A::Add}},
    /* :       */ {{A::Bad,          A::Bad,          A::Skip,      A::Add}},
    /* .       */ {{A::Bad,          A::Bad,          A::Skip,      A::Add}},
}};

// What the lexer does with each byte in each state, looked up once per byte.
constexpr std::array<std::array<LexAction, 256>, 4> kActionsByByte = [] {
  std::array<std::array<LexAction, 256>, 4> table{};
  for (size_t byte = 0; byte < 256; ++byte) {
    char c = static_cast<char>(byte);
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (size_t state = 0; state < 4; ++state) {
      table[state][byte] = kActions[static_cast<size_t>(ClassOf(c))][state];
    }
  }
  return table;
}();

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

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

// What a key name without a modifier appends: its press, then its release.
const std::array<std::string, kMtfKeyNameCount>& Strokes() {
  static const auto kStrokes = [] {
    std::array<std::string, kMtfKeyNameCount> strokes;
    for (size_t i = 0; i < strokes.size(); ++i) strokes[i] = MtfKeyNames()[i].Press + MtfKeyNames()[i].Release;
    return strokes;
  }();
  return kStrokes;
}

bool IsSelectionCommand(MtfCommandId id) {
  return id == MtfCommandId::Down || id == MtfCommandId::Up || id == MtfCommandId::AutoRepeat ||
         id == MtfCommandId::Header || id == MtfCommandId::Terminator;
}

// The environments key names, \wait and \text append to.
bool IsSequenceEnvironment(MtfCommandId id) {
  return id == MtfCommandId::Down || id == MtfCommandId::Up || id == MtfCommandId::Header ||
         id == MtfCommandId::Terminator;
}

// Which of a key's two sequences such an environment fills: press (0) or release (1).
size_t SequenceSide(MtfCommandId id) {
  return (id == MtfCommandId::Down || id == MtfCommandId::Header) ? 0 : 1;
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

void TConvert::Process(std::string_view text) {
  while (!text.empty() && !Failed()) {
    text.remove_prefix(Scan(text));
    DrainIncludes();
  }
}

size_t TConvert::Scan(std::string_view text) {
  const size_t depth = includeDepth_;
  size_t at = 0;
  uint32_t& column = levels_[depth - 1].Column;
  while (at < text.size() && !Failed() && includeDepth_ == depth) {
    if (state_ == LexState::BetweenCommands) {
      at += TakeKeyNames(text.substr(at));
      // Blanks up to the next command, the most frequent way between two.
      size_t next = at;
      while (next < text.size() && (text[next] == ' ' || text[next] == '\t' || text[next] == '\r')) ++next;
      column += static_cast<uint32_t>(next - at);
      at = next;
      if (at == text.size()) break;
      if (text[at] == '\\') {
        ++column;
        ++at;
        BeginCommand();
        continue;
      }
    }
    const std::string_view rest = text.substr(at);
    if (state_ == LexState::InName && text_.empty() && modifier_ == Modifier::None) {
      if (const size_t taken = TakeCommand(rest)) {
        at += taken;
        continue;
      }
    } else if (state_ == LexState::InComment) {
      // A comment closed on the same line is skipped whole.
      const size_t close = rest.find('%');
      if (close != std::string_view::npos && rest.substr(0, close).find('\n') == std::string_view::npos) {
        column += static_cast<uint32_t>(close + 1);
        at += close + 1;
        state_ = commentState_;
        continue;
      }
    }
    if (const size_t run = TakeRun(rest)) {
      at += run;
      continue;
    }
    Step(text[at++]);
  }
  return at;
}

size_t TConvert::TakeCommand(std::string_view text) {
  const auto& inName = kActionsByByte[static_cast<size_t>(LexState::InName)];
  size_t at = 0;
  Modifier modifier = Modifier::None;
  if (text.front() == '^' || text.front() == '_') {
    modifier = text.front() == '^' ? Modifier::Release : Modifier::Press;
    ++at;
  }
  const size_t start = at;
  while (at < text.size() && inName[static_cast<unsigned char>(text[at])] == LexAction::Add) ++at;
  if (at == text.size()) return 0;
  const std::string_view name = text.substr(start, at - start);
  uint32_t& column = levels_[includeDepth_ - 1].Column;
  const char end = text[at];
  switch (end) {
    case '(': {
      const auto& inList = kActionsByByte[static_cast<size_t>(LexState::InParameters)];
      size_t close = at + 1;
      while (close < text.size() && inList[static_cast<unsigned char>(text[close])] == LexAction::Add) ++close;
      if (close == text.size() || text[close] != ')') return 0;
      column += static_cast<uint32_t>(close + 1);
      savedPresent_ = true;
      savedModifier_ = modifier;
      const std::string_view list = text.substr(at + 1, close - at - 1);
      if (list.empty()) {
        SetError(70, kMtfMissingParameter);
      } else {
        state_ = LexState::BetweenCommands;
        Execute(name, modifier, &list);
      }
      return close + 1;
    }
    case ' ': case '\t': case '\r': case '%': case '\\': case ',':
      // Executed as the name is complete; a "%" then opens a comment, and "\" or ","
      // begins the next name at once (the state stays as it is: in a name, empty).
      column += static_cast<uint32_t>(at + 1);
      savedPresent_ = true;
      savedModifier_ = modifier;
      if (end != '\\' && end != ',') state_ = LexState::BetweenCommands;
      Execute(name, modifier, nullptr);
      if (end == '%' && !Failed()) {
        commentState_ = state_;
        state_ = LexState::InComment;
      }
      return at + 1;
    case '{': case '}':
      column += static_cast<uint32_t>(at + 1);
      state_ = LexState::BetweenCommands;
      Execute(name, modifier, nullptr);
      if (!Failed()) end == '{' ? OpenEnvironment() : CloseEnvironment();
      return at + 1;
    default:
      return 0;
  }
}

size_t TConvert::TakeKeyNames(std::string_view text) {
  const Environment* inner = Innermost();
  if (!inner || !IsSequenceEnvironment(inner->Kind)) return 0;
  const size_t side = SequenceSide(inner->Kind);
  std::array<std::string*, kLayerCount> targets{};
  size_t targetCount = 0;
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    if (inner->Bytes[layer]) targets[targetCount++] = &keyInProgress_.Layers[layer].Macro[side];
  }
  const auto& inName = kActionsByByte[static_cast<size_t>(LexState::InName)];
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  size_t taken = 0;
  while (true) {
    size_t slash = taken;
    while (slash < text.size() && isBlank(text[slash])) ++slash;
    if (slash == text.size() || text[slash] != '\\') break;
    size_t end = slash + 1;
    while (end < text.size() && inName[static_cast<unsigned char>(text[end])] == LexAction::Add) ++end;
    if (end == slash + 1 || end == text.size() || !isBlank(text[end])) break;
    const MtfCommand* command = FindMtfCommand(text.substr(slash + 1, end - slash - 1));
    if (!command || command->Id != MtfCommandId::KeyName) break;
    const std::string& stroke = Strokes()[static_cast<size_t>(command->KeyIndex)];
    bool fits = true;
    for (size_t i = 0; i < targetCount; ++i) fits = fits && targets[i]->size() + stroke.size() <= kMaxSequenceLength;
    if (!fits) break;  // the general path reports the overflow
    for (size_t i = 0; i < targetCount; ++i) targets[i]->append(stroke);
    taken = end + 1;
  }
  if (taken == 0) return 0;
  // As the last name's begin, TakeCommand and Execute leave it.
  text_.clear();
  modifier_ = Modifier::None;
  savedPresent_ = true;
  savedModifier_ = Modifier::None;
  parameterCount_ = 0;
  lastCommand_ = MtfCommandId::KeyName;
  levels_[includeDepth_ - 1].Column += static_cast<uint32_t>(taken);
  return taken;
}

size_t TConvert::TakeRun(std::string_view text) {
  const auto& actions = kActionsByByte[static_cast<size_t>(state_)];
  const LexAction action = actions[static_cast<unsigned char>(text.front())];
  if (action != LexAction::Add && action != LexAction::Skip) return 0;
  size_t length = 0;
  if (state_ == LexState::InComment) {
    // Everything up to the closing "%" is skipped: found by the library's scan,
    // as comments make up much of an exported text.
    length = std::min(text.find('%'), text.size());
  } else {
    while (length < text.size() && actions[static_cast<unsigned char>(text[length])] == action) ++length;
  }
  // A line feed counts a line, so Step takes it.
  length = std::min(length, text.substr(0, length).find('\n'));
  if (action == LexAction::Add) text_.append(text.data(), length);
  levels_[includeDepth_ - 1].Column += static_cast<uint32_t>(length);
  return length;
}

// Included files are read here, deepest level first, so that an \include inside an
// included file is finished before the file holding it continues.
void TConvert::DrainIncludes() {
  while (!Failed() && includeDepth_ >= 2) {
    TInclude& level = levels_[includeDepth_ - 1];
    if (level.Position == level.Chunk.size()) {
      const auto chunk = level.Source->NextChunk();
      if (!chunk) return SetError(2, kMtfIncludeReadError, {Cp1251ToUtf8(level.FileName)});
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
      return SetError(6, kMtfIncludesTooLarge, {std::to_string(limits_.Bytes)});
    }
    const size_t allowed = static_cast<size_t>(
        std::min<uint64_t>(level.Chunk.size() - level.Position, limits_.Bytes - bytesIncluded_));
    const size_t taken = Scan(level.Chunk.substr(level.Position, allowed));
    level.Position += taken;
    bytesIncluded_ += taken;
  }
}

void TConvert::Step(char c) {
  TInclude& level = levels_[includeDepth_ - 1];
  ++level.Column;
  if (c == '\n') {
    ++level.Line;
    level.Column = 0;
  }
  switch (kActionsByByte[static_cast<size_t>(state_)][static_cast<unsigned char>(c)]) {
    case LexAction::Bad: return SetCharacterError(73, kMtfUnknownCharacter, c);
    case LexAction::Begin: return BeginCommand();
    case LexAction::RunAndBegin: return RunAndBegin();
    case LexAction::Parameters: return BeginParameters();
    case LexAction::RunWithList: return RunWithParameters();
    case LexAction::Open: return OpenAfterClose();
    case LexAction::Close: return CloseEnvironment();
    case LexAction::Add: text_ += c; return;
    case LexAction::Run: return RunName();
    case LexAction::RunAndClose: return RunAndClose();
    case LexAction::Skip: return;
    case LexAction::Release: return SetModifier(Modifier::Release, c);
    case LexAction::Press: return SetModifier(Modifier::Press, c);
    case LexAction::Comment: return ToggleComment();
    case LexAction::RunAndOpen: return RunAndOpen();
  }
}

void TConvert::RunAndBegin() {
  SaveCommand();
  Execute(savedName_, savedModifier_, nullptr);
  if (!Failed()) BeginCommand();
}

void TConvert::BeginParameters() {
  SaveCommand();
  state_ = LexState::InParameters;
  text_.clear();
}

void TConvert::RunWithParameters() {
  if (text_.empty()) return SetError(70, kMtfMissingParameter);
  state_ = LexState::BetweenCommands;
  const std::string_view list = text_;
  Execute(savedName_, savedModifier_, &list);
}

// "{" between commands: it belongs to the command saved last, which a "}" forgets.
void TConvert::OpenAfterClose() {
  if (!savedPresent_) return SetError(71, kMtfMissingEnvironmentCommand);
  state_ = LexState::BetweenCommands;
  OpenEnvironment();
}

void TConvert::RunName() {
  SaveCommand();
  state_ = LexState::BetweenCommands;
  Execute(savedName_, savedModifier_, nullptr);
}

void TConvert::RunAndClose() {
  state_ = LexState::BetweenCommands;
  Execute(text_, modifier_, nullptr);
  if (!Failed()) CloseEnvironment();
}

void TConvert::RunAndOpen() {
  state_ = LexState::BetweenCommands;
  Execute(text_, modifier_, nullptr);
  if (!Failed()) OpenEnvironment();
}

// "^" and "_" before a name: one sets its modifier and drops the name read so far,
// the same one twice is an error, and the other one cancels it.
void TConvert::SetModifier(Modifier modifier, char c) {
  if (modifier_ == Modifier::None) {
    modifier_ = modifier;
    text_.clear();
  } else if (modifier_ == modifier) {
    SetCharacterError(72, kMtfRepeatedCharacter, c);
  } else {
    modifier_ = Modifier::None;
  }
}

// A comment keeps the state it interrupted; a name it ends is executed first.
void TConvert::ToggleComment() {
  if (state_ == LexState::InComment) {
    state_ = commentState_;
    return;
  }
  if (state_ == LexState::InName) {
    RunName();
    if (Failed()) return;
  }
  commentState_ = state_;
  state_ = LexState::InComment;
}

bool TConvert::Finish() {
  if (Failed()) return false;
  if (state_ == LexState::InName) {
    state_ = LexState::BetweenCommands;
    Execute(text_, modifier_, nullptr);
  } else if (state_ == LexState::InComment) {
    SetError(69, kMtfUnclosedComment);
  } else if (state_ == LexState::InParameters) {
    SetError(59, kMtfBadParameter);
  }
  if (!Failed() && environmentDepth_ > 0) SetError(53, kMtfMissingBrace);
  return !Failed();
}

void TConvert::SetError(int number, const char* text, std::vector<std::string> values) {
  if (Failed()) return;
  errorNumber_ = number;
  errorText_ = text;
  errorValues_ = std::move(values);
  errorPlaces_.clear();
  for (size_t depth = includeDepth_; depth >= 1; --depth) {
    const TInclude& level = levels_[depth - 1];
    errorPlaces_.push_back({depth == 1 ? UpperFileName(mainFileName_) : Cp1251ToUtf8(level.FileName),
                            size_t{level.Line} + 1, size_t{level.Column}});
  }
}

void TConvert::SetCharacterError(int number, const char* text, char c) {
  SetError(number, text,
           {Cp1251ToUtf8(std::string(1, c)), std::to_string(static_cast<unsigned char>(c))});
}

std::string TConvert::ErrorReport(const TextTranslator& translate) const {
  if (!Failed()) return {};
  std::string report;
  for (const ErrorPlace& place : errorPlaces_) {
    report += TranslatedText(translate, report.empty() ? kMtfErrorPlace : kMtfIncludedFrom,
                             {place.FileName, std::to_string(place.Line), std::to_string(place.Column)});
    report += "\r\n";
  }
  const std::string message = FilledText(Translated(translate, errorText_), errorValues_);
  return report + TranslatedText(translate, kMtfErrorLine, {std::to_string(errorNumber_), message});
}

void TConvert::BeginCommand() {
  state_ = LexState::InName;
  text_.clear();
  modifier_ = Modifier::None;
}

void TConvert::SaveCommand() {
  savedPresent_ = true;
  savedName_.assign(text_);
  savedModifier_ = modifier_;
}

void TConvert::Execute(std::string_view name, Modifier modifier, const std::string_view* parameterText) {
  const MtfCommand* command = FindMtfCommand(name);
  if (!command) return SetError(55, kMtfUnknownCommand);
  const bool isText = command->Id == MtfCommandId::Text;
  if (modifier != Modifier::None && command->Id != MtfCommandId::KeyName && !isText) {
    return SetError(56, kMtfBadModifiers);
  }
  parameterCount_ = 0;
  if (parameterText && !SplitParameters(*parameterText, isText)) return;
  if (parameterCount_ < command->MinParams || parameterCount_ > command->MaxParams) {
    return SetError(57, kMtfParameterCount);
  }
  lastCommand_ = command->Id;
  RunCommand(*command, modifier);
}

bool TConvert::SplitParameters(std::string_view text, bool forText) {
  if (text.front() == ',' || text.back() == ',') {
    SetError(54, kMtfBadParameterList);
    return false;
  }
  size_t start = 0;
  while (true) {
    if (parameterCount_ == kMaxParameters) {
      SetError(57, kMtfParameterCount);
      return false;
    }
    const size_t comma = text.find(',', start);
    const size_t end = comma == std::string_view::npos ? text.size() : comma;
    std::string_view part = text.substr(start, end - start);
    if (!forText) part = Trim(part);
    if (parameterCount_ == 0) includeName_.assign(part);
    std::string& parameter = parameters_[parameterCount_++];
    parameter.assign(part);
    for (char& c : parameter) c = UpperAscii(c);
    if (!forText) {
      if (auto value = FindMtfConstant(parameter)) parameter = std::to_string(*value);
    }
    if (comma == std::string_view::npos) return true;
    start = comma + 1;
  }
}

bool TConvert::ReadNumber(size_t index, int low, int high, int& value) {
  const auto number = ParseNumber(parameters_[index]);
  if (!number) {
    SetError(59, kMtfBadParameter);
    return false;
  }
  if (*number < low || *number > high) {
    SetError(66, kMtfBadParameter);
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
  for (size_t i = 0; i < parameterCount_; ++i) {
    int value;
    if (!ReadNumber(i, low, low + 3, value)) return false;
    flags[static_cast<size_t>(value - low)] = 1;
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
      if (inner) SetError(58, kMtfOutsideEnvironment);
      break;
    case MtfCommandId::Down: case MtfCommandId::Up: case MtfCommandId::AutoRepeat:
    case MtfCommandId::Beep:
      if (!inner || kind != MtfCommandId::Key) {
        SetError(60, kMtfOnlyInKey);
      }
      break;
    case MtfCommandId::Header: case MtfCommandId::Terminator: case MtfCommandId::Lrc:
    case MtfCommandId::SsSymbols:
      if (!inner || kind != MtfCommandId::McReader) {
        SetError(61, kMtfOnlyInReader);
      }
      break;
    case MtfCommandId::KeyName: case MtfCommandId::Wait: case MtfCommandId::Text:
      if (!inner || !IsSequenceEnvironment(kind)) SetError(63, kMtfOnlyInSequence);
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
    SetError(66, kMtfBadParameter);
    return false;
  }
  return true;
}

void TConvert::StoreKey(int column, int row, TMacroButton record) {
  target_.SetKey(column + columnOffset_, row + rowOffset_, std::make_unique<TMacroButton>(std::move(record)));
}

void TConvert::RunCommand(const MtfCommand& command, Modifier modifier) {
  const MtfCommandId id = command.Id;
  // These read their layer or track list before their placement is checked.
  if (IsSelectionCommand(id)) return RunSelection(id);
  if (id == MtfCommandId::Layout && layoutSeen_) return SetError(74, kMtfRepeatedCommand);
  if (!CheckPlacement(id)) return;
  switch (id) {
    case MtfCommandId::Key: return RunKey();
    case MtfCommandId::StandardKey: return RunStandardKey();
    case MtfCommandId::McReader: return RunCardReader();
    case MtfCommandId::Layout: case MtfCommandId::Layers: case MtfCommandId::Ibd:
    case MtfCommandId::KeyBuff: case MtfCommandId::AutoCorrectLock:
      return RunLayoutProperty(id);
    case MtfCommandId::MoveRect: return RunMoveRect();
    case MtfCommandId::Beep: case MtfCommandId::Lrc: case MtfCommandId::SsSymbols:
      return RunClick(id);
    case MtfCommandId::KeyName: case MtfCommandId::Wait: case MtfCommandId::Text:
      return RunSequence(command, modifier);
    case MtfCommandId::Include: return RunInclude();
    case MtfCommandId::Label: case MtfCommandId::Ref:
    case MtfCommandId::Down: case MtfCommandId::Up: case MtfCommandId::AutoRepeat:
    case MtfCommandId::Header: case MtfCommandId::Terminator:
      return;
  }
}

// \down, \up, \autorepeat, \header, \terminator: the layers (tracks for the card
// reader's two) the following environment appends to.
void TConvert::RunSelection(MtfCommandId id) {
  const int low = (id == MtfCommandId::Header || id == MtfCommandId::Terminator) ? 1 : 0;
  if (!ReadSelection(low) || !CheckPlacement(id)) return;
  if (id == MtfCommandId::AutoRepeat) {
    for (size_t layer = 0; layer < kLayerCount; ++layer) {
      if (selection_[layer]) keyInProgress_.Layers[layer].AutoRepeat |= 1;
    }
  }
}

void TConvert::RunKey() {
  int column, row, function;
  if (!ReadNumber(0, 1, 255, column) || !ReadNumber(1, 1, 255, row) ||
      !ReadNumber(2, 0, 10, function) || !CheckField(column, row)) {
    return;
  }
  InitRecord(keyInProgress_);
  keyInProgress_.Func = static_cast<uint8_t>(function);
  keyColumn_ = column;
  keyRow_ = row;
  if (keyInProgress_.Func != kFuncMacro) StoreKey(keyColumn_, keyRow_, keyInProgress_);
}

void TConvert::RunStandardKey() {
  int column, row;
  if (!ReadNumber(0, 1, 255, column) || !ReadNumber(1, 1, 255, row)) return;
  const MtfCommand* key = FindMtfCommand(parameters_[2]);
  if (!key || key->Id != MtfCommandId::KeyName) return SetError(59, kMtfBadParameter);
  if (!CheckField(column, row)) return;
  const MtfKeyName& name = MtfKeyNames()[static_cast<size_t>(key->KeyIndex)];
  TMacroButton record;
  record.Func = kFuncMacro;
  for (auto& layer : record.Layers) {
    layer.Macro[0] = name.Press;
    layer.Macro[1] = name.Release;
    layer.AutoRepeat = 1;
  }
  StoreKey(column, row, std::move(record));
}

void TConvert::RunCardReader() {
  if (!ReadSelection(1)) return;
  InitRecord(keyInProgress_);
  uint8_t mask = 0;
  for (size_t track = 0; track < 4; ++track) {
    if (selection_[track]) mask |= static_cast<uint8_t>(1u << track);
  }
  target_.SetTrackMask(mask);
}

// \layout, \layers, \ibd, \keybuff, \autocorrectlock change the settings at once.
void TConvert::RunLayoutProperty(MtfCommandId id) {
  int values[5] = {};
  switch (id) {
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
    default:  // \autocorrectlock
      settings_.Set(Setting::CorrectLock, 1);
      return;
  }
}

void TConvert::RunMoveRect() {
  int column, row;
  if (!ReadNumber(0, 1, 255, column) || !ReadNumber(1, 1, 255, row)) return;
  columnOffset_ = column;
  rowOffset_ = row;
}

// \beep sets the click of the key in progress; \lrc and \sssymbols set the card
// reader's output flags, which share that byte.
void TConvert::RunClick(MtfCommandId id) {
  if (id != MtfCommandId::Beep) {
    const uint8_t flag = id == MtfCommandId::Lrc ? kCardOutputLrc : kCardOutputStartStop;
    for (auto& block : keyInProgress_.Layers) block.Click |= flag;
    return;
  }
  int click = 2;
  if (parameterCount_ >= 1 && !ReadNumber(0, 0, kMaxClick, click)) return;
  std::array<bool, 4> layers{true, true, true, true};
  if (parameterCount_ >= 2) {
    layers.fill(false);
    for (size_t i = 1; i < parameterCount_; ++i) {
      int layer;
      if (!ReadNumber(i, 0, 3, layer)) return;
      layers[static_cast<size_t>(layer)] = true;
    }
  }
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    if (layers[layer]) keyInProgress_.Layers[layer].Click = static_cast<uint8_t>(click);
  }
}

// Key names, \wait and \text append to the sequences of the innermost environment.
void TConvert::RunSequence(const MtfCommand& command, Modifier modifier) {
  switch (command.Id) {
    case MtfCommandId::KeyName: {
      int repeat = 1;
      if (parameterCount_ == 1 && !ReadNumber(0, 0, 255, repeat)) return;
      return AppendKeyName(command.KeyIndex, modifier, repeat);
    }
    case MtfCommandId::Wait: {
      int pause = 2;
      if (parameterCount_ == 1 && !ReadNumber(0, 0, kMaxWait, pause)) return;
      const char bytes[2] = {static_cast<char>(kScanWait), static_cast<char>(kWaitBase + pause)};
      return Append(std::string_view(bytes, 2), 1);
    }
    default:  // \text
      for (char c : parameters_[0]) {
        const auto keyName = TextCharacterKeyName(c);
        const MtfCommand* key = keyName ? FindMtfCommand(*keyName) : nullptr;
        if (!key) return SetError(55, kMtfUnknownCommand);
        AppendKeyName(key->KeyIndex, modifier, 1);
        if (Failed()) return;
      }
      return;
  }
}

void TConvert::AppendKeyName(int keyIndex, Modifier modifier, int repeat) {
  const size_t index = static_cast<size_t>(keyIndex);
  if (modifier == Modifier::Release) return Append(MtfKeyNames()[index].Release, repeat);
  if (modifier == Modifier::Press) return Append(MtfKeyNames()[index].Press, repeat);
  Append(Strokes()[index], repeat);
}

// Appends to every selected sequence of the innermost environment; refuses the
// whole append when one of them would grow beyond 255 bytes.
void TConvert::Append(std::string_view bytes, int repeat) {
  const Environment& inner = *Innermost();
  const size_t side = SequenceSide(inner.Kind);
  const size_t added = bytes.size() * static_cast<size_t>(repeat);
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    if (inner.Bytes[layer] && keyInProgress_.Layers[layer].Macro[side].size() + added > kMaxSequenceLength) {
      return SetError(67, kMtfEnvironmentBufferOverflow);
    }
  }
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    if (!inner.Bytes[layer]) continue;
    std::string& sequence = keyInProgress_.Layers[layer].Macro[side];
    for (int i = 0; i < repeat; ++i) sequence.append(bytes);
  }
}

void TConvert::RunInclude() {
  if (includeDepth_ == kMaxIncludeDepth) return SetError(3, kMtfStackOverflow);
  const std::string& name = parameters_[0];
  for (size_t i = 0; i < includeDepth_; ++i) {
    if (levels_[i].FileName == name) {
      return SetError(4, kMtfCircularInclude, {Cp1251ToUtf8(levels_[includeDepth_ - 1].FileName)});
    }
  }
  if (filesOpened_ == limits_.Files) {
    return SetError(5, kMtfTooManyIncludes, {std::to_string(limits_.Files)});
  }
  auto source = loader_ ? loader_(Cp1251ToUtf8(includeName_)) : nullptr;
  if (!source) return SetError(2, kMtfIncludeReadError, {Cp1251ToUtf8(name)});
  ++filesOpened_;
  TInclude& level = levels_[includeDepth_];
  level = TInclude{};
  level.Source = std::move(source);
  level.FileName = name;
  ++includeDepth_;
}

void TConvert::OpenEnvironment() {
  if (!lastCommand_ || !OpensEnvironment(*lastCommand_)) {
    return SetError(64, kMtfNoEnvironment);
  }
  if (environmentDepth_ == kMaxEnvironmentDepth) {
    return SetError(65, kMtfEnvironmentOverflow);
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

// "}" closes the innermost environment and forgets the saved command, so that a "{"
// right after it has no command to open.
void TConvert::CloseEnvironment() {
  savedPresent_ = false;
  if (environmentDepth_ == 0) return SetCharacterError(73, kMtfUnknownCharacter, '}');
  const Environment& inner = environments_[environmentDepth_ - 1];
  if (inner.Kind == MtfCommandId::Key) {
    if (keyInProgress_.Func == kFuncMacro) {
      // Nothing reads the key in progress after its environment closes: the next
      // \key or \mcreader starts a new one, so its sequences move into the field.
      StoreKey(keyColumn_, keyRow_, std::move(keyInProgress_));
    } else {
      TMacroButton record;
      record.Func = keyInProgress_.Func;
      for (size_t layer = 0; layer < kLayerCount; ++layer) {
        record.Layers[layer].AutoRepeat = keyInProgress_.Layers[layer].AutoRepeat;
      }
      StoreKey(keyColumn_, keyRow_, std::move(record));
    }
  } else if (inner.Kind == MtfCommandId::McReader) {
    target_.SetCardReader(keyInProgress_);
  }
  --environmentDepth_;
}

}  // namespace vl
