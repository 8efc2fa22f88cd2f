#pragma once
// TfmGotoBookmark: "Перейти к закладке": a sorted list, the first name selected;
// OK or a double-click chooses.

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace vl {

class TfmGotoBookmark : public QDialog {
  Q_OBJECT
 public:
  explicit TfmGotoBookmark(QWidget* parent = nullptr);
  // The chosen name, empty when cancelled.
  QString Exec(QStringList names);
  QListWidget* List() const { return lbNames_; }

 private:
  QListWidget* lbNames_;
};

}  // namespace vl
