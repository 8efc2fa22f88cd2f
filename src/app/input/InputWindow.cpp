#include "app/input/InputWindow.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/input/ClickDialog.h"
#include "app/common/Cp1251Validator.h"
#include "app/input/KeyListDialog.h"
#include "app/input/PauseDialog.h"
#include "app/common/DialogButtons.h"
#include "app/input/DisplaySession.h"
#include "core/input/LineClipboard.h"
#include "core/settings/SettingsBackend.h"
#include "core/settings/SettingsStore.h"
#include "core/text/Cp1251.h"

namespace vl {

TfmInputWnd::TfmInputWnd(const InputContext& context, const char* placementKey, Qt::Alignment firstCorner,
                         QWidget* parent)
    // A tool window stays above its main window; a system-wide stay-on-top hint
    // would also put it over the program's own dialogs and message boxes.
    : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint),
      context_(context),
      placementKey_(placementKey),
      firstCorner_(firstCorner) {
  body_ = new QVBoxLayout(this);
  body_->setSizeConstraint(QLayout::SetFixedSize);
  pages_ = new QTabWidget;
  pages_->setAccessibleName(tr("Строки ввода"));
  BuildActions();
  if (auto left = context_.Backend.ReadInt(placementKey_, "left")) {
    if (auto top = context_.Backend.ReadInt(placementKey_, "top")) {
      move(static_cast<int32_t>(*left), static_cast<int32_t>(*top));
      placed_ = true;
    }
  }
}

TfmInputWnd::~TfmInputWnd() {
  // Hiding the dying window takes the focus from its line; the model is gone.
  for (int row = 0; row < kInputRows; ++row) {
    if (press_[row]) disconnect(press_[row], nullptr, this, nullptr);
    if (release_[row]) disconnect(release_[row], nullptr, this, nullptr);
  }
  context_.Backend.WriteInt(placementKey_, "left", static_cast<uint32_t>(pos().x()));
  context_.Backend.WriteInt(placementKey_, "top", static_cast<uint32_t>(pos().y()));
}

void TfmInputWnd::BuildActions() {
  pmLine_ = new QMenu(this);
  auto add = [this](LineCommand command, const char* caption) {
    auto* action = new QAction(tr(caption), this);
    actions_[command] = action;
    pmLine_->addAction(action);
    return action;
  };
  connect(add(LineCommand::Cut, QT_TR_NOOP("&Вырезать")), &QAction::triggered, this, [this] {
    if (TPortEdit* line = CurrentLine()) {
      CopyLine(*line);
      line->ReplaceBytes({});
    } else if (auto* edit = qobject_cast<QLineEdit*>(CurrentField())) {
      edit->cut();
    }
  });
  connect(add(LineCommand::Copy, QT_TR_NOOP("&Копировать")), &QAction::triggered, this, [this] {
    if (TPortEdit* line = CurrentLine()) {
      CopyLine(*line);
    } else if (auto* edit = qobject_cast<QLineEdit*>(CurrentField())) {
      edit->copy();
    }
  });
  connect(add(LineCommand::Paste, QT_TR_NOOP("Вст&авить")), &QAction::triggered, this, &TfmInputWnd::Paste);
  connect(add(LineCommand::Clear, QT_TR_NOOP("Оч&истить")), &QAction::triggered, this, [this] {
    if (TPortEdit* line = CurrentLine()) line->ReplaceBytes({});
  });
  QAction* clearAll = add(LineCommand::ClearAll, QT_TR_NOOP("Оч&истить все"));
  clearAll->setVisible(false);
  connect(clearAll, &QAction::triggered, this, [this] {
    Model().ClearAll();
    LoadRows();
  });
  pmLine_->addSeparator();
  connect(add(LineCommand::Pause, QT_TR_NOOP("&Паузы")), &QAction::triggered, this, &TfmInputWnd::Pauses);
  connect(add(LineCommand::AddDown, QT_TR_NOOP("&Добавить код нажатия")), &QAction::triggered, this,
          [this] { AddCode(false); });
  connect(add(LineCommand::AddUp, QT_TR_NOOP("Д&oбавить код отжатия")), &QAction::triggered, this,
          [this] { AddCode(true); });
  connect(add(LineCommand::Beep, QT_TR_NOOP("К&лик")), &QAction::triggered, this, &TfmInputWnd::Clicks);
  pmLine_->addSeparator();
  // The way out of a line that works whatever the exit key is.
  connect(add(LineCommand::Leave, QT_TR_NOOP("Вы&йти из строки")), &QAction::triggered, this, [this] {
    if (CurrentLine()) FocusOffLines();
  });
  connect(pmLine_, &QMenu::aboutToShow, this, &TfmInputWnd::RefreshCommands);
}

void TfmInputWnd::BuildRows(const RowTexts& texts, bool autoRepeat) {
  auto page = [this](const char* title) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    pages_->addTab(widget, tr(title));
    return grid;
  };
  QGridLayout* pressPage = page(texts.PressPage);
  QGridLayout* releasePage = page(texts.ReleasePage);
  QGridLayout* notePage = page(QT_TR_NOOP("Примечание"));
  for (int row = 0; row < kInputRows; ++row) {
    const QString label = tr(texts.RowLabel).arg(row + texts.FirstNumber);
    auto line = [&, row](QGridLayout* grid, const char* name, bool release) {
      auto* edit = new TPortEdit(context_.Settings, context_.Prompt, context_.Port);
      edit->setAccessibleName(tr(name).arg(row + texts.FirstNumber));
      edit->setMinimumWidth(360);
      edit->setContextMenuPolicy(Qt::CustomContextMenu);
      const auto openMenu = [this, edit](const QPoint& at) {
        menuLine_ = edit;
        pmLine_->exec(edit->mapToGlobal(at));
        menuLine_ = nullptr;
      };
      connect(edit, &QWidget::customContextMenuRequested, this, openMenu);
      connect(edit, &TPortEdit::MenuRequested, this, openMenu);
      connect(edit, &TPortEdit::Left, this, [this, row, release] { LineLeft(row, release); });
      connect(edit, &TPortEdit::ExitPressed, this, &TfmInputWnd::FocusOffLines);
      auto* caption = new QLabel(label);
      caption->setBuddy(edit);
      captions_[row][release ? 1 : 0] = caption;
      grid->addWidget(caption, row, 0);
      grid->addWidget(edit, row, 1);
      return edit;
    };
    press_[row] = line(pressPage, texts.PressName, false);
    release_[row] = line(releasePage, texts.ReleaseName, true);
    if (autoRepeat) {
      autoRepeat_[row] = new QCheckBox;
      autoRepeat_[row]->setToolTip(tr("Автоповтор кодов нажатия"));
      autoRepeat_[row]->setAccessibleName(tr("Автоповтор кодов нажатия, %1").arg(label));
      connect(autoRepeat_[row], &QCheckBox::toggled, this, [this, row](bool on) {
        if (!loading_) Model().SetAutoRepeat(row, on);
      });
      pressPage->addWidget(autoRepeat_[row], row, 2);
    }
    notes_[row] = new QLineEdit;
    notes_[row]->setMaxLength(static_cast<int>(kMaxLayerNoteLength));
    notes_[row]->setValidator(new Cp1251Validator(notes_[row]));
    notes_[row]->setAccessibleName(tr("Примечание, %1").arg(label));
    connect(notes_[row], &QLineEdit::textEdited, this, [this, row](const QString& text) {
      Model().SetNote(row, Utf8ToCp1251Lossy(text.toStdString()));
    });
    auto* noteLabel = new QLabel(label);
    noteLabel->setBuddy(notes_[row]);
    captions_[row][2] = noteLabel;
    notePage->addWidget(noteLabel, row, 0);
    notePage->addWidget(notes_[row], row, 1);
  }
  body_->addWidget(pages_);
  // Switching pages would hand the focus to the new page's first line, where
  // capture would start unnoticed; the page tabs take it first.
  connect(pages_->tabBar(), &QTabBar::tabBarClicked, this, [this] {
    if (CurrentLine()) FocusOffLines();
  });
  if (QWidget* notice = NewWaylandKeysNotice()) body_->addWidget(notice);
}

void TfmInputWnd::FocusOffLines() { pages_->tabBar()->setFocus(Qt::OtherFocusReason); }

void TfmInputWnd::LoadRows() {
  loading_ = true;
  const InputWindowModel& model = Model();
  for (int row = 0; row < kInputRows; ++row) {
    press_[row]->SetBytes(model.Row(row).Press);
    release_[row]->SetBytes(model.Row(row).Release);
    notes_[row]->setText(QString::fromStdString(Cp1251ToUtf8(model.Row(row).Note)));
    if (autoRepeat_[row]) autoRepeat_[row]->setChecked(model.Row(row).AutoRepeat);
  }
  loading_ = false;
}

void TfmInputWnd::LineLeft(int row, bool release) {
  if (loading_) return;
  TPortEdit* line = release ? release_[row] : press_[row];
  if (release) {
    Model().SetRelease(row, line->Bytes());
  } else {
    Model().SetPress(row, line->Bytes());
  }
}

void TfmInputWnd::WriteBack() {
  for (int row = 0; row < kInputRows; ++row) {
    press_[row]->LeaveLine();
    release_[row]->LeaveLine();
  }
  Apply();
}

void TfmInputWnd::SetRowEnabled(int row, bool on) {
  press_[row]->setEnabled(on);
  release_[row]->setEnabled(on);
  notes_[row]->setEnabled(on);
  if (autoRepeat_[row]) autoRepeat_[row]->setEnabled(on);
  for (QLabel* caption : captions_[row]) caption->setEnabled(on);
}

void TfmInputWnd::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || isActiveWindow() || inCommand_) return;
  // A line's own message (line full) keeps it entered.
  for (int row = 0; row < kInputRows; ++row) {
    if (press_[row]->Suspended() || release_[row]->Suspended()) return;
  }
  WriteBack();
}

void TfmInputWnd::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_ || parentWidget() == nullptr) return;
  placed_ = true;
  constexpr int kMargin = 24;
  const QRect owner = parentWidget()->frameGeometry();
  const QSize size = frameGeometry().size();
  const int left = firstCorner_.testFlag(Qt::AlignRight) ? owner.right() - size.width() - kMargin
                                                         : owner.left() + kMargin;
  move(std::max(owner.left(), left), std::max(owner.top(), owner.bottom() - size.height() - kMargin));
}

QWidget* TfmInputWnd::CurrentField() const {
  if (menuLine_ != nullptr) return menuLine_;
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && isAncestorOf(focus) ? focus : nullptr;
}

TPortEdit* TfmInputWnd::CurrentLine() const { return qobject_cast<TPortEdit*>(CurrentField()); }

void TfmInputWnd::RefreshCommands() {
  TPortEdit* line = CurrentLine();
  const bool edit = qobject_cast<QLineEdit*>(CurrentField()) != nullptr;
  const bool filledLine = line != nullptr && !line->Bytes().empty();
  actions_[LineCommand::Cut]->setEnabled(filledLine || edit);
  actions_[LineCommand::Copy]->setEnabled(filledLine || edit);
  actions_[LineCommand::Paste]->setEnabled(line != nullptr || edit);
  actions_[LineCommand::Clear]->setEnabled(filledLine);
  actions_[LineCommand::Pause]->setEnabled(filledLine);
  actions_[LineCommand::AddDown]->setEnabled(line != nullptr);
  actions_[LineCommand::AddUp]->setEnabled(line != nullptr);
  actions_[LineCommand::Leave]->setEnabled(line != nullptr);
}

template <typename Run>
void TfmInputWnd::Modal(Run run) {
  TPortEdit* line = CurrentLine();
  if (line != nullptr) line->Suspend();
  inCommand_ = true;
  run(line);
  inCommand_ = false;
  if (line == nullptr) return;
  // Closing the modal window hands the activation to its owner, the main
  // window: take it back so the line goes on capturing.
  activateWindow();
  line->setFocus(Qt::OtherFocusReason);
  line->Resume();
}

void TfmInputWnd::CopyLine(TPortEdit& line) const {
  auto* copied = new QMimeData;
  const auto language = KeyLanguageFromSetting(context_.Settings.Get(Setting::Layout));
  copied->setText(QString::fromStdString(SequenceToText(line.Bytes(), kNoTextLimit, language, false)));
  copied->setData(kScanCodesMimeType, QByteArray::fromStdString(EncodeLineClipboard(line.Bytes())));
  QApplication::clipboard()->setMimeData(copied);
}

void TfmInputWnd::Paste() {
  if (auto* edit = qobject_cast<QLineEdit*>(CurrentField())) {
    edit->paste();
    return;
  }
  TPortEdit* line = CurrentLine();
  const QMimeData* pasted = QApplication::clipboard()->mimeData();
  if (line == nullptr || pasted == nullptr) return;
  if (pasted->hasFormat(kScanCodesMimeType)) {
    if (auto bytes = DecodeLineClipboard(pasted->data(kScanCodesMimeType).toStdString())) {
      Modal([&](TPortEdit*) {
        line->AppendBytes(*bytes, kPasteOverflowMessage, kCaptionError, MessageIcon::Error);
      });
      return;
    }
  }
  if (pasted->hasText()) Modal([&](TPortEdit*) { line->TypeText(pasted->text()); });
}

void TfmInputWnd::Pauses() {
  Modal([this](TPortEdit* line) {
    if (line == nullptr || line->Bytes().empty()) return;
    const auto language = KeyLanguageFromSetting(context_.Settings.Get(Setting::Layout));
    if (auto edited = context_.Dialogs.Pause.Exec(line->Bytes(), line->Line().Capacity(), language,
                                                  line->Line().StartLocks())) {
      line->ReplaceBytes(*edited);
    }
  });
}

void TfmInputWnd::AddCode(bool release) {
  Modal([this, release](TPortEdit* line) {
    if (line == nullptr) return;
    const char* caption = release ? QT_TR_NOOP("Добавить код отжатия") : QT_TR_NOOP("Добавить код нажатия");
    if (auto key = context_.Dialogs.KeyList.Exec(tr(caption))) {
      line->AppendBytes(release ? BreakBytes(*key) : MakeBytes(*key), kLineFullMessage,
                        kCaptionAttention, MessageIcon::Warning);
    }
  });
}

void TfmInputWnd::Clicks() {
  Modal([this](TPortEdit*) {
    std::array<int, kInputRows> durations{};
    for (int row = 0; row < kInputRows; ++row) durations[row] = Model().Row(row).Click;
    if (auto chosen = context_.Dialogs.Click.Exec(durations)) {
      for (int row = 0; row < kInputRows; ++row) Model().SetClick(row, (*chosen)[row]);
    }
  });
}

}  // namespace vl
