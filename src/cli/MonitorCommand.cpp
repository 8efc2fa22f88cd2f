// vlat-cli monitor [--show dec|hex|names] [--seconds N]: prints what the keyboard
// sends, as the test window shows it, until interrupted or N seconds have passed.

#include <chrono>
#include <csignal>
#include <iostream>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/DeviceCommandSupport.h"
#include "core/device/TestDisplay.h"

namespace vl::cli {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;
void OnInterrupt(int) { gInterrupted = 1; }

// Bytes arrive on the port's thread; the command prints them on its own.
class ByteQueue final : public IByteReceiver {
 public:
  void OnKeyboardByte(uint8_t byte) override {
    const std::lock_guard lock(mutex_);
    bytes_.push_back(byte);
  }
  std::vector<uint8_t> Take() {
    const std::lock_guard lock(mutex_);
    std::vector<uint8_t> taken;
    taken.swap(bytes_);
    return taken;
  }

 private:
  std::mutex mutex_;
  std::vector<uint8_t> bytes_;
};

TestDisplayMode ParseMode(const std::string& text) {
  if (text == "dec") return TestDisplayMode::Decimal;
  if (text == "hex") return TestDisplayMode::Hexadecimal;
  if (text == "names") return TestDisplayMode::Names;
  throw UsageError{"--show takes dec, hex or names"};
}

}  // namespace

int RunMonitor(CliContext& context) {
  auto& args = context.args;
  const auto show = TakeOption(args, "--show");
  const auto seconds = TakeOption(args, "--seconds");
  ExpectNoMoreArguments(args);
  TestDisplay display(show ? ParseMode(*show) : TestDisplayMode::Decimal);
  const int limit = seconds ? ParseInt(*seconds, "--seconds") : 0;
  if (seconds && limit <= 0) throw UsageError{"--seconds takes a positive number"};
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;

  gInterrupted = 0;
  const auto previous = std::signal(SIGINT, OnInterrupt);
  ByteQueue queue;
  line->port->Forward(&queue);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds{limit};
  // Under --json each byte is a line of its own on standard output, as it arrives.
  auto& out = context.json ? std::cout : *context.out;
  const auto print = [&](uint8_t byte) {
    if (context.json)
      out << Json::Object().Set("byte", byte).Set("shown", display.Format(byte)).Dump() << '\n';
    else
      out << display.Format(byte);
  };
  while (!gInterrupted && (limit == 0 || std::chrono::steady_clock::now() < deadline)) {
    std::this_thread::sleep_for(std::chrono::milliseconds{10});
    for (uint8_t byte : queue.Take()) print(byte);
    out << std::flush;
  }
  line->port->Forward(nullptr);
  std::signal(SIGINT, previous);
  for (uint8_t byte : queue.Take()) print(byte);
  if (!context.json) out << '\n';
  out << std::flush;
  return kExitOk;
}

}  // namespace vl::cli
