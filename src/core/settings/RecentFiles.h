#pragma once
// The recent-file list: at most 8 names, newest first, persisted under "MRUList".

#include <string>
#include <vector>

#include "core/settings/SettingsBackend.h"

namespace vl {

class RecentFiles {
 public:
  static constexpr size_t kMaxItems = 8;

  // Puts the name at the top. A name already listed (letter case ignored) moves to
  // the top and takes the new spelling; the ninth name drops off the end.
  void Add(const std::string& fileName);
  const std::vector<std::string>& Items() const { return items_; }
  void Clear() { items_.clear(); }

  // Clears the list and reads "MRU1".."MRU8" in order, keeping each non-empty one.
  void Load(const ISettingsBackend& backend);
  // Writes "MRU" + n for every item and removes the values above the item count.
  void Save(ISettingsBackend& backend) const;

  // Letter case ignored for Latin and Cyrillic letters.
  static bool SameName(const std::string& a, const std::string& b);

 private:
  std::vector<std::string> items_;
};

}  // namespace vl
