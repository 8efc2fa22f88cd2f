#pragma once
// The prompt every test uses: answers from a script, and a record of everything
// the code under test showed.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/common/Prompt.h"

namespace vl::test {

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

struct PasswordWindow {
  std::string caption;  // empty for the window under the default caption
  std::string firstLine;
  std::string secondLine;
};

// A plain message (Ok button) is answered Ok. A question takes its answer by text
// from answersByText, else the next of answers, else fallback. A password window
// takes the next of passwords, else is cancelled. Without a fallback, a question
// or password window the script does not cover fails the test.
class ScriptedPrompt final : public IPrompt {
 public:
  explicit ScriptedPrompt(std::optional<Answer> fallbackAnswer = std::nullopt) : fallback(fallbackAnswer) {}

  std::map<std::string, Answer> answersByText;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> passwords;
  std::optional<Answer> fallback;

  std::vector<ShownMessage> shown;  // messages and questions, in order
  std::vector<PasswordWindow> passwordWindows;

  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> AskPassword(const std::string& firstLine,
                                         const std::string& secondLine) override;
  std::optional<std::string> AskPasswordTitled(const std::string& caption, const std::string& firstLine,
                                               const std::string& secondLine) override;

  // The texts of every message and question.
  std::vector<std::string> Texts() const;
  // The texts of plain messages, questions left out.
  std::vector<std::string> Messages() const;
  // Every message and question as "caption: text".
  std::vector<std::string> Labelled() const;
  std::vector<MessageIcon> Icons() const;
};

}  // namespace vl::test
