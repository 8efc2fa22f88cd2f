#pragma once
// Makes the edits of a scope one history step: opens the step when made, closes
// it however the scope is left, so a step never stays open after an error.

#include <string>

#include "core/document/History.h"
#include "core/document/VL2Document.h"

namespace vl {

class StepGuard {
 public:
  StepGuard(TVL2Document& document, const std::string& name, const StepScope& scope)
      : history_(document.History) {
    history_.BeginStep(name, scope);
  }
  ~StepGuard() { history_.EndStep(); }
  StepGuard(const StepGuard&) = delete;
  StepGuard& operator=(const StepGuard&) = delete;

 private:
  History& history_;
};

}  // namespace vl
