#pragma once
// TConvert: the Macro Text Format reader. It takes the text one character at a
// time, executes every command the moment it is complete, writes keys straight
// into the target document and the layout properties into the settings, and stops
// at the first error. Work per character is constant (apart from the bytes that a
// command appends), so reading is linear in the size of the text.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/document/Document.h"
#include "core/mtf/Include.h"
#include "core/mtf/MtfCommands.h"
#include "core/settings/SettingsStore.h"

namespace vl {

// Supplies the bytes of an included file named as written in the text (UTF-8), or
// nullopt when it is not a regular readable file.
using IncludeLoader = std::function<std::optional<std::string>(const std::string& name)>;

class TConvert {
 public:
  static constexpr int kMaxIncludeDepth = 21;
  static constexpr int kMaxEnvironmentDepth = 30;
  static constexpr int kMaxParameters = 51;

  // fileName: the main file (UTF-8), shown upper-cased in the error report.
  TConvert(const std::string& fileName, TDocument& target, SettingsStore& settings,
           IncludeLoader loader);

  // One character (code page 1251) of the main text; included files named in it
  // are read through the loader before this returns. Nothing happens once an error
  // has been found.
  void Process(char c);
  // The end of the main text: runs a pending command and reports what is left
  // open. True when no error occurred.
  bool Finish();

  bool Failed() const { return errorNumber_ != 0; }
  int ErrorNumber() const { return errorNumber_; }
  // Position in the main text: line from 1, column from 1 (0 at the end of the text).
  uint32_t ErrorLine() const { return levels_[0].Line + 1; }
  uint32_t ErrorColumn() const { return levels_[0].Column; }
  // The text of the error message box: "Файл NAME, cтрока L, столбец C" CR LF message.
  std::string ErrorReport() const;

 private:
  enum class Modifier : uint8_t { None, Release, Press };  // none, "^", "_"
  struct Environment {
    MtfCommandId Kind;
    std::array<uint8_t, 4> Bytes;  // \key: column - 1, row - 1, function; else selection flags
  };

  void Step(char c);
  void DrainIncludes();
  void SetError(int number, const std::string& text);
  void SetCharacterError(int number, const char* text, char c);

  void BeginCommand();
  void SaveCommand();
  void Execute(std::string_view name, Modifier modifier, const std::string* parameterText);
  bool SplitParameters(const std::string& text, bool forText);
  bool ReadNumber(int index, int low, int high, int& value);
  bool ReadSelection(int low);
  bool CheckPlacement(MtfCommandId id);
  void RunCommand(const MtfCommand& command, Modifier modifier);
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
  std::string mainFileName_;

  // Current token.
  int state_ = 0;
  std::string text_;
  Modifier modifier_ = Modifier::None;
  // Saved command (the name and modifier taken when a name was complete).
  bool savedPresent_ = false;
  std::string savedName_;
  Modifier savedModifier_ = Modifier::None;
  // A comment never touches the token's text, so only the state needs keeping.
  int commentState_ = 0;

  std::optional<MtfCommandId> lastCommand_;
  TMacroButton keyInProgress_;
  int keyColumn_ = 0;  // as written in the last \key, before the offsets
  int keyRow_ = 0;
  int columnOffset_ = 0;
  int rowOffset_ = 0;
  bool layoutSeen_ = false;
  std::array<uint8_t, 4> selection_{};

  std::array<Environment, kMaxEnvironmentDepth> environments_{};
  int environmentDepth_ = 0;
  std::array<TInclude, kMaxIncludeDepth> levels_{};
  int includeDepth_ = 1;

  // Parameters of the command being executed; reused to avoid allocations.
  std::array<std::string, kMaxParameters> parameters_;
  int parameterCount_ = 0;
  std::string includeName_;  // the \include parameter as written, trimmed
  std::string upperName_;

  int errorNumber_ = 0;
  // "Ошибка N. " [" Строка L. "] + the error's text (UTF-8).
  std::string errorMessage_;
};

}  // namespace vl
