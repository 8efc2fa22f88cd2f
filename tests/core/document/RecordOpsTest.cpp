#include <gtest/gtest.h>

#include "core/document/RecordOps.h"

namespace vl {
namespace {

TEST(RecordOps, ClearingTheOnlyLayerOfAMacroKeyFreesIt) {
  KeyRef key = std::make_unique<TMacroButton>();
  key->Func = kFuncMacro;
  key->Layers[2].Macro[0] = "\x1c";
  ClearLayerOrFree(key, 2);
  EXPECT_EQ(key, nullptr);
}

}  // namespace
}  // namespace vl
