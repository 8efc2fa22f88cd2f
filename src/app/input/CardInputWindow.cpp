#include "app/input/CardInputWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor/GridWindow.h"
#include "app/common/HelpViewer.h"
#include "app/editor/VL2Grid.h"

namespace vl {
namespace {

QCheckBox* Box(const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setAccessibleName(caption);
  return box;
}

}  // namespace

TfmCardInputWnd::TfmCardInputWnd(const InputContext& context, QWidget* parent)
    : TfmInputWnd(context, "Windows\\Card window", Qt::AlignLeft, parent) {
  setWindowTitle(tr("Считыватель магнитных карт"));
  auto* tracks = new QHBoxLayout;
  for (int track = 0; track < kInputRows; ++track) {
    cbTracks_[track] = Box(tr("Дорожка %1").arg(track + 1));
    tracks->addWidget(cbTracks_[track]);
    connect(cbTracks_[track], &QCheckBox::clicked, this, [this, track](bool on) {
      card_.SetTrackEnabled(track, on);
      ShowSwitches();
    });
  }
  auto* help = new QPushButton(tr("Справка"));
  help->setAccessibleName(help->text());
  connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, QStringLiteral("cardinput.html")); });
  tracks->addStretch();
  tracks->addWidget(help);
  Body()->addLayout(tracks);
  auto* output = new QHBoxLayout;
  cbStartStop_ = Box(tr("выводить старт-стоп символы"));
  cbLrc_ = Box(tr("выводить LRC"));
  output->addWidget(cbStartStop_);
  output->addWidget(cbLrc_);
  output->addStretch();
  Body()->addLayout(output);
  connect(cbStartStop_, &QCheckBox::clicked, this, [this](bool on) {
    card_.SetStartStop(on);
    ShowSwitches();
  });
  connect(cbLrc_, &QCheckBox::clicked, this, [this](bool on) {
    card_.SetLrc(on);
    ShowSwitches();
  });
  BuildRows({"Header", "Terminator", QT_TRANSLATE_NOOP("vl::TfmInputWnd", "Header, дорожка %1"), QT_TRANSLATE_NOOP("vl::TfmInputWnd", "Terminator, дорожка %1"),
             QT_TRANSLATE_NOOP("vl::TfmInputWnd", "Дорожка %1"), 1},
            false);
  Action(LineCommand::Beep)->setVisible(false);
  Attach(nullptr);
}

void TfmCardInputWnd::Attach(TfmGrid* window) {
  WriteBack();
  disconnect(content_);
  window_ = window;
  // A record kept from before the change would be written back over the new one
  // when the window is left; edits the user is making here are kept.
  if (window_)
    content_ = connect(&window_->Grid(), &TVL2Grid::DocumentChanged, this, [this] {
      if (!isActiveWindow()) Reload();
    });
  Reload();
}

void TfmCardInputWnd::Reload() {
  if (window_) {
    card_.Load(window_->Document());
  } else {
    card_ = CardReaderModel{};
  }
  LoadRows();
  ShowSwitches();
}

void TfmCardInputWnd::ShowSwitches() {
  for (int track = 0; track < kInputRows; ++track) {
    cbTracks_[track]->setChecked(card_.TrackEnabled(track));
    SetRowEnabled(track, card_.TrackEnabled(track));
  }
  cbStartStop_->setChecked(card_.StartStop());
  cbLrc_->setEnabled(card_.LrcEnabled());
  cbLrc_->setChecked(card_.Lrc() && card_.LrcEnabled());
}

void TfmCardInputWnd::Apply() {
  if (window_) card_.ApplyTo(window_->Document());
}

}  // namespace vl
