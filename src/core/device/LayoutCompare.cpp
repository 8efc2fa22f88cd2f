#include "core/device/LayoutCompare.h"

#include <array>
#include <utility>

namespace vl {

namespace {

// The keys of an image by key number k = x * height + y.
class RecordSink final : public IUploadSink {
 public:
  RecordSink(std::vector<TMacroButton>& records, int height) : records_(records), height_(height) {}
  void StoreKey(GridOffset offset, const TMacroButton& record) override {
    records_[static_cast<size_t>(offset.Dx) * height_ + offset.Dy] = record;
  }
  void StoreCardReader(const TMacroButton&, uint8_t) override {}

 private:
  std::vector<TMacroButton>& records_;
  int height_;
};

std::optional<std::vector<TMacroButton>> DeviceKeys(const TVL2Document& document, const SettingsStore& settings,
                                                    const ImageDevice& device, const TRect& selection,
                                                    const KeyPlacement& placement) {
  auto image = BuildDeviceImage(document, settings, device, selection, placement);
  if (!image) return std::nullopt;
  image->pop_back();  // the CRC-8
  std::vector<TMacroButton> records(static_cast<size_t>(device.Width) * device.Height);
  RecordSink sink(records, device.Height);
  const ImageReadOptions options{.Width = device.Width, .Height = device.Height};
  ReadDeviceImage(*image, options, [](int x, int y) { return GridOffset{x, y}; }, sink);
  return records;
}

uint8_t LayerDifference(const TMacros& a, const TMacros& b) {
  uint8_t what = 0;
  if (a.Macro[0] != b.Macro[0]) what |= kDiffPress;
  if (a.Macro[1] != b.Macro[1]) what |= kDiffRelease;
  if (a.AutoRepeat != b.AutoRepeat) what |= kDiffAutoRepeat;
  if (a.Click != b.Click) what |= kDiffClick;
  return what;
}

}  // namespace

std::optional<std::vector<KeyDifference>> CompareLayouts(const TVL2Document& layout, const TVL2Document& keyboard,
                                                         const SettingsStore& settings, const ImageDevice& device,
                                                         const TRect& selection, const KeyPlacement& placement) {
  // The keyboard's layout was read from the device: everything it holds is compared.
  SettingsStore allLayers = settings;
  allLayers.Set(Setting::LayerCount, kLayerCount - 1);
  const auto ours = DeviceKeys(layout, settings, device, selection, placement);
  const auto theirs = DeviceKeys(keyboard, allLayers, device, selection, placement);
  if (!ours || !theirs) return std::nullopt;

  std::vector<KeyDifference> differences;
  for (int x = 0; x < device.Width; ++x) {
    for (int y = 0; y < device.Height; ++y) {
      const size_t key = static_cast<size_t>(x) * device.Height + y;
      const GridOffset offset = placement(x, y);
      KeyDifference difference{x, y, selection.Left + offset.Dx, selection.Top + offset.Dy};
      const TMacroButton& a = (*ours)[key];
      const TMacroButton& b = (*theirs)[key];
      if (a.Func != b.Func) {
        difference.What = kDiffFunction;
        differences.push_back(difference);
        continue;
      }
      for (int layer = 0; layer < kLayerCount; ++layer) {
        difference.Layer = layer;
        difference.What = LayerDifference(a.Layers[layer], b.Layers[layer]);
        if (difference.What) differences.push_back(difference);
      }
    }
  }
  return differences;
}

std::vector<std::string> DifferenceNames(uint8_t what) {
  static constexpr std::array<std::pair<uint8_t, const char*>, 5> kNames = {{
      {kDiffFunction, "функция"},
      {kDiffPress, "нажатие"},
      {kDiffRelease, "отпускание"},
      {kDiffAutoRepeat, "автоповтор"},
      {kDiffClick, "щелчок"},
  }};
  std::vector<std::string> names;
  for (const auto& [bit, name] : kNames)
    if (what & bit) names.emplace_back(name);
  return names;
}

std::string DifferenceLine(const KeyDifference& difference) {
  std::string line = "столбец " + std::to_string(difference.Column) + ", строка " +
                     std::to_string(difference.Row) + " (клавиша устройства " + std::to_string(difference.X) +
                     "," + std::to_string(difference.Y) + ")";
  if (difference.Layer != kWholeKey) line += " слой " + std::to_string(difference.Layer);
  const char* separator = ": ";
  for (const auto& name : DifferenceNames(difference.What)) {
    line += separator;
    line += name;
    separator = ", ";
  }
  return line;
}

}  // namespace vl
