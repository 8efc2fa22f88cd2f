#pragma once
// Waiting in the application tests for the device jobs a command starts.

#include <QCoreApplication>
#include <QDeadlineTimer>

#include "app/device/DeviceCommands.h"
#include "app/main/MainWindow.h"

namespace vl {

// Waits (at most 20 s) for the device jobs under way to end; false when one
// still runs.
inline bool WaitForJobs(TfmMain& main) {
  QDeadlineTimer deadline(20000);
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
