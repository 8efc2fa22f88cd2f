#include "core/document/VL2Document.h"

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
    for (int column = rect.Left; column <= rect.Right; ++column) {
      for (int row = rect.Top; row <= rect.Bottom; ++row) {
        TGroupCell& cell = Groups(column, row);
        cell.MasterCol = static_cast<uint8_t>(rect.Left);
        cell.MasterRow = static_cast<uint8_t>(rect.Top);
        cell.Left = static_cast<uint8_t>(rect.Left);
        cell.Top = static_cast<uint8_t>(rect.Top);
        cell.Right = static_cast<uint8_t>(rect.Right);
        cell.Bottom = static_cast<uint8_t>(rect.Bottom);
        // Every cell is a member; edge bits are OR-ed, so a one-column or one-row
        // group carries both bits of its degenerate side.
        uint8_t flags = kGroupMember;
        if (column == rect.Left) flags |= kGroupLeftEdge;
        if (column == rect.Right) flags |= kGroupRightEdge;
        if (row == rect.Top) flags |= kGroupTopEdge;
        if (row == rect.Bottom) flags |= kGroupBottomEdge;
        if (column == rect.Left && row == rect.Top) flags |= kGroupMaster;
        cell.Flags = flags;
      }
    }
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
