#pragma once
// The picker as assistive technology sees it: a spin box whose value is the
// spoken date (or time), with one child per visible segment. The focused
// segment is the focused child; increase and decrease step it.

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "DatePickerTypes.h"
#include "LeafAccessible.h"

namespace zar {

class TCustomZarDatePicker;
class TPickerSegmentAccessible;

class TDatePickerAccessible : public QAccessibleWidget {
 public:
  explicit TDatePickerAccessible(TCustomZarDatePicker* picker);
  ~TDatePickerAccessible() override;

  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text t, const QString& text) override;
  QAccessible::State state() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

  // The segment child for segment; null while the segment is hidden.
  QAccessibleInterface* SegmentChild(TDatePickerSegment segment) const;

  // Notifications the picker sends; nothing while accessibility is off.
  static void NotifyValueChanged(TCustomZarDatePicker* picker);
  static void NotifySegmentFocus(TCustomZarDatePicker* picker);

 private:
  TCustomZarDatePicker* Picker() const;
  int SegmentCount() const;
  // Children are made on first use and live as long as this interface.
  TPickerSegmentAccessible* Segment(TDatePickerSegment segment) const;

  mutable std::array<QAccessible::Id, DatePickerSegmentCount> FSegmentIds{};
};

// One segment of a picker: its name (year, month, ...), its value and range.
class TPickerSegmentAccessible : public TLeafAccessible,
                                 public QAccessibleValueInterface,
                                 public QAccessibleActionInterface {
 public:
  TPickerSegmentAccessible(TCustomZarDatePicker* picker, TDatePickerSegment segment);

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::SpinBox; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // The segment's word (the hour in 0..23, AM/PM as 0 or 1) and range.
  QVariant currentValue() const override;
  // Sets the segment as typing would, inside the picker's limits; a value
  // outside the segment's range or a read-only picker changes nothing.
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override { return 1; }

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  TDatePickerSegment Segment() const { return FSegment; }

 private:
  QPointer<QWidget> FWidget;
  TCustomZarDatePicker* FPicker;
  TDatePickerSegment FSegment;
};

}  // namespace zar
