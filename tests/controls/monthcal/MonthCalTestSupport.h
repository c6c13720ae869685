#pragma once
// A month calendar whose protected parts the tests can reach, a fixture
// that shows one in an active window with a fixed font, and helpers that
// press, drag and type on it with real Qt events.

#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "GuiTestEnvironment.h"
#include "MonthCalendar.h"

namespace zar::test {

class TTestCalendar : public TZarMonthCalendar {
 public:
  using TCustomZarMonthCalendar::GetMonthBounds;
  using TZarMonthCalendar::TZarMonthCalendar;

  // The month events and OnClick, in the order they fired.
  std::vector<std::string> Events;

 protected:
  bool DoYMChanging() override {
    Events.push_back("YMChanging");
    return TZarMonthCalendar::DoYMChanging();
  }
  void DoYMChange() override {
    Events.push_back("YMChange");
    TZarMonthCalendar::DoYMChange();
  }
  void Change() override {
    Events.push_back("Click");
    TZarMonthCalendar::Change();
  }
};

// The Gregorian date y/m/d as a day serial (Solar is the shared one).
TDate Greg(Word y, Word m, Word d);
std::string SolarText(TDateTime date);

class CalendarTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new calendar, shown active (call again after changing the reading
  // direction or options that must hold at window creation).
  void Show(bool rightToLeft = false);

  // The centre of a day cell or of any grid cell, in widget coordinates.
  QPoint CellCenter(int index) const;
  QPoint GridCellCenter(int col, int row) const;
  int IndexOf(TDateTime date) const { return static_cast<int>(date - cal->FirstCellDate()); }

  void Press(QPoint p, Qt::KeyboardModifiers mods = {});
  void MoveTo(QPoint p);
  void Release(QPoint p, Qt::KeyboardModifiers mods = {});
  void ClickCell(int index, Qt::KeyboardModifiers mods = {});
  // Presses the left button on the day from, drags to the day to, releases.
  void DragDays(TDateTime from, TDateTime to);
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = {});
  void Wheel(int notches, Qt::KeyboardModifiers mods = {});

  std::unique_ptr<TTestCalendar> cal;
  int beeps = 0;
  std::vector<std::string> errors;  // exceptions that reached the default handler
};

}  // namespace zar::test
