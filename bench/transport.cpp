// Writing 64 normal-mode blocks with the real clock against the in-process
// simulated keyboard. "overhead" is the wall time beyond the sum of the pauses
// and poll periods the protocol asked for (the target is at most 5%).

#include <benchmark/benchmark.h>

#include <chrono>

#include "CountingClock.h"
#include "core/device/Transport.h"
#include "sim/SimulatedPort.h"

namespace {

using vl::bench::CountingClock;

void WriteBlocks(benchmark::State& state) {
  double wall = 0;
  double asked = 0;
  for (auto _ : state) {
    CountingClock clock;
    vl::FixedLockState locks;
    vl::sim::SimulatedPort keyboard(clock, {});
    vl::Link link{keyboard, clock, locks, vl::TransferMode::Normal, 1};
    const auto start = std::chrono::steady_clock::now();
    for (uint16_t block = 0; block < 64; ++block) {
      const auto packet = vl::WriteBlockPacket(1, 0, static_cast<uint16_t>(block * 16), std::string(16, 'k'));
      if (!vl::WritePacketAck(link, packet)) state.SkipWithError("block not acknowledged");
    }
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    asked += std::chrono::duration<double>(clock.Paused()).count();
  }
  state.counters["overhead_pct"] = 100.0 * (wall - asked) / asked;
  state.counters["protocol_s"] = asked / static_cast<double>(state.iterations());
}
BENCHMARK(WriteBlocks)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
