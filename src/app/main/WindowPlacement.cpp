#include "app/main/WindowPlacement.h"

#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <algorithm>

#include "app/editor/ArrangeDialog.h"

namespace vl {
namespace {

const char* const kMainPlacement = "Windows\\Main";
const char* const kToolbarsKey = "Toolbars";
constexpr int kMinimumWidth = 400;
constexpr int kMinimumHeight = 300;
constexpr int kMinimumLayoutSize = 250;
constexpr int kWindowStep = 25;  // how far each new or cascaded window steps down and right

}  // namespace

WindowPlacement::WindowPlacement(QMainWindow& window, QMdiArea& area, ISettingsBackend& backend)
    : window_(window), area_(area), backend_(backend) {
  window_.setMinimumSize(kMinimumWidth, kMinimumHeight);
  // A first start takes most of the screen; a stored placement replaces it when shown.
  if (const QScreen* shown = window_.screen()) {
    const QRect available = shown->availableGeometry();
    window_.resize(available.size() * 4 / 5);
    window_.move(available.center() - window_.rect().center());
  }
  area_.viewport()->installEventFilter(this);
}

void WindowPlacement::RestoreToolbars() {
  if (auto state = backend_.ReadString(kToolbarsKey, "State")) {
    window_.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(*state)));
  }
}

void WindowPlacement::RestorePlacement() {
  // The normal rectangle and the show command are what a window here can take;
  // the minimised and maximised positions are kept only for the record.
  const char* names[] = {"rcNormalPosition_Left", "rcNormalPosition_Top", "rcNormalPosition_Right",
                         "rcNormalPosition_Bottom", "ShowCmd", "Flags", "ptMinPosition_X",
                         "ptMinPosition_Y", "ptMaxPosition_X", "ptMaxPosition_Y"};
  int values[10];
  for (int i = 0; i < 10; ++i) {
    const auto value = backend_.ReadInt(kMainPlacement, names[i]);
    if (!value) return;  // every value must be there for the placement to apply
    values[i] = static_cast<int>(*value);
  }
  window_.setGeometry(values[0], values[1], std::max(values[2] - values[0], kMinimumWidth),
                      std::max(values[3] - values[1], kMinimumHeight));
  if (values[4] == 3) window_.showMaximized();
}

void WindowPlacement::Save() {
  const bool maximized = window_.isMaximized();
  const QRect normal = maximized ? window_.normalGeometry() : window_.geometry();
  backend_.WriteInt(kMainPlacement, "Flags", 0);
  backend_.WriteInt(kMainPlacement, "ShowCmd", maximized ? 3 : 1);
  backend_.WriteInt(kMainPlacement, "ptMinPosition_X", 0xFFFFFFFF);
  backend_.WriteInt(kMainPlacement, "ptMinPosition_Y", 0xFFFFFFFF);
  backend_.WriteInt(kMainPlacement, "ptMaxPosition_X", 0xFFFFFFFF);
  backend_.WriteInt(kMainPlacement, "ptMaxPosition_Y", 0xFFFFFFFF);
  backend_.WriteInt(kMainPlacement, "rcNormalPosition_Left", static_cast<uint32_t>(normal.left()));
  backend_.WriteInt(kMainPlacement, "rcNormalPosition_Top", static_cast<uint32_t>(normal.top()));
  backend_.WriteInt(kMainPlacement, "rcNormalPosition_Right", static_cast<uint32_t>(normal.right() + 1));
  backend_.WriteInt(kMainPlacement, "rcNormalPosition_Bottom", static_cast<uint32_t>(normal.bottom() + 1));
  backend_.WriteString(kToolbarsKey, "State", window_.saveState().toBase64().toStdString());
}

void WindowPlacement::PlaceNew(QMdiSubWindow& sub, int shown) {
  // Each new window steps 25 pixels down and right and fills the rest of the area;
  // when that leaves too little, it fills the area from its corner.
  const QSize area = area_.viewport()->size();
  int offset = shown * kWindowStep;
  if (area.width() - offset < kMinimumLayoutSize || area.height() - offset < kMinimumLayoutSize) {
    offset = 0;
  }
  sub.setGeometry(offset, offset, area.width() - offset, area.height() - offset);
}

void WindowPlacement::Arrange(int choice) {
  switch (choice) {
    case TfmArrange::kTopToBottom:
    case TfmArrange::kLeftToRight: {
      // Each window a full strip, stacked or side by side.
      const QList<QMdiSubWindow*> subs = area_.subWindowList();
      const QSize area = area_.viewport()->size();
      const int count = static_cast<int>(subs.size());
      for (int i = 0; i < count; ++i) {
        subs[i]->showNormal();
        if (choice == TfmArrange::kTopToBottom) {
          subs[i]->setGeometry(0, i * area.height() / count, area.width(), area.height() / count);
        } else {
          subs[i]->setGeometry(i * area.width() / count, 0, area.width() / count, area.height());
        }
      }
      break;
    }
    case TfmArrange::kCascade: Cascade(); break;
    default: break;
  }
}

void WindowPlacement::Cascade() {
  // Each window a step down and right of the one before, all of one size that
  // keeps most of the area; windows beyond the room stay at the last step.
  QList<QMdiSubWindow*> subs;
  for (QMdiSubWindow* sub : area_.subWindowList()) {
    if (!sub->isHidden()) subs << sub;
  }
  if (subs.isEmpty()) return;
  const QSize area = area_.viewport()->size();
  const int steps = static_cast<int>(subs.size()) - 1;
  const int width = std::max(area.width() - steps * kWindowStep, area.width() * 2 / 3);
  const int height = std::max(area.height() - steps * kWindowStep, area.height() * 2 / 3);
  for (int i = 0; i <= steps; ++i) {
    subs[i]->showNormal();
    subs[i]->setGeometry(std::min(i * kWindowStep, area.width() - width),
                         std::min(i * kWindowStep, area.height() - height), width, height);
    subs[i]->raise();
  }
  area_.setActiveSubWindow(subs.last());
}

void WindowPlacement::FitLayoutWindows() {
  // A smaller area (a dock shown, the window made smaller) keeps every layout
  // window's title buttons in reach.
  const QRect area(QPoint(0, 0), area_.viewport()->size());
  for (QMdiSubWindow* sub : area_.subWindowList()) {
    if (sub->isHidden() || sub->isMaximized() || sub->isMinimized() || area.contains(sub->geometry())) {
      continue;
    }
    QRect fitted = sub->geometry();
    fitted.setWidth(std::min(fitted.width(), area.width()));
    fitted.setHeight(std::min(fitted.height(), area.height()));
    fitted.moveLeft(std::clamp(fitted.left(), 0, area.width() - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), 0, area.height() - fitted.height()));
    sub->setGeometry(fitted);
  }
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_.viewport() && event->type() == QEvent::Resize) FitLayoutWindows();
  return QObject::eventFilter(watched, event);
}

}  // namespace vl
