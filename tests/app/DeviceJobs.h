#pragma once
// Waiting in the application tests for the device jobs a command starts.

#include <QCoreApplication>
#include <QDeadlineTimer>

#include "app/device/DeviceCommands.h"
#include "app/main/MainWindow.h"

namespace vl {

// Waits (at most 60 s) for the device jobs under way to end; false when one
// still runs. A backup read and a download on the simulated keyboard's real clock
// take well over 20 s under ThreadSanitizer on a loaded machine.
inline bool WaitForJobs(TfmMain& main) {
  QDeadlineTimer deadline(60000);
  while (main.Device().JobRunning() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  QCoreApplication::processEvents();
  return !main.Device().JobRunning();
}

// Triggers a command of the main window and waits for the device jobs it starts.
inline bool RunCommand(TfmMain& main, const char* command) {
  main.Action(command)->trigger();
  return WaitForJobs(main);
}

}  // namespace vl
