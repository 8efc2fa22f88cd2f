#include "core/settings/SettingsStore.h"

namespace vl {

const std::array<SettingInfo, kSettingCount>& SettingTable() {
  static const std::array<SettingInfo, kSettingCount> table = {{
      {"download ignore empty keys", 1, 0, 1, true},
      {"tab key", 0, 0, 5, false},
      {"is start info", 0, 0, 1, true},
      {"load readwrite mode", 0, 0, 1, false},
      {"is start tip of day", 1, 0, 1, true},
      {"is save before download", 1, 0, 1, true},
      {"is autosave", 0, 0, 1, true},
      {"autosave value", 5, 5, 60, false},
      {"is download from selection", 0, 0, 1, true},
      {"is check layout", 1, 0, 1, true},
      {"is upload in selection", 0, 0, 1, true},
      {"is upload in card", 0, 0, 1, true},
      {"is test after download", 1, 0, 1, true},
      {"is show download parameters", 1, 0, 1, true},
      {"group download mode", 0, 0, 2, false},
      {"image key form", 0, 0, 2, false},
      {"is image group", 0, 0, 1, true},
      {"image create", 0, 0, 2, false},
      {"image text", 0, 0, 3, false},
      {"image layers", 1, 0, 15, false},
      {"image add function keys", 1, 0, 1, true},
      {"image device", 0, 0, 1, false},
      {"image run", 1, 0, 1, true},
      {"layer count", 3, 0, 3, false},
      {"ibd", 1, 0, 15, false},
      {"correct lock", 0, 0, 1, true},
      {"buffered", 0, 0, 1, true},
      {"layout", 0, 0, 2, false},
  }};
  return table;
}

namespace {
constexpr const char* kViewMode = "view mode";
constexpr const char* kLayoutsPath = "layouts path";
constexpr const char* kAudioFile = "audio file";
// Added after the others: a store without it keeps its values and reads it off.
constexpr const char* kHighContrast = "high contrast";
constexpr uint8_t kDefaultViewMode = 1;

// A stored value as the program may use it: a yes/no setting is on exactly when 1,
// a number is held to its range (the store may hold anything another program or
// hand put there).
uint8_t InRange(const SettingInfo& info, uint32_t value) {
  if (info.Boolean) return value == 1 ? 1 : 0;
  if (value < info.Min) return info.Min;
  if (value > info.Max) return info.Max;
  return static_cast<uint8_t>(value);
}

// A value stored but not as a number (text put into the settings file by hand).
bool Present(const ISettingsBackend& backend, const char* name) { return backend.ReadString("", name).has_value(); }
}  // namespace

SettingsStore::SettingsStore() {
  for (size_t i = 0; i < kSettingCount; ++i) values_[i] = SettingTable()[i].DefaultValue;
}

void SettingsStore::Defaults(const std::string& documentsFolder) {
  const uint8_t uploadInCard = Get(Setting::IsUploadInCard);
  for (size_t i = 0; i < kSettingCount; ++i) values_[i] = SettingTable()[i].DefaultValue;
  Set(Setting::IsUploadInCard, uploadInCard);
  viewMode_ = kDefaultViewMode;
  layoutsPath_ = documentsFolder;
  audioFile_.clear();
  highContrast_ = false;
}

void SettingsStore::Load(const ISettingsBackend& backend) {
  std::optional<uint8_t> uploadInCardRead;
  bool failed = false;
  std::array<uint8_t, kSettingCount> read{};
  for (size_t i = 0; i < kSettingCount && !failed; ++i) {
    const auto value = backend.ReadInt("", SettingTable()[i].Name);
    if (!value && Present(backend, SettingTable()[i].Name)) {
      read[i] = SettingTable()[i].DefaultValue;  // a value spoilt by hand costs only itself
    } else if (!value) {
      failed = true;  // missing: the first start, or a store of another program
      break;
    } else {
      read[i] = InRange(SettingTable()[i], *value & 0xFF);  // the low byte is the setting
    }
    if (static_cast<Setting>(i) == Setting::IsUploadInCard) uploadInCardRead = read[i];
  }
  std::optional<uint32_t> viewMode;
  if (!failed) {
    viewMode = backend.ReadInt("", kViewMode);
    if (!viewMode && Present(backend, kViewMode)) viewMode = kDefaultViewMode;
    failed = !viewMode;
  }
  if (failed) {
    Set(Setting::IsUploadInCard, uploadInCardRead.value_or(0));
    Defaults(backend.DocumentsFolder());
    return;
  }
  values_ = read;
  viewMode_ = static_cast<uint8_t>(*viewMode & 0xFF);
  highContrast_ = backend.ReadInt("", kHighContrast).value_or(0) == 1;
  audioFile_ = backend.ReadString("", kAudioFile).value_or("");
  layoutsPath_ = backend.ReadString("", kLayoutsPath).value_or("");
  if (layoutsPath_.empty()) layoutsPath_ = backend.DocumentsFolder();
}

void SettingsStore::Save(ISettingsBackend& backend) const {
  for (size_t i = 0; i < kSettingCount; ++i) backend.WriteInt("", SettingTable()[i].Name, values_[i]);
  backend.WriteString("", kLayoutsPath, layoutsPath_);
  backend.WriteInt("", kViewMode, viewMode_);
  backend.WriteString("", kAudioFile, audioFile_);
  backend.WriteInt("", kHighContrast, highContrast_ ? 1 : 0);
}

}  // namespace vl
