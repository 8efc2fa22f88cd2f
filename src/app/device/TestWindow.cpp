#include "app/device/TestWindow.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/common/HelpViewer.h"

namespace vl {
namespace {

constexpr const char* kPlacement = "Windows\\Test";
constexpr int kMinimumWidth = 285;
constexpr int kMinimumHeight = 200;

}  // namespace

TfmTest::TfmTest(ISettingsBackend& backend, std::function<PortHandle()> port, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), backend_(backend), port_(std::move(port)) {
  setObjectName(QStringLiteral("fmTest"));
  setWindowTitle(tr("Тестирование"));
  setMinimumSize(kMinimumWidth, kMinimumHeight);

  pmMemo_ = new QMenu(this);
  QAction* copy = pmMemo_->addAction(tr("&Копировать"));
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  // The key copies from the test window's memos only, never the layout's keys.
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QAction* clear = pmMemo_->addAction(tr("&Очистить"));
  pmMemo_->addSeparator();
  QAction* selectAll = pmMemo_->addAction(tr("&Выделить все"));
  connect(copy, &QAction::triggered, this, [this] {
    if (QPlainTextEdit* memo = FocusedMemo()) memo->copy();
  });
  connect(selectAll, &QAction::triggered, this, [this] {
    if (QPlainTextEdit* memo = FocusedMemo()) memo->selectAll();
  });
  connect(clear, &QAction::triggered, this,
          [this] { (pcTest_->currentIndex() == 0 ? mmPort_ : mmNotebook_)->clear(); });

  mmPort_ = new QPlainTextEdit;
  mmPort_->setObjectName(QStringLiteral("mmPort"));
  mmPort_->setAccessibleName(tr("Порт клавиатуры"));
  mmPort_->setReadOnly(true);
  mmPort_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  cbSystem_ = new QComboBox;
  cbSystem_->setObjectName(QStringLiteral("cbSystem"));
  cbSystem_->setAccessibleName(tr("Отображение"));
  cbSystem_->addItems({tr("коды клавиш в десятичная системе иcчисления"), tr("коды клавиш в шестнадцатиричная системе"),
                       tr("наименования клавиш")});
  // The memo takes every key of the keyboard while it has the focus: Tab (after
  // its codes are shown) is the way out, the menu key opens the memo's menu.
  mmPort_->setTabChangesFocus(true);
  auto* wayOut = new QLabel(tr("Tab выводит из поля кодов; клавиша меню или Shift+F10 открывает меню поля"));
  wayOut->setObjectName(QStringLiteral("lbWayOut"));
  wayOut->setWordWrap(true);
  mmPort_->setAccessibleDescription(wayOut->text());
  source_.SetLeaveKeys({Qt::Key_Tab, Qt::Key_Backtab});
  connect(&source_, &KeyboardByteSource::LeaveRequested, this, [this] { cbSystem_->setFocus(Qt::TabFocusReason); });
  connect(&source_, &KeyboardByteSource::MenuRequested, this,
          [this] { pmMemo_->exec(mmPort_->mapToGlobal(mmPort_->rect().center())); });
  auto* keys = new QWidget;
  keys->setObjectName(QStringLiteral("tsKeys"));
  auto* keysLayout = new QVBoxLayout(keys);
  keysLayout->addWidget(mmPort_);
  keysLayout->addWidget(wayOut);
  keysLayout->addWidget(cbSystem_);

  mmNotebook_ = new QPlainTextEdit;
  mmNotebook_->setObjectName(QStringLiteral("mmNotebook"));
  mmNotebook_->setAccessibleName(tr("Блокнот"));
  mmNotebook_->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmNotebook_->setTabChangesFocus(false);
  auto* notebook = new QWidget;
  notebook->setObjectName(QStringLiteral("tsNotebook"));
  auto* notebookLayout = new QVBoxLayout(notebook);
  notebookLayout->addWidget(mmNotebook_);

  pcTest_ = new QTabWidget;
  pcTest_->setObjectName(QStringLiteral("pcTest"));
  pcTest_->setAccessibleName(tr("Тестирование"));
  pcTest_->addTab(keys, tr("Порт клавиатуры"));
  pcTest_->addTab(notebook, tr("Блокнот"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pcTest_);

  for (QPlainTextEdit* memo : {mmPort_, mmNotebook_}) {
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(memo, &QWidget::customContextMenuRequested, this,
            [this, memo](const QPoint& at) { pmMemo_->exec(memo->mapToGlobal(at)); });
  }
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          [this] { ShowHelp(this, QStringLiteral("test.html")); });
  mmPort_->installEventFilter(this);
  connect(&source_, &KeyboardByteSource::ByteReceived, this, &TfmTest::Receive);
  connect(cbSystem_, &QComboBox::currentIndexChanged, this, [this](int index) {
    display_.SetMode(static_cast<TestDisplayMode>(index));
    mmPort_->setFocus();
  });

  const auto value = [this](const char* name) { return backend_.ReadInt(kPlacement, name); };
  resize(static_cast<int>(value("width").value_or(420)), static_cast<int>(value("height").value_or(320)));
  if (const auto left = value("left"), top = value("top"); left && top)
    move(static_cast<int>(*left), static_cast<int>(*top));
  cbSystem_->setCurrentIndex(static_cast<int>(std::min<uint32_t>(value("system").value_or(0), 2)));
  pcTest_->setCurrentIndex(value("active page").value_or(0) == 1 ? 1 : 0);
}

TfmTest::~TfmTest() {
  source_.Stop();
  SavePlacement();
}

void TfmTest::SavePlacement() {
  backend_.WriteInt(kPlacement, "left", static_cast<uint32_t>(x()));
  backend_.WriteInt(kPlacement, "top", static_cast<uint32_t>(y()));
  backend_.WriteInt(kPlacement, "width", static_cast<uint32_t>(width()));
  backend_.WriteInt(kPlacement, "height", static_cast<uint32_t>(height()));
  backend_.WriteInt(kPlacement, "system", static_cast<uint32_t>(cbSystem_->currentIndex()));
  backend_.WriteInt(kPlacement, "active page", static_cast<uint32_t>(pcTest_->currentIndex()));
}

void TfmTest::ShowForKeys() {
  pcTest_->setCurrentIndex(0);
  // After the progress window has closed and given the activation back to its
  // owner; the first keys the user presses are then caught.
  QTimer::singleShot(0, this, &TfmTest::ShowTest);
}

void TfmTest::ShowTest() {
  show();
  raise();
  activateWindow();
  if (pcTest_->currentIndex() == 0) mmPort_->setFocus();
}

void TfmTest::Receive(quint8 byte) {
  const std::string text = display_.Format(byte);
  if (text.empty()) return;
  mmPort_->moveCursor(QTextCursor::End);
  mmPort_->insertPlainText(QString::fromStdString(text));
}

bool TfmTest::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mmPort_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
    UpdateCapture();
  return QWidget::eventFilter(watched, event);
}

void TfmTest::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) UpdateCapture();
}

void TfmTest::UpdateCapture() {
  const bool wanted = isActiveWindow() && mmPort_->hasFocus();
  if (wanted == source_.Running()) return;
  if (wanted)
    source_.Start(mmPort_, port_());
  else
    source_.Stop();
}

QPlainTextEdit* TfmTest::FocusedMemo() const {
  if (mmNotebook_->hasFocus()) return mmNotebook_;
  if (mmPort_->hasFocus()) return mmPort_;
  return pcTest_->currentIndex() == 0 ? mmPort_ : mmNotebook_;
}

}  // namespace vl
