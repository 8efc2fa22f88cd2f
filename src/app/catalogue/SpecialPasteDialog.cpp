#include "app/catalogue/SpecialPasteDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "app/common/DialogButtons.h"
#include "app/common/QtTranslations.h"
#include "core/catalogue/ProgramFile.h"
#include "core/common/FileErrors.h"
#include "core/common/Prompt.h"
#include "core/text/Cp1251.h"

namespace vl {

TfmSpecialPaste::TfmSpecialPaste(QString dataFolder, IPrompt& prompt, QWidget* parent)
    : QDialog(parent), dataFolder_(std::move(dataFolder)), prompt_(prompt) {
  setWindowTitle(tr("Специальная вставка"));
  lbCategory_ = new QListWidget;
  lbAction_ = new QListWidget;
  lbCategory_->setMinimumSize(200, 240);
  lbAction_->setMinimumSize(260, 240);
  lbCategory_->setAccessibleName(tr("Категория"));
  lbAction_->setAccessibleName(tr("Действие"));
  QDialogButtonBox* buttons = OkCancel(this, QStringLiteral("spaste.html"));
  // OK reads the definition first and may refuse it.
  disconnect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfmSpecialPaste::Choose);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(tr("Категория")), 0, 0);
  layout->addWidget(new QLabel(tr("Действие")), 0, 1);
  layout->addWidget(lbCategory_, 1, 0);
  layout->addWidget(lbAction_, 1, 1);
  layout->addWidget(buttons, 2, 0, 1, 2);
  connect(lbCategory_, &QListWidget::currentRowChanged, this, &TfmSpecialPaste::FillActions);
  connect(lbAction_, &QListWidget::itemDoubleClicked, this, &TfmSpecialPaste::Choose);
}

std::optional<SpecialPasteResult> TfmSpecialPaste::Exec() {
  result_.reset();
  const std::string path = ProgramFilePath(dataFolder_.toStdString(), kSpecialPasteFileName).string();
  try {
    categories_ = ReadSpecialPaste(path);
    names_ = NameTranslations::Read(ProgramFilePath(dataFolder_.toStdString(), kSpecialPasteNamesFileName).string(),
                                    TranslationLanguage());
  } catch (const FileReadError&) {
    prompt_.Message(WithFileName("Ошибка чтения из файла.", path), kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  lbCategory_->clear();
  for (const SpecialPasteCategory& category : categories_) {
    lbCategory_->addItem(QString::fromStdString(Cp1251ToUtf8(names_(category.Name))));
  }
  lbCategory_->setCurrentRow(0);
  exec();
  return result_;
}

void TfmSpecialPaste::FillActions(int category) {
  lbAction_->clear();
  if (category < 0 || category >= static_cast<int>(categories_.size())) return;
  for (const SpecialPasteAction& action : categories_[static_cast<size_t>(category)].Actions) {
    lbAction_->addItem(QString::fromStdString(Cp1251ToUtf8(names_(action.Name))));
  }
  lbAction_->setCurrentRow(0);
}

void TfmSpecialPaste::Choose() {
  const int category = lbCategory_->currentRow();
  const int action = lbAction_->currentRow();
  if (category < 0 || action < 0) {
    reject();  // nothing chosen, nothing to apply
    return;
  }
  const SpecialPasteAction& chosen =
      categories_[static_cast<size_t>(category)].Actions[static_cast<size_t>(action)];
  SpecialPasteParse parse = ParseSpecialPaste(names_(chosen.Name), chosen.Value, names_);
  if (!parse.Result) {
    prompt_.Message(parse.Error, kCaptionError, MessageIcon::Error);
    return;
  }
  result_ = std::move(parse.Result);
  accept();
}

}  // namespace vl
