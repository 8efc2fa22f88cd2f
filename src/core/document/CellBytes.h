#pragma once
// The flat form in which the edit history keeps the cells a step changed: the
// values of many cells one after another in one buffer, so that recording a step
// writes bytes instead of allocating a record and its strings per cell, and the
// step holds little more than its content. An absent value (no key record, no
// note, an all-zero group cell) has no bytes; every present value has at least
// one.

#include <memory>
#include <string_view>

#include "core/document/GroupCell.h"
#include "core/document/KeyNote.h"
#include "core/document/MacroButton.h"

namespace vl {

// How many bytes WriteCellBytes writes for the value.
size_t CellByteCount(const std::unique_ptr<TMacroButton>& key);
size_t CellByteCount(const std::unique_ptr<TKeyNote>& note);
size_t CellByteCount(const TGroupCell& cell);

// Writes the value's bytes at out and returns the end of what it wrote.
char* WriteCellBytes(char* out, const std::unique_ptr<TMacroButton>& key);
char* WriteCellBytes(char* out, const std::unique_ptr<TKeyNote>& note);
char* WriteCellBytes(char* out, const TGroupCell& cell);

// Whether the bytes are those of the value.
bool CellMatches(std::string_view bytes, const std::unique_ptr<TMacroButton>& key);
bool CellMatches(std::string_view bytes, const std::unique_ptr<TKeyNote>& note);
bool CellMatches(std::string_view bytes, const TGroupCell& cell);

// Sets the cell to the value the bytes hold (none: absent). A record the cell
// already has is reused, with its strings' storage.
void RestoreCell(std::string_view bytes, std::unique_ptr<TMacroButton>& key);
void RestoreCell(std::string_view bytes, std::unique_ptr<TKeyNote>& note);
void RestoreCell(std::string_view bytes, TGroupCell& cell);

}  // namespace vl
