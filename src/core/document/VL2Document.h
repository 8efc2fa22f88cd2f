#pragma once
// TVL2Document: one layout as the editor holds it. Adds to TDocument the file
// identity, notes and bookmarks, groups, the password and the edit history.
// Editing operations live in their own files and work on this class.

#include <memory>
#include <string>

#include "core/document/Document.h"
#include "core/document/GroupCell.h"
#include "core/document/History.h"
#include "core/document/KeyNote.h"

namespace vl {

class TVL2Document : public TDocument {
 public:
  // The note record at (column, row) or nullptr; nullptr also outside the field.
  TKeyNote* GetNote(int column, int row) const;
  // A copy of the cell's group record (all zero outside the field).
  TGroupCell GetGroup(int column, int row) const;

  // Makes the rectangle one group with its master at the top-left cell and
  // notifies GroupsChanged with the rectangle. This, SetMaster and SetPassword
  // are each one history step, which sets Modified. The rectangle must lie in
  // the field with Left <= Right and Top <= Bottom.
  void MakeGroup(const TRect& rect);
  // Moves the master of the group holding (column, row) there; an ungrouped cell
  // only gets the notification.
  void SetMaster(int column, int row);

  // Stores the password (empty removes it).
  void SetPassword(const std::string& password);

  bool Named = false;           // loaded from or saved to a current-format file
  std::string FileName;         // full path of that file (UTF-8), empty when not named
  FieldMatrix<std::unique_ptr<TKeyNote>> Notes;
  FieldMatrix<TGroupCell> Groups;
  std::string Password;         // 0..20 characters, code page 1251
  bool Busy = false;            // a device operation or a block move is running
  vl::History History{*this};

 private:
  void NotifyGroupBlock(const TRect& rect) const;
};

}  // namespace vl
