#include "core/device/DeviceSession.h"

#include <algorithm>
#include <cmath>

namespace vl {

uint16_t HeaderAddress(const DeviceModel& model) {
  return static_cast<uint16_t>(static_cast<uint16_t>(model.Memory) - 32);
}

int AddressableMemory(const DeviceModel& model) { return std::clamp(model.Memory, 0, 0x10000); }

TransferMode SettingsMode(const SettingsStore& settings) {
  return settings.Get(Setting::LoadReadWriteMode) == 1 ? TransferMode::Protected : TransferMode::Normal;
}

Link OpenLink(const PortAccess& access, TransferMode mode, const DeviceModel& model) {
  return Link{access.port, access.clock, access.locks, mode, static_cast<uint8_t>(model.Check)};
}

Link OpenLink(const PortAccess& access, TransferMode mode) { return Link{access.port, access.clock, access.locks, mode, 0}; }

void FinishOperation(Link& link, DeviceSession& session, const std::string& message, bool clear) {
  session.reporter.SetStatus(kStatusReset);
  if (clear) {
    session.reporter.SetStatus(kStatusClearing);
    ClearDevice(link, session.identity.SerialNumber, HeaderAddress(session.model), 0, ProgrammerVersion{});
  } else {
    ResetKeyboard(link);
  }
  if (!message.empty()) session.prompt.Message(message, kCaptionAttention, MessageIcon::Exclamation);
  StopCapture(link);
}

int BlockPosition(size_t done, size_t total) {
  return static_cast<int>(std::lround(static_cast<double>(done) / static_cast<double>(total) * 100.0));
}

std::string RetryText(const DeviceSession& session, int number, const char* pattern) {
  return TranslatedText(session.prompt.Translator(), pattern, {std::to_string(number)});
}

}  // namespace vl
