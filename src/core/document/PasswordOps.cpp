#include "core/document/PasswordOps.h"

#include <optional>

#include "core/text/Cp1251.h"

namespace vl {
namespace {

std::optional<std::string> AskEntry(IPrompt& prompt, const std::string& caption,
                                    const std::string& firstLine, const std::string& secondLine) {
  std::optional<std::string> entry = prompt.AskPasswordTitled(caption, firstLine, secondLine);
  if (entry && entry->empty()) return std::nullopt;
  return entry;
}

}  // namespace

bool SetPasswordCommand(TVL2Document& document, const std::string& windowCaption,
                        IPrompt& prompt) {
  const std::optional<std::string> entry =
      AskEntry(prompt, kPasswordCaption, kEnterPassword, "(" + windowCaption + ")");
  if (!entry) return false;
  const std::optional<std::string> repeat =
      AskEntry(prompt, kRepeatCaption, kRepeatPassword, kForgottenPasswordWarning);
  if (!repeat) return false;
  const std::optional<std::string> stored = Utf8ToCp1251(*entry);
  if (*entry != *repeat || !stored || stored->size() > kMaxPasswordLength) {
    prompt.Message(kPasswordMismatch, kCaptionError, MessageIcon::Error);
    return false;
  }
  document.SetPassword(*stored);
  return true;
}

void ClearPasswordCommand(TVL2Document& document, IPrompt& prompt) {
  if (document.Password.empty()) {
    prompt.Message(kNoPassword, kCaptionInformation, MessageIcon::Information);
    return;
  }
  document.SetPassword("");
  prompt.Message(kPasswordRemoved, kCaptionInformation, MessageIcon::Information);
}

}  // namespace vl
