#pragma once
// Calls from a device worker into the user interface. The call runs on the
// thread that owns context and the worker waits for it, so what the worker
// reports is on screen when the protocol step happens.

#include <functional>

class QObject;

namespace vl {

// Runs call on context's thread: at once when already there, otherwise queued
// and waited for.
void RunOnUiThread(QObject* context, const std::function<void()>& call);

}  // namespace vl
