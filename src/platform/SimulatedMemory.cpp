#include "platform/SimulatedMemory.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace vl {

std::string SimulatedMemoryFile(const std::string& folder, uint16_t deviceType) {
  return QDir(QString::fromStdString(folder))
      .filePath(QStringLiteral("keyboard-%1.mem").arg(deviceType, 4, 16, QLatin1Char('0')))
      .toStdString();
}

std::string SimulatedMemoryFile(uint16_t deviceType) {
  // A program without the application's name (vlat-cli) takes it for this folder.
  if (QCoreApplication::applicationName() != QString::fromUtf8(kApplicationName) && !QCoreApplication::instance())
    QCoreApplication::setApplicationName(QString::fromUtf8(kApplicationName));
  return SimulatedMemoryFile(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
                             deviceType);
}

}  // namespace vl
