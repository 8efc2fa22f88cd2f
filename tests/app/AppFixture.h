#pragma once
// What the application tests share: scripted answers for the prompt and the file
// dialogs, a main window started on them, and small helpers.

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "app/editor/MainWindow.h"
#include "ScriptedPrompt.h"
#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/settings/SettingsBackend.h"

namespace vl {

using test::ScriptedPrompt;

class ScriptedDialogs final : public IFileDialogs {
 public:
  QString Choose(FileDialogKind, const QString&, const QString&) override {
    ++calls;
    if (names.empty()) return QString();
    const QString name = names.front();
    names.pop_front();
    return name;
  }
  std::deque<QString> names;
  int calls = 0;
};

inline void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline void Put(TVL2Document& document, int column, int row, const std::string& press) {
  auto key = std::make_unique<TMacroButton>();
  key->Func = kFuncMacro;
  key->Layers[0].Macro[0] = press;
  document.SetKey(column, row, std::move(key));
}

inline void SendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button,
                      Qt::MouseButtons held, const QPoint& at) {
  QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// A main window on scripted answers, with a fresh temporary program folder.
class AppFixture {
 protected:
  MemorySettingsBackend backend_{"/tmp"};
  // The program folder (templates, catalogue, spaste.ini), fresh for each test.
  std::unique_ptr<QTemporaryDir> dataDir_ = std::make_unique<QTemporaryDir>();
  SettingsStore settings_;
  ScriptedPrompt* prompt_ = nullptr;
  ScriptedDialogs* dialogs_ = nullptr;
  std::unique_ptr<ScriptedPrompt> promptOwner_;
  std::unique_ptr<ScriptedDialogs> dialogsOwner_;
  std::unique_ptr<TfmMain> main_;

  TfmMain& Start(QStringList files = {}) {
    promptOwner_ = std::make_unique<ScriptedPrompt>(Answer::Ok);
    dialogsOwner_ = std::make_unique<ScriptedDialogs>();
    prompt_ = promptOwner_.get();
    dialogs_ = dialogsOwner_.get();
    main_ = std::make_unique<TfmMain>(settings_, backend_, dataDir_->path(), files, prompt_, dialogs_);
    main_->show();
    return *main_;
  }
};

// The layout window's commands and dialogs; returns the Qt Test status.
int RunLayoutWindowTest(int argc, char** argv);

}  // namespace vl
