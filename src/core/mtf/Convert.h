#pragma once
// TConvert: the Macro Text Format reader. It takes the text one character at a
// time, executes every command the moment it is complete, writes keys straight
// into the target document and the layout properties into the settings, and stops
// at the first error. Work per character is constant (apart from the bytes that a
// command appends), so reading is linear in the size of the text.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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
  std::string ErrorReport() const { return errorPlace_ + errorMessage_; }

 private:
  enum class LexState : uint8_t { BetweenCommands, InName, InComment, InParameters };
  enum class Modifier : uint8_t { None, Release, Press };  // none, "^", "_"
  struct Environment {
    MtfCommandId Kind;
    std::array<uint8_t, 4> Bytes;  // \key: column - 1, row - 1, function; else selection flags
  };

  void Step(char c);
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
  void SetError(int number, const std::string& text);
  void SetCharacterError(int number, const char* text, char c);

  void BeginCommand();
  void SaveCommand();
  void Execute(std::string_view name, Modifier modifier, const std::string* parameterText);
  bool SplitParameters(const std::string& text, bool forText);
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
  void Append(std::string_view bytes, int repeat);
  void RunInclude();
  bool CheckField(int column, int row);
  void StoreKey(int column, int row, const TMacroButton& record);

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
  std::string upperName_;

  int errorNumber_ = 0;
  std::string errorPlace_;  // the report's lines before the message, fixed when the error is set
  std::string errorMessage_;
};

}  // namespace vl
