#pragma once
// The simulated keyboard the application owns while it is the chosen port. The
// device commands talk to it through GetPort() on their worker thread while the
// keyboard window presses its keys on the GUI thread, so every call takes one lock.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "core/device/Clock.h"
#include "core/device/Port.h"
#include "sim/ProgrammedLayout.h"
#include "sim/SimulatedPort.h"

namespace vl {

class SimulatedKeyboard {
 public:
  // What the window shows of the keyboard at one moment.
  struct State {
    int layer = 0;
    uint8_t indicators = 0;  // as the host set them: bit 0 Scroll, 1 Num, 2 Caps Lock
    size_t clicks = 0;       // clicks so far
    int lastClickTenths = 0;
    int memoryVersion = 0;  // changes whenever the memory is written
  };

  // Throws std::invalid_argument for a configuration the model refuses.
  SimulatedKeyboard(Clock& clock, sim::SimConfig config);
  SimulatedKeyboard(const SimulatedKeyboard&) = delete;
  SimulatedKeyboard& operator=(const SimulatedKeyboard&) = delete;

  // The keyboard as a port for the device commands and the byte readers.
  Port& GetPort() { return port_; }
  uint16_t DeviceType() const { return config_.identity.DeviceType; }
  int Width() const { return config_.keyColumns; }
  int Height() const { return config_.keyRows; }

  // The keys and the card reader at the clock's present time; false outside the
  // key field or for a track outside 1..4.
  bool Press(int x, int y);
  bool Release(int x, int y);
  bool Swipe(int track, std::string_view text);
  // Sends what is due by now (autorepeats included) and tells the state.
  State Poll();
  // The layout in the keyboard's memory; nullopt when it holds none.
  std::optional<sim::ProgrammedLayout> Layout();

  // The whole memory, for keeping it between runs.
  std::vector<uint8_t> Memory();
  // Puts a kept memory back; false (memory unchanged) when its size differs.
  bool SetMemory(const std::vector<uint8_t>& memory);

 private:
  class LockedPort final : public Port {
   public:
    explicit LockedPort(SimulatedKeyboard& owner) : owner_(owner) {}
    bool SendByte(uint8_t byte) override;
    void SetCapture(uint32_t target) override;
    uint16_t TakeByte() override;
    void Forward(IByteReceiver* receiver) override;

   private:
    SimulatedKeyboard& owner_;
  };

  sim::SimConfig config_;
  std::mutex mutex_;
  sim::SimulatedPort keyboard_;
  LockedPort port_{*this};
  int memoryPuts_ = 0;
};

}  // namespace vl
