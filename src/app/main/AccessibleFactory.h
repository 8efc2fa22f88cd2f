#pragma once
// What assistive technology is told of the widgets Qt cannot describe by itself:
// the key grid (a table), the code-sequence lines (read-only texts), the
// simulated keyboard's keys (buttons) and the tool windows (windows, not bare
// panels).

namespace vl {

// Once, after the application object exists and before the windows are made.
void InstallAccessibleFactory();

}  // namespace vl
