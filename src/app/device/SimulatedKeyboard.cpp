#include "app/device/SimulatedKeyboard.h"

namespace vl {

namespace {
// A long-running keyboard keeps no transcript: it would grow without end.
sim::SimConfig WithoutTranscript(sim::SimConfig config) {
  config.keepTranscript = false;
  return config;
}
}  // namespace

SimulatedKeyboard::SimulatedKeyboard(Clock& clock, sim::SimConfig config)
    : config_(WithoutTranscript(config)), keyboard_(clock, config_) {}

bool SimulatedKeyboard::Press(int x, int y) {
  std::lock_guard lock(mutex_);
  return keyboard_.PressKey(x, y);
}

bool SimulatedKeyboard::Release(int x, int y) {
  std::lock_guard lock(mutex_);
  return keyboard_.ReleaseKey(x, y);
}

bool SimulatedKeyboard::Swipe(int track, std::string_view text) {
  std::lock_guard lock(mutex_);
  return keyboard_.SwipeCard(track, text);
}

SimulatedKeyboard::State SimulatedKeyboard::Poll() {
  std::lock_guard lock(mutex_);
  keyboard_.Poll();
  const auto& clicks = keyboard_.Keys().Clicks();
  return State{.layer = keyboard_.Keys().Layer(),
               .indicators = keyboard_.Indicators(),
               .clicks = clicks.size(),
               .lastClickTenths = clicks.empty() ? 0 : clicks.back().tenths,
               .memoryVersion = keyboard_.BlocksAccepted() + memoryPuts_};
}

std::optional<sim::ProgrammedLayout> SimulatedKeyboard::Layout() {
  std::lock_guard lock(mutex_);
  return sim::ReadProgrammedLayout(keyboard_.Memory(), keyboard_.HeaderAddress(), config_.keyColumns,
                                   config_.keyRows);
}

std::vector<uint8_t> SimulatedKeyboard::Memory() {
  std::lock_guard lock(mutex_);
  return keyboard_.Memory();
}

bool SimulatedKeyboard::SetMemory(const std::vector<uint8_t>& memory) {
  std::lock_guard lock(mutex_);
  if (memory.size() != keyboard_.Memory().size()) return false;
  keyboard_.Memory() = memory;
  ++memoryPuts_;
  return true;
}

bool SimulatedKeyboard::LockedPort::SendByte(uint8_t byte) {
  std::lock_guard lock(owner_.mutex_);
  return owner_.keyboard_.SendByte(byte);
}

void SimulatedKeyboard::LockedPort::SetCapture(uint32_t target) {
  std::lock_guard lock(owner_.mutex_);
  owner_.keyboard_.SetCapture(target);
}

uint16_t SimulatedKeyboard::LockedPort::TakeByte() {
  std::lock_guard lock(owner_.mutex_);
  return owner_.keyboard_.TakeByte();
}

void SimulatedKeyboard::LockedPort::Forward(IByteReceiver* receiver) {
  std::lock_guard lock(owner_.mutex_);
  owner_.keyboard_.Forward(receiver);
}

}  // namespace vl
