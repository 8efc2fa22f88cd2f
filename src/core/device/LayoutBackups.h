#pragma once
// The layouts kept from the keyboard before each download: one file per backup in
// one folder, named by the keyboard's serial number and the local time it was
// taken ("04660_2026-12-07_20-41-05.vld"; a second backup in the same second gets
// "-1", "-2" ... before the extension). Only the newest few are kept, whatever
// keyboard they came from; other files in the folder are never touched.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/common/TranslatableText.h"
#include "core/device/DeviceSession.h"
#include "core/document/VL2Document.h"
#include "core/settings/SettingsBackend.h"

namespace vl {

inline constexpr size_t kKeptBackups = 20;

// Whether the application keeps a backup before each download: a value beside
// the settings, off unless stored.
inline constexpr const char* kBackupSettingName = "backup before download";
bool BackupBeforeDownload(const ISettingsBackend& backend);
void SetBackupBeforeDownload(ISettingsBackend& backend, bool on);

// The name of a backup taken at localTime that none of existing has.
std::string BackupFileName(uint16_t serial, const std::tm& localTime, const std::vector<std::string>& existing);

// Whether name is a backup's name as BackupFileName makes them.
bool IsBackupFileName(const std::string& name);

// The backups among names beyond the newest keep (by the time in the name, then
// the counter after it), oldest first. Names that are not backups are left out.
std::vector<std::string> SurplusBackups(const std::vector<std::string>& names, size_t keep = kKeptBackups);

// The file names in folder (none when it cannot be read).
std::vector<std::string> FolderFileNames(const std::filesystem::path& folder);

// Deletes the surplus backups in folder; files that cannot be deleted stay.
// Returns how many were deleted.
size_t PruneBackups(const std::filesystem::path& folder, size_t keep = kKeptBackups);

inline constexpr const char* kBackupReplaceQuestion = VL_TEXT("core", "Файл %1 уже существует. Заменить его копией раскладки устройства?");
inline constexpr const char* kBackupOverLayout =
    VL_TEXT("core", "Копия раскладки устройства не может быть записана в файл загружаемой раскладки %1.");

// Whether a backup may be written at path: never over layoutFile, the layout
// about to be downloaded (the same file by any name), and over another existing
// file only when the user says yes. Told through the prompt.
bool BackupTargetAllowed(const std::filesystem::path& path, const std::string& layoutFile, IPrompt& prompt);

// Saves held, the layout read from the keyboard with serial number serial, in
// folder (made when missing) as a new backup named by the serial number and
// localTime, then prunes the folder; see BackupTargetAllowed. The file written,
// or nullopt after telling the user why nothing was.
std::optional<std::filesystem::path> SaveBackup(TVL2Document& held, uint16_t serial,
                                                const std::filesystem::path& folder, const std::tm& localTime,
                                                const std::string& layoutFile, const SettingsStore& settings,
                                                IReporter& reporter, IPrompt& prompt);

}  // namespace vl
