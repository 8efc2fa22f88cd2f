#include "core/document/LegacyLayoutReader.h"

#include "core/document/LayoutFileFormat.h"
#include "core/document/RecordOps.h"

namespace vl {
namespace {

void ReadLegacyLayer(LayoutByteReader& in, TMacros& layer) {
  in.AppendCounted(layer.Macro[0], kMaxSequenceLength);
  in.AppendCounted(layer.Macro[1], kMaxSequenceLength);
  const uint8_t flags = in.Byte();
  layer.AutoRepeat = flags & 1;
  layer.Click = flags >> 1;
  in.Byte();  // unused
  in.AppendCounted(layer.Note, kMaxLayerNoteLength);
}

}  // namespace

std::optional<size_t> LegacyKeyTypeTableSize(uint8_t keyboardType) {
  switch (keyboardType) {
    case 1:
    case 2: return 8 * 8;
    case 3: return 16 * 8;
    case 4: return 15 * 7;
    case 5: return 0;
    case 6: return 4 * 8;
    case 7: return 4 * 3;
    default: return std::nullopt;
  }
}

void ReadLegacyLayoutBody(LayoutByteReader& in, uint8_t keyboardType, TVL2Document& document) {
  const auto tableSize = LegacyKeyTypeTableSize(keyboardType);
  if (!tableSize) throw LayoutFormatError{};
  const uint8_t tracksAndLayers = in.Byte();
  document.TrackMask = tracksAndLayers >> 2;
  const size_t layerCount = (tracksAndLayers & 3u) + 1;
  in.Byte();             // language and correction: the settings keep their own
  in.ByteAtMost(15);     // interval index
  for (size_t i = 0; i < *tableSize; ++i) in.ByteAtMost(4);
  while (!in.AtEnd()) {
    const uint8_t column = in.Byte();
    const uint8_t row = in.Byte();
    const bool cardReader = column == layout_file::kCardReaderCell;
    // Old positions count from 0; a row of 255 would lie outside the field.
    if (!cardReader && row == 255) throw LayoutFormatError{};
    TMacroButton record;
    InitRecord(record);
    record.Func = in.ByteAtMost(kMaxFunc);
    const size_t layers = cardReader ? kLayerCount : layerCount;
    for (size_t layer = 0; layer < layers; ++layer) ReadLegacyLayer(in, record.Layers[layer]);
    if (record.IsEmpty()) continue;
    if (cardReader) {
      document.CardReader = record;
    } else {
      document.SetKey(column + 1, row + 1, std::make_unique<TMacroButton>(record));
    }
  }
}

}  // namespace vl
