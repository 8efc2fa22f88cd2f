#include "app/input/KeyInputWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <chrono>

#include "app/common/CoreTexts.h"
#include "app/editor/GridWindow.h"
#include "app/common/HelpViewer.h"
#include "app/editor/VL2Grid.h"
#include "core/document/GridTexts.h"
#include "core/input/PauseRecording.h"

namespace vl {

TfmKeyInputWnd::TfmKeyInputWnd(const InputContext& context, QWidget* parent)
    : TfmInputWnd(context, "Windows\\Key window", Qt::AlignRight, parent),
      backend_(context.Backend),
      pauseClock_([] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
      }) {
  setWindowTitle(tr("Клавиша"));
  auto* top = new QHBoxLayout;
  auto* label = new QLabel(tr("Функция клавиши"));
  cbFunction_ = new QComboBox;
  for (const char* caption : kFuncCaptions) cbFunction_->addItem(CoreText(caption));
  cbFunction_->setAccessibleName(label->text());
  label->setBuddy(cbFunction_);
  top->addWidget(label);
  top->addWidget(cbFunction_, 1);
  auto* help = new QPushButton(tr("Справка"));
  help->setAccessibleName(help->text());
  connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, QStringLiteral("keyinput.html")); });
  top->addWidget(help);
  Body()->addLayout(top);
  BuildRows({QT_TRANSLATE_NOOP("vl::TfmInputWnd", "Нажатие и автоповтор"), QT_TRANSLATE_NOOP("vl::TfmInputWnd", "Отжатие"),
             QT_TRANSLATE_NOOP("vl::TfmInputWnd", "Нажатие, уровень %1"), QT_TRANSLATE_NOOP("vl::TfmInputWnd", "Отжатие, уровень %1"),
             QT_TRANSLATE_NOOP("vl::TfmInputWnd", "Уровень %1"), 0},
            true);
  cbRecordPauses_ = new QCheckBox(CoreText(kRecordPausesCaption));
  cbRecordPauses_->setAccessibleName(cbRecordPauses_->text());
  cbRecordPauses_->setChecked(RecordPausesOn(backend_));
  connect(cbRecordPauses_, &QCheckBox::toggled, this, [this](bool on) {
    SetRecordPauses(backend_, on);
    ApplyPauseRecording();
  });
  Body()->addWidget(cbRecordPauses_);
  ApplyPauseRecording();
  connect(cbFunction_, &QComboBox::activated, this, [this](int index) {
    model_.SetFunction(static_cast<uint8_t>(index));
    ShowFunction();
  });
  model_.ClearAll();
  LoadRows();
  ShowFunction();
}

void TfmKeyInputWnd::SetPauseClock(MillisecondClock clock) {
  pauseClock_ = std::move(clock);
  ApplyPauseRecording();
}

void TfmKeyInputWnd::ApplyPauseRecording() {
  const MillisecondClock clock = cbRecordPauses_->isChecked() ? pauseClock_ : MillisecondClock();
  for (int row = 0; row < kInputRows; ++row) {
    PressLine(row)->Line().RecordPauses(clock);
    ReleaseLine(row)->Line().RecordPauses(clock);
  }
}

void TfmKeyInputWnd::ShowFunction() {
  cbFunction_->setCurrentIndex(model_.Function() <= 10 ? model_.Function() : -1);
  Pages()->setVisible(model_.PagesVisible());
}

void TfmKeyInputWnd::Attach(TfmGrid* window) {
  if (window == window_ && window != nullptr) return;
  WriteBack();
  disconnect(selection_);
  disconnect(content_);
  window_ = window;
  if (window_) {
    selection_ = connect(&window_->Grid(), &TVL2Grid::SelectionChanged, this,
                         &TfmKeyInputWnd::LoadSelection);
    // Edits made elsewhere (undo, paste) show here; the window's own edits in
    // progress are not thrown away.
    content_ = connect(&window_->Grid(), &TVL2Grid::DocumentChanged, this, [this] {
      if (!isActiveWindow()) LoadSelection();
    });
  }
  Reload();
}

void TfmKeyInputWnd::LoadSelection() {
  // Without a window manager, or when the grid is clicked before the focus
  // moves, the selection can change while this window still holds edits.
  WriteBack();
  Reload();
}

void TfmKeyInputWnd::Reload() {
  if (!window_) {
    model_.ClearAll();
    setWindowTitle(tr("Клавиша"));
  } else {
    block_ = window_->Grid().Selection();
    model_.Load(window_->Grid().Summary().Key);
    setWindowTitle(QString::fromStdString(SelectionCaption(block_, CoreTranslator())));
  }
  LoadRows();
  ShowFunction();
}

void TfmKeyInputWnd::Apply() {
  if (!window_) return;
  model_.ApplyTo(window_->Document(), block_);
}

}  // namespace vl
