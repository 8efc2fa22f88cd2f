#pragma once
// Holds a document's Busy flag (which postpones autosave) for as long as the
// scope lives, however it is left. Nested scopes give the flag back as found.

#include "core/document/VL2Document.h"

namespace vl {

class BusyScope {
 public:
  explicit BusyScope(TVL2Document& document) : document_(document), was_(document.Busy) {
    document_.Busy = true;
  }
  ~BusyScope() { document_.Busy = was_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  TVL2Document& document_;
  bool was_;
};

}  // namespace vl
