// The device data image: its byte layout, and reading it back into key records.

#include "core/device/DeviceImage.h"

#include <gtest/gtest.h>

#include <map>

#include "core/device/UploadStore.h"
#include "core/document/RecordOps.h"

namespace vl {
namespace {

// Device positions laid on the grid column by column, as the 8 x 8 decoding files do.
GridOffset Straight(int x, int y) { return {x, y}; }

ImageDevice Device(int width = 8, int height = 8, bool crc = true) {
  return ImageDevice{0x1234, width, height, crc, 1, 7};
}

TRect Block(int width = 8, int height = 8) { return TRect{1, 1, width, height}; }

SettingsStore Layers(int count) {
  SettingsStore settings;
  settings.Set(Setting::LayerCount, static_cast<uint8_t>(count - 1));
  return settings;
}

TMacroButton& Key(TVL2Document& document, int column, int row, uint8_t func = kFuncMacro) {
  auto& ref = document.Keys(column, row);
  ref = std::make_unique<TMacroButton>();
  ref->Func = func;
  return *ref;
}

size_t Word(const std::vector<uint8_t>& image, size_t offset) {
  return image[offset] | image[offset + 1] << 8;
}

bool CrcCloses(const std::vector<uint8_t>& image) {
  uint8_t crc = 0;
  for (uint8_t byte : image) {
    for (int bit = 0; bit < 8; ++bit, byte >>= 1) {
      crc = ((byte ^ crc) & 1) ? static_cast<uint8_t>((crc >> 1) ^ 0x8C) : crc >> 1;
    }
  }
  return crc == 0;
}

// Collects what the reader hands over.
struct Collected : IUploadSink {
  std::map<std::pair<int, int>, TMacroButton> keys;
  std::optional<TMacroButton> card;
  uint8_t mask = 0;
  TMacroButton& At(int dx, int dy) { return keys[{dx, dy}]; }
  void StoreKey(GridOffset offset, const TMacroButton& record) override {
    keys[{offset.Dx, offset.Dy}] = record;
  }
  void StoreCardReader(const TMacroButton& record, uint8_t trackMask) override {
    card = record;
    mask = trackMask;
  }
};

Collected ReadBack(const std::vector<uint8_t>& image, int width = 8, int height = 8,
                   bool withCard = false, bool* ok = nullptr) {
  Collected sink;
  const std::span<const uint8_t> content(image.data(), image.size() - 1);
  const bool result = ReadDeviceImage(content, {width, height, false, withCard}, Straight, sink);
  if (ok) *ok = result;
  return sink;
}

TEST(DeviceImage, EmptyLayoutHasOnlyTablesAndEmptyRecords) {
  TVL2Document document;
  const auto image = BuildDeviceImage(document, Layers(4), Device(), Block(), Straight);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->size(), 551u);
  EXPECT_EQ(Word(*image, 0), 0x1234u);
  EXPECT_EQ((*image)[2], 64);
  EXPECT_EQ((*image)[3], 0x70);  // four layers, bit 6
  for (size_t entry = 4; entry < 516; entry += 2) ASSERT_EQ(Word(*image, entry), 526u) << entry;
  EXPECT_EQ((*image)[524], 0xFF);
  EXPECT_EQ((*image)[525], 0xFF);
  for (size_t record = 526; record < 538; record += 3) {
    EXPECT_EQ((*image)[record + 1], 0x0F);
  }
  for (int track = 0; track < 4; ++track) {
    const size_t offset = Word(*image, 516 + 2 * track);
    EXPECT_EQ(offset, 538u + 3 * track);
    EXPECT_EQ((*image)[offset], 0);
    EXPECT_EQ((*image)[offset + 2], 0);
  }
  EXPECT_TRUE(CrcCloses(*image));
}

TEST(DeviceImage, HeaderByteCarriesMaskLayersAndLockCorrection) {
  TVL2Document document;
  document.TrackMask = 0x05;
  SettingsStore settings = Layers(2);
  settings.Set(Setting::CorrectLock, 1);
  const auto image = BuildDeviceImage(document, settings, Device(4, 3, false), Block(4, 3), Straight);
  ASSERT_TRUE(image);
  EXPECT_EQ((*image)[3], 0x80 | 0x40 | 0x10 | 0x05);
  // Sum-check devices mark empty records with flags 0.
  const size_t empty = 14 + 2 * 12 * 2;
  EXPECT_EQ(Word(*image, 4), empty);
  EXPECT_EQ((*image)[empty + 1], 0);
}

TEST(DeviceImage, MacroKeysRoundTripThroughTheImage) {
  TVL2Document document;
  TMacroButton& a = Key(document, 2, 3);
  a.Layers[0].Macro = {"\x1c", "\xf0\x1c"};
  a.Layers[0].AutoRepeat = 1;
  a.Layers[0].Click = 3;
  a.Layers[1].Macro[0] = std::string(255, '\x22');
  TMacroButton& noteOnly = Key(document, 5, 1);
  noteOnly.Layers[2].Note = "n";
  TMacroButton& full = Key(document, 8, 8);
  full.Layers[3].AutoRepeat = 1;
  full.Layers[3].Click = 7;  // flags 0x0F: the empty marker of CRC devices
  full.Layers[3].Macro[1] = "\x11";

  const auto image = BuildDeviceImage(document, Layers(4), Device(), Block(), Straight);
  ASSERT_TRUE(image);
  bool ok = false;
  Collected back = ReadBack(*image, 8, 8, false, &ok);
  EXPECT_TRUE(ok);
  ASSERT_EQ(back.keys.size(), 64u);

  TMacroButton expectA = a;
  EXPECT_EQ(back.At(1, 2), expectA);

  // The note makes layer 2 non-empty, so the key has records: empty ones.
  const size_t offset = Word(*image, 4 + 2 * 64 * 2 + 2 * (4 * 8 + 0));
  EXPECT_NE(offset, 526u);
  EXPECT_EQ((*image)[offset], 0);
  EXPECT_EQ(back.At(4, 0).Func, kFuncMacro);
  EXPECT_TRUE(back.At(4, 0).AllLayersEmpty());

  const TMacros& fourth = back.At(7, 7).Layers[3];
  EXPECT_EQ(fourth.AutoRepeat, 0);
  EXPECT_EQ(fourth.Click, 0);
  EXPECT_EQ(fourth.Macro[1], "\x11");

  // Empty keys read back as blank macro keys.
  EXPECT_TRUE(back.At(0, 0).IsBlank());
}

TEST(DeviceImage, SwitchingKeysBecomeCodesOnACopy) {
  TVL2Document document;
  TMacroButton& shift = Key(document, 1, 1, 9);  // temporary switch to layer 2
  shift.Layers[0].Macro[0] = "\x1c";
  shift.Layers[0].AutoRepeat = 1;
  Key(document, 1, 2, kFuncLayerUp);
  Key(document, 1, 3, 4);  // go to layer 1

  const auto image = BuildDeviceImage(document, Layers(2), Device(), Block(), Straight);
  ASSERT_TRUE(image);
  EXPECT_EQ(shift.Layers[0].Macro[0], "\x1c");  // the document is not changed

  for (int layer = 0; layer < 2; ++layer) {
    const size_t offset = Word(*image, 4 + layer * 128);
    const std::vector<uint8_t> record(image->begin() + offset, image->begin() + offset + 7);
    EXPECT_EQ(record, (std::vector<uint8_t>{2, 0, 0xFF, 0x12, 2, 0xFF, 0x20})) << layer;
  }
  const size_t up = Word(*image, 4 + 2);
  EXPECT_EQ((std::vector<uint8_t>(image->begin() + up, image->begin() + up + 5)),
            (std::vector<uint8_t>{2, 0, 0xFF, 0x30, 0}));

  Collected back = ReadBack(*image);
  EXPECT_EQ(back.At(0, 0).Func, 9);
  EXPECT_TRUE(back.At(0, 0).AllLayersEmpty());
  EXPECT_EQ(back.At(0, 1).Func, kFuncLayerUp);
  EXPECT_EQ(back.At(0, 2).Func, 4);
}

TEST(DeviceImage, OnlyDownloadedLayersAreWrittenOrTested) {
  TVL2Document document;
  Key(document, 1, 1).Layers[2].Macro[0] = "\x1c";
  Key(document, 1, 2).Layers[1].Macro[0] = "\x1d";
  const auto image = BuildDeviceImage(document, Layers(2), Device(), Block(), Straight);
  ASSERT_TRUE(image);
  const size_t empty = 14 + 2 * 64 * 2;
  EXPECT_EQ(Word(*image, 4), empty);      // content only on layer 2: empty
  EXPECT_NE(Word(*image, 4 + 2), empty);  // layer 1 content is written
  EXPECT_EQ(image->size(), empty + 6 + 2 * 3 + 12 + 1 + 1);
}

TEST(DeviceImage, KeyWithoutFunctionIsWrittenEmpty) {
  TVL2Document document;
  Key(document, 1, 1, kFuncNone).Layers[0].Macro[0] = "\x1c";
  const auto image = BuildDeviceImage(document, Layers(1), Device(), Block(), Straight);
  ASSERT_TRUE(image);
  EXPECT_EQ(Word(*image, 4), 14u + 2 * 64);
}

TEST(DeviceImage, GroupModesResolveGroupsWhileBuilding) {
  TVL2Document document;
  Key(document, 1, 1).Layers[0].Macro[0] = "\x1c";
  Key(document, 2, 2).Layers[0].Macro[0] = "\x1d";
  document.MakeGroup(TRect{1, 1, 2, 2});

  auto pressOf = [&](uint8_t mode, int key) {
    SettingsStore settings = Layers(1);
    settings.Set(Setting::GroupDownloadMode, mode);
    const auto image = BuildDeviceImage(document, settings, Device(), Block(), Straight);
    const size_t offset = Word(*image, 4 + 2 * key);
    return std::string(image->begin() + offset + 2, image->begin() + offset + 2 + (*image)[offset]);
  };
  // key numbers: (0,0) = 0, (0,1) = 1, (1,1) = 9
  EXPECT_EQ(pressOf(0, 0), "\x1c");
  EXPECT_EQ(pressOf(0, 1), "");
  EXPECT_EQ(pressOf(0, 9), "");
  EXPECT_EQ(pressOf(1, 1), "\x1c");
  EXPECT_EQ(pressOf(1, 9), "\x1c");
  EXPECT_EQ(pressOf(2, 9), "\x1d");
  EXPECT_EQ(pressOf(2, 1), "");
}

TEST(DeviceImage, KeysBeyondTheSelectionAreEmpty) {
  TVL2Document document;
  Key(document, 4, 4).Layers[0].Macro[0] = "\x1c";
  Key(document, 5, 5).Layers[0].Macro[0] = "\x1d";
  const auto image =
      BuildDeviceImage(document, Layers(1), Device(), TRect{3, 3, 4, 10}, Straight);
  ASSERT_TRUE(image);
  Collected back = ReadBack(*image);
  EXPECT_EQ(back.At(1, 1).Layers[0].Macro[0], "\x1c");
  EXPECT_TRUE(back.At(2, 2).IsBlank());
}

TEST(DeviceImage, OldControllersGetTrackFillers) {
  TVL2Document document;
  TMacroButton card;
  card.Layers[1].Macro[0] = "\x16";
  card.Layers[1].Click = kCardOutputLrc;
  document.SetCardReader(card);
  const std::string filler = "\x7e\xf0\x7e\x7e\xf0\x7e";

  for (uint8_t minor : {6, 7}) {
    ImageDevice device = Device();
    device.ControllerMinor = minor;
    const auto image = BuildDeviceImage(document, Layers(1), device, Block(), Straight);
    ASSERT_TRUE(image);
    Collected back = ReadBack(*image, 8, 8, true);
    ASSERT_TRUE(back.card);
    const TMacros& second = back.card->Layers[1];
    EXPECT_EQ(second.Macro[0], "\x16");
    EXPECT_EQ(second.Click, kCardOutputLrc);
    EXPECT_EQ(second.Macro[1], minor == 6 ? filler : "");
    EXPECT_EQ(back.card->Layers[3].Macro[0], minor == 6 ? filler : "");
  }
  EXPECT_TRUE(document.CardReader.Layers[0].Macro[0].empty());
}

TEST(DeviceImage, ImagePastTheLengthCounterIsRefused) {
  TVL2Document document;
  // 255 keys x 203 bytes fit in one layer; four layers are far beyond 65 535.
  for (int column = 1; column <= 15; ++column) {
    for (int row = 1; row <= 17; ++row) {
      TMacroButton& key = Key(document, column, row);
      for (auto& layer : key.Layers) layer.Macro[0] = std::string(200, '\x1c');
    }
  }
  EXPECT_FALSE(BuildDeviceImage(document, Layers(4), Device(15, 17), Block(15, 17), Straight));
  EXPECT_TRUE(BuildDeviceImage(document, Layers(1), Device(15, 17), Block(15, 17), Straight));
  EXPECT_FALSE(BuildDeviceImage(document, Layers(1), Device(16, 16), Block(16, 16), Straight));
}

TEST(DeviceImage, ReadingPastTheImageFailsButStoresEveryKey) {
  TVL2Document document;
  Key(document, 8, 8).Layers[0].Macro[0] = "\x1c\x1d\x1e";
  auto image = *BuildDeviceImage(document, Layers(1), Device(), Block(), Straight);
  image.resize(image.size() - 20);  // cut into the last key's record and the tracks
  bool ok = true;
  Collected back = ReadBack(image, 8, 8, true, &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(back.keys.size(), 64u);
  EXPECT_TRUE(back.card);

  const std::vector<uint8_t> nothing = {0};
  Collected none = ReadBack(nothing, 8, 8, false, &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(none.keys.size(), 64u);
}

TEST(DeviceImage, ClickQuirkOfVersionOnePointFour) {
  TVL2Document document;
  Key(document, 1, 1).Layers[0].Click = 7;  // flags 0x0E
  const auto image = *BuildDeviceImage(document, Layers(1), Device(), Block(), Straight);
  const std::span<const uint8_t> content(image.data(), image.size() - 1);
  for (bool quirk : {false, true}) {
    Collected sink;
    ASSERT_TRUE(ReadDeviceImage(content, {8, 8, quirk, false}, Straight, sink));
    EXPECT_EQ((sink.At(0, 0).Layers[0].Click), quirk ? 6 : 7);
  }
}

TEST(UploadStore, PlacesKeysWithinTheSelectionByTheSettings) {
  TVL2Document document;
  Key(document, 3, 3).Layers[0].Macro[0] = "\x1c";
  Key(document, 3, 4).Layers[0].Macro[0] = "\x1d";
  TMacroButton uploaded;
  uploaded.Func = kFuncMacro;
  uploaded.Layers[1].Macro[0] = "\x22";
  TMacroButton blank;
  blank.Func = kFuncMacro;

  SettingsStore settings;
  settings.Set(Setting::DownloadIgnoreEmptyKeys, 1);
  DeviceRead ignored;
  UploadStore ignoring(ignored, TRect{2, 2, 3, 3}, settings);
  ignoring.StoreKey({1, 1}, blank);
  ignoring.StoreKey({1, 2}, uploaded);  // row 4 is beyond the selection
  ignoring.StoreKey({0, 0}, uploaded);
  StoreDeviceRead(document, ignored);
  EXPECT_EQ(document.GetKey(3, 3)->Layers[0].Macro[0], "\x1c");
  EXPECT_EQ(document.GetKey(3, 4)->Layers[0].Macro[0], "\x1d");
  ASSERT_TRUE(document.GetKey(2, 2));
  EXPECT_EQ(*document.GetKey(2, 2), uploaded);
  EXPECT_TRUE(document.Modified);

  settings.Set(Setting::DownloadIgnoreEmptyKeys, 0);
  DeviceRead replaced;
  UploadStore replacing(replaced, TRect{2, 2, 3, 3}, settings);
  replacing.StoreKey({1, 1}, blank);
  TMacroButton card;
  card.Layers[0].Macro[0] = "\x16";
  replacing.StoreCardReader(card, 0x03);
  StoreDeviceRead(document, replaced);
  EXPECT_EQ(document.GetKey(3, 3), nullptr);
  EXPECT_EQ(document.CardReader.Layers[0].Macro[0], "\x16");
  EXPECT_EQ(document.TrackMask, 0x03);
}

}  // namespace
}  // namespace vl
