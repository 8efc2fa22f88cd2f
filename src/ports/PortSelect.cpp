#include "ports/PortSelect.h"

#include <filesystem>
#include <stdexcept>

#include "platform/SerioRawPort.h"
#include "sim/CatalogueConfig.h"

namespace vl {

std::string StoredPortChoice(const ISettingsBackend& backend) {
  return backend.ReadString("", kPortSettingName).value_or("");
}

PortChoice ParsePortChoice(const std::string& text, const TextTranslator& translate) {
  PortChoice choice;
  if (text.empty()) {
    if (std::filesystem::exists(kDefaultSerioRawPath)) {
      choice.kind = PortChoice::Kind::Device;
      choice.path = kDefaultSerioRawPath;
    }
    return choice;
  }
  if (text == "none") return choice;
  if (text == "sim" || text.starts_with("sim:")) {
    choice.kind = PortChoice::Kind::Sim;
    if (text.size() > 4) {
      size_t used = 0;
      unsigned long type = 0;
      try {
        type = std::stoul(text.substr(4), &used, 16);
      } catch (const std::exception&) {
        used = 0;
      }
      if (used != text.size() - 4 || type > 1023) throw std::invalid_argument(TranslatedText(translate, kBadSimulatedType, {text}));
      choice.simType = static_cast<uint16_t>(type);
    }
    return choice;
  }
  choice.kind = PortChoice::Kind::Device;
  choice.path = text;
  return choice;
}

std::unique_ptr<Port> OpenChosenPort(const PortChoice& choice, Clock& clock, sim::SimConfig simConfig) {
  switch (choice.kind) {
    case PortChoice::Kind::Device: return std::make_unique<SerioRawPort>(choice.path);
    case PortChoice::Kind::Sim:
      simConfig.identity.DeviceType = choice.simType;
      return std::make_unique<sim::SimulatedPort>(clock, simConfig);
    case PortChoice::Kind::None: break;
  }
  return std::make_unique<NullPort>();
}

std::unique_ptr<Port> OpenChosenPort(const PortChoice& choice, Clock& clock, const DeviceCatalogue& catalogue) {
  if (choice.kind != PortChoice::Kind::Sim) return OpenChosenPort(choice, clock);
  return OpenChosenPort(choice, clock, sim::CatalogueConfig(catalogue, choice.simType));
}

}  // namespace vl
