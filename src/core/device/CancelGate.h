#pragma once
// Cooperative cancel of a device worker. The worker passes the gate once per
// block, where stopping or waiting cannot break a byte exchange; the user-interface
// side can hold it there while the user answers, then let it go on or stop it.

#include <condition_variable>
#include <mutex>

namespace vl {

class CancelGate {
 public:
  // Worker side: waits while the gate is held; false once a stop was asked for.
  bool Pass();

  // UI side. Hold makes the next Pass wait; Resume releases it; Stop releases it
  // with a stop, which stays in force for every later Pass.
  void Hold();
  void Resume();
  void Stop();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool held_ = false;
  bool stopped_ = false;
};

}  // namespace vl
