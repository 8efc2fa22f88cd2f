#pragma once
// The user's prompt as a device worker sees it: every question and message is
// asked on the user-interface thread while the worker waits for the answer.

#include "core/common/Prompt.h"

class QObject;

namespace vl {

class UiThreadPrompt final : public IPrompt {
 public:
  UiThreadPrompt(IPrompt& inner, QObject* context) : inner_(inner), context_(context) {}
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> AskPassword(const std::string& firstLine, const std::string& secondLine) override;

 private:
  IPrompt& inner_;
  QObject* context_;
};

}  // namespace vl
