#pragma once
// The end of an upload: the layout the worker read into its own copy goes into
// the window's document in one undoable step ("чтение данных из устройства").

#include "core/document/VL2Document.h"

namespace vl {

// Takes the fragment's keys from read (and its card reader and track mask when
// withCard), marks the document modified and read from the device, notifies.
void ApplyDeviceRead(TVL2Document& document, TVL2Document& read, const TRect& fragment, bool withCard);

}  // namespace vl
