#include "app/device/AppDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <stdexcept>

#include "app/common/CoreTexts.h"
#include "platform/SimulatedMemory.h"
#include "ports/PortSelect.h"
#include "sim/CatalogueConfig.h"

namespace vl {

std::unique_ptr<AppDevice> AppDevice::Open(const std::string& choiceText, const std::string& dataFolder,
                                           const QString& stateFolder) {
  const PortChoice choice = ParsePortChoice(choiceText, CoreTranslator());
  auto catalogue = std::make_unique<FolderDeviceCatalogue>(dataFolder);
  auto clock = std::make_unique<RealClock>();
  if (choice.kind != PortChoice::Kind::Sim) {
    auto port = OpenChosenPort(choice, *clock, catalogue->Catalogue());
    auto device = std::make_unique<AppDevice>(std::move(clock), std::move(port), std::move(catalogue));
    device->deliversBytes_ = choice.kind != PortChoice::Kind::None;
    return device;
  }
  auto keyboard =
      std::make_unique<SimulatedKeyboard>(*clock, sim::CatalogueConfig(catalogue->Catalogue(), choice.simType));
  const std::string statePath = SimulatedMemoryFile(stateFolder.toStdString(), choice.simType);
  QDir().mkpath(QFileInfo(QString::fromStdString(statePath)).absolutePath());
  // Taken before the session: memory another program holds, or that could not be
  // kept, is told now, not lost at the end. Nothing is written over whatever
  // stands there.
  std::unique_ptr<StateFile> state;
  try {
    state = std::make_unique<StateFile>(statePath, keyboard->Memory().size(), CoreTranslator());
  } catch (const StateFileRefused& refused) {
    throw std::runtime_error(QCoreApplication::translate("vl::AppDevice",
                                                         "Память имитатора клавиатуры не может храниться в файле: %1")
                                 .arg(QString::fromUtf8(refused.what()))
                                 .toStdString());
  }
  if (state->Kept()) keyboard->SetMemory(std::vector<uint8_t>(state->Kept()->begin(), state->Kept()->end()));
  auto device = std::make_unique<AppDevice>(std::move(clock), std::move(keyboard), std::move(catalogue));
  device->state_ = std::move(state);
  return device;
}

AppDevice::AppDevice(std::unique_ptr<Clock> clock, std::unique_ptr<Port> port,
                     std::unique_ptr<IDeviceCatalogue> catalogue)
    : clock_(std::move(clock)), ownedPort_(std::move(port)), port_(ownedPort_.get()),
      catalogue_(std::move(catalogue)) {
  slot_->port = port_;
}

AppDevice::AppDevice(std::unique_ptr<Clock> clock, std::unique_ptr<SimulatedKeyboard> keyboard,
                     std::unique_ptr<IDeviceCatalogue> catalogue)
    : clock_(std::move(clock)), simulated_(std::move(keyboard)), port_(&simulated_->GetPort()),
      catalogue_(std::move(catalogue)), deliversBytes_(true) {
  slot_->port = port_;
}

AppDevice::~AppDevice() {
  {
    // The byte readers lose the port before it goes.
    const std::lock_guard lock(slot_->mutex);
    slot_->port->Forward(nullptr);
    slot_->port = nullptr;
  }
  KeepState();
}

void AppDevice::HoldForJob(bool held) {
  const std::lock_guard lock(slot_->mutex);
  slot_->heldByJob = held;
  // A reader that still listens (a line that kept the focus) hears nothing of the job.
  if (held) port_->Forward(nullptr);
}

bool AppDevice::KeepState() const {
  if (!simulated_ || !state_) return true;
  const std::vector<uint8_t> memory = simulated_->Memory();
  return state_->Save({reinterpret_cast<const char*>(memory.data()), memory.size()});
}

QString AppDevice::StateFileName() const {
  return state_ ? QString::fromStdString(state_->Path().string()) : QString();
}

std::vector<std::pair<QString, QString>> AppDevice::PortChoices(const std::string& dataFolder) {
  std::vector<std::pair<QString, QString>> choices{{QStringLiteral("none"), QCoreApplication::translate("vl::AppDevice", "нет порта")}};
  const QDir devices(QStringLiteral("/dev"));
  for (const QString& name : devices.entryList({QStringLiteral("serio_raw*")}, QDir::System, QDir::Name))
    choices.emplace_back(devices.filePath(name), devices.filePath(name));
  try {
    const DeviceCatalogue catalogue = FolderDeviceCatalogue(dataFolder).Catalogue();
    for (const uint16_t type : catalogue.Types()) {
      const QString section = QString::fromStdString(DeviceSectionName(type));
      choices.emplace_back(QStringLiteral("sim:") + section,
                           QCoreApplication::translate("vl::AppDevice", "имитатор клавиатуры %1 (%2)")
                               .arg(section, QString::fromStdString(catalogue.Model(type).About)));
    }
  } catch (const std::exception&) {
    // Without a catalogue there is no simulated keyboard to offer.
  }
  return choices;
}

}  // namespace vl
