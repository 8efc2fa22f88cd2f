#include "app/input/DesktopLocks.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#ifdef VLAT_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace vl {
namespace {

#ifdef VLAT_HAVE_X11
std::optional<LockStates> ReadX11Locks() {
  auto* x11 = qGuiApp == nullptr ? nullptr : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 == nullptr ? nullptr : x11->display();
  if (display == nullptr) return std::nullopt;
  auto indicator = [display](const char* name, bool& on) {
    Bool state = False;
    const Atom atom = XInternAtom(display, name, False);
    if (!XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr)) return false;
    on = state != False;
    return true;
  };
  LockStates locks;
  if (!indicator("Num Lock", locks.NumLock) || !indicator("Caps Lock", locks.CapsLock)) {
    return std::nullopt;
  }
  return locks;
}
#endif

}  // namespace

std::optional<LockStates> ReadLedLocks(const QString& ledsFolder) {
  const QDir folder(ledsFolder);
  bool foundNum = false;
  bool foundCaps = false;
  LockStates locks{.NumLock = false, .CapsLock = false};
  for (const QString& entry : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
    const bool num = entry.endsWith(QLatin1String("::numlock"));
    const bool caps = entry.endsWith(QLatin1String("::capslock"));
    if (!num && !caps) continue;
    QFile brightness(folder.filePath(entry + QLatin1String("/brightness")));
    if (!brightness.open(QIODevice::ReadOnly)) continue;
    const bool lit = brightness.read(16).trimmed().toInt() > 0;
    (num ? foundNum : foundCaps) = true;
    if (lit) (num ? locks.NumLock : locks.CapsLock) = true;
  }
  if (!foundNum && !foundCaps) return std::nullopt;
  if (!foundNum) locks.NumLock = true;
  return locks;
}

LockStates ReadDesktopLocks() {
#ifdef VLAT_HAVE_X11
  if (auto locks = ReadX11Locks()) return *locks;
#endif
  if (auto locks = ReadLedLocks(QStringLiteral("/sys/class/leds"))) return *locks;
  return {};
}

}  // namespace vl
