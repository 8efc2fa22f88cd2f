#include "core/device/DeviceImage.h"

#include <array>

#include "core/device/Crc8.h"

namespace vl {
namespace {

constexpr uint8_t kSwitchMarker = 0xFF;
constexpr uint8_t kTemporaryRelease = 0x20;
constexpr uint8_t kEmptyMarkerCrc = 0x0F;  // flags of the empty record on CRC-8 devices
constexpr size_t kTrackCount = 4;
constexpr uint8_t kControllerWithTrackDefaults = 17;  // 1.7
// Controllers before 1.7 need something in every track header and terminator.
constexpr std::array<uint8_t, 6> kTrackFiller = {0x7E, 0xF0, 0x7E, 0x7E, 0xF0, 0x7E};

// Code after 0xFF for Func 1..10.
uint8_t SwitchCode(uint8_t func) {
  if (func == kFuncLayerUp) return 0x30;
  if (func == kFuncLayerDown) return 0x40;
  if (func < kFuncShiftToLayer0) return static_cast<uint8_t>(func - kFuncGoToLayer0);
  return static_cast<uint8_t>(0x10 + func - kFuncShiftToLayer0);
}

// Func for a code after 0xFF; nullopt for a code that names no function.
std::optional<uint8_t> FuncOfSwitchCode(uint8_t code) {
  if (code == 0x30) return kFuncLayerUp;
  if (code == 0x40) return kFuncLayerDown;
  if (code <= 0x03) return static_cast<uint8_t>(kFuncGoToLayer0 + code);
  if (code >= 0x10 && code <= 0x13) return static_cast<uint8_t>(kFuncShiftToLayer0 + code - 0x10);
  return std::nullopt;
}

// An append-only byte image that refuses to grow past the 16-bit length.
class ImageWriter {
 public:
  bool Overflow() const { return overflow_; }
  size_t Size() const { return bytes_.size(); }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

  void Append(uint8_t byte) {
    if (bytes_.size() >= kMaxImageSize) {
      overflow_ = true;
      return;
    }
    bytes_.push_back(byte);
  }
  void Append(std::span<const uint8_t> bytes) {
    for (uint8_t byte : bytes) Append(byte);
  }
  void Reserve(size_t size) { bytes_.resize(size, 0); }
  void PutWord(size_t offset, size_t value) {
    bytes_[offset] = static_cast<uint8_t>(value & 0xFF);
    bytes_[offset + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
  }
  // A layer or track record: press length, flags, press, release length, release.
  void AppendRecord(uint8_t flags, const std::string& press, const std::string& release) {
    Append(static_cast<uint8_t>(press.size()));
    Append(flags);
    Append(AsBytes(press));
    Append(static_cast<uint8_t>(release.size()));
    Append(AsBytes(release));
  }

 private:
  static std::span<const uint8_t> AsBytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
  }

  std::vector<uint8_t> bytes_;
  bool overflow_ = false;
};

// The record that the device key at a grid cell gets, resolving groups; nullptr
// for no record.
const TMacroButton* ContentAt(const TVL2Document& document, int column, int row,
                              uint8_t groupMode) {
  const TGroupCell group = document.GetGroup(column, row);
  if (!group.IsGrouped()) return document.GetKey(column, row);
  const bool isMaster = group.MasterCol == column && group.MasterRow == row;
  switch (groupMode) {
    case 0:
      return isMaster ? document.GetKey(column, row) : nullptr;
    case 1:
      return document.GetKey(group.MasterCol, group.MasterRow);
    default:
      return document.GetKey(column, row);
  }
}

// The switching key as the device runs it, in every downloaded layer.
TMacroButton SwitchingKey(const TMacroButton& record, size_t layers) {
  TMacroButton key = record;
  const std::string press = {static_cast<char>(kSwitchMarker),
                             static_cast<char>(SwitchCode(record.Func))};
  const bool temporary = record.Func >= kFuncShiftToLayer0;
  for (size_t layer = 0; layer < layers; ++layer) {
    TMacros& block = key.Layers[layer];
    block.Macro[0] = press;
    block.Macro[1] = temporary ? std::string{static_cast<char>(kSwitchMarker),
                                             static_cast<char>(kTemporaryRelease)}
                               : std::string{};
    block.AutoRepeat = static_cast<uint8_t>(block.AutoRepeat & ~1u);
  }
  return key;
}

// A key with no function assigned is written empty, as the grid shows it: its
// layers would otherwise go out as a one-byte 0xFF press.
bool WrittenEmpty(const TMacroButton* record, size_t layers) {
  if (record == nullptr) return true;
  if (IsLayerSwitch(record->Func)) return false;
  if (record->Func != kFuncMacro) return true;
  for (size_t layer = 0; layer < layers; ++layer) {
    if (!record->Layers[layer].IsEmpty()) return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> BuildDeviceImage(const TVL2Document& document,
                                                     const SettingsStore& settings,
                                                     const ImageDevice& device,
                                                     const TRect& selection,
                                                     const KeyPlacement& placement) {
  const int keyCount = device.Width * device.Height;
  if (keyCount < 0 || keyCount > 255) return std::nullopt;
  const auto keys = static_cast<size_t>(keyCount);
  const auto layers = static_cast<size_t>(settings.LayerCountValue());
  const uint8_t groupMode = settings.Get(Setting::GroupDownloadMode);
  const size_t keyTable = 4;
  const size_t trackTable = keyTable + 2 * keys * layers;
  const size_t emptyRecord = trackTable + 2 * kTrackCount + 2;

  ImageWriter image;
  image.Append(static_cast<uint8_t>(device.Serial & 0xFF));
  image.Append(static_cast<uint8_t>(device.Serial >> 8));
  image.Append(static_cast<uint8_t>(keys));
  image.Append(static_cast<uint8_t>((document.TrackMask & 0x0F) | ((layers - 1) << 4) | 0x40 |
                                    (settings.IsOn(Setting::CorrectLock) ? 0x80 : 0)));
  image.Reserve(trackTable + 2 * kTrackCount);
  image.Append(0xFF);
  image.Append(0xFF);
  const uint8_t emptyFlags = device.Crc ? kEmptyMarkerCrc : 0;
  for (size_t layer = 0; layer < layers; ++layer) {
    image.Append(0);
    image.Append(emptyFlags);
    image.Append(0);
  }

  for (int x = 0; x < device.Width; ++x) {
    for (int y = 0; y < device.Height; ++y) {
      const auto key = static_cast<size_t>(x * device.Height + y);
      const GridOffset offset = placement(x, y);
      const int column = selection.Left + offset.Dx;
      const int row = selection.Top + offset.Dy;
      const TMacroButton* record = nullptr;
      if (column <= selection.Right && row <= selection.Bottom && InField(column, row)) {
        record = ContentAt(document, column, row, groupMode);
      }
      if (WrittenEmpty(record, layers)) {
        for (size_t layer = 0; layer < layers; ++layer) {
          image.PutWord(keyTable + layer * 2 * keys + 2 * key, emptyRecord);
        }
        continue;
      }
      const TMacroButton written =
          IsLayerSwitch(record->Func) ? SwitchingKey(*record, layers) : *record;
      for (size_t layer = 0; layer < layers; ++layer) {
        const TMacros& block = written.Layers[layer];
        image.PutWord(keyTable + layer * 2 * keys + 2 * key, image.Size());
        image.AppendRecord(static_cast<uint8_t>(block.AutoRepeat + 2 * block.Click),
                           block.Macro[0], block.Macro[1]);
      }
      if (image.Overflow()) return std::nullopt;
    }
  }

  TMacroButton card = document.CardReader;
  if (device.ControllerMajor * 10 + device.ControllerMinor < kControllerWithTrackDefaults) {
    const std::string filler(kTrackFiller.begin(), kTrackFiller.end());
    for (TMacros& track : card.Layers) {
      for (std::string& sequence : track.Macro) {
        if (sequence.empty()) sequence = filler;
      }
    }
  }
  for (size_t track = 0; track < kTrackCount; ++track) {
    const TMacros& block = card.Layers[track];
    image.PutWord(trackTable + 2 * track, image.Size());
    image.AppendRecord(block.Click, block.Macro[0], block.Macro[1]);
  }

  std::vector<uint8_t> bytes = image.Take();
  if (image.Overflow() || bytes.size() >= kMaxImageSize) return std::nullopt;
  bytes.push_back(Crc8(bytes));
  return bytes;
}

namespace {

// Bounds-checked reads of an uploaded image: a byte beyond it is 0 and spoils the read.
class ImageReader {
 public:
  explicit ImageReader(std::span<const uint8_t> image) : image_(image) {}
  bool Failed() const { return failed_; }

  uint8_t At(size_t offset) {
    if (offset >= image_.size()) {
      failed_ = true;
      return 0;
    }
    return image_[offset];
  }
  size_t Word(size_t offset) { return At(offset) | static_cast<size_t>(At(offset + 1)) << 8; }
  std::string Sequence(size_t offset, size_t length) {
    std::string sequence(length, '\0');
    for (size_t i = 0; i < length; ++i) sequence[i] = static_cast<char>(At(offset + i));
    return sequence;
  }

 private:
  std::span<const uint8_t> image_;
  bool failed_ = false;
};

}  // namespace

bool ReadDeviceImage(std::span<const uint8_t> image, const ImageReadOptions& options,
                     const KeyPlacement& placement, IUploadSink& sink) {
  ImageReader reader(image);
  // The catalogue's checks keep the device at 1..16 columns and 1..18 rows.
  const auto keys = static_cast<size_t>(options.Width * options.Height);
  const uint8_t layoutByte = reader.At(3);
  const size_t layers = ((layoutByte >> 4) & 3u) + 1;
  constexpr size_t keyTable = 4;

  for (int x = 0; x < options.Width; ++x) {
    for (int y = 0; y < options.Height; ++y) {
      const auto key = static_cast<size_t>(x * options.Height + y);
      TMacroButton record;
      for (size_t layer = 0; layer < layers; ++layer) {
        const size_t offset = reader.Word(keyTable + layer * 2 * keys + 2 * key);
        TMacros& block = record.Layers[layer];
        const uint8_t pressLength = reader.At(offset);
        const uint8_t flags = reader.At(offset + 1);
        if (flags != kEmptyMarkerCrc) {
          block.AutoRepeat = flags & 1;
          block.Click = static_cast<uint8_t>(flags >> 1);
          if (options.ClickQuirk && block.Click == 7) block.Click = 6;
        }
        if (pressLength == 2 && reader.At(offset + 2) == kSwitchMarker) {
          if (auto func = FuncOfSwitchCode(reader.At(offset + 3))) record.Func = *func;
          continue;
        }
        record.Func = kFuncMacro;
        block.Macro[0] = reader.Sequence(offset + 2, pressLength);
        const size_t release = offset + 2 + pressLength;
        block.Macro[1] = reader.Sequence(release + 1, reader.At(release));
      }
      sink.StoreKey(placement(x, y), record);
    }
  }

  if (options.WithCard) {
    TMacroButton card;
    size_t offset = reader.Word(keyTable + 2 * keys * layers);
    for (TMacros& track : card.Layers) {
      const uint8_t headerLength = reader.At(offset);
      track.Click = reader.At(offset + 1);
      track.Macro[0] = reader.Sequence(offset + 2, headerLength);
      offset += 2 + headerLength;
      const uint8_t terminatorLength = reader.At(offset);
      track.Macro[1] = reader.Sequence(offset + 1, terminatorLength);
      offset += 1 + terminatorLength;
    }
    sink.StoreCardReader(card, layoutByte & 0x0F);
  }
  return !reader.Failed();
}

namespace {

class RecordsSink final : public IUploadSink {
 public:
  RecordsSink(ImageRecords& records, int height) : records_(records), height_(static_cast<size_t>(height)) {}
  void StoreKey(GridOffset offset, const TMacroButton& record) override {
    records_.keys[static_cast<size_t>(offset.Dx) * height_ + static_cast<size_t>(offset.Dy)] = record;
  }
  void StoreCardReader(const TMacroButton& record, uint8_t trackMask) override {
    records_.card = record;
    records_.trackMask = trackMask;
  }

 private:
  ImageRecords& records_;
  size_t height_;
};

}  // namespace

bool ReadImageRecords(std::span<const uint8_t> image, const ImageReadOptions& options, ImageRecords& records) {
  records.keys.assign(static_cast<size_t>(options.Width * options.Height), TMacroButton{});
  RecordsSink sink(records, options.Height);
  return ReadDeviceImage(image, options, [](int x, int y) { return GridOffset{x, y}; }, sink);
}

}  // namespace vl
