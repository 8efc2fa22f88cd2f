#pragma once
// "Паузы": the keys of a line with the pause before each key's make ("Перед")
// and before its break ("После"), written as the bars move.

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "core/input/PauseEditor.h"

class QLabel;
class QListWidget;
class QSlider;

namespace vl {

class IPrompt;

class TfmPause : public QDialog {
  Q_OBJECT

 public:
  TfmPause(IPrompt& prompt, QWidget* parent = nullptr);

  // Edits the sequence; the edited bytes on OK when they changed.
  std::optional<std::string> Exec(const std::string& sequence, size_t capacity,
                                  KeyLanguage language, LockStates start);
  // For tests: the controls, and the editing session while the window is open.
  QListWidget* Keys() const { return lbKeys_; }
  QSlider* Before() const { return tbBefore_; }
  QSlider* After() const { return tbAfter_; }

 private:
  void ShowKey();
  void Move(bool beforeBreak, int value);
  void ShowValues();

  IPrompt& prompt_;
  std::unique_ptr<PauseEditor> editor_;
  QListWidget* lbKeys_;
  QSlider* tbBefore_;
  QSlider* tbAfter_;
  QLabel* lbBefore_;
  QLabel* lbAfter_;
  bool showing_ = false;
};

}  // namespace vl
