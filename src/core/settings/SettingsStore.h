#pragma once
// The program's settings: 28 one-byte settings in their fixed stored order, plus
// "view mode", "layouts path", "audio file" and "high contrast". Every subsystem
// reads them here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/settings/SettingsBackend.h"

namespace vl {

// Stored order; the numeric value is the position minus 1.
enum class Setting : uint8_t {
  DownloadIgnoreEmptyKeys,  // "download ignore empty keys"
  TabKey,                   // "tab key"
  IsStartInfo,              // "is start info"
  LoadReadWriteMode,        // "load readwrite mode": 0 normal, 1 protected
  IsStartTipOfDay,          // "is start tip of day"
  IsSaveBeforeDownload,     // "is save before download"
  IsAutosave,               // "is autosave"
  AutosaveValue,            // "autosave value": minutes, 5..60
  IsDownloadFromSelection,  // "is download from selection"
  IsCheckLayout,            // "is check layout"
  IsUploadInSelection,      // "is upload in selection"
  IsUploadInCard,           // "is upload in card"
  IsTestAfterDownload,      // "is test after download"
  IsShowDownloadParameters, // "is show download parameters"
  GroupDownloadMode,        // "group download mode": 0 master only, 1 copy master, 2 ignore
  ImageKeyForm,             // "image key form": 0 rectangle, 1 rounded, 2 circle
  IsImageGroup,             // "is image group"
  ImageCreate,              // "image create": 0 all keys, 1 non-empty, 2 none
  ImageText,                // "image text": 0 press, 1 release, 2 layer note, 3 key note
  ImageLayers,              // "image layers": bit n = layer n
  ImageAddFunctionKeys,     // "image add function keys"
  ImageDevice,              // "image device": 0 attached keyboard, 1 offer the list
  ImageRun,                 // "image run"
  LayerCount,               // "layer count": count minus 1
  Ibd,                      // "ibd": interval index, (i + 1) * 1.6 ms
  CorrectLock,              // "correct lock"
  Buffered,                 // "buffered"
  Layout,                   // "layout": language 0 English, 1 Russian, 2 Ukrainian
};

inline constexpr int kSettingCount = 28;

struct SettingInfo {
  const char* Name;      // registry value name
  uint8_t DefaultValue;
  uint8_t Min;           // the range a value read from the store is held to
  uint8_t Max;
  bool Boolean;          // yes/no: on exactly when 1
};

// The 28 settings in stored order.
const std::array<SettingInfo, kSettingCount>& SettingTable();

class SettingsStore {
 public:
  // A store holding the defaults, "layouts path" empty.
  SettingsStore();

  uint8_t Get(Setting setting) const { return values_[Index(setting)]; }
  // Booleans read as true exactly when the byte is 1.
  bool IsOn(Setting setting) const { return Get(setting) == 1; }
  void Set(Setting setting, uint8_t value) { values_[Index(setting)] = value; }

  uint8_t ViewMode() const { return viewMode_; }
  void SetViewMode(uint8_t mode) { viewMode_ = mode; }
  const std::string& LayoutsPath() const { return layoutsPath_; }
  void SetLayoutsPath(std::string path) { layoutsPath_ = std::move(path); }
  const std::string& AudioFile() const { return audioFile_; }
  void SetAudioFile(std::string file) { audioFile_ = std::move(file); }
  // "контрастные цвета": the key grid drawn in colours of high contrast.
  bool HighContrast() const { return highContrast_; }
  void SetHighContrast(bool on) { highContrast_ = on; }

  // Layers downloaded, 1 to 4.
  int LayerCountValue() const { return (Get(Setting::LayerCount) & 3) + 1; }
  // Interval between scan codes in milliseconds for an index 0..15.
  static double IntervalMs(int index) { return (index + 1) * 1.6; }

  // Every value to its default except "is upload in card"; "layouts path" becomes
  // the documents folder and "audio file" empty.
  void Defaults(const std::string& documentsFolder);

  // Reads the store, each value held to its setting's range (a yes/no setting is
  // on exactly when 1). Any failed integer read applies the defaults to the whole
  // store; "is upload in card" then keeps a value already read (else 0).
  void Load(const ISettingsBackend& backend);
  // Writes the 28 settings in order, then "layouts path", "view mode", "audio file",
  // "high contrast".
  void Save(ISettingsBackend& backend) const;

 private:
  static size_t Index(Setting setting) { return static_cast<size_t>(setting); }

  std::array<uint8_t, kSettingCount> values_{};
  uint8_t viewMode_ = 1;
  std::string layoutsPath_;
  std::string audioFile_;
  bool highContrast_ = false;
};

}  // namespace vl
