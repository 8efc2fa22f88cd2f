// The message boxes of the core's questions: which answer a key gives when the
// user did not choose, and that the second click of a double click does not
// answer the question that opens under it.

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "AppFixture.h"
#include "app/common/QtPrompt.h"

namespace vl {
namespace {

// Runs then on the next message box once it is on screen.
void OnNextBox(QObject* context, const std::function<void(QMessageBox*)>& then) {
  auto* poll = new QTimer(context);
  QObject::connect(poll, &QTimer::timeout, context, [poll, then] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    poll->deleteLater();
    poll->stop();
    then(box);
  });
  poll->start(5);
}

void Click(QMessageBox* box, QMessageBox::StandardButton which) {
  QTest::mouseClick(box->button(which), Qt::LeftButton);
}

}  // namespace

class QtPromptTest : public QObject {
  Q_OBJECT

 private slots:
  // Enter and Escape on the cancel question go on with the download; on every
  // other yes/no question (overwrite, erase) they answer No, the default button.
  void KeysGiveTheHarmlessAnswer() {
    QtPrompt prompt(nullptr);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
      OnNextBox(this, [&](QMessageBox* box) {
        defaultButton = box->standardButton(box->defaultButton());
        QTest::keyClick(box, key);
      });
      QCOMPARE(prompt.AskKeeping("Продолжить загрузку?", "Внимание", MessageButtons::YesNo, MessageIcon::Question,
                                 Answer::Yes),
               Answer::Yes);
      QCOMPARE(defaultButton, QMessageBox::Yes);
      OnNextBox(this, [&](QMessageBox* box) {
        defaultButton = box->standardButton(box->defaultButton());
        QTest::keyClick(box, key);
      });
      QCOMPARE(prompt.Ask("Память устройства будет очищена. Продолжить?", "Внимание", MessageButtons::YesNo,
                          MessageIcon::Question),
               Answer::No);
      QCOMPARE(defaultButton, QMessageBox::No);
    }
  }

  // A double click on "Да" answered two stacked questions at once.
  void ADoubleClickAnswersOneQuestionOnly() {
    QtPrompt prompt(nullptr);
    const int interval = QApplication::doubleClickInterval();
    bool secondStayedOpen = false;
    OnNextBox(this, [&](QMessageBox* first) {
      QTimer::singleShot(interval + 50, first, [first] { Click(first, QMessageBox::Yes); });
    });
    QCOMPARE(prompt.Ask("first", "Внимание", MessageButtons::YesNo, MessageIcon::Question), Answer::Yes);
    OnNextBox(this, [&](QMessageBox* second) {
      Click(second, QMessageBox::Yes);  // the double click's second click, at once
      secondStayedOpen = second->isVisible();
      QTimer::singleShot(interval + 50, second, [second] { Click(second, QMessageBox::No); });
    });
    QCOMPARE(prompt.Ask("second", "Внимание", MessageButtons::YesNo, MessageIcon::Question), Answer::No);
    QVERIFY(secondStayedOpen);
  }
};

int RunQtPromptTest(int argc, char** argv) {
  QtPromptTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "QtPromptTest.moc"
