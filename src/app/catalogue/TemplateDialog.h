#pragma once
// The template choice (TfmNew in the program this one replaces): "Создать", the
// choice of a template for a new layout.

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace vl {

class TemplateDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TemplateDialog(QWidget* parent = nullptr);

  // Lists the names in the order given, the first selected. Returns the index
  // chosen with OK or a double-click, -1 when cancelled.
  int Exec(const QStringList& names);
  QListWidget* List() const { return lbTemplates_; }

 private:
  QListWidget* lbTemplates_;
};

}  // namespace vl
