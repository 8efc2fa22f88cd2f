#include "app/device/ApplyDeviceRead.h"

#include "app/common/WaitCursor.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {

void ApplyDeviceRead(TVL2Document& document, TVL2Document& read, const TRect& fragment, bool withCard) {
  {
    const WaitCursor wait;  // recording the step of a large layout takes a moment
    StepScope scope = StepScope::KeysIn(fragment);
    scope.CardReader = withCard;
    const StepGuard step(document, kUndoDeviceRead, scope);
    for (int column = fragment.Left; column <= fragment.Right; ++column)
      for (int row = fragment.Top; row <= fragment.Bottom; ++row)
        document.Keys(column, row) = std::move(read.Keys(column, row));
    if (withCard) {
      document.SetCardReader(read.CardReader);
      document.SetTrackMask(read.TrackMask);
    }
  }
  document.ReadFromDevice = true;
  document.Notify(DocumentNotification::ContentChanged);
}

}  // namespace vl
