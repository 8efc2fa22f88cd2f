#pragma once
// The device's own windows show in the middle of the screen, wherever the main
// window is.

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace vl {

inline void CentreOnScreen(QWidget& window) {
  if (const QScreen* screen = QApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
}

}  // namespace vl
