#pragma once
// The key grid as assistive technology sees it: a table of 255 x 255 keys whose
// cells are named by column and row and described by what the key does on the
// shown layer. The grid paints its cells itself, so the cells here are made on
// demand and kept until the grid goes.

#include <QAccessibleWidget>
#include <QHash>

namespace vl {

class TVL2Grid;

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit GridAccessible(TVL2Grid* grid);
  ~GridAccessible() override;

  // Tells assistive technology that the cursor cell has the focus and is
  // selected (the grid calls it whenever the cursor or the selection moves).
  static void AnnounceCursor(TVL2Grid* grid);

  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override;
  int selectedRowCount() const override;
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override;
  QList<int> selectedRows() const override;
  bool isColumnSelected(int column) const override;
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool selectColumn(int column) override;
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  TVL2Grid* Grid() const;

  mutable QHash<int, QAccessible::Id> cells_;  // by child index
};

}  // namespace vl
