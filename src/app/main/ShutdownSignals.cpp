#include "app/main/ShutdownSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <unistd.h>

#include "app/device/DeviceCommands.h"
#include "platform/SignalPipe.h"

namespace vl {

int RunUntilQuit(DeviceCommands& device) {
  int result = 0;
  {
    const SignalPipe ending;
    QSocketNotifier notifier(ending.ReadEnd(), QSocketNotifier::Read);
    notifier.setEnabled(ending.Active());
    QObject::connect(&notifier, &QSocketNotifier::activated, [&ending] {
      char bytes[16];
      while (::read(ending.ReadEnd(), bytes, sizeof bytes) > 0) {
      }
      // Every loop ends, a question's too, without asking the windows (quit()
      // would ask the main window, which asks about the running job); the job
      // is stopped once they have.
      QCoreApplication::exit(0);
    });
    result = QCoreApplication::exec();
    // Stopped while the signals are still caught: a second one must not cut the clearing short.
    device.ForgetDevice();
  }
  return result;
}

}  // namespace vl
