#pragma once
// The main window the input-window tests drive: fresh settings in memory, a
// prompt that answers OK and records what it was asked.

#include <QApplication>
#include <QObject>
#include <QTest>
#include <QWidget>
#include <memory>

#include "ScriptedPrompt.h"
#include "app/main/MainWindow.h"
#include "core/settings/SettingsBackend.h"

namespace vl::test {

class MainWindowFixture : public QObject {
 protected:
  MemorySettingsBackend backend_{"/tmp"};
  SettingsStore settings_;
  ScriptedPrompt prompt_{Answer::Ok};
  std::unique_ptr<TfmMain> main_;

  // A new main window, shown with its dialogs, on settings as a first start has them.
  void OpenMainWindow() {
    settings_ = SettingsStore{};
    backend_ = MemorySettingsBackend{"/tmp"};
    prompt_.shown.clear();
    main_ = std::make_unique<TfmMain>(settings_, backend_, QString(), QStringList{}, &prompt_);
    main_->show();
    main_->CreateDialogs();
    QVERIFY(main_->ActiveLayout() != nullptr);
  }

  // The user puts the focus into widget (a click, unless reason says otherwise).
  static void Focus(QWidget* widget, Qt::FocusReason reason = Qt::MouseFocusReason) {
    QApplication::setActiveWindow(widget->window());
    widget->setFocus(reason);
    QVERIFY(widget->hasFocus());
  }
};

}  // namespace vl::test
