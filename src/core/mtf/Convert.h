#pragma once
// TConvert: the Macro Text Format reader. It is a lexer of one character at a
// time that takes what it can in one go: a command name with its parameter list
// and what ends it, blanks, comments. It executes every command the moment it is
// complete, writes keys straight into the target document and the layout
// properties into the settings, and stops at the first error. Work per character
// is constant (apart from the bytes that a command appends), so reading is linear
// in the size of the text.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"
#include "core/document/Document.h"
#include "core/mtf/Include.h"
#include "core/mtf/MtfCommands.h"
#include "core/settings/SettingsStore.h"

namespace vl {

// Opens an included file named as written in the text (UTF-8); nullptr when it is
// not a regular readable file.
using IncludeLoader = std::function<std::unique_ptr<IIncludeSource>(const std::string& name)>;

// Beyond the longest text the export writes: a full field of keys, every press
// and release sequence of every layer at its 255-byte limit in the wordiest key
// names, comes to about 2 GiB. The reader takes a main file this large.
inline constexpr uint64_t kMaxMtfTextBytes = 5ull << 29;  // 2.5 GiB

// What one reading may take from included files: every \include opens a file, so
// without a bound a few small files that include each other several times over
// would make the reader open and read them exponentially often. One included
// export may be as large as a main file.
struct IncludeLimits {
  int Files = 1000;                    // files opened by \include
  uint64_t Bytes = kMaxMtfTextBytes;   // bytes read from them, all together
};

// The texts of the error report, composed only when the report is asked for, so
// that each piece can be put into the reader's language first. %1 ... are the
// values the reader fills in.
inline constexpr char kMtfErrorLine[] = VL_TEXT("core", "Ошибка %1. %2");
inline constexpr char kMtfErrorPlace[] = VL_TEXT("core", "Файл %1, строка %2, столбец %3");
inline constexpr char kMtfIncludedFrom[] = VL_TEXT("core", "Включён из файла %1, строка %2, столбец %3");
inline constexpr char kMtfIncludeReadError[] = VL_TEXT("core", "Ошибка чтения файла [%1]");
inline constexpr char kMtfStackOverflow[] = VL_TEXT("core", "Переполнения стека файлов");
inline constexpr char kMtfCircularInclude[] = VL_TEXT("core", "Циклическая ссылка в файле [%1]");
inline constexpr char kMtfTooManyIncludes[] = VL_TEXT("core", "Превышено число включаемых файлов (%1)");
inline constexpr char kMtfIncludesTooLarge[] = VL_TEXT("core", "Превышен объем включаемых файлов (%1 байт)");
inline constexpr char kMtfMissingBrace[] = VL_TEXT("core", "Отсутствует }");
inline constexpr char kMtfBadParameterList[] = VL_TEXT("core", "Ошибочная запись параметров команды");
inline constexpr char kMtfUnknownCommand[] = VL_TEXT("core", "Неизвестная команда");
inline constexpr char kMtfBadModifiers[] = VL_TEXT("core", "Ошибочное употребление модификаторов");
inline constexpr char kMtfParameterCount[] = VL_TEXT("core", "Ошибочное число параметров команды");
inline constexpr char kMtfOutsideEnvironment[] = VL_TEXT("core", "Команда употребляется вне окружения");
inline constexpr char kMtfBadParameter[] = VL_TEXT("core", "Ошибочный параметр");
inline constexpr char kMtfOnlyInKey[] = VL_TEXT("core", "Команда употребляется в окружении команды \\KEY");
inline constexpr char kMtfOnlyInReader[] = VL_TEXT("core", "Команда употребляется в окружении команды \\MCREADER");
inline constexpr char kMtfOnlyInSequence[] =
    VL_TEXT("core", "Команда употребляется в окружении \\DOWN, \\UP, \\HEADER или \\TERMINATOR");
inline constexpr char kMtfNoEnvironment[] = VL_TEXT("core", "Команда не имеет окружения");
inline constexpr char kMtfEnvironmentOverflow[] = VL_TEXT("core", "Переполнение стека команд окружения");
inline constexpr char kMtfEnvironmentBufferOverflow[] = VL_TEXT("core", "Переполнение буфера команд окружения");
inline constexpr char kMtfUnclosedComment[] = VL_TEXT("core", "Отсутствует закрытие комментария");
inline constexpr char kMtfMissingParameter[] = VL_TEXT("core", "Отсутствует параметр");
inline constexpr char kMtfMissingEnvironmentCommand[] = VL_TEXT("core", "Отсутствует команда окружения");
inline constexpr char kMtfRepeatedCharacter[] = VL_TEXT("core", "Дублирование символа %1 (ASCII:%2)");
inline constexpr char kMtfUnknownCharacter[] = VL_TEXT("core", "Неизвестный символ %1 (ASCII:%2)");
inline constexpr char kMtfRepeatedCommand[] = VL_TEXT("core", "Дублирование команды");

class TConvert {
 public:
  static constexpr int kMaxIncludeDepth = 21;
  static constexpr int kMaxEnvironmentDepth = 30;
  static constexpr int kMaxParameters = 51;

  // fileName: the main file (UTF-8), shown upper-cased in the error report.
  TConvert(const std::string& fileName, TDocument& target, SettingsStore& settings,
           IncludeLoader loader, IncludeLimits limits = {});

  // One character (code page 1251) of the main text; included files named in it
  // are read through the loader before this returns. Nothing happens once an error
  // has been found.
  void Process(char c);
  // The characters of the main text one after another, as Process(char) each.
  void Process(std::string_view text);
  // The end of the main text: runs a pending command and reports what is left
  // open. True when no error occurred.
  bool Finish();

  bool Failed() const { return errorNumber_ != 0; }
  int ErrorNumber() const { return errorNumber_; }
  // The text of the error message box: where the error is, "Файл NAME, строка L,
  // столбец C" CR LF, then for an included file one line per file that includes it,
  // innermost first ("Включён из файла NAME, строка L, столбец C" CR LF, the place
  // of its \include), then the message. Lines and columns count from 1 in the file
  // they belong to; column 0 is the end of the main text (on the line after the last).
  // translate puts each piece into the shown language; without one it stays Russian.
  std::string ErrorReport(const TextTranslator& translate = {}) const;

 private:
  enum class LexState : uint8_t { BetweenCommands, InName, InComment, InParameters };
  enum class Modifier : uint8_t { None, Release, Press };  // none, "^", "_"
  struct Environment {
    MtfCommandId Kind;
    std::array<uint8_t, 4> Bytes;  // \key: column - 1, row - 1, function; else selection flags
  };

  // Reads what it can of the text at the present include level and returns how
  // much: it stops at the end, at an error, or right after an \include, whose file
  // must be read before the rest.
  size_t Scan(std::string_view text);
  // A command name with what ends it (a blank, "\", ",", "{", "}", "%" or a whole
  // parameter list), taken at once from the text that follows a "\": returns how
  // many characters, having done what Step would do with each. 0 leaves the text
  // to Step: a name or list the text does not finish, a line feed, anything rarer.
  size_t TakeCommand(std::string_view text);
  // Between commands inside a sequence: the plain key names at the front of the
  // text (blanks, "\", a name, a blank), appended at once; returns how many
  // characters, having done what TakeCommand and Execute would do with them.
  // Anything else is left to them, from where this stopped.
  size_t TakeKeyNames(std::string_view text);
  void Step(char c);
  // Takes the characters at the front of the text that the present state only
  // adds to the token or skips, all of one kind, and returns how many; Step
  // would do the same with each of them.
  size_t TakeRun(std::string_view text);
  // The lexer's actions (Step's table names them).
  void RunAndBegin();
  void BeginParameters();
  void RunWithParameters();
  void OpenAfterClose();
  void RunName();
  void RunAndClose();
  void RunAndOpen();
  void SetModifier(Modifier modifier, char c);
  void ToggleComment();
  void DrainIncludes();
  void SetError(int number, const char* text, std::vector<std::string> values = {});
  void SetCharacterError(int number, const char* text, char c);

  void BeginCommand();
  void SaveCommand();
  void Execute(std::string_view name, Modifier modifier, const std::string_view* parameterText);
  bool SplitParameters(std::string_view text, bool forText);
  bool ReadNumber(size_t index, int low, int high, int& value);
  bool ReadSelection(int low);
  bool CheckPlacement(MtfCommandId id);
  void RunCommand(const MtfCommand& command, Modifier modifier);
  // One per family of commands.
  void RunSelection(MtfCommandId id);
  void RunKey();
  void RunStandardKey();
  void RunCardReader();
  void RunLayoutProperty(MtfCommandId id);
  void RunMoveRect();
  void RunClick(MtfCommandId id);
  void RunSequence(const MtfCommand& command, Modifier modifier);
  void AppendKeyName(int keyIndex, Modifier modifier, int repeat);
  // Appends the bytes repeat times.
  void Append(std::string_view bytes, int repeat);
  void RunInclude();
  bool CheckField(int column, int row);
  void StoreKey(int column, int row, TMacroButton record);

  void OpenEnvironment();
  void CloseEnvironment();
  const Environment* Innermost() const {
    return environmentDepth_ > 0 ? &environments_[environmentDepth_ - 1] : nullptr;
  }

  TDocument& target_;
  SettingsStore& settings_;
  IncludeLoader loader_;
  IncludeLimits limits_;
  int filesOpened_ = 0;
  uint64_t bytesIncluded_ = 0;
  std::string mainFileName_;

  // Current token.
  LexState state_ = LexState::BetweenCommands;
  std::string text_;
  Modifier modifier_ = Modifier::None;
  // Saved command (the name and modifier taken when a name was complete).
  bool savedPresent_ = false;
  std::string savedName_;
  Modifier savedModifier_ = Modifier::None;
  // A comment never touches the token's text, so only the state needs keeping.
  LexState commentState_ = LexState::BetweenCommands;

  std::optional<MtfCommandId> lastCommand_;
  TMacroButton keyInProgress_;
  int keyColumn_ = 0;  // as written in the last \key, before the offsets
  int keyRow_ = 0;
  int columnOffset_ = 0;
  int rowOffset_ = 0;
  bool layoutSeen_ = false;
  std::array<uint8_t, 4> selection_{};

  std::array<Environment, kMaxEnvironmentDepth> environments_{};
  size_t environmentDepth_ = 0;
  std::array<TInclude, kMaxIncludeDepth> levels_{};
  size_t includeDepth_ = 1;

  // Parameters of the command being executed; reused to avoid allocations.
  std::array<std::string, kMaxParameters> parameters_;
  size_t parameterCount_ = 0;
  std::string includeName_;  // the \include parameter as written, trimmed

  // Where the error is: the file, line and column of each level, innermost first.
  struct ErrorPlace {
    std::string FileName;
    size_t Line = 0;
    size_t Column = 0;
  };
  int errorNumber_ = 0;
  const char* errorText_ = "";
  std::vector<std::string> errorValues_;
  std::vector<ErrorPlace> errorPlaces_;
};

}  // namespace vl
