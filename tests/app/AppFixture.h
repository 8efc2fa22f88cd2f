#pragma once
// What the application tests share: scripted answers for the prompt and the file
// dialogs, a main window started on them, and small helpers.

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <deque>
#include <memory>

#include "app/main/MainWindow.h"
#include "ScriptedPrompt.h"
#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/settings/SettingsBackend.h"

namespace vl {

using test::ScriptedPrompt;

class ScriptedDialogs final : public IFileDialogs {
 public:
  QString Choose(FileDialogKind, const QString& folder, const QString&) override {
    ++calls;
    folders.push_back(folder);
    if (names.empty()) return QString();
    const QString name = names.front();
    names.pop_front();
    return name;
  }
  std::deque<QString> names;
  std::vector<QString> folders;  // where each dialog started
  int calls = 0;
};

// Runs the step once the next modal dialog's event loop is running. A dialog the
// step left open (a failed check returns early) is cancelled, so a failure
// cannot hang the run.
inline void WhenShown(std::function<void()> step) {
  QTimer::singleShot(0, [step = std::move(step)] {
    step();
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
}

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

  // Before each test: default settings and an empty program folder.
  void Reset() {
    settings_ = SettingsStore();
    dataDir_ = std::make_unique<QTemporaryDir>();
  }
  // After each test: the main window and whatever it left for deferred deletion go.
  void Stop() {
    main_.reset();
    FlushDeletes();
  }

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
// The faults a new user met on the first day; returns the Qt Test status.
int RunFirstDayTest(int argc, char** argv);
// The simulated keyboard's window; returns the Qt Test status.
int RunSimKeyboardWindowTest(int argc, char** argv);
// The simulated keyboard in the main window's commands; returns the Qt Test status.
int RunSimulatorCommandsTest(int argc, char** argv);
// The device commands and windows; returns the Qt Test status.
int RunDeviceWindowsTest(int argc, char** argv);
// The progress window's job runner and its worker thread; returns the Qt Test status.
int RunJobRunnerTest(int argc, char** argv);
// The core's questions as message boxes; returns the Qt Test status.
int RunQtPromptTest(int argc, char** argv);

}  // namespace vl
