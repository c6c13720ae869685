#pragma once
// The part of QAccessibleInterface that an accessible item without a
// widget and without children of its own (a picker's segment, a calendar
// cell) answers the same way. Its name is not editable through it.

#include <QAccessibleInterface>

namespace zar {

class TLeafAccessible : public QAccessibleInterface {
 public:
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}
};

}  // namespace zar
