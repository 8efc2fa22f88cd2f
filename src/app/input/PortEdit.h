#pragma once
// TPortEdit: a code-sequence line. While it has the focus it captures the
// keyboard (green background) and records what is typed through the core's
// CaptureLine; it shows the sequence as one cell per key event, the end kept in
// view. Its way out by keyboard is the exit key (on a port, also Tab), and the
// menu key or Shift+F10 opens its menu; assistive technology reads it as a
// read-only text (PortEditAccessible).

#include <QWidget>
#include <functional>
#include <string>

#include "app/input/KeyboardByteSource.h"
#include "core/common/Prompt.h"
#include "core/input/CaptureLine.h"

namespace vl {

class SettingsStore;

class TPortEdit : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 23;
  static constexpr int kCellHeight = 19;

  // port gives the keyboard port whose bytes the line records while it
  // captures, and to which leaving sends the indicators; an empty handle: the
  // desktop's key events.
  TPortEdit(SettingsStore& settings, IPrompt& prompt, std::function<PortHandle()> port = {},
            QWidget* parent = nullptr);

  // The bytes shown (stored form while not entered). Setting them leaves the
  // line first.
  const std::string& Bytes() const { return line_.Content(); }
  void SetBytes(std::string bytes);
  CaptureLine& Line() { return line_; }
  // The key events' texts as the cells show them.
  QStringList CellTexts() const;
  bool Capturing() const { return source_.Running(); }
  // The cells' texts as one text for assistive technology, a blank key named.
  QString SpokenText() const;
  // Where the keys come from, for the line's description and its hint.
  QString SourceText() const;

  // A modal window of a command is about to open (Suspend) or has closed
  // (Resume): the capture pauses without leaving the line.
  void Suspend();
  void Resume();
  bool Suspended() const { return suspended_; }
  // Ends the capture as losing the focus does: the port's indicators set back
  // to the desktop's lock states (ED and the mask), lock wrappers added. Emits
  // Left when the line was entered.
  void LeaveLine();

  // Appends bytes (key list, private clipboard) when they fit the limit;
  // otherwise shows message with the caption and icon and changes nothing.
  bool AppendBytes(const std::string& bytes, const char* message, const char* caption,
                   MessageIcon icon);
  // Types a plain text through the stream handler.
  void TypeText(const QString& text);
  // Replaces the content (clear, cut, the pause window).
  void ReplaceBytes(std::string bytes);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  // The line was left: its bytes are final.
  void Left();
  // The exit key was pressed: the owner moves the focus away from the line.
  void ExitPressed();
  // The menu key or Shift+F10: the owner opens the line's menu at the point.
  void MenuRequested(const QPoint& at);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // While the port delivers the bytes, the desktop's own keys reach the line.
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void Configure();
  void StartCapture();
  void OnByte(quint8 byte);
  void Handle(LineInput input);
  void OpenMenu();
  // Repaints and tells assistive technology what the content became.
  void Changed();
  KeyLanguage Language() const;

  SettingsStore& settings_;
  IPrompt& prompt_;
  CaptureLine line_;
  KeyboardByteSource source_;
  std::function<PortHandle()> port_;
  bool suspended_ = false;
  bool exitKeyDown_ = false;  // the desktop's exit key pressed in the line (port capture)
  QString spoken_;            // the text assistive technology was last told
};

}  // namespace vl
