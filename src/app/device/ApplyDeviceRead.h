#pragma once
// The end of an upload: the layout the worker read into its own copy goes into
// the window's document in one undoable step ("чтение данных из устройства").

#include "core/document/VL2Document.h"

namespace vl {

// Takes the fragment's keys from read (and its card reader and track mask when
// withCard) as one history step, which marks the document modified when anything
// changed; marks it read from the device and notifies.
void ApplyDeviceRead(TVL2Document& document, TVL2Document& read, const TRect& fragment, bool withCard);

}  // namespace vl
