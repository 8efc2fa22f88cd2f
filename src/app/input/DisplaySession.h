#pragma once
// Which Qt platform the program runs on. Grabbing the keyboard for macro entry and
// reading the X11 lock indicators need X11, so in a Wayland session the program
// runs on XWayland when it can; without XWayland it runs on Wayland itself, reads
// the locks from /sys/class/leds and tells the user which keys it cannot record.

#include <QString>
#include <string>

class QWidget;

namespace vl {

// The environment variables the choice reads; empty means unset.
struct SessionEnvironment {
  std::string WaylandDisplay{};  // WAYLAND_DISPLAY
  std::string SessionType{};     // XDG_SESSION_TYPE
  std::string Display{};         // DISPLAY: in a Wayland session, XWayland is there
  std::string UserPlatform{};    // QT_QPA_PLATFORM as the user set it
};

struct PlatformChoice {
  // What QT_QPA_PLATFORM becomes; empty leaves it (and Qt's own choice) alone.
  std::string Platform{};
  // The program will run as a Wayland client, without X11.
  bool NativeWayland = false;
};

PlatformChoice ChoosePlatform(const SessionEnvironment& environment);

SessionEnvironment ReadSessionEnvironment();

// Sets QT_QPA_PLATFORM from the choice; before the application object exists.
void ApplyPlatformChoice(const PlatformChoice& choice);

// The key windows' notice about keys the Wayland desktop keeps to itself; null
// when the program runs on X11 (or any platform other than Wayland).
QWidget* NewWaylandKeysNotice();

}  // namespace vl
