#include "app/device/AppDevice.h"

#include <QDir>
#include <QFile>

#include "core/common/SafeWrite.h"
#include "ports/PortSelect.h"
#include "sim/SimKeyboard.h"

namespace vl {

std::unique_ptr<AppDevice> AppDevice::Open(const std::string& choiceText, const std::string& dataFolder,
                                           const QString& stateFolder) {
  const PortChoice choice = ParsePortChoice(choiceText);
  auto catalogue = std::make_unique<FolderDeviceCatalogue>(dataFolder);
  auto clock = std::make_unique<RealClock>();
  auto port = OpenChosenPort(choice, *clock, catalogue->Catalogue());
  auto device = std::make_unique<AppDevice>(std::move(clock), std::move(port), std::move(catalogue));
  device->deliversBytes_ = choice.kind != PortChoice::Kind::None;
  if (choice.kind == PortChoice::Kind::Sim) {
    device->sim_ = static_cast<sim::SimKeyboard*>(&device->DevicePort());
    device->stateFile_ = StateFile(stateFolder, choice.simType);
    QFile state(device->stateFile_);
    auto& memory = device->sim_->Memory();
    // A file of another size belongs to another catalogue entry: the keyboard starts erased.
    if (state.open(QIODevice::ReadOnly) && state.size() == static_cast<qint64>(memory.size()))
      state.read(reinterpret_cast<char*>(memory.data()), static_cast<qint64>(memory.size()));
  }
  return device;
}

AppDevice::AppDevice(std::unique_ptr<Clock> clock, std::unique_ptr<Port> port,
                     std::unique_ptr<IDeviceCatalogue> catalogue)
    : clock_(std::move(clock)), port_(std::move(port)), catalogue_(std::move(catalogue)) {}

AppDevice::~AppDevice() { KeepState(); }

void AppDevice::KeepState() const {
  if (!sim_ || stateFile_.isEmpty()) return;
  QDir().mkpath(QFileInfo(stateFile_).absolutePath());
  const auto& memory = sim_->Memory();
  WriteFileSafely(stateFile_.toStdString(), {reinterpret_cast<const char*>(memory.data()), memory.size()});
}

std::vector<std::pair<QString, QString>> AppDevice::PortChoices(const std::string& dataFolder) {
  std::vector<std::pair<QString, QString>> choices{{QStringLiteral("none"), QString::fromUtf8("нет порта")}};
  const QDir devices(QStringLiteral("/dev"));
  for (const QString& name : devices.entryList({QStringLiteral("serio_raw*")}, QDir::System, QDir::Name))
    choices.emplace_back(devices.filePath(name), devices.filePath(name));
  try {
    const DeviceCatalogue catalogue = FolderDeviceCatalogue(dataFolder).Catalogue();
    for (const uint16_t type : catalogue.Types()) {
      const QString section = QString::fromStdString(DeviceSectionName(type));
      choices.emplace_back(QStringLiteral("sim:") + section,
                           QString::fromUtf8("имитатор клавиатуры ") + section + QStringLiteral(" (") +
                               QString::fromStdString(catalogue.Model(type).About) + QStringLiteral(")"));
    }
  } catch (const std::exception&) {
    // Without a catalogue there is no simulated keyboard to offer.
  }
  return choices;
}

QString AppDevice::StateFile(const QString& folder, uint16_t deviceType) {
  return QDir(folder).filePath(QStringLiteral("keyboard-%1.mem").arg(deviceType, 4, 16, QLatin1Char('0')));
}

}  // namespace vl
