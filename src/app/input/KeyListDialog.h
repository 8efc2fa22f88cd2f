#pragma once
// "Клавиши стандартной клавиатуры": choose a key by its name to add its make or
// break code to a line.

#include <QDialog>
#include <optional>

#include "core/input/KeyList.h"

class QListWidget;

namespace vl {

// Words for a screen reader where the list names a key by symbols alone
// ("<*>": "клавиша звёздочка на цифровом блоке"); empty where the name is words.
QString SpokenKeyName(const QString& name);

// The width a window needs for its title to be shown whole.
int TitleWidth(const QString& caption);

class TfmKeyList : public QDialog {
  Q_OBJECT

 public:
  explicit TfmKeyList(QWidget* parent = nullptr);

  // The chosen key on OK (or a double-click); nullopt on Cancel. The window is
  // wide enough for its caption.
  std::optional<ListedKey> Exec(const QString& caption);
  QListWidget* List() const { return lbKeys_; }

 private:
  QListWidget* lbKeys_;
};

}  // namespace vl
