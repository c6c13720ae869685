#pragma once
// The one application object of the test binary (with the default exception
// handler, on the offscreen platform unless another is chosen), a shown
// main window whose data files go to a temporary directory, and the checks
// both picker pages share.

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTemporaryDir>
#include <array>
#include <memory>

#include "DateTimeBase.h"
#include "MainWindow.h"

namespace zar {
class TCustomZarDatePicker;
class TCustomZarMonthCalendar;
}  // namespace zar

namespace zar::demo {
class TRadioGroup;
}

namespace zar::demo::test {

class TShownForm : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  int ActiveTag() const;
  // A push button whose caption reads Caption, under Parent.
  QPushButton* Button(const QWidget* Parent, const QString& Caption) const;
  void Click(QWidget* Widget) const;

  QTemporaryDir FDataDir;
  std::unique_ptr<TForm1> FForm;
};

// The centre of the day cell of Date (one of the 42 shown), in the
// calendar's widget coordinates.
QPoint DayCellCenter(const TCustomZarMonthCalendar& Calendar, TDateTime Date);

// Shows a picker page on its own, at the size of the main window's pages,
// as the active window, and focuses its picker.
void ShowPickerPage(QWidget& Page, TCustomZarDatePicker& Picker);

// On a picker page: the user's calendar switch (SHIFT+Space) moves the
// calendar group to its second item, the group's first item brings the
// solar calendar back, and the direction group's second item sets amdYMD.
void ExpectCalendarAndDirectionGroups(TCustomZarDatePicker& Picker, TRadioGroup& Calendar,
                                      TRadioGroup& Direction);

// On a picker page: each property check box, clicked on and then off,
// leaves its property as the box shows. Names in this order:
// HighlightRequired, AllowNull, ShowSecond, Use12HourClock, AutoMove,
// AllowCalendarSwitch, IntelliYearDigits.
void ExpectPropertyCheckBoxes(const QWidget& Page, const TCustomZarDatePicker& Picker,
                              const std::array<const char*, 7>& Names);

}  // namespace zar::demo::test
