#pragma once
// The window "Имитатор клавиатуры": the simulated keyboard's keys to click and
// hold, its card reader to swipe, and what the keyboard shows: the current layer,
// the Num and Caps Lock indicators the host set and each key click. What the keys
// send goes to the port's receiver as a real keyboard's bytes do. A timer keeps
// the keyboard running on its clock (autorepeat, queued bytes) and the view fresh.
// A right click latches a key (a temporary layer's key) while others are clicked.
// The window never takes the keyboard focus: the test window and the code-sequence
// lines read keyboard bytes only while they are active, and clicking a key here
// must leave them so. The track's characters are asked in a dialog of their own.

#include <QPointer>
#include <QWidget>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/settings/SettingsStore.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace vl {

class SimKeyField;
class SimulatedKeyboard;

class SimKeyboardWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPollMs = 10;
  // How long a swipe waits for the window it was made for to be active again.
  static constexpr int kReactivationPolls = 50;

  // keyboard and settings must outlive the window; geometry is the catalogue's key
  // image geometry of the keyboard's type (none: a plain grid).
  SimKeyboardWindow(SimulatedKeyboard& keyboard, const ImageGeometry& geometry, const SettingsStore& settings,
                    QWidget* parent = nullptr);

  SimKeyField& Field() const { return *field_; }
  // Runs the keyboard up to now and shows its state (the timer's work).
  void Poll();
  // Swipes the chosen track with text (its ASCII characters).
  void SwipeTrack(const QString& text);

 private:
  void AskAndSwipe();
  void SwipeWhenActive(const QPointer<QWidget>& reader, const QString& text, int pollsLeft);
  void ShowIndicator(QLabel* label, bool lit);

  SimulatedKeyboard& keyboard_;
  const SettingsStore& settings_;
  SimKeyField* field_;
  QLabel* layer_;
  QLabel* numLock_;
  QLabel* capsLock_;
  QLabel* click_;
  QComboBox* track_;
  QPushButton* swipe_;
  QTimer* timer_;
  int shownLayer_ = -1;
  int shownMemory_ = -1;
  uint8_t shownLanguage_ = 0xFF;
  size_t shownClicks_ = 0;
  uint8_t shownIndicators_ = 0;
};

}  // namespace vl
