#include "core/document/VL2Document.h"

#include "core/document/GroupOps.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {

TKeyNote* TVL2Document::GetNote(int column, int row) const {
  if (!InField(column, row)) return nullptr;
  return Notes(column, row).get();
}

TGroupCell TVL2Document::GetGroup(int column, int row) const {
  if (!InField(column, row)) return {};
  return Groups(column, row);
}

void TVL2Document::MakeGroup(const TRect& rect) {
  {
    const StepGuard step(*this, kUndoGroup, StepScope::AllGroups());
    PlaceGroup(*this, rect, rect.Left, rect.Top);
  }
  NotifyGroupBlock(rect);
}

void TVL2Document::SetMaster(int column, int row) {
  if (!InField(column, row)) return;
  const TGroupCell cell = Groups(column, row);
  if (!cell.IsGrouped()) {
    NotifyGroupBlock({column, row, column, row});
    return;
  }
  const TRect rect{cell.Left, cell.Top, cell.Right, cell.Bottom};
  if (!InField(rect.Left, rect.Top) || !InField(rect.Right, rect.Bottom)) return;
  {
    const StepGuard step(*this, kUndoMaster, StepScope::AllGroups());
    if (InField(cell.MasterCol, cell.MasterRow)) {
      Groups(cell.MasterCol, cell.MasterRow).Flags &= static_cast<uint8_t>(~kGroupMaster);
    }
    for (int c = rect.Left; c <= rect.Right; ++c) {
      for (int r = rect.Top; r <= rect.Bottom; ++r) {
        Groups(c, r).MasterCol = static_cast<uint8_t>(column);
        Groups(c, r).MasterRow = static_cast<uint8_t>(row);
      }
    }
    Groups(column, row).Flags |= kGroupMaster;
  }
  NotifyGroupBlock(rect);
}

void TVL2Document::SetPassword(const std::string& password) {
  const StepGuard step(*this, kUndoPassword, StepScope::PasswordOnly());
  Password = password;
}

void TVL2Document::NotifyGroupBlock(const TRect& rect) const {
  Notify(DocumentNotification::GroupsChanged, rect.Left * 256 + rect.Right,
         rect.Top * 256 + rect.Bottom);
}

}  // namespace vl
