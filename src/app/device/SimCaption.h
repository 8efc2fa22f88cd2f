#pragma once
// Marks the device windows while the simulated keyboard is the chosen port, so
// nobody takes it for the real keyboard: each watched window's caption gets
// " — имитатор клавиатуры" (in the windows' language) whenever it is shown or
// retitled, and loses it when the real keyboard is chosen again.

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace vl {

class SimCaption : public QObject {
  Q_OBJECT

 public:
  // simulated tells whether the simulated keyboard is the chosen port.
  SimCaption(std::function<bool()> simulated, QObject* parent = nullptr);

  void Watch(QWidget* window);
  // The caption as it should read now.
  static QString Marked(const QString& caption, bool simulated);
  static QString Suffix();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool()> simulated_;
};

}  // namespace vl
