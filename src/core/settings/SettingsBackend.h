#pragma once
// Where settings persist: the registry key Software\Ostrel\VelmorandoAT and its
// sub-keys. Sub-keys are written with backslashes ("Windows\Main", "MRUList");
// the empty sub-key is the key itself. Texts are UTF-8.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

namespace vl {

class ISettingsBackend {
 public:
  virtual ~ISettingsBackend() = default;
  // nullopt when the value is missing or is not an integer.
  virtual std::optional<uint32_t> ReadInt(const std::string& subKey, const std::string& name) const = 0;
  // nullopt when the value is missing.
  virtual std::optional<std::string> ReadString(const std::string& subKey, const std::string& name) const = 0;
  virtual void WriteInt(const std::string& subKey, const std::string& name, uint32_t value) = 0;
  virtual void WriteString(const std::string& subKey, const std::string& name, const std::string& value) = 0;
  virtual void Remove(const std::string& subKey, const std::string& name) = 0;
  // The user's documents folder; empty when it cannot be found.
  virtual std::string DocumentsFolder() const = 0;
};

// Keeps everything in memory: for tests and for runs that must not persist.
class MemorySettingsBackend final : public ISettingsBackend {
 public:
  using Value = std::variant<uint32_t, std::string>;

  explicit MemorySettingsBackend(std::string documentsFolder = {})
      : documentsFolder_(std::move(documentsFolder)) {}

  std::optional<uint32_t> ReadInt(const std::string& subKey, const std::string& name) const override;
  std::optional<std::string> ReadString(const std::string& subKey, const std::string& name) const override;
  void WriteInt(const std::string& subKey, const std::string& name, uint32_t value) override;
  void WriteString(const std::string& subKey, const std::string& name, const std::string& value) override;
  void Remove(const std::string& subKey, const std::string& name) override;
  std::string DocumentsFolder() const override { return documentsFolder_; }

  bool Contains(const std::string& subKey, const std::string& name) const;
  size_t Size() const { return values_.size(); }

 private:
  std::map<std::pair<std::string, std::string>, Value> values_;
  std::string documentsFolder_;
};

}  // namespace vl
