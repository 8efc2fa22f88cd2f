#include "app/common/QtPrompt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "core/document/Field.h"

namespace vl {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQtButton(Answer answer) {
  switch (answer) {
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Ok: break;
  }
  return QMessageBox::Ok;
}

// Takes no click on the buttons it watches for a double-click's time after it
// was made.
class EarlyClickFilter final : public QObject {
 public:
  explicit EarlyClickFilter(QObject* parent) : QObject(parent) { made_.start(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        if (made_.elapsed() < QApplication::doubleClickInterval()) return true;
        break;
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QElapsedTimer made_;
};

}  // namespace

Answer QtPrompt::Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
                     MessageIcon icon) {
  return Show(text, caption, buttons, icon, buttons == MessageButtons::YesNo ? std::optional(Answer::No) : std::nullopt);
}

Answer QtPrompt::AskKeeping(const std::string& text, const std::string& caption, MessageButtons buttons,
                            MessageIcon icon, Answer keep) {
  return Show(text, caption, buttons, icon, keep);
}

Answer QtPrompt::Show(const std::string& text, const std::string& caption, MessageButtons buttons,
                      MessageIcon icon, std::optional<Answer> keep) {
  QMessageBox box(ToQtIcon(icon), CoreText(caption), CoreText(text), ToQtButtons(buttons), parent_);
  if (QAbstractButton* keeping = keep ? box.button(ToQtButton(*keep)) : nullptr) {
    box.setDefaultButton(qobject_cast<QPushButton*>(keeping));
    box.setEscapeButton(keeping);
  }
  auto* filter = new EarlyClickFilter(&box);
  for (QAbstractButton* button : box.buttons()) button->installEventFilter(filter);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
  }
}

TextTranslator QtPrompt::Translator() const { return CoreTranslator(); }

std::optional<std::string> QtPrompt::AskPassword(const std::string& firstLine,
                                                 const std::string& secondLine) {
  return AskPasswordTitled(QCoreApplication::translate("vl::QtPrompt", "Пароль").toStdString(), firstLine, secondLine);
}

std::optional<std::string> QtPrompt::AskPasswordTitled(const std::string& caption,
                                                       const std::string& firstLine,
                                                       const std::string& secondLine) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(CoreText(caption));
  auto* layout = new QVBoxLayout(&dialog);
  auto* first = new QLabel(CoreText(firstLine));
  layout->addWidget(first);
  if (!secondLine.empty()) layout->addWidget(new QLabel(CoreText(secondLine)));
  auto* edit = new QLineEdit;
  first->setBuddy(edit);
  edit->setAccessibleName(first->text());
  edit->setEchoMode(QLineEdit::Password);
  edit->setMaxLength(static_cast<int>(kMaxPasswordLength));
  layout->addWidget(edit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("vl::QtPrompt", "Отмена"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return edit->text().toStdString();
}

void StatusReporter::SetStatus(const std::string& text) {
  if (status_) status_->setText(CoreText(text));
}

void StatusReporter::ShowProgress(bool visible) {
  if (!progress_) return;
  progress_->setValue(0);
  // The hourglass goes with the bar, and is restored exactly once.
  if (visible && !progress_->isVisible()) QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!visible && progress_->isVisible()) QApplication::restoreOverrideCursor();
  progress_->setVisible(visible);
}

void StatusReporter::SetProgress(int position) {
  if (progress_) progress_->setValue(position);
}

}  // namespace vl
