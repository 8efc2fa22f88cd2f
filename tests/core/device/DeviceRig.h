#pragma once
// A keyboard on the virtual clock with everything the device procedures talk to:
// a catalogue that knows it, a prompt with scripted answers and a reporter that
// keeps what it was shown.

#include <string>
#include <vector>

#include "RecordingReporter.h"
#include "ScriptedPrompt.h"
#include "core/device/DeviceSession.h"
#include "core/device/LockState.h"
#include "sim/SimulatedPort.h"

namespace vl::test {

// Passes everything to the keyboard, except that it can lose the next host bytes,
// go deaf to the keyboard's answers, spoil one byte of the next answers or go
// away altogether.
class TapPort final : public Port {
 public:
  explicit TapPort(Port& inner) : inner_(inner) {}
  bool SendByte(uint8_t byte) override {
    if (gone) return false;
    if (dropHostBytes > 0) {
      --dropHostBytes;
      return true;
    }
    return inner_.SendByte(byte);
  }
  void SetCapture(uint32_t target) override {
    if (target) takenInCapture_ = 0;
    inner_.SetCapture(target);
  }
  uint16_t TakeByte() override {
    uint16_t taken = inner_.TakeByte();
    if ((taken & 0xFF) && ++takenInCapture_ == spoilByteAt && spoiledCaptures > 0) {
      --spoiledCaptures;
      taken ^= 0x0100;  // a data bit of the received byte
    }
    return deaf || gone ? 0 : taken;
  }
  void Forward(IByteReceiver* receiver) override { inner_.Forward(receiver); }
  bool Lost() const override { return gone; }

  int dropHostBytes = 0;
  bool deaf = false;
  bool gone = false;
  int spoilByteAt = 0;      // 1-based position in a capture
  int spoiledCaptures = 0;  // captures still to spoil

 private:
  Port& inner_;
  int takenInCapture_ = 0;
};

// Positions laid on the grid column by column.
inline GridOffset Straight(int x, int y) { return {x, y}; }

class TestCatalogue final : public IDeviceCatalogue {
 public:
  explicit TestCatalogue(DeviceModel model, uint16_t type) : model_(std::move(model)), type_(type) {}
  std::optional<DeviceModel> Model(uint16_t deviceType) const override {
    if (deviceType != type_) return std::nullopt;
    return model_;
  }
  std::optional<KeyPlacement> Decoding(uint16_t) const override {
    if (!decodingReadable) return std::nullopt;
    return KeyPlacement(Straight);
  }
  std::string Problem(uint16_t) const override { return "the test's decoding file cannot be read"; }

  bool decodingReadable = true;

 private:
  DeviceModel model_;
  uint16_t type_;
};

struct RigOptions {
  CheckKind check = CheckKind::Crc;
  uint32_t memory = 8192;
  int width = 8;
  int height = 8;
  sim::FaultPlan faults{};
};

struct DeviceRig {
  explicit DeviceRig(RigOptions options = {})
      : keyboard(clock, Config(options), options.faults),
        port(keyboard),
        catalogue(DeviceModel{options.width, options.height, static_cast<int>(options.memory), options.check,
                              options.width * options.height, 0, "Клавиатура", "Исполнение"},
                  Config(options).identity.DeviceType) {}

  static sim::SimConfig Config(const RigOptions& options) {
    sim::SimConfig config;
    config.memorySize = options.memory;
    config.check = options.check;
    return config;
  }
  PortAccess Access() { return PortAccess{port, clock, locks}; }
  DeviceModel Model() const { return *catalogue.Model(sim::SimConfig{}.identity.DeviceType); }
  DeviceHeader StoredHeader() {
    auto& memory = keyboard.Memory();
    return UnpackHeader(std::span<const uint8_t, 8>(&memory[keyboard.HeaderAddress()], 8));
  }
  // The worker's fields as the preparation would leave them.
  DeviceSession Session() {
    return DeviceSession{Access(), settings, Model(), sim::SimConfig{}.identity, StoredHeader(),
                         reporter, prompt,   gate};
  }

  VirtualClock clock;
  sim::SimulatedPort keyboard;
  TapPort port;
  FixedLockState locks;
  SettingsStore settings;
  TestCatalogue catalogue;
  RecordingReporter reporter;
  ScriptedPrompt prompt{Answer::Yes};
  CancelGate gate;
};

}  // namespace vl::test
