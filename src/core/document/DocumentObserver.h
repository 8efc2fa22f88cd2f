#pragma once
// The document's owner (the key grid) hears of changes through this interface.

namespace vl {

enum class DocumentNotification {
  ContentChanged = 101,  // after every content change
  SelectBlock = 102,     // p1, p2: select from the top-left cell to (left + p1, top + p2)
  Repaint = 103,
  Undone = 104,          // after an undo or a redo, followed by ContentChanged
  GroupsChanged = 105,   // p1 = left * 256 + right, p2 = top * 256 + bottom
};

class IDocumentObserver {
 public:
  virtual ~IDocumentObserver() = default;
  virtual void OnDocumentNotification(DocumentNotification kind, int param1, int param2) = 0;
};

}  // namespace vl
