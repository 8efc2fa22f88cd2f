#include "platform/QtSettingsBackend.h"

#include <QStandardPaths>

namespace vl {
namespace {

QString KeyPath(const std::string& subKey, const std::string& name) {
  QString path = QString::fromStdString(subKey);
  path.replace('\\', '/');
  if (!path.isEmpty()) path += '/';
  return path + QString::fromStdString(name);
}

}  // namespace

QtSettingsBackend::QtSettingsBackend()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Ostrel"), QStringLiteral("VelmorandoAT"))) {}

QtSettingsBackend::QtSettingsBackend(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QtSettingsBackend::~QtSettingsBackend() = default;

std::optional<uint32_t> QtSettingsBackend::ReadInt(const std::string& subKey, const std::string& name) const {
  const QVariant value = settings_->value(KeyPath(subKey, name));
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const uint32_t number = value.toUInt(&ok);
  if (!ok) return std::nullopt;
  return number;
}

std::optional<std::string> QtSettingsBackend::ReadString(const std::string& subKey,
                                                         const std::string& name) const {
  const QVariant value = settings_->value(KeyPath(subKey, name));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtSettingsBackend::WriteInt(const std::string& subKey, const std::string& name, uint32_t value) {
  settings_->setValue(KeyPath(subKey, name), value);
}

void QtSettingsBackend::WriteString(const std::string& subKey, const std::string& name,
                                    const std::string& value) {
  settings_->setValue(KeyPath(subKey, name), QString::fromStdString(value));
}

void QtSettingsBackend::Remove(const std::string& subKey, const std::string& name) {
  settings_->remove(KeyPath(subKey, name));
}

std::string QtSettingsBackend::DocumentsFolder() const {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

void QtSettingsBackend::Sync() { settings_->sync(); }

}  // namespace vl
