// The worker's cancel gate across two threads.

#include "core/device/CancelGate.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace vl {
namespace {

TEST(CancelGate, HeldWorkerWaitsForTheAnswer) {
  for (bool stop : {false, true}) {
    CancelGate gate;
    EXPECT_TRUE(gate.Pass());
    gate.Hold();
    std::atomic<int> state{0};  // 0 waiting, 1 went on, 2 stopped
    std::thread worker([&] { state = gate.Pass() ? 1 : 2; });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(state.load(), 0);
    if (stop) gate.Stop(); else gate.Resume();
    worker.join();
    EXPECT_EQ(state.load(), stop ? 2 : 1);
    EXPECT_EQ(gate.Pass(), !stop);  // a stop stays in force
  }
}

}  // namespace
}  // namespace vl
