#include "core/catalogue/IniFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <limits>

#include "core/common/FileErrors.h"
#include "core/common/ReadFile.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

// The format sets no limit; the program's own files are kilobytes, and a catalogue
// of 20 000 device sections is 4 MB. Anything larger is not one of them.
constexpr std::uintmax_t kMaxIniFileBytes = 16u << 20;

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::optional<int> ParseProfileNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.size() > 1 && text[0] == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
  long long magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  const long long value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

int ParseProfileInteger(std::string_view text, int fallback) {
  return ParseProfileNumber(text).value_or(fallback);
}

IniFile::IniFile(std::string_view contents) {
  Section* current = nullptr;
  while (!contents.empty()) {
    const size_t end = contents.find_first_of("\r\n");
    const std::string_view line = Trim(contents.substr(0, end));
    contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      // A repeated section stays hidden behind the first one, as the profile
      // functions never look past it.
      const bool added = sectionIndex_.try_emplace(std::string(name), sections_.size()).second;
      current = added ? &sections_.emplace_back(Section{std::string(name), {}, {}}) : nullptr;
      continue;
    }
    if (!current) continue;
    const size_t equals = line.find('=');
    const std::string_view name = Trim(line.substr(0, equals));
    if (name.empty()) continue;
    const std::string_view value = equals == std::string_view::npos ? std::string_view{}
                                                                    : Unquote(Trim(line.substr(equals + 1)));
    current->keys.try_emplace(std::string(name), current->entries.size());
    current->entries.emplace_back(std::string(name), std::string(value));
  }
}

IniFile IniFile::Load(const std::string& path) {
  const auto bytes = ReadRegularFile(std::filesystem::path(path), kMaxIniFileBytes);
  if (!bytes) {
    throw FileReadError(
        WithFileName("Ошибка чтения файла: " + UnreadableFileText(std::filesystem::path(path), kMaxIniFileBytes) + ".",
                     path));
  }
  return IniFile(*bytes);
}

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const auto& section : sections_) names.push_back(section.name);
  return names;
}

bool IniFile::HasSection(std::string_view section) const { return Find(section) != nullptr; }

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  const Section* found = Find(section);
  return found && FindKey(*found, key);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const Section* found = Find(section);
  const std::string* value = found ? FindKey(*found, key) : nullptr;
  return value ? *value : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const Section* found = Find(section);
  const std::string* value = found ? FindKey(*found, key) : nullptr;
  return value ? ParseProfileInteger(*value, fallback) : fallback;
}

std::vector<std::pair<std::string, std::string>> IniFile::SectionValues(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> values;
  const Section* found = Find(section);
  if (!found) return values;
  for (const auto& entry : found->entries) values.emplace_back(entry.first, *FindKey(*found, entry.first));
  return values;
}

size_t IniFile::UpperCaseHash::operator()(std::string_view name) const {
  uint64_t hash = 0xCBF29CE484222325ull;  // FNV-1a
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(Cp1251UpperChar(c))) * 0x100000001B3ull;
  return static_cast<size_t>(hash);
}

bool IniFile::UpperCaseEqual::operator()(std::string_view a, std::string_view b) const {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Cp1251UpperChar(x) == Cp1251UpperChar(y); });
}

const IniFile::Section* IniFile::Find(std::string_view section) const {
  const auto found = sectionIndex_.find(section);
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const std::string* IniFile::FindKey(const Section& section, std::string_view key) {
  const auto found = section.keys.find(key);
  return found == section.keys.end() ? nullptr : &section.entries[found->second].second;
}

}  // namespace vl
