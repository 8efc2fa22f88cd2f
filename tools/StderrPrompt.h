#pragma once
// The prompt of the data tools: the reader's error reports go to the error
// stream, every question is answered No, no password is given.

#include <iostream>
#include <optional>
#include <string>

#include "core/common/Prompt.h"

namespace vl::tools {

class StderrPrompt final : public IPrompt {
 public:
  Answer Ask(const std::string& text, const std::string&, MessageButtons, MessageIcon) override {
    std::cerr << text << '\n';
    return Answer::No;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return std::nullopt; }
};

}  // namespace vl::tools
