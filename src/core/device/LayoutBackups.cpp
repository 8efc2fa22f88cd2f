#include "core/device/LayoutBackups.h"

#include <algorithm>
#include <cstdio>
#include <regex>
#include <system_error>
#include <tuple>

#include "core/common/FileErrors.h"
#include "core/document/LayoutFile.h"

namespace vl {

namespace {

const std::regex& BackupPattern() {
  // serial _ date _ time [- counter] .vld
  static const std::regex pattern(R"(^(\d{5})_(\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2})(?:-(\d{1,9}))?\.vld$)");
  return pattern;
}

// What orders backups by age: the time, then the counter of the same second.
std::tuple<std::string, long> Age(const std::string& name) {
  std::smatch match;
  std::regex_match(name, match, BackupPattern());
  return {match[2].str(), match[3].matched ? std::stol(match[3].str()) : 0L};
}

}  // namespace

bool BackupBeforeDownload(const ISettingsBackend& backend) {
  return backend.ReadInt("", kBackupSettingName).value_or(0) != 0;
}

void SetBackupBeforeDownload(ISettingsBackend& backend, bool on) { backend.WriteInt("", kBackupSettingName, on); }

std::string BackupFileName(uint16_t serial, const std::tm& localTime, const std::vector<std::string>& existing) {
  char stem[64];
  std::snprintf(stem, sizeof stem, "%05u_%04d-%02d-%02d_%02d-%02d-%02d", static_cast<unsigned>(serial),
                localTime.tm_year + 1900, localTime.tm_mon + 1, localTime.tm_mday, localTime.tm_hour,
                localTime.tm_min, localTime.tm_sec);
  std::string name = std::string(stem) + ".vld";
  for (int counter = 1; std::find(existing.begin(), existing.end(), name) != existing.end(); ++counter)
    name = std::string(stem) + "-" + std::to_string(counter) + ".vld";
  return name;
}

bool IsBackupFileName(const std::string& name) { return std::regex_match(name, BackupPattern()); }

std::vector<std::string> SurplusBackups(const std::vector<std::string>& names, size_t keep) {
  std::vector<std::string> backups;
  std::copy_if(names.begin(), names.end(), std::back_inserter(backups), IsBackupFileName);
  std::sort(backups.begin(), backups.end(),
            [](const std::string& a, const std::string& b) { return Age(a) < Age(b); });
  if (backups.size() <= keep) return {};
  backups.resize(backups.size() - keep);
  return backups;
}

std::vector<std::string> FolderFileNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
  }
  return names;
}

size_t PruneBackups(const std::filesystem::path& folder, size_t keep) {
  size_t deleted = 0;
  for (const std::string& name : SurplusBackups(FolderFileNames(folder), keep)) {
    std::error_code error;
    if (std::filesystem::remove(folder / name, error)) ++deleted;
  }
  return deleted;
}

bool BackupTargetAllowed(const std::filesystem::path& path, const std::string& layoutFile, IPrompt& prompt) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return true;
  const auto text = [&](const char* pattern) { return TranslatedText(prompt.Translator(), pattern, {path.string()}); };
  if (!layoutFile.empty() && std::filesystem::equivalent(path, layoutFile, error)) {
    prompt.Message(text(kBackupOverLayout), kCaptionError, MessageIcon::Error);
    return false;
  }
  return prompt.Ask(text(kBackupReplaceQuestion), kCaptionAttention, MessageButtons::YesNo,
                    MessageIcon::Question) == Answer::Yes;
}

std::optional<std::filesystem::path> SaveBackup(TVL2Document& held, uint16_t serial,
                                                const std::filesystem::path& folder, const std::tm& localTime,
                                                const std::string& layoutFile, const SettingsStore& settings,
                                                IReporter& reporter, IPrompt& prompt) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path file = folder / BackupFileName(serial, localTime, FolderFileNames(folder));
  if (!BackupTargetAllowed(file, layoutFile, prompt)) return std::nullopt;
  try {
    SaveLayout(held, file.string(), settings, reporter);
  } catch (const FileError& failure) {
    prompt.Message(failure.what(), kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  PruneBackups(folder);
  return file;
}

}  // namespace vl
