// The worker's cancel gate across two threads.

#include "core/device/CancelGate.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace vl {
namespace {

// A worker that announces when it reaches the gate and records, when its Pass
// returns, whether the test had let it go by then.
struct GateWorker {
  explicit GateWorker(CancelGate& gate) {
    thread = std::thread([this, &gate] {
      reached.set_value();
      const bool wentOn = gate.Pass();
      passedAfterRelease = released.load();
      result.set_value(wentOn);
    });
  }
  ~GateWorker() { thread.join(); }

  std::promise<void> reached;
  std::promise<bool> result;
  std::atomic<bool> released{false};
  std::atomic<bool> passedAfterRelease{false};
  std::thread thread;
};

TEST(CancelGate, HeldWorkerWaitsUntilResumedOrStopped) {
  for (bool stop : {false, true}) {
    SCOPED_TRACE(stop ? "stop" : "resume");
    CancelGate gate;
    EXPECT_TRUE(gate.Pass());
    gate.Hold();
    GateWorker worker(gate);
    std::future<bool> result = worker.result.get_future();
    worker.reached.get_future().wait();
    // A gate that does not hold lets the worker through here; the wait only gives
    // it the chance, the order check below is what fails.
    EXPECT_EQ(result.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    worker.released = true;
    if (stop) gate.Stop(); else gate.Resume();
    EXPECT_EQ(result.get(), !stop);
    EXPECT_TRUE(worker.passedAfterRelease) << "the worker passed before it was let go";
    EXPECT_EQ(gate.Pass(), !stop) << "a stop stays in force, a resume leaves the gate open";
  }
}

}  // namespace
}  // namespace vl
