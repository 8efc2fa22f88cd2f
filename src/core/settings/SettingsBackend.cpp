#include "core/settings/SettingsBackend.h"

namespace vl {

std::optional<uint32_t> MemorySettingsBackend::ReadInt(const std::string& subKey,
                                                       const std::string& name) const {
  const auto found = values_.find({subKey, name});
  if (found == values_.end()) return std::nullopt;
  if (const auto* value = std::get_if<uint32_t>(&found->second)) return *value;
  return std::nullopt;
}

std::optional<std::string> MemorySettingsBackend::ReadString(const std::string& subKey,
                                                             const std::string& name) const {
  const auto found = values_.find({subKey, name});
  if (found == values_.end()) return std::nullopt;
  if (const auto* value = std::get_if<std::string>(&found->second)) return *value;
  return std::to_string(std::get<uint32_t>(found->second));
}

void MemorySettingsBackend::WriteInt(const std::string& subKey, const std::string& name, uint32_t value) {
  values_[{subKey, name}] = value;
}

void MemorySettingsBackend::WriteString(const std::string& subKey, const std::string& name,
                                        const std::string& value) {
  values_[{subKey, name}] = value;
}

void MemorySettingsBackend::Remove(const std::string& subKey, const std::string& name) {
  values_.erase({subKey, name});
}

bool MemorySettingsBackend::Contains(const std::string& subKey, const std::string& name) const {
  return values_.count({subKey, name}) != 0;
}

}  // namespace vl
