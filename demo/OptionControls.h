#pragma once
// Option controls of the component pages: a radio group whose OnClick runs
// whenever its item changes (also when set from code, as the program's
// handlers rely on), check boxes that report their ticked state, the
// two-column key help table, and the option set both picker pages show.

#include <QCheckBox>
#include <QGroupBox>
#include <QRect>
#include <QStringList>
#include <array>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

class QLineEdit;
class QRadioButton;

namespace zar {
class TCustomZarDatePicker;
}

namespace zar::demo {

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* parent = nullptr);

  int ItemIndex() const;
  // Checks item Index; OnClick runs when that changes the item.
  void SetItemIndex(int Index);
  QRadioButton* Item(int Index) const { return FItems.at(Index); }

  std::function<void()> OnClick;

 private:
  std::vector<QRadioButton*> FItems;
};

// A check box whose OnClick runs, with the ticked state, whenever that
// state changes; Hint becomes its tool tip.
QCheckBox* AddOptionCheckBox(QWidget* Page, const char* Name, const QString& Caption, bool Checked,
                             QRect Bounds, std::function<void(bool)> OnClick,
                             const QString& Hint = QString());

// Pairs of a key (left-to-right, navy) and its meaning (right-to-left,
// maroon), one line each, in two borderless read-only boxes side by side
// within Bounds; the keys take KeysWidth on the left.
void AddKeyHelpTable(QWidget* Page, const std::vector<std::pair<const char*, const char*>>& Rows,
                     QRect Bounds, int KeysWidth);

// The picker pages' groups for the kind, the calendar and the typing
// direction, one under another at X, Width wide. Each starts at item 0 with
// no OnClick yet: the initial items are set before the handlers, as a
// stored form loads.
std::tuple<TRadioGroup*, TRadioGroup*, TRadioGroup*> AddPickerRadioGroups(QWidget* Page, int X,
                                                                          int Width);

// The picker pages' check boxes of the picker's Boolean properties, First
// for the first and Step lower for each next one, named by Names in this
// order: Use12HourClock, AutoMove, AllowCalendarSwitch, HighlightRequired,
// AllowNull, ShowSecond, IntelliYearDigits. SwitchHint (UTF-8) is the tool
// tip of AllowCalendarSwitch. Returns the top of the row below the last box.
int AddPickerPropertyCheckBoxes(QWidget* Page, TCustomZarDatePicker* Picker,
                                const std::array<const char*, 7>& Names, const char* SwitchHint,
                                QRect First, int Step);

// What both picker pages show when the value changes: the value in both
// calendars, in the pattern of the picker's kind, which also becomes the
// picker's formatted hint; a note in Solar when there is no value.
void ShowPickerValue(TCustomZarDatePicker* Picker, QLineEdit* Solar, QLineEdit* Gregorian);

}  // namespace zar::demo
