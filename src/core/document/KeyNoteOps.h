#pragma once
// Key notes and bookmarks of a layout. Texts are code page 1251. A key keeps its
// note record only while the note or the bookmark is non-empty. Each operation
// sets Modified and notifies ContentChanged; each is one history step.

#include <optional>
#include <string>
#include <vector>

#include "core/document/VL2Document.h"

namespace vl {

// A non-empty text becomes the key note of every key of the block (cut to 150
// characters); an empty text deletes the notes and keeps the bookmarks.
void SetKeyNote(TVL2Document& document, const TRect& block, const std::string& text);

// The key's bookmark becomes the name, cut to 50 characters. An empty name
// removes the bookmark (and the record when the key has no note).
void SetMark(TVL2Document& document, int column, int row, const std::string& name);

// Removes the bookmarks of the block's keys, keeping their notes.
void DeleteMarks(TVL2Document& document, const TRect& block);

// Whether any key of the block has a key note, or a bookmark.
bool BlockHasKeyNote(const TVL2Document& document, const TRect& block);
bool BlockHasMark(const TVL2Document& document, const TRect& block);

// The layout's bookmarks in traversal order (column by column, each from the top).
std::vector<std::string> MarkNames(const TVL2Document& document);

// The key that carries the bookmark; where several carry it, the first in
// traversal order. None for an empty name, or one that no key carries.
struct MarkPlace {
  int Column = 1;
  int Row = 1;
  bool operator==(const MarkPlace&) const = default;
};
std::optional<MarkPlace> FindMark(const TVL2Document& document, const std::string& name);

// Marks a standard keyboard field: the block of columns x rows whose top-left
// cell is (column, row), cut at column and row 255, gets the description (code
// page 1251) as key note. Returns that block for the grid to select.
TRect MarkField(TVL2Document& document, int column, int row, int columns, int rows,
                const std::string& description);

}  // namespace vl
