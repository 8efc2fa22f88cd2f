#pragma once
// TfmSpecialPaste: "Специальная вставка". Categories and actions come from
// spaste.ini beside the program, read on every show.

#include <QDialog>
#include <optional>
#include <vector>

#include "core/catalogue/SpecialPaste.h"

class QListWidget;

namespace vl {

class IPrompt;

class TfmSpecialPaste : public QDialog {
  Q_OBJECT

 public:
  // dataFolder holds spaste.ini; the prompt reports an unreadable file or a
  // definition that cannot be read.
  TfmSpecialPaste(QString dataFolder, IPrompt& prompt, QWidget* parent = nullptr);

  // The definition chosen with OK, nullopt when cancelled, when no action was
  // chosen or when spaste.ini cannot be read.
  std::optional<SpecialPasteResult> Exec();

  QListWidget* Categories() const { return lbCategory_; }
  QListWidget* Actions() const { return lbAction_; }
  // OK: a definition that cannot be read is refused and the dialog stays open.
  void Choose();

 private:
  void FillActions(int category);

  QString dataFolder_;
  IPrompt& prompt_;
  std::vector<SpecialPasteCategory> categories_;
  NameTranslations names_;
  std::optional<SpecialPasteResult> result_;
  QListWidget* lbCategory_;
  QListWidget* lbAction_;
};

}  // namespace vl
