#pragma once
// TfmTest: "Тестирование", what the programmed keyboard sends. The page "Порт
// клавиатуры" shows every byte as a decimal or hexadecimal code or as the key's
// name; "Блокнот" is a memo to watch the output as typing. Bytes are captured
// only while the port memo has the focus and the window is active. Stays on top.

#include <QWidget>
#include <functional>

#include "app/input/KeyboardByteSource.h"
#include "core/device/TestDisplay.h"
#include "core/settings/SettingsBackend.h"

class QComboBox;
class QMenu;
class QPlainTextEdit;
class QTabWidget;

namespace vl {

class TfmTest : public QWidget {
  Q_OBJECT

 public:
  // port gives the keyboard port when it delivers bytes, else an empty handle
  // (desktop key events are used). The placement is read from backend now and written
  // back when the window goes.
  TfmTest(ISettingsBackend& backend, std::function<PortHandle()> port, QWidget* parent = nullptr);
  ~TfmTest() override;

  // Shows the window and gives the port memo the focus when its page is shown.
  void ShowTest();
  // Opened after a download: the port page, active, the memo focused.
  void ShowForKeys();

  // One byte from the keyboard, shown in the current mode.
  void Receive(quint8 byte);
  bool Capturing() const { return source_.Running(); }

  QTabWidget* Pages() const { return pcTest_; }
  QPlainTextEdit* PortMemo() const { return mmPort_; }
  QPlainTextEdit* Notebook() const { return mmNotebook_; }
  QComboBox* System() const { return cbSystem_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateCapture();
  QPlainTextEdit* FocusedMemo() const;
  void SavePlacement();

  ISettingsBackend& backend_;
  std::function<PortHandle()> port_;
  KeyboardByteSource source_;
  TestDisplay display_;
  QTabWidget* pcTest_;
  QPlainTextEdit* mmPort_;
  QPlainTextEdit* mmNotebook_;
  QComboBox* cbSystem_;
  QMenu* pmMemo_;
};

}  // namespace vl
