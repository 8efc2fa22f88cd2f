#include "app/input/KeyListDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "app/common/DialogButtons.h"

namespace vl {

QString SpokenKeyName(const QString& name) {
  // The keys named by a symbol alone; a screen reader would read punctuation or nothing.
  static const std::pair<const char*, const char*> kWords[] = {
      {"-", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша минус")},
      {"=", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша равно")},
      {"[", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша открывающая квадратная скобка")},
      {"]", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша закрывающая квадратная скобка")},
      {";", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша точка с запятой")},
      {"'", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша апостроф")},
      {"~", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша тильда")},
      {"\\", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша обратная косая черта")},
      {",", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша запятая")},
      {".", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша точка")},
      {"/", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша косая черта")},
      {"</>", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша косая черта на цифровом блоке")},
      {"<*>", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша звёздочка на цифровом блоке")},
      {"<->", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша минус на цифровом блоке")},
      {"<+>", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша плюс на цифровом блоке")},
      {"<.>", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша точка на цифровом блоке")},
      {"<Enter>", QT_TRANSLATE_NOOP("vl::TfmKeyList", "клавиша Enter на цифровом блоке")},
  };
  for (const auto& [symbol, words] : kWords) {
    if (name == QLatin1String(symbol)) return QCoreApplication::translate("vl::TfmKeyList", words);
  }
  // "<0>" to "<9>": the digits of the keypad.
  if (name.size() == 3 && name.front() == QLatin1Char('<') && name.back() == QLatin1Char('>') && name[1].isDigit())
    return QCoreApplication::translate("vl::TfmKeyList", "клавиша %1 на цифровом блоке").arg(name[1]);
  return {};
}

TfmKeyList::TfmKeyList(QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* layout = new QVBoxLayout(this);
  lbKeys_ = new QListWidget;
  lbKeys_->setToolTip(tr("Список клавиш"));
  lbKeys_->setAccessibleName(tr("Клавиши стандартной клавиатуры"));
  for (const ListedKey& key : StandardKeys()) {
    auto* item = new QListWidgetItem(CoreText(key.Name), lbKeys_);
    const QString spoken = SpokenKeyName(item->text());
    if (!spoken.isEmpty()) item->setData(Qt::AccessibleTextRole, spoken);
  }
  layout->addWidget(lbKeys_);
  layout->addWidget(OkCancel(this, QStringLiteral("keyinput.html#keylist")));
  connect(lbKeys_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TitleWidth(const QString& caption) {
  // The desktop shows the program's name after the caption, in its bold title
  // font, beside the window's buttons and icon.
  constexpr int kTitleBarExtras = 120;
  const QString shown = caption + QString::fromUtf8(" \u2014 ") + QGuiApplication::applicationDisplayName();
  QFont font = QApplication::font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(shown) + kTitleBarExtras;
}

std::optional<ListedKey> TfmKeyList::Exec(const QString& caption) {
  setWindowTitle(caption);
  setMinimumWidth(TitleWidth(caption));
  if (lbKeys_->currentRow() < 0) lbKeys_->setCurrentRow(0);
  lbKeys_->setFocus();
  if (exec() != QDialog::Accepted || lbKeys_->currentRow() < 0) return std::nullopt;
  return StandardKeys()[static_cast<size_t>(lbKeys_->currentRow())];
}

}  // namespace vl
