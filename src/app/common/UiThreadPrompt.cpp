#include "app/common/UiThreadPrompt.h"

namespace vl {

Answer UiThreadPrompt::Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon icon) {
  Answer answer = Answer::Cancel;
  calls_.Run([&] {
    // Looked at when the question's turn comes: a stop decided while it waited
    // (the cancel question) answers it.
    if (buttons != MessageButtons::Ok && gate_.StopRequested()) return;
    answer = inner_.Ask(text, caption, buttons, icon);
  });
  return answer;
}

std::optional<std::string> UiThreadPrompt::AskPassword(const std::string& firstLine,
                                                       const std::string& secondLine) {
  std::optional<std::string> password;
  calls_.Run([&] {
    if (!gate_.StopRequested()) password = inner_.AskPassword(firstLine, secondLine);
  });
  return password;
}

}  // namespace vl
