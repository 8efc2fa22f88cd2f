#include "app/input/DisplaySession.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <cstdlib>

namespace vl {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// QT_QPA_PLATFORM may list fallbacks ("wayland;xcb"); Qt tries the first first.
bool FirstPlatformIsWayland(const std::string& platforms) {
  return platforms.rfind("wayland", 0) == 0;
}

}  // namespace

PlatformChoice ChoosePlatform(const SessionEnvironment& environment) {
  if (!environment.UserPlatform.empty()) {
    return {.Platform = {}, .NativeWayland = FirstPlatformIsWayland(environment.UserPlatform)};
  }
  const bool waylandSession = !environment.WaylandDisplay.empty() || environment.SessionType == "wayland";
  if (!waylandSession) return {};
  if (!environment.Display.empty()) return {.Platform = "xcb", .NativeWayland = false};
  return {.Platform = "wayland", .NativeWayland = true};
}

SessionEnvironment ReadSessionEnvironment() {
  return {.WaylandDisplay = Variable("WAYLAND_DISPLAY"),
          .SessionType = Variable("XDG_SESSION_TYPE"),
          .Display = Variable("DISPLAY"),
          .UserPlatform = Variable("QT_QPA_PLATFORM")};
}

void ApplyPlatformChoice(const PlatformChoice& choice) {
  if (!choice.Platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.Platform));
}

QWidget* NewWaylandKeysNotice() {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return nullptr;
  auto* notice = new QLabel(QCoreApplication::translate(
      "vl::DisplaySession",
      "Рабочий стол Wayland оставляет некоторые клавиши себе (Alt+Tab, клавиша Super): "
      "их нельзя записать в макропоследовательность."));
  notice->setObjectName(QStringLiteral("lbWaylandKeys"));
  notice->setWordWrap(true);
  notice->setAccessibleName(notice->text());
  return notice;
}

}  // namespace vl
