#include "core/settings/RecentFiles.h"

#include <algorithm>

#include "core/text/Cp1251.h"

namespace vl {
namespace {

constexpr const char* kSubKey = "MRUList";

std::string ValueName(size_t number) { return "MRU" + std::to_string(number); }

// Case folding for comparison: through code page 1251 when the name fits it, so
// Cyrillic folds too; byte-wise ASCII folding otherwise.
std::string Folded(const std::string& name) {
  if (const auto cp1251 = Utf8ToCp1251(name)) return Cp1251ToUpper(*cp1251);
  std::string folded = name;
  for (char& ch : folded) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
  }
  return folded;
}

}  // namespace

bool RecentFiles::SameName(const std::string& a, const std::string& b) { return Folded(a) == Folded(b); }

void RecentFiles::Add(const std::string& fileName) {
  const auto found = std::find_if(items_.begin(), items_.end(),
                                  [&](const std::string& item) { return SameName(item, fileName); });
  if (found != items_.end()) items_.erase(found);
  items_.insert(items_.begin(), fileName);
  if (items_.size() > kMaxItems) items_.resize(kMaxItems);
}

void RecentFiles::Load(const ISettingsBackend& backend) {
  items_.clear();
  for (size_t n = 1; n <= kMaxItems; ++n) {
    const auto value = backend.ReadString(kSubKey, ValueName(n));
    if (!value || value->empty()) continue;
    const bool listed = std::any_of(items_.begin(), items_.end(),
                                    [&](const std::string& item) { return SameName(item, *value); });
    if (!listed) items_.push_back(*value);
  }
}

void RecentFiles::Save(ISettingsBackend& backend) const {
  for (size_t n = 1; n <= kMaxItems; ++n) {
    if (n <= items_.size()) {
      backend.WriteString(kSubKey, ValueName(n), items_[n - 1]);
    } else {
      backend.Remove(kSubKey, ValueName(n));
    }
  }
}

}  // namespace vl
