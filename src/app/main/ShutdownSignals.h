#pragma once
// The application ended by a signal (SIGTERM, SIGHUP, SIGINT: a logout, a
// shutdown, a closed terminal, Ctrl-C) ends as its own quit does, never in the
// middle of a device job: the event loop quits, then the device is let go, so a
// running job stops at its next block (a half-written download is cleared, as a
// cancel clears it) and a simulated keyboard keeps what it now holds.

namespace vl {

class DeviceCommands;

// Runs the application's event loop with those signals caught, then lets the
// device go; the event loop's exit code.
int RunUntilQuit(DeviceCommands& device);

}  // namespace vl
