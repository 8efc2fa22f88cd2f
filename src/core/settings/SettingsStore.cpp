#include "core/settings/SettingsStore.h"

namespace vl {

const std::array<SettingInfo, kSettingCount>& SettingTable() {
  static const std::array<SettingInfo, kSettingCount> table = {{
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
  return table;
}

namespace {
constexpr const char* kViewMode = "view mode";
constexpr const char* kLayoutsPath = "layouts path";
constexpr const char* kAudioFile = "audio file";
constexpr uint8_t kDefaultViewMode = 1;
}  // namespace

SettingsStore::SettingsStore() {
  for (int i = 0; i < kSettingCount; ++i) values_[i] = SettingTable()[i].DefaultValue;
}

std::optional<Setting> SettingsStore::FindByName(std::string_view name) {
  const auto& table = SettingTable();
  for (int i = 0; i < kSettingCount; ++i) {
    if (name == table[i].Name) return static_cast<Setting>(i);
  }
  return std::nullopt;
}

void SettingsStore::Defaults(const std::string& documentsFolder) {
  const uint8_t uploadInCard = Get(Setting::IsUploadInCard);
  for (int i = 0; i < kSettingCount; ++i) values_[i] = SettingTable()[i].DefaultValue;
  Set(Setting::IsUploadInCard, uploadInCard);
  viewMode_ = kDefaultViewMode;
  layoutsPath_ = documentsFolder;
  audioFile_.clear();
}

void SettingsStore::Load(const ISettingsBackend& backend) {
  std::optional<uint8_t> uploadInCardRead;
  bool failed = false;
  std::array<uint8_t, kSettingCount> read{};
  for (int i = 0; i < kSettingCount && !failed; ++i) {
    const auto value = backend.ReadInt("", SettingTable()[i].Name);
    if (!value) {
      failed = true;
      break;
    }
    read[i] = static_cast<uint8_t>(*value & 0xFF);
    if (static_cast<Setting>(i) == Setting::IsUploadInCard) uploadInCardRead = read[i];
  }
  std::optional<uint32_t> viewMode;
  if (!failed) {
    viewMode = backend.ReadInt("", kViewMode);
    failed = !viewMode;
  }
  if (failed) {
    Set(Setting::IsUploadInCard, uploadInCardRead.value_or(0));
    Defaults(backend.DocumentsFolder());
    return;
  }
  values_ = read;
  viewMode_ = static_cast<uint8_t>(*viewMode & 0xFF);
  audioFile_ = backend.ReadString("", kAudioFile).value_or("");
  layoutsPath_ = backend.ReadString("", kLayoutsPath).value_or("");
  if (layoutsPath_.empty()) layoutsPath_ = backend.DocumentsFolder();
}

void SettingsStore::Save(ISettingsBackend& backend) const {
  for (int i = 0; i < kSettingCount; ++i) backend.WriteInt("", SettingTable()[i].Name, values_[i]);
  backend.WriteString("", kLayoutsPath, layoutsPath_);
  backend.WriteInt("", kViewMode, viewMode_);
  backend.WriteString("", kAudioFile, audioFile_);
}

}  // namespace vl
