#pragma once
// Settings persisted through QSettings: organisation "Ostrel", application
// "VelmorandoAT" (on Windows exactly HKCU\Software\Ostrel\VelmorandoAT, on Linux
// the usual INI file). Sub-keys map to QSettings groups.

#include <QSettings>
#include <memory>

#include "core/settings/SettingsBackend.h"

namespace vl {

class QtSettingsBackend final : public ISettingsBackend {
 public:
  QtSettingsBackend();
  // A backend over an explicit INI file, for tests and portable installations.
  explicit QtSettingsBackend(const QString& iniFile);
  ~QtSettingsBackend() override;

  std::optional<uint32_t> ReadInt(const std::string& subKey, const std::string& name) const override;
  std::optional<std::string> ReadString(const std::string& subKey, const std::string& name) const override;
  void WriteInt(const std::string& subKey, const std::string& name, uint32_t value) override;
  void WriteString(const std::string& subKey, const std::string& name, const std::string& value) override;
  void Remove(const std::string& subKey, const std::string& name) override;
  std::string DocumentsFolder() const override;

  // Writes pending changes to permanent storage.
  void Sync();

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace vl
