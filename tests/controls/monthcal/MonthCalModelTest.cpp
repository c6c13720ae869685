// The month grid model: layouts in both calendars, the cell mapping and its
// errors, cell content, bold days, limits, GotoDate and the calendar switch.

#include <gtest/gtest.h>

#include "HostControls.h"
#include "MonthCalTestSupport.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

using ModelTest = CalendarTest;

// ---- Layouts ----------------------------------------------------------------------------

struct LayoutCase {
  bool gregorian;
  TDate date;
  TDate firstCell;
  int dayOneCell;
  int lastDayCell;
};

TEST_F(ModelTest, LaysOutTheMonthsOfBothCalendars) {
  const LayoutCase cases[] = {
      {false, Solar(1403, 1, 15), Solar(1402, 12, 26), 4, 34},  // Wednesday start
      {false, Solar(1404, 6, 10), Solar(1404, 5, 25), 7, 37},   // Saturday: a whole leading week
      {false, Solar(1404, 1, 1), Solar(1403, 12, 25), 6, 36},   // Friday start, 31 days
      {true, Greg(2024, 3, 1), Greg(2024, 2, 26), 4, 34},
      {true, Greg(2024, 4, 30), Greg(2024, 3, 25), 7, 36},  // Monday: a whole leading week
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(SolarText(c.date));
    cal->SetUseSystemCalendar(c.gregorian);
    cal->SetDate(c.date);
    EXPECT_EQ(cal->FirstCellDate(), c.firstCell);
    EXPECT_EQ(cal->MonthStart() - cal->FirstCellDate(), c.dayOneCell);
    EXPECT_EQ(cal->MonthEnd() - cal->FirstCellDate(), c.lastDayCell);
    EXPECT_EQ(cal->LastCellDate(), c.firstCell + 41);
  }
}

// Every month of both calendars over several decades keeps the layout
// invariants: day 1 in cells 1 to 7, the month ending by cell 37, and the
// current cell on the date.
TEST_F(ModelTest, LayoutInvariantsHoldForEveryMonth) {
  for (const bool gregorian : {false, true}) {
    cal->SetUseSystemCalendar(gregorian);
    TDateTime date = gregorian ? Greg(1990, 1, 1) : Solar(1370, 1, 1);
    for (int month = 0; month < 12 * 60; ++month) {
      cal->SetDate(date + 13);
      const double lead = cal->MonthStart() - cal->FirstCellDate();
      ASSERT_GE(lead, 1) << SolarText(date);
      ASSERT_LE(lead, 7) << SolarText(date);
      ASSERT_LE(cal->MonthEnd() - cal->FirstCellDate(), 37) << SolarText(date);
      ASSERT_EQ(cal->FirstCellDate() + cal->CellToIndex(cal->Col(), cal->Row()), cal->Date());
      date = cal->MonthEnd() + 1;
    }
  }
}

// ---- Cells and indexes --------------------------------------------------------------------

TEST_F(ModelTest, MapsCellsAndIndexesWithWeekNumbers) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoWeekNumbers});
  cal->SetDate(Solar(1403, 1, 1));
  EXPECT_EQ(cal->ColCount(), 8);
  EXPECT_EQ(cal->CellToIndex(1, 3), 0);
  Word col, row;
  cal->IndexToCell(41, col, row);
  EXPECT_EQ(col, 7);
  EXPECT_EQ(row, 8);
  const struct { Word col, row; } invalid[] = {{0, 3}, {3, 2}, {0, 0}, {1, 10}};
  for (const auto& c : invalid) {
    try {
      cal->CellToIndex(c.col, c.row);
      ADD_FAILURE() << c.col << "," << c.row << " did not raise";
    } catch (const ECustomCalendarError& e) {
      EXPECT_EQ(e.Message(), "Invalid Col Or Row");
    }
  }
  try {
    cal->IndexToCell(42, col, row);
    ADD_FAILURE() << "IndexToCell(42) did not raise";
  } catch (const ECustomCalendarError& e) {
    EXPECT_EQ(e.Message(), "Invalid cell index: 42");
  }
}

TEST_F(ModelTest, DescribesEveryKindOfCell) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoWeekNumbers});
  cal->SetDate(Solar(1403, 1, 15));
  TCalendarDrawState state;
  std::string text;
  TDateTime cellDate;

  cal->GetCellInfo(0, 2, state, text, cellDate);  // corner
  EXPECT_EQ(state, TCalendarDrawState{cdFixed});
  EXPECT_EQ(text, "هفته");

  cal->GetCellInfo(1, 2, state, text, cellDate);  // first day name: Saturday
  EXPECT_EQ(state, (TCalendarDrawState{cdFixed, cdDayName}));
  EXPECT_EQ(cellDate, 1);
  EXPECT_EQ(text, ZarLongDayNames[1]);

  cal->GetCellInfo(3, 0, state, text, cellDate);  // title row
  EXPECT_EQ(state, TCalendarDrawState{cdFixed});
  EXPECT_EQ(text, "");

  cal->GetCellInfo(4, 9, state, text, cellDate);  // today line
  EXPECT_EQ(state, TCalendarDrawState{cdFixed});
  EXPECT_EQ(cellDate, zar::Date());
  EXPECT_EQ(text, "امروز: " + ZarDateToStr(zar::Date()));

  cal->GetCellInfo(1, 3, state, text, cellDate);  // cell 0: 1402/12/26
  EXPECT_EQ(state, TCalendarDrawState{cdTrailing});
  EXPECT_EQ(text, "26");

  cal->GetCellInfo(5, 5, state, text, cellDate);  // cell 18: 1403/1/15, the date
  EXPECT_EQ(cellDate, Solar(1403, 1, 15));
  EXPECT_EQ(text, "15");
  EXPECT_EQ(state, TCalendarDrawState{cdSelected});
}

TEST_F(ModelTest, WeekNumbersComeFromTheFourthDayOfEachRow) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoWeekNumbers});
  const struct {
    bool gregorian;
    TDate date;
    int weeks[6];
  } cases[] = {{false, Solar(1403, 1, 1), {53, 1, 2, 3, 4, 5}},
               {true, Greg(2024, 3, 1), {9, 10, 11, 12, 13, 14}}};
  for (const auto& c : cases) {
    cal->SetUseSystemCalendar(c.gregorian);
    cal->SetDate(c.date);
    for (int row = 0; row < 6; ++row) {
      TCalendarDrawState state;
      std::string text;
      TDateTime week;
      cal->GetCellInfo(0, 3 + row, state, text, week);
      EXPECT_EQ(state, (TCalendarDrawState{cdFixed, cdWeekNumber}));
      EXPECT_EQ(week, c.weeks[row]) << "row " << row;
      EXPECT_EQ(text, std::to_string(c.weeks[row]));
    }
  }
}

// ---- Bold days ---------------------------------------------------------------------------------

TEST_F(ModelTest, DefaultBoldDaysMarkOneWeekday) {
  const struct {
    bool gregorian;
    TDate date;
    TDefaultBoldDays weekday;
    Cardinal mask;
  } cases[] = {
      {false, Solar(1403, 1, 1), dbdFridays, 0x40810204},  // day 1 a Wednesday
      {false, Solar(1403, 1, 1), dbdSaturdays, 0x01020408},
      {false, Solar(1403, 6, 1), dbdSaturdays, 0x40810204},  // day 1 a Thursday
      {false, Solar(1404, 6, 1), dbdTuesdays, 0x81020408},   // day 1 a Saturday
      {true, Greg(2024, 3, 1), dbdFridays, 0x10204081},      // 1 March 2024 is a Friday
      {true, Greg(2024, 3, 1), dbdSundays, 0x40810204},      // 3, 10, 17, 24, 31
  };
  for (const auto& c : cases) {
    cal->SetUseSystemCalendar(c.gregorian);
    cal->SetDate(c.date);
    cal->SetDefaultBoldDays(c.weekday);
    EXPECT_EQ(cal->MonthBoldDays(), c.mask) << SolarText(c.date) << " weekday " << int(c.weekday);
    cal->SetDefaultBoldDays(dbdNone);
    EXPECT_EQ(cal->MonthBoldDays(), 0u);
  }
}

TEST_F(ModelTest, MonthInfoEventAdjustsTheBoldDaysOfEachLayout) {
  std::vector<std::pair<Word, Word>> asked;
  cal->SetDefaultBoldDays(dbdFridays);
  cal->OnGetMonthInfo = [&](TObject*, Word year, Word month, Cardinal& bold) {
    asked.emplace_back(year, month);
    bold = (bold | 1U) & ~(1U << 2);  // day 1 bold, day 3 not
  };
  cal->SetDate(Solar(1403, 2, 10));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], std::make_pair(Word{1403}, Word{2}));
  TCalendarDrawState state;
  std::string text;
  TDateTime date;
  const int dayOne = static_cast<int>(cal->MonthStart() - cal->FirstCellDate());
  cal->GetCellInfo(dayOne % 7, 3 + dayOne / 7, state, text, date);
  EXPECT_TRUE(state.Contains(cdBold));
  cal->SetDate(Solar(1403, 2, 11));  // same month: no new layout
  EXPECT_EQ(asked.size(), 1u);
}

// ---- Limits and GotoDate
// ---------------------------------------------------------------------------

TEST_F(ModelTest, LimitsClampAndRefuseWithTheirMessages) {
  cal->SetDate(Solar(1403, 1, 3));
  cal->SetMinDate(Solar(1403, 1, 10));
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 10));
  try {
    cal->SetMaxDate(Solar(1403, 1, 5));
    ADD_FAILURE() << "no error";
  } catch (const ECustomCalendarError& e) {
    EXPECT_EQ(e.Message(), "1403/01/05 is less than minimum of 1403/01/10");
  }
  EXPECT_EQ(cal->MaxDate(), 0);
  cal->SetMaxDate(Solar(1403, 2, 5));
  try {
    cal->SetMinDate(Solar(1403, 3, 1));
    ADD_FAILURE() << "no error";
  } catch (const ECustomCalendarError& e) {
    EXPECT_EQ(e.Message(), "1403/03/01 exceeds maximum of 1403/02/05");
  }
  try {
    cal->SetDate(Solar(1403, 2, 6));
    ADD_FAILURE() << "no error";
  } catch (const EZarDateTimeError& e) {
    EXPECT_EQ(e.Message(), "1403/02/06 exceeds maximum of 1403/02/05");
  }
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 10));
  // In Gregorian mode the date is Gregorian text, the limit solar.
  cal->SetUseSystemCalendar(true);
  try {
    cal->SetDate(Solar(1403, 1, 1));
    ADD_FAILURE() << "no error";
  } catch (const EZarDateTimeError& e) {
    EXPECT_EQ(e.Message(), "2024/03/20 is less than minimum of 1403/01/10");
  }
  cal->GotoDate(Solar(1403, 6, 1), false);
  EXPECT_EQ(cal->Date(), Solar(1403, 2, 5));
}

TEST_F(ModelTest, LimitsWhileLoadingOnlyStoreTheDate) {
  TTestCalendar loaded;
  loaded.BeginLoad();
  loaded.SetDate(Solar(1400, 5, 5));
  loaded.SetMinDate(Solar(1400, 6, 1));
  EXPECT_EQ(loaded.Date(), Solar(1400, 6, 1));
  EXPECT_TRUE(loaded.Events.empty());
  loaded.Loaded();
  EXPECT_EQ(loaded.MonthStart(), Solar(1400, 6, 1));
  EXPECT_FALSE(loaded.HandleAllocated());
}

TEST_F(ModelTest, RefusedMonthChangeLeavesEverythingAsItWas) {
  cal->SetDate(Solar(1403, 1, 31));
  const int col = cal->Col(), row = cal->Row();
  cal->OnYMChanging = [](TObject*, bool& allow) { allow = false; };
  cal->Events.clear();
  cal->GotoDate(Solar(1403, 3, 5), true);
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 31));
  EXPECT_EQ(cal->MonthStart(), Solar(1403, 1, 1));
  EXPECT_EQ(cal->Col(), col);
  EXPECT_EQ(cal->Row(), row);
  EXPECT_EQ(cal->Events, std::vector<std::string>{"YMChanging"});
}

TEST_F(ModelTest, GotoDateFiresTheMonthEventsAndClickInOrder) {
  cal->SetDate(Solar(1403, 1, 10));
  cal->Events.clear();
  cal->GotoDate(Solar(1403, 1, 12), true);
  EXPECT_EQ(cal->Events, std::vector<std::string>{"Click"});
  cal->Events.clear();
  cal->GotoDate(Solar(1403, 2, 12), true);
  EXPECT_EQ(cal->Events, (std::vector<std::string>{"YMChanging", "YMChange", "Click"}));
  cal->Events.clear();
  cal->GotoDate(Solar(1403, 2, 12), true);
  EXPECT_TRUE(cal->Events.empty());
  cal->SetDate(Solar(1403, 5, 5));  // from code: no click
  EXPECT_EQ(cal->Events, (std::vector<std::string>{"YMChanging", "YMChange"}));
}

TEST_F(ModelTest, SwitchingTheCalendarKeepsTheDate) {
  cal->SetDate(Solar(1403, 1, 1));  // 20 March 2024
  cal->Events.clear();
  cal->SetUseSystemCalendar(true);
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 1));
  EXPECT_EQ(cal->MonthStart(), Greg(2024, 3, 1));
  EXPECT_EQ(cal->Events, std::vector<std::string>{"YMChange"});
  EXPECT_EQ(cal->TitleLabel()->Caption(), "March 2024");
  EXPECT_EQ(cal->MonthMenu()->Item(0)->Caption(), "January");
  cal->SetUseSystemCalendar(false);
  EXPECT_EQ(cal->TitleLabel()->Caption(), ZarLongMonthNames[1] + " 1403");
}

TEST_F(ModelTest, ADateTheOtherCalendarCannotShowKeepsTheCalendar) {
  cal->SetDate(Solar(9500, 1, 1));  // beyond the Gregorian year 9999
  EXPECT_THROW(cal->SetUseSystemCalendar(true), EConvertError);
  EXPECT_FALSE(cal->UseSystemCalendar());
  EXPECT_EQ(cal->MonthStart(), Solar(9500, 1, 1));
  EXPECT_THROW(cal->SetDate(-700000), EConvertError);  // before the solar epoch
  EXPECT_EQ(cal->Date(), Solar(9500, 1, 1));
}

TEST_F(ModelTest, DayDataChecksTheDayNumber) {
  EXPECT_EQ(cal->DayData(31), nullptr);
  int value = 0;
  cal->SetDayData(5, &value);
  EXPECT_EQ(cal->DayData(5), &value);
  EXPECT_EQ(cal->DayData(6), nullptr);
  for (const Word day : {Word{0}, Word{32}}) {
    try {
      cal->DayData(day);
      ADD_FAILURE() << day;
    } catch (const EMonthCalError& e) {
      EXPECT_EQ(e.Message(), "Invalid day number " + std::to_string(day));
    }
    EXPECT_THROW(cal->SetDayData(day, &value), EMonthCalError);
  }
  cal->SetDate(cal->Date() + 40);  // slots belong to day numbers, not dates
  EXPECT_EQ(cal->DayData(5), &value);
}

TEST_F(ModelTest, ConstructorDefaults) {
  TTestCalendar fresh;
  EXPECT_EQ(fresh.Options().ToBits(), 14411u);
  EXPECT_EQ(fresh.Date(), zar::Date());
  EXPECT_TRUE(fresh.AutoSize());
  EXPECT_TRUE(fresh.DefaultDrawing());
  EXPECT_TRUE(fresh.UseCurrentDate());
  EXPECT_FALSE(fresh.UseSystemCalendar());
  EXPECT_EQ(fresh.DefaultBoldDays(), dbdNone);
  EXPECT_EQ(fresh.TitleLayout(), tlCenter);
  EXPECT_EQ(fresh.RowCount(), 10);
  EXPECT_EQ(fresh.ColCount(), 7);
  EXPECT_EQ(fresh.FixedRows(), 3);
  EXPECT_EQ(fresh.TitlePanel(), nullptr);
  // The model answers before the window exists.
  EXPECT_LE(fresh.MonthStart(), fresh.Date());
  EXPECT_GE(fresh.MonthEnd(), fresh.Date());
  EXPECT_TRUE(fresh.IsSelected(fresh.Date()));
}

}  // namespace
}  // namespace zar::test
