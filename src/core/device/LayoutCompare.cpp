#include "core/device/LayoutCompare.h"

#include <array>
#include <utility>

namespace vl {

namespace {

std::optional<ImageRecords> DeviceContent(const TVL2Document& document, const SettingsStore& settings,
                                          const ImageDevice& device, const TRect& selection,
                                          const KeyPlacement& placement) {
  auto image = BuildDeviceImage(document, settings, device, selection, placement);
  if (!image) return std::nullopt;
  image->pop_back();  // the CRC-8
  ImageRecords content;
  ReadImageRecords(*image, {.Width = device.Width, .Height = device.Height, .WithCard = true}, content);
  return content;
}

// The keyboard's layout was read from the device: everything it holds is compared.
SettingsStore AllLayers(const SettingsStore& settings) {
  SettingsStore allLayers = settings;
  allLayers.Set(Setting::LayerCount, kLayerCount - 1);
  return allLayers;
}

// "name, name" of the bits set in what.
template <size_t N>
std::vector<std::string> NamesOf(uint8_t what, const std::array<std::pair<uint8_t, const char*>, N>& names) {
  std::vector<std::string> listed;
  for (const auto& [bit, name] : names)
    if (what & bit) listed.emplace_back(name);
  return listed;
}

std::string JoinedAfter(std::string line, const std::vector<std::string>& names) {
  const char* separator = ": ";
  for (const auto& name : names) {
    line += separator;
    line += name;
    separator = ", ";
  }
  return line;
}

uint8_t LayerDifference(const TMacros& a, const TMacros& b) {
  uint8_t what = 0;
  if (a.Macro[0] != b.Macro[0]) what |= kDiffPress;
  if (a.Macro[1] != b.Macro[1]) what |= kDiffRelease;
  if (a.AutoRepeat != b.AutoRepeat) what |= kDiffAutoRepeat;
  if (a.Click != b.Click) what |= kDiffClick;
  return what;
}

// A key whose function differs is listed once, as kWholeKey; else each layer that differs.
void AddKeyDifferences(const TMacroButton& a, const TMacroButton& b, KeyDifference difference,
                       std::vector<KeyDifference>& differences) {
  if (a.Func != b.Func) {
    difference.What = kDiffFunction;
    differences.push_back(difference);
    return;
  }
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    difference.Layer = static_cast<int>(layer);
    difference.What = LayerDifference(a.Layers[layer], b.Layers[layer]);
    if (difference.What) differences.push_back(difference);
  }
}

std::vector<TrackDifference> TrackDifferences(const TMacroButton& a, uint8_t maskA, const TMacroButton& b,
                                              uint8_t maskB) {
  std::vector<TrackDifference> differences;
  for (size_t track = 0; track < a.Layers.size(); ++track) {
    const TMacros& trackA = a.Layers[track];
    const TMacros& trackB = b.Layers[track];
    uint8_t what = 0;
    if ((maskA ^ maskB) & (1 << track)) what |= kTrackEnabled;
    if (trackA.Macro[0] != trackB.Macro[0]) what |= kTrackHeader;
    if (trackA.Macro[1] != trackB.Macro[1]) what |= kTrackTerminator;
    if (trackA.Click != trackB.Click) what |= kTrackFlags;
    if (what) differences.push_back(TrackDifference{static_cast<int>(track) + 1, what});
  }
  return differences;
}

}  // namespace

std::optional<std::vector<KeyDifference>> CompareLayouts(const TVL2Document& layout, const TVL2Document& keyboard,
                                                         const SettingsStore& settings, const ImageDevice& device,
                                                         const TRect& selection, const KeyPlacement& placement) {
  const auto ours = DeviceContent(layout, settings, device, selection, placement);
  const auto theirs = DeviceContent(keyboard, AllLayers(settings), device, selection, placement);
  if (!ours || !theirs) return std::nullopt;

  std::vector<KeyDifference> differences;
  for (int x = 0; x < device.Width; ++x) {
    for (int y = 0; y < device.Height; ++y) {
      const auto key = static_cast<size_t>(x * device.Height + y);
      const GridOffset offset = placement(x, y);
      KeyDifference difference{x, y, selection.Left + offset.Dx, selection.Top + offset.Dy};
      AddKeyDifferences(ours->keys[key], theirs->keys[key], difference, differences);
    }
  }
  return differences;
}

std::optional<std::vector<TrackDifference>> CompareCardReaders(const TVL2Document& layout,
                                                               const TVL2Document& keyboard,
                                                               const SettingsStore& settings,
                                                               const ImageDevice& device, const TRect& selection,
                                                               const KeyPlacement& placement) {
  const auto ours = DeviceContent(layout, settings, device, selection, placement);
  const auto theirs = DeviceContent(keyboard, AllLayers(settings), device, selection, placement);
  if (!ours || !theirs) return std::nullopt;
  std::vector<TrackDifference> differences;
  return TrackDifferences(ours->card, ours->trackMask, theirs->card, theirs->trackMask);
}

std::vector<KeyDifference> CompareLayoutFiles(const TVL2Document& a, const TVL2Document& b) {
  std::vector<KeyDifference> differences;
  // A cell without a key is what a keyboard holds for it: a macro key with nothing on it.
  TMacroButton empty;
  empty.Func = kFuncMacro;
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      const TMacroButton* keyA = a.GetKey(column, row);
      const TMacroButton* keyB = b.GetKey(column, row);
      KeyDifference difference{kNoDeviceKey, kNoDeviceKey, column, row};
      AddKeyDifferences(keyA ? *keyA : empty, keyB ? *keyB : empty, difference, differences);
    }
  }
  return differences;
}

std::vector<TrackDifference> CompareLayoutFileCards(const TVL2Document& a, const TVL2Document& b) {
  return TrackDifferences(a.CardReader, a.TrackMask, b.CardReader, b.TrackMask);
}

std::vector<std::string> TrackDifferenceNames(uint8_t what) {
  static constexpr std::array<std::pair<uint8_t, const char*>, 4> kNames = {{
      {kTrackEnabled, kTrackEnabledName},
      {kTrackHeader, kTrackHeaderName},
      {kTrackTerminator, kTrackTerminatorName},
      {kTrackFlags, kTrackFlagsName},
  }};
  return NamesOf(what, kNames);
}

std::string TrackDifferenceLine(const TrackDifference& difference) {
  return JoinedAfter("дорожка " + std::to_string(difference.Track), TrackDifferenceNames(difference.What));
}

std::vector<std::string> DifferenceNames(uint8_t what) {
  static constexpr std::array<std::pair<uint8_t, const char*>, 5> kNames = {{
      {kDiffFunction, kDiffFunctionName},
      {kDiffPress, kDiffPressName},
      {kDiffRelease, kDiffReleaseName},
      {kDiffAutoRepeat, kDiffAutoRepeatName},
      {kDiffClick, kDiffClickName},
  }};
  return NamesOf(what, kNames);
}

std::string DifferencePlace(const KeyDifference& difference, const TextTranslator& translate) {
  std::string place = TranslatedText(translate, kCellPlacePattern,
                                     {std::to_string(difference.Column), std::to_string(difference.Row)});
  if (difference.X != kNoDeviceKey)
    place += TranslatedText(translate, kDeviceKeyPattern, {std::to_string(difference.X), std::to_string(difference.Y)});
  return place;
}

std::string DifferenceLine(const KeyDifference& difference) {
  std::string line = DifferencePlace(difference);
  if (difference.Layer != kWholeKey) line += " слой " + std::to_string(difference.Layer);
  return JoinedAfter(line, DifferenceNames(difference.What));
}

std::optional<KeyboardComparison> CompareWithKeyboard(const TVL2Document& layout, const TVL2Document& keyboard,
                                                      const SettingsStore& settings,
                                                      const PreparedOperation& prepared, bool withCard) {
  const ImageDevice device{prepared.identity.SerialNumber, prepared.model.Width, prepared.model.Height,
                           prepared.model.Check == CheckKind::Crc, prepared.header.ControllerMajor,
                           prepared.header.ControllerMinor};
  const auto image = BuildDeviceImage(layout, settings, device, prepared.selection, prepared.placement);
  if (!image || static_cast<int>(image->size()) >= AddressableMemory(prepared.model) - 32) return std::nullopt;
  auto keys = CompareLayouts(layout, keyboard, settings, device, prepared.selection, prepared.placement);
  auto tracks = withCard ? CompareCardReaders(layout, keyboard, settings, device, prepared.selection,
                                              prepared.placement)
                         : std::optional<std::vector<TrackDifference>>(std::vector<TrackDifference>{});
  if (!keys || !tracks) return std::nullopt;
  return KeyboardComparison{std::move(*keys), std::move(*tracks)};
}

}  // namespace vl
