#pragma once
// TfmTextEntry: "Примечание" / "Закладка": one line of at most maxLength
// characters, created once and shown again and again.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vl {

class TfmTextEntry : public QDialog {
  Q_OBJECT
 public:
  explicit TfmTextEntry(QWidget* parent = nullptr);
  // The text on OK, an empty text on Cancel.
  QString Exec(const QString& caption, const QString& prompt, const QString& initial, int maxLength);
  QLineEdit* Edit() const { return edText_; }
  QLabel* PromptLabel() const { return lbPrompt_; }

 private:
  QLabel* lbPrompt_;
  QLineEdit* edText_;
};

}  // namespace vl
