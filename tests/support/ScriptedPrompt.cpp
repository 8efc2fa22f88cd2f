#include "ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace vl::test {

Answer ScriptedPrompt::Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon icon) {
  shown.push_back({text, caption, buttons, icon});
  if (buttons == MessageButtons::Ok) return Answer::Ok;
  if (const auto byText = answersByText.find(text); byText != answersByText.end()) return byText->second;
  if (!answers.empty()) {
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  if (fallback) return *fallback;
  ADD_FAILURE() << "unscripted question: " << text;
  return Answer::Cancel;
}

std::optional<std::string> ScriptedPrompt::AskPassword(const std::string& firstLine,
                                                       const std::string& secondLine) {
  return AskPasswordTitled("", firstLine, secondLine);
}

std::optional<std::string> ScriptedPrompt::AskPasswordTitled(const std::string& caption,
                                                             const std::string& firstLine,
                                                             const std::string& secondLine) {
  passwordWindows.push_back({caption, firstLine, secondLine});
  if (!passwords.empty()) {
    std::optional<std::string> entry = passwords.front();
    passwords.pop_front();
    return entry;
  }
  if (!fallback) ADD_FAILURE() << "unscripted password window: " << firstLine;
  return std::nullopt;
}

std::vector<std::string> ScriptedPrompt::Texts() const {
  std::vector<std::string> texts;
  for (const auto& message : shown) texts.push_back(message.text);
  return texts;
}

std::vector<std::string> ScriptedPrompt::Messages() const {
  std::vector<std::string> texts;
  for (const auto& message : shown)
    if (message.buttons == MessageButtons::Ok) texts.push_back(message.text);
  return texts;
}

std::vector<std::string> ScriptedPrompt::Labelled() const {
  std::vector<std::string> texts;
  for (const auto& message : shown) texts.push_back(message.caption + ": " + message.text);
  return texts;
}

std::vector<MessageIcon> ScriptedPrompt::Icons() const {
  std::vector<MessageIcon> icons;
  for (const auto& message : shown) icons.push_back(message.icon);
  return icons;
}

}  // namespace vl::test
