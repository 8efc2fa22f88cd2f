#pragma once
// What the core asks of the user. The application answers with dialogs, the CLI on
// the terminal, tests with scripted answers. All texts here are UTF-8.

#include <optional>
#include <string>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"

namespace vl {

enum class MessageIcon { None, Error, Warning, Exclamation, Question, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// Captions the program uses for its message boxes.
inline constexpr const char* kCaptionError = VL_TEXT("core", "Ошибка");
inline constexpr const char* kCaptionAttention = VL_TEXT("core", "Внимание");
inline constexpr const char* kCaptionInformation = VL_TEXT("core", "Информация");

class IPrompt {
 public:
  virtual ~IPrompt() = default;

  // A message box; returns the button chosen (Ok for a plain message).
  virtual Answer Ask(const std::string& text, const std::string& caption,
                     MessageButtons buttons, MessageIcon icon) = 0;
  // A question whose default button and Escape mean keep, the answer that leaves
  // the keyboard as it is (where the plain Ask of a yes/no question keeps with
  // No). A prompt without such buttons asks as Ask does.
  virtual Answer AskKeeping(const std::string& text, const std::string& caption, MessageButtons buttons,
                            MessageIcon icon, Answer keep) {
    (void)keep;
    return Ask(text, caption, buttons, icon);
  }

  // The password window: two text lines and a masked input of at most 20
  // characters. nullopt when cancelled. The text returned is UTF-8.
  virtual std::optional<std::string> AskPassword(const std::string& firstLine,
                                                 const std::string& secondLine) = 0;
  // The password window under its own caption. A prompt that has no window
  // captions asks as AskPassword does.
  virtual std::optional<std::string> AskPasswordTitled(const std::string& caption,
                                                       const std::string& firstLine,
                                                       const std::string& secondLine) {
    (void)caption;
    return AskPassword(firstLine, secondLine);
  }

  // The language of the texts this prompt shows: the core translates the patterns
  // of the texts it composes for it with this. None keeps them Russian.
  virtual TextTranslator Translator() const { return {}; }

  void Message(const std::string& text, const std::string& caption, MessageIcon icon) {
    Ask(text, caption, MessageButtons::Ok, icon);
  }
};

}  // namespace vl
