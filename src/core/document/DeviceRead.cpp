#include "core/document/DeviceRead.h"

#include <memory>

#include "core/document/RecordOps.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

void PlaceRead(TVL2Document& document, const DeviceRead& read) {
  for (const DeviceRead::Cell& cell : read.Cells) {
    KeyRef& target = document.Keys(cell.Column, cell.Row);
    if (!target) target = std::make_unique<TMacroButton>();
    *target = cell.Record;
    FreeIfBlank(target);
  }
  if (read.CardReader) {
    document.SetCardReader(*read.CardReader);
    document.SetTrackMask(read.TrackMask);
  }
}

void MarkRead(TVL2Document& document) {
  document.ReadFromDevice = true;
  document.Notify(DocumentNotification::ContentChanged);
}

}  // namespace

void StoreDeviceRead(TVL2Document& document, const DeviceRead& read) {
  if (read.Empty()) return;
  PlaceRead(document, read);
  document.Modified = true;
  MarkRead(document);
}

void ApplyDeviceRead(TVL2Document& document, const DeviceRead& read) {
  if (read.Empty()) return;
  {
    StepScope scope = StepScope::KeysIn(read.Fragment);
    scope.CardReader = read.CardReader.has_value();
    const StepGuard step(document, kUndoDeviceRead, scope);
    PlaceRead(document, read);
  }
  MarkRead(document);
}

}  // namespace vl
