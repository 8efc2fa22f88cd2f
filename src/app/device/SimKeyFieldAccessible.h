#pragma once
// The simulated keyboard's keys for assistive technology: the key field is a
// panel of push buttons named by their labels, each pressed by its action.

#include <QAccessibleWidget>
#include <QHash>

namespace vl {

class SimKeyField;

class SimKeyFieldAccessible : public QAccessibleWidget {
 public:
  explicit SimKeyFieldAccessible(SimKeyField* field);
  ~SimKeyFieldAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

 private:
  SimKeyField* Field() const;

  mutable QHash<int, QAccessible::Id> keys_;  // by child index
};

}  // namespace vl
