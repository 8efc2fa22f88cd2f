#pragma once
// What an upload read out of a keyboard, held apart from any layout until it is
// taken in: only the cells the upload stores into, so that the rest of the layout
// (and whatever the user did to it meanwhile) stays as it is.

#include <optional>
#include <vector>

#include "core/document/VL2Document.h"

namespace vl {

struct DeviceRead {
  struct Cell {
    int Column = 1;
    int Row = 1;
    TMacroButton Record;  // a blank record empties the cell
  };
  TRect Fragment;              // the block the upload filled
  std::vector<Cell> Cells;     // in the order read
  std::optional<TMacroButton> CardReader;  // only when the card reader was read
  uint8_t TrackMask = 0;

  bool Empty() const { return Cells.empty() && !CardReader; }
};

// Puts the read cells (and the card reader, when read) into the document as the
// readers of layouts do, without a history step; marks the document modified and
// read from the device and notifies. Does nothing when the read is empty.
void StoreDeviceRead(TVL2Document& document, const DeviceRead& read);

// The same as one undoable history step named "чтение данных из устройства"
// over the read's fragment (and the card reader when read), for a layout window.
void ApplyDeviceRead(TVL2Document& document, const DeviceRead& read);

}  // namespace vl
