// The settings store and the recent-file list against an in-memory registry.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsStore.h"

namespace vl {
namespace {

constexpr const char* kDocuments = "/home/user/Documents";

struct ExpectedSetting {
  const char* name;
  uint8_t defaultValue;
};

// The registry's settings in stored order with their defaults, written out here
// rather than taken from the store's own table so that a slip in it shows.
constexpr std::array<ExpectedSetting, 28> kExpectedSettings{{
    {"download ignore empty keys", 1},
    {"tab key", 0},
    {"is start info", 0},
    {"load readwrite mode", 0},
    {"is start tip of day", 1},
    {"is save before download", 1},
    {"is autosave", 0},
    {"autosave value", 5},
    {"is download from selection", 0},
    {"is check layout", 1},
    {"is upload in selection", 0},
    {"is upload in card", 0},
    {"is test after download", 1},
    {"is show download parameters", 1},
    {"group download mode", 0},
    {"image key form", 0},
    {"is image group", 0},
    {"image create", 0},
    {"image text", 0},
    {"image layers", 1},
    {"image add function keys", 1},
    {"image device", 0},
    {"image run", 1},
    {"layer count", 3},
    {"ibd", 1},
    {"correct lock", 0},
    {"buffered", 0},
    {"layout", 0},
}};
static_assert(kExpectedSettings.size() == kSettingCount);

// A registry holding every value the store reads, each different from its default.
MemorySettingsBackend FullRegistry() {
  MemorySettingsBackend backend(kDocuments);
  for (const auto& setting : kExpectedSettings) {
    backend.WriteInt("", setting.name, static_cast<uint32_t>(setting.defaultValue + 2));
  }
  backend.WriteInt("", "is upload in card", 1);  // yes/no: anything but 1 reads as 0
  backend.WriteInt("", "view mode", 0);
  backend.WriteString("", "layouts path", "/srv/layouts");
  backend.WriteString("", "audio file", "/srv/done.wav");
  return backend;
}

void ExpectDefaultsBut(const SettingsStore& store, uint8_t uploadInCard) {
  for (int i = 0; i < kSettingCount; ++i) {
    const auto setting = static_cast<Setting>(i);
    const uint8_t expected =
        setting == Setting::IsUploadInCard ? uploadInCard : kExpectedSettings[i].defaultValue;
    EXPECT_EQ(store.Get(setting), expected) << kExpectedSettings[i].name;
  }
  EXPECT_EQ(store.ViewMode(), 1);
  EXPECT_EQ(store.LayoutsPath(), kDocuments);
  EXPECT_EQ(store.AudioFile(), "");
}

TEST(SettingsStore, RegistryNamesAreInStoredOrder) {
  for (int i = 0; i < kSettingCount; ++i) {
    EXPECT_STREQ(SettingTable()[i].Name, kExpectedSettings[i].name) << "position " << i + 1;
  }
}

TEST(SettingsStore, FreshRegistryGivesTheDefaultsAndTheDocumentsFolder) {
  SettingsStore store;
  store.Set(Setting::IsUploadInCard, 1);
  store.SetAudioFile("x.wav");
  store.Load(MemorySettingsBackend(kDocuments));
  ExpectDefaultsBut(store, 0);
}

TEST(SettingsStore, AnyMissingIntegerAppliesTheDefaultsKeepingUploadInCardWhenRead) {
  // Missing before "is upload in card" (position 12): it was never read and is 0.
  MemorySettingsBackend early = FullRegistry();
  early.Remove("", "autosave value");
  SettingsStore store;
  store.Load(early);
  ExpectDefaultsBut(store, 0);

  // Missing after it: its value read is kept, everything else is a default.
  MemorySettingsBackend late = FullRegistry();
  late.Remove("", "layout");
  store.Load(late);
  ExpectDefaultsBut(store, 1);

  // "view mode" is an integer read too.
  MemorySettingsBackend noView = FullRegistry();
  noView.Remove("", "view mode");
  store.Load(noView);
  ExpectDefaultsBut(store, 1);
}

TEST(SettingsStore, AValueThatIsNoNumberFallsBackAloneAndTheRestIsKept) {
  SettingsStore whole;
  whole.Load(FullRegistry());
  MemorySettingsBackend spoilt = FullRegistry();
  spoilt.WriteString("", "image layers", "abc");
  spoilt.WriteString("", "view mode", "high");
  SettingsStore store;
  store.Load(spoilt);
  for (int i = 0; i < kSettingCount; ++i) {
    const auto setting = static_cast<Setting>(i);
    EXPECT_EQ(store.Get(setting), setting == Setting::ImageLayers ? 1 : whole.Get(setting))
        << kExpectedSettings[i].name;
  }
  EXPECT_EQ(store.Get(Setting::ImageKeyForm), 2);  // round keys stay round
  EXPECT_EQ(store.ViewMode(), 1);
  EXPECT_EQ(store.LayoutsPath(), "/srv/layouts");
  EXPECT_EQ(store.AudioFile(), "/srv/done.wav");
}

TEST(SettingsStore, CompleteRegistryIsTakenAsStoredAndSavedBackInFull) {
  MemorySettingsBackend backend = FullRegistry();
  backend.WriteInt("", "ibd", 0x10F);  // only the low byte is a setting
  SettingsStore store;
  store.Load(backend);
  EXPECT_EQ(store.Get(Setting::Ibd), 0x0F);
  EXPECT_EQ(store.Get(Setting::LayerCount), 3);  // 5 is beyond the four layers
  EXPECT_EQ(store.ViewMode(), 0);
  EXPECT_EQ(store.LayoutsPath(), "/srv/layouts");
  EXPECT_EQ(store.AudioFile(), "/srv/done.wav");

  MemorySettingsBackend saved;
  store.Save(saved);
  EXPECT_EQ(saved.Size(), static_cast<size_t>(kSettingCount) + 4);
  EXPECT_EQ(saved.ReadInt("", "ibd"), 0x0Fu);
  EXPECT_EQ(saved.ReadString("", "layouts path"), "/srv/layouts");
  SettingsStore again;
  again.Load(saved);
  for (int i = 0; i < kSettingCount; ++i) {
    EXPECT_EQ(again.Get(static_cast<Setting>(i)), store.Get(static_cast<Setting>(i)));
  }

  // An empty layouts path means the documents folder.
  backend.WriteString("", "layouts path", "");
  store.Load(backend);
  EXPECT_EQ(store.LayoutsPath(), kDocuments);
}

// Whatever the store holds, the program sees values it can use: the download
// never asks about 256 layers, shows an interval beyond the list or reads a 2 as
// "yes" in one place and "no" in another.
TEST(SettingsStore, ValuesReadAreHeldToTheirRanges) {
  MemorySettingsBackend backend = FullRegistry();
  for (const char* name : {"layer count", "ibd", "layout", "image text", "autosave value", "tab key"})
    backend.WriteInt("", name, 255);
  backend.WriteInt("", "is show download parameters", 2);
  backend.WriteInt("", "is check layout", 1);
  SettingsStore store;
  store.Load(backend);
  EXPECT_EQ(store.LayerCountValue(), 4);
  EXPECT_EQ(store.Get(Setting::Ibd), 15);
  EXPECT_EQ(store.Get(Setting::Layout), 2);
  EXPECT_EQ(store.Get(Setting::ImageText), 3);
  EXPECT_EQ(store.Get(Setting::AutosaveValue), 60);
  EXPECT_EQ(store.Get(Setting::TabKey), 5);
  EXPECT_EQ(store.Get(Setting::IsShowDownloadParameters), 0);
  EXPECT_EQ(store.Get(Setting::IsCheckLayout), 1);
  backend.WriteInt("", "autosave value", 0);
  store.Load(backend);
  EXPECT_EQ(store.Get(Setting::AutosaveValue), 5);
}

// "high contrast" came later: a registry without it is no first start, and the
// value goes back and forth like the others.
TEST(SettingsStore, HighContrastIsReadWhenPresentAndNeverResetsTheRest) {
  MemorySettingsBackend backend = FullRegistry();
  SettingsStore store;
  store.Load(backend);
  EXPECT_FALSE(store.HighContrast());
  EXPECT_EQ(store.ViewMode(), 0);  // the registry's values were kept
  backend.WriteInt("", "high contrast", 1);
  store.Load(backend);
  EXPECT_TRUE(store.HighContrast());
  MemorySettingsBackend saved;
  store.Save(saved);
  EXPECT_EQ(saved.ReadInt("", "high contrast"), 1u);
  store.Defaults(kDocuments);
  EXPECT_FALSE(store.HighContrast());
}

TEST(SettingsStore, DefaultsLeaveUploadInCardAlone) {
  SettingsStore store;
  store.Load(FullRegistry());
  store.Defaults(kDocuments);
  ExpectDefaultsBut(store, 1);
}

TEST(RecentFiles, KeepsEightNewestFirstAndMovesARepeatToTheTopInItsNewSpelling) {
  RecentFiles files;
  for (int i = 1; i <= 9; ++i) files.Add("/l/" + std::to_string(i) + ".vld");
  ASSERT_EQ(files.Items().size(), 8u);
  EXPECT_EQ(files.Items().front(), "/l/9.vld");
  EXPECT_EQ(files.Items().back(), "/l/2.vld");

  files.Add("/L/5.VLD");
  EXPECT_EQ(files.Items().size(), 8u);
  EXPECT_EQ(files.Items().front(), "/L/5.VLD");
  EXPECT_EQ(std::count(files.Items().begin(), files.Items().end(), "/l/5.vld"), 0);

  files.Add("/d/Раскладка.vld");
  files.Add("/D/РАСКЛАДКА.VLD");  // Cyrillic letters fold too
  EXPECT_EQ(files.Items()[0], "/D/РАСКЛАДКА.VLD");
  EXPECT_EQ(std::count(files.Items().begin(), files.Items().end(), "/d/Раскладка.vld"), 0);
}

TEST(RecentFiles, SaveRemovesSurplusValuesAndLoadSkipsGapsAndRepeats) {
  MemorySettingsBackend backend;
  RecentFiles files;
  for (int i = 1; i <= 8; ++i) files.Add("/l/" + std::to_string(i) + ".vld");
  files.Save(backend);
  EXPECT_EQ(backend.Size(), 8u);

  RecentFiles fewer;
  fewer.Add("/a.vld");
  fewer.Add("/b.vld");
  fewer.Save(backend);
  EXPECT_EQ(backend.Size(), 2u);
  EXPECT_EQ(backend.ReadString("MRUList", "MRU1"), "/b.vld");
  EXPECT_FALSE(backend.Contains("MRUList", "MRU3"));

  backend.WriteString("MRUList", "MRU4", "/B.VLD");
  backend.WriteString("MRUList", "MRU6", "/c.vld");
  RecentFiles loaded;
  loaded.Add("/stale.vld");
  loaded.Load(backend);
  EXPECT_EQ(loaded.Items(), (std::vector<std::string>{"/b.vld", "/a.vld", "/c.vld"}));
}

}  // namespace
}  // namespace vl
