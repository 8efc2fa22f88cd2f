#include <QtTest>

#include "app/input/DisplaySession.h"

namespace vl {
namespace {

struct Case {
  const char* name;
  SessionEnvironment environment;
  std::string platform;
  bool nativeWayland;
};

}  // namespace

class DisplaySessionTest : public QObject {
  Q_OBJECT

 private slots:
  void PlatformFollowsTheSessionAndTheUser() {
    const Case cases[] = {
        {"X11 session", {.Display = ":0"}, "", false},
        {"X11 session typed so", {.SessionType = "x11", .Display = ":0"}, "", false},
        {"Wayland with XWayland", {.WaylandDisplay = "wayland-0", .SessionType = "wayland", .Display = ":1"},
         "xcb", false},
        // Only the session type says Wayland (started from a terminal that dropped WAYLAND_DISPLAY).
        {"Wayland session type with XWayland", {.SessionType = "wayland", .Display = ":1"}, "xcb", false},
        {"Wayland without XWayland", {.WaylandDisplay = "wayland-0", .SessionType = "wayland"}, "wayland", true},
        {"Wayland display without session type", {.WaylandDisplay = "wayland-1"}, "wayland", true},
        {"user asks for xcb on Wayland", {.WaylandDisplay = "wayland-0", .UserPlatform = "xcb"}, "", false},
        {"user asks for Wayland despite XWayland",
         {.WaylandDisplay = "wayland-0", .Display = ":1", .UserPlatform = "wayland"}, "", true},
        {"user lists Wayland first", {.WaylandDisplay = "wayland-0", .UserPlatform = "wayland-egl;xcb"}, "", true},
        {"user lists xcb first", {.WaylandDisplay = "wayland-0", .UserPlatform = "xcb;wayland"}, "", false},
        {"user's offscreen", {.UserPlatform = "offscreen"}, "", false},
        {"no display at all", {}, "", false},
    };
    for (const Case& c : cases) {
      const PlatformChoice choice = ChoosePlatform(c.environment);
      QVERIFY2(choice.Platform == c.platform, c.name);
      QVERIFY2(choice.NativeWayland == c.nativeWayland, c.name);
    }
  }

  void KeyWindowsSayNothingOffWayland() {
    QWidget* notice = NewWaylandKeysNotice();
    QVERIFY(notice == nullptr);
  }
};

int RunDisplaySessionTest(int argc, char** argv) {
  DisplaySessionTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "DisplaySessionTest.moc"
