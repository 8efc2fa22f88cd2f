// Download and upload against the in-process simulated keyboard: with the real
// clock a 2 KiB image should cost no more than the protocol's own pauses (the
// "overhead" counter is wall time over the sum of pauses, 1.0 = none), and with
// the virtual clock a 16 KiB download and upload should take well under a second.

#include <benchmark/benchmark.h>

#include <chrono>

#include "CountingClock.h"
#include "core/device/Download.h"
#include "core/device/LockState.h"
#include "core/device/Upload.h"
#include "sim/SimulatedPort.h"

namespace vl {
namespace {

using bench::CountingClock;

class Silent final : public IPrompt {
 public:
  Answer Ask(const std::string&, const std::string&, MessageButtons, MessageIcon) override { return Answer::Yes; }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return {}; }
};

// 8 x 8 keys, each layer pressing `press` bytes.
void Fill(TVL2Document& document, int layers, size_t press) {
  for (int column = 1; column <= 8; ++column) {
    for (int row = 1; row <= 8; ++row) {
      auto& key = document.Keys(column, row);
      key = std::make_unique<TMacroButton>();
      key->Func = kFuncMacro;
      for (int layer = 0; layer < layers; ++layer) key->Layers[layer].Macro[0] = std::string(press, '\x1C');
    }
  }
}

struct Run {
  OperationResult download;
  OperationResult upload;
  size_t imageSize;
};

Run DownloadAndUpload(Clock& clock, const TVL2Document& document, int layers, uint32_t memory, bool upload) {
  sim::SimConfig config;
  config.memorySize = memory;
  sim::SimulatedPort keyboard(clock, config);
  FixedLockState locks;
  SettingsStore settings;
  settings.Set(Setting::LayerCount, static_cast<uint8_t>(layers - 1));
  NullReporter reporter;
  Silent prompt;
  CancelGate gate;
  const DeviceModel model{8, 8, static_cast<int>(memory), CheckKind::Crc, 64, 0, {}, {}};
  DeviceHeader header;
  header.ControllerMajor = config.controllerMajor;
  header.ControllerMinor = config.controllerMinor;
  DeviceSession session{PortAccess{keyboard, clock, locks}, settings, model, config.identity, header,
                        reporter, prompt, gate};
  const KeyPlacement straight = [](int x, int y) { return GridOffset{x, y}; };
  Run run{RunDownload(session, DownloadJob{document, TRect{1, 1, 8, 8}, straight}), OperationResult::Done, 0};
  session.header = UnpackHeader(std::span<const uint8_t, 8>(&keyboard.Memory()[keyboard.HeaderAddress()], 8));
  run.imageSize = session.header.DataSize;
  if (upload) {
    DeviceRead uploaded;
    run.upload = RunUpload(session, UploadJob{uploaded, TRect{1, 1, 8, 8}, straight});
  }
  return run;
}

void BM_Download2KiBRealClock(benchmark::State& state) {
  TVL2Document document;
  Fill(document, 1, 25);  // 2062 bytes
  for (auto _ : state) {
    CountingClock clock;
    const auto start = std::chrono::steady_clock::now();
    const Run run = DownloadAndUpload(clock, document, 1, 8192, false);
    const auto wall = std::chrono::steady_clock::now() - start;
    if (run.download != OperationResult::Done) state.SkipWithError("download failed");
    state.counters["image_bytes"] = static_cast<double>(run.imageSize);
    state.counters["pauses_s"] = std::chrono::duration<double>(clock.Paused()).count();
    state.counters["overhead"] =
        std::chrono::duration<double>(wall).count() / std::chrono::duration<double>(clock.Paused()).count();
  }
}
BENCHMARK(BM_Download2KiBRealClock)->Iterations(1)->Unit(benchmark::kSecond);

void BM_DownloadAndUpload16KiBVirtualClock(benchmark::State& state) {
  TVL2Document document;
  Fill(document, 4, 56);  // 15959 bytes
  for (auto _ : state) {
    VirtualClock clock;
    const Run run = DownloadAndUpload(clock, document, 4, 32768, true);
    if (run.download != OperationResult::Done) state.SkipWithError("download failed");
    if (run.upload != OperationResult::Done) state.SkipWithError("upload failed");
    state.counters["image_bytes"] = static_cast<double>(run.imageSize);
    state.counters["virtual_s"] = std::chrono::duration<double>(clock.Elapsed()).count();
  }
}
BENCHMARK(BM_DownloadAndUpload16KiBVirtualClock)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vl
