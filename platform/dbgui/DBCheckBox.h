#pragma once
// TDBCheckBox: a check box bound to one field. A Boolean field is ticked
// when true; any other field when its text is one of ValueChecked's texts
// (';' between alternatives, letter case ignored). Clicking first asks the
// dataset to enter edit mode; the state is stored into the field when the
// record is posted or the focus leaves. A null field shows unticked, or
// partly ticked with AllowGrayed.

#include <QCheckBox>
#include <string>

#include "DBFieldControl.h"

namespace zar {

class TDBCheckBox : public QCheckBox, public TDBFieldControl {
  Q_OBJECT
 public:
  explicit TDBCheckBox(QWidget* parent = nullptr);

  // Text written for a ticked box (the first alternative); "True" by default.
  // Setting it, ValueUnchecked or AllowGrayed shows the field's state again.
  const std::string& ValueChecked() const noexcept { return FValueChecked; }
  void SetValueChecked(std::string Value);
  // Text written for an unticked box; "False" by default.
  const std::string& ValueUnchecked() const noexcept { return FValueUnchecked; }
  void SetValueUnchecked(std::string Value);
  // A third, partly ticked state that stands for null; off by default.
  bool AllowGrayed() const noexcept { return isTristate(); }
  void SetAllowGrayed(bool Value);

 protected:
  void nextCheckState() override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void DataChange();
  void UpdateData();
  Qt::CheckState FieldState() const;

  std::string FValueChecked = "True";
  std::string FValueUnchecked = "False";
};

}  // namespace zar
