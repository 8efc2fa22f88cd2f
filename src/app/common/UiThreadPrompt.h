#pragma once
// The user's prompt as a device worker sees it: every question and message is
// asked on the user-interface thread while the worker waits for the answer. Once
// the calls are closed (the program quits), questions are answered Cancel and
// messages are not shown. Once the job's gate is stopped, its questions are
// answered Cancel without being shown (the user has already said to stop), while
// its messages still are.

#include "app/common/UiThread.h"
#include "core/common/Prompt.h"
#include "core/device/CancelGate.h"

namespace vl {

class UiThreadPrompt final : public IPrompt {
 public:
  UiThreadPrompt(IPrompt& inner, UiThreadCalls& calls, const CancelGate& gate)
      : inner_(inner), calls_(calls), gate_(gate) {}
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> AskPassword(const std::string& firstLine, const std::string& secondLine) override;
  // The inner prompt's translator runs on any thread.
  TextTranslator Translator() const override { return inner_.Translator(); }

 private:
  IPrompt& inner_;
  UiThreadCalls& calls_;
  const CancelGate& gate_;
};

}  // namespace vl
