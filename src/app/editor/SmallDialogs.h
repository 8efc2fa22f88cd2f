#pragma once
// The small dialogs of the layout window and the main window, created once and
// shown again and again: one edit line (note, bookmark, password), the go-to-
// bookmark list and the window arrangement choice.

#include <QDialog>
#include <QStringList>
#include <optional>

#include "core/document/LayerOps.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QValidator;

namespace vl {

// A validator that refuses characters code page 1251 cannot hold, as they are typed.
QValidator* NewCp1251Validator(QObject* parent);

// "OK" and "Отмена" wired to accept and reject, and "Справка" opening the help
// page when one is given.
QDialogButtonBox* OkCancel(QDialog* dialog, const QString& helpPage = {});

// "Примечание" / "Закладка" / the password dialogs: one line of at most maxLength
// characters. Exec returns the text on OK and an empty text on Cancel.
class TfmTextEntry : public QDialog {
  Q_OBJECT
 public:
  explicit TfmTextEntry(QWidget* parent = nullptr);
  QString Exec(const QString& caption, const QString& prompt, const QString& initial, int maxLength,
               bool password = false);
  QLineEdit* Edit() const { return edText_; }

 private:
  QLabel* lbPrompt_;
  QLineEdit* edText_;
};

// "Перейти к закладке": a sorted list, the first name selected; OK or a double-click
// chooses. Returns the chosen name, empty when cancelled.
class TfmGotoBookmark : public QDialog {
  Q_OBJECT
 public:
  explicit TfmGotoBookmark(QWidget* parent = nullptr);
  QString Exec(QStringList names);
  QListWidget* List() const { return lbNames_; }

 private:
  QListWidget* lbNames_;
};

// "Расположение окон": 0 top to bottom, 1 left to right, 2 cascade; -1 cancelled.
class TfmArrange : public QDialog {
  Q_OBJECT
 public:
  explicit TfmArrange(QWidget* parent = nullptr);
  int Exec();

 private:
  QRadioButton* rbChoice_[3];
};

// "Копировать на уровень": the target layers (the shown one disabled) and whether
// to delete from the shown layer. nullopt when cancelled.
class TfmCopyToLayers : public QDialog {
  Q_OBJECT
 public:
  struct Choice {
    LayerChoice Targets{};
    bool DeleteFromSource = false;
  };
  explicit TfmCopyToLayers(QWidget* parent = nullptr);
  std::optional<Choice> Exec(int shownLayer);
  QCheckBox* LayerBox(int layer) const { return cbLayer_[layer]; }
  QCheckBox* DeleteBox() const { return cbDelete_; }

 private:
  QCheckBox* cbLayer_[kLayerCount];
  QCheckBox* cbDelete_;
};

}  // namespace vl
