// Opening and closing the drop-down calendar: the order of events, what
// the calendar receives, where it goes, routing while it is open and every
// gesture that closes it.

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include "ExPickerTestSupport.h"
#include "GregorianDates.h"
#include "HostControls.h"
#include "YearEdit.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

using Events = std::vector<std::string>;

TEST_F(ExPickerTest, OpeningANullPickerClearsItFirst) {
  picker->SetAllowNull(true);
  Key(Qt::Key_Delete);
  ASSERT_TRUE(picker->IsNull());
  events.clear();
  Key(Qt::Key_Down, Qt::AltModifier);
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_FALSE(picker->IsNull());
  EXPECT_EQ(events, (Events{"Change", "DropDown"}));
}

TEST_F(ExPickerTest, OpeningAnUncheckedPickerChecksItFirst) {
  picker->SetShowCheckBox(true);
  picker->SetChecked(false);
  events.clear();
  Press(Middle(bpDropDown));
  Release(Middle(bpDropDown));
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(events, (Events{"Change", "DropDown"}));
  EXPECT_TRUE(Cal().isVisible());
}

TEST_F(ExPickerTest, TheCalendarGetsThePickersSettingsAfterOnDropDown) {
  picker->SetMinDate(Solar(1402, 1, 1));
  picker->SetMaxDate(Solar(1402, 12, 29));
  picker->SetDefaultBoldDays(dbdFridays);
  picker->SetCalendarOptions({mcoToday, mcoWeekNumbers});
  picker->CalColors().SetTextColor(clRed);
  picker->SetDigitShape(dgPersian);
  std::vector<TObject*> senders;
  picker->OnGetMonthInfo = [&](TObject* sender, Word, Word, Cardinal& bold) {
    senders.push_back(sender);
    bold = 1;
  };
  picker->OnDropDown = [&](TObject*) { picker->SetUseSystemCalendar(true); };
  picker->DropDown();
  TDropDownCalendar& c = Cal();
  EXPECT_TRUE(c.UseSystemCalendar());
  EXPECT_EQ(c.MinDate(), Solar(1402, 1, 1));
  EXPECT_EQ(c.MaxDate(), Solar(1402, 12, 29));
  EXPECT_EQ(c.DefaultBoldDays(), dbdFridays);
  EXPECT_EQ(c.Options(), (TMonthCalOptions{mcoToday, mcoWeekNumbers}));
  EXPECT_EQ(c.CalColors().TextColor(), clRed);
  EXPECT_EQ(c.font(), picker->font());
  EXPECT_EQ(c.DigitShape(), dgPersian);
  EXPECT_EQ(c.Date(), picker->Date());
  ASSERT_FALSE(senders.empty());
  EXPECT_EQ(senders.front(), picker);
}

TEST_F(ExPickerTest, LimitsMovedPastTheOldOnesReachTheCalendar) {
  picker->SetMinDate(Solar(1402, 1, 1));
  picker->SetMaxDate(Solar(1402, 12, 29));
  picker->DropDown();
  picker->CloseUp(false);
  picker->SetMaxDate(Solar(1403, 12, 30));
  picker->SetMinDate(Solar(1403, 1, 1));
  picker->DropDown();
  EXPECT_EQ(Cal().MinDate(), Solar(1403, 1, 1));
  EXPECT_EQ(Cal().MaxDate(), Solar(1403, 12, 30));
  picker->CloseUp(false);
  picker->SetMinDate(Solar(1401, 1, 1));
  picker->SetMaxDate(Solar(1401, 6, 1));
  picker->DropDown();
  EXPECT_EQ(Cal().MinDate(), Solar(1401, 1, 1));
  EXPECT_EQ(Cal().MaxDate(), Solar(1401, 6, 1));
}

TEST_F(ExPickerTest, DateTimeLimitsNarrowTheCalendarsDays) {
  picker->SetKind(dtkDateTime);
  picker->SetMinDate(Solar(1402, 1, 1));
  picker->SetMinDateTime(Solar(1402, 6, 10) + 0.75);
  picker->SetMaxDateTime(Solar(1402, 6, 20) + 0.25);
  picker->SetTime(0.5);
  picker->DropDown();
  EXPECT_EQ(Cal().MinDate(), Solar(1402, 6, 10));
  EXPECT_EQ(Cal().MaxDate(), Solar(1402, 6, 20));
  // The first allowed day at noon lies before 18:00 of that day: the
  // value is kept within the date-time limits.
  ClickDay(Solar(1402, 6, 10));
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_GE(picker->DateTime(), picker->MinDateTime());
}

TEST_F(ExPickerTest, EnterTakesTheKeyboardDayAndEscapeKeepsThePickers) {
  struct Case {
    Qt::Key key;
    TDate expected;
  } cases[] = {{Qt::Key_Return, Solar(1402, 6, 22)}, {Qt::Key_Escape, Solar(1402, 6, 15)}};
  for (const Case& c : cases) {
    picker->SetDate(Solar(1402, 6, 15));
    Key(Qt::Key_Down, Qt::AltModifier);
    Key(Qt::Key_Down);  // a week later in the calendar; never closes
    EXPECT_TRUE(picker->DroppedDown());
    EXPECT_EQ(Cal().Date(), Solar(1402, 6, 22));
    EXPECT_EQ(picker->Date(), Solar(1402, 6, 15));
    Key(c.key);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_FALSE(Cal().isVisible());
    EXPECT_EQ(picker->Date(), c.expected);
    EXPECT_TRUE(picker->Focused());
  }
}

TEST_F(ExPickerTest, AltUpTakesTheDayAndDigitsStayWithThePicker) {
  Key(Qt::Key_Down, Qt::AltModifier);
  Key(Qt::Key_Up);  // a week earlier
  EXPECT_EQ(Cal().Date(), Solar(1402, 6, 8));
  events.clear();
  Key(Qt::Key_Up, Qt::AltModifier);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), Solar(1402, 6, 8));
  EXPECT_EQ(events, (Events{"Change", "CloseUp"}));
}

TEST_F(ExPickerTest, WheelGoesToTheOpenCalendar) {
  picker->DropDown();
  const QPoint pos(30, 10);
  QWheelEvent e(pos, picker->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(picker, &e);
  EXPECT_EQ(picker->Date(), Solar(1402, 6, 15));
  EXPECT_NE(Cal().Date(), Solar(1402, 6, 15));
  EXPECT_TRUE(picker->DroppedDown());
}

TEST_F(ExPickerTest, ClickOnADayClosesOnReleaseKeepingTheTime) {
  picker->SetKind(dtkDateTime);
  picker->SetTime(EncodeTime(13, 45, 0, 0));
  picker->DropDown();
  TDropDownCalendar& c = Cal();
  const TDate target = Solar(1402, 6, 3);
  const int index = static_cast<int>(target - c.FirstCellDate());
  Word col = 0, row = 0;
  c.IndexToCell(static_cast<Word>(index), col, row);
  const QPoint p = c.CellRect(col, row).ToQRect().center() + c.ClientOrigin();
  QTest::mousePress(&c, Qt::LeftButton, Qt::NoModifier, p);
  EXPECT_TRUE(picker->DroppedDown());  // not on the press
  QTest::mouseRelease(&c, Qt::LeftButton, Qt::NoModifier, p);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), target);
  EXPECT_EQ(picker->Time(), EncodeTime(13, 45, 0, 0));
  EXPECT_FALSE(picker->UseCurrentDate());
}

TEST_F(ExPickerTest, TodayLineTakesTodayOnlyWithinTheLimits) {
  const TDate today = zar::Date();
  auto clickToday = [&] {
    TDropDownCalendar& c = Cal();
    const QPoint p = c.CellRect(3, c.RowCount() - 1).ToQRect().center() + c.ClientOrigin();
    QTest::mousePress(&c, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(&c, Qt::LeftButton, Qt::NoModifier, p);
  };
  picker->DropDown();
  clickToday();
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), today);

  picker->SetDate(today - 30);
  picker->SetMaxDate(today - 10);
  picker->DropDown();
  clickToday();
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), today - 30);
}

TEST_F(ExPickerTest, APressThatSelectedNothingNeverAcceptsLater) {
  picker->DropDown();
  TDropDownCalendar& c = Cal();
  // A press on the day names selects nothing.
  const QPoint names = c.CellRect(3, 2).ToQRect().center() + c.ClientOrigin();
  QTest::mousePress(&c, Qt::LeftButton, Qt::NoModifier, names);
  QTest::mouseRelease(&c, Qt::LeftButton, Qt::NoModifier, names);
  ASSERT_TRUE(picker->DroppedDown());
  c.SetDate(Solar(1402, 6, 20));
  picker->SetUseSystemCalendar(true);
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), Solar(1402, 6, 15));
}

class ClosingGestureTest : public ExPickerTest {};

TEST_F(ClosingGestureTest, EachGestureClosesWithoutTakingTheDay) {
  struct Gesture {
    const char* name;
    std::function<void()> act;
  };
  QWidget stranger;
  stranger.resize(100, 50);
  const Gesture gestures[] = {
      {"press on the picker", [&] { Click(QPoint(30, 10)); }},
      {"press on the drop-down button", [&] { Click(Middle(bpDropDown)); }},
      {"focus to another control", [&] { other->setFocus(); }},
      {"press on another control",
       [&] { QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }},
      {"picker hidden", [&] { picker->hide(); }},
      {"picker disabled", [&] { picker->SetEnabled(false); }},
      {"window moved", [&] { window->move(window->pos() + QPoint(5, 5)); }},
      {"another window activated", [&] { ShowActive(stranger); }},
      {"drop-down button removed", [&] { picker->SetButtons({dpbUpDown}); }},
  };
  for (const Gesture& g : gestures) {
    SCOPED_TRACE(g.name);
    ShowActive(*window);
    picker->show();
    picker->SetEnabled(true);
    picker->SetButtons({dpbDropDown, dpbUpDown});
    picker->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return picker->Focused(); }));
    picker->SetDate(Solar(1402, 6, 15));
    picker->DropDown();
    ASSERT_TRUE(picker->DroppedDown());
    Key(Qt::Key_Down);
    ASSERT_NE(Cal().Date(), picker->Date());
    events.clear();
    g.act();
    QApplication::processEvents();
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_FALSE(Cal().isVisible());
    EXPECT_EQ(picker->Date(), Solar(1402, 6, 15));
    EXPECT_EQ(events, (Events{"CloseUp"}));
    stranger.hide();
  }
}

TEST_F(ClosingGestureTest, TheCalendarTakesTheFocusWhenClickedAndGivesItBack) {
  picker->DropDown();
  TDropDownCalendar& c = Cal();
  // A press on the day names (no day) activates the calendar's window.
  const QPoint title = c.CellRect(3, 2).ToQRect().center() + c.ClientOrigin();
  QTest::mousePress(c.windowHandle(), Qt::LeftButton, Qt::NoModifier, title);
  QTest::mouseRelease(c.windowHandle(), Qt::LeftButton, Qt::NoModifier, title);
  ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &c; }));
  EXPECT_TRUE(picker->DroppedDown());
  // Keys now reach the calendar directly; Shift+Space still switches both
  // calendars, and Enter still closes and accepts.
  Key(Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_TRUE(picker->UseSystemCalendar());
  EXPECT_TRUE(c.UseSystemCalendar());
  Key(Qt::Key_Right);
  const TDate chosen = c.Date();
  EXPECT_NE(chosen, picker->Date());
  Key(Qt::Key_Return);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), chosen);
  EXPECT_TRUE(WaitFor([&] { return picker->Focused(); }));

  // Focus leaving the calendar for another control closes it.
  picker->DropDown();
  QTest::mousePress(c.windowHandle(), Qt::LeftButton, Qt::NoModifier, title);
  QTest::mouseRelease(c.windowHandle(), Qt::LeftButton, Qt::NoModifier, title);
  ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &c; }));
  window->activateWindow();
  other->setFocus();
  EXPECT_TRUE(WaitFor([&] { return !picker->DroppedDown(); }));
}

TEST_F(ClosingGestureTest, EnterInTheYearEditorStaysWithTheYearEditor) {
  picker->DropDown();
  TDropDownCalendar& c = Cal();
  ASSERT_NE(c.TitleLabel(), nullptr);
  const TRect year = c.YearTextRect();
  const QPoint p = c.TitleLabel()->mapTo(&c, year.ToQRect().center());
  QTest::mouseClick(c.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
  ASSERT_TRUE(WaitFor([&] { return c.YearEdit() && c.YearEdit()->hasFocus(); }));
  QTest::keyClick(c.YearEdit(), Qt::Key_Up);
  Key(Qt::Key_Return);
  EXPECT_FALSE(c.YearEdit()->isVisible());
  EXPECT_TRUE(picker->DroppedDown());
  Key(Qt::Key_Return);
  EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(ClosingGestureTest, TheMonthMenuKeepsTheCalendarOpen) {
  picker->DropDown();
  TDropDownCalendar& c = Cal();
  ASSERT_NE(c.MonthMenu(), nullptr);
  const QPoint p = c.TitleLabel()->mapTo(&c, c.MonthTextRect().ToQRect().center());
  QTest::mouseClick(c.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
  ASSERT_TRUE(WaitFor([&] { return c.MonthMenu()->isVisible(); }));
  EXPECT_TRUE(picker->DroppedDown());
  c.MonthMenu()->Item(0)->trigger();  // the first month
  c.MonthMenu()->close();
  QApplication::processEvents();
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_EQ(c.Date(), Solar(1402, 1, 15));
  Key(Qt::Key_Return);
  EXPECT_EQ(picker->Date(), Solar(1402, 1, 15));
}

TEST_F(ClosingGestureTest, DestroyedWhileOpenClosesQuietly) {
  picker->DropDown();
  picker->OnCloseUp = [](TObject*) { FAIL() << "no events from a picker being destroyed"; };
  picker->OnChange = [](TObject*) { FAIL() << "no events from a picker being destroyed"; };
  delete picker;
  picker = nullptr;
  QApplication::processEvents();
}

TEST_F(ClosingGestureTest, MouseEnteringTheCalendarEndsButtonTracking) {
  Press(Middle(bpDropDown));
  ASSERT_TRUE(picker->DroppedDown());
  EXPECT_EQ(picker->PressedButton(), bpDropDown);
  const QPoint inCalendar = picker->mapFromGlobal(Cal().mapToGlobal(QPoint(40, 60)));
  QTest::mouseMove(picker, inCalendar);
  EXPECT_EQ(picker->PressedButton(), bpNone);
  EXPECT_TRUE(picker->DroppedDown());
}

TEST_F(ExPickerTest, PlacedBelowOrAboveOnTheScreen) {
  const QRect screen = picker->screen()->availableGeometry();
  struct Case {
    const char* name;
    int windowY;
    bool above;
  } cases[] = {{"top", 0, false}, {"bottom", screen.height() - 60, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window->move(screen.left() + 10, screen.top() + c.windowY);
    QApplication::processEvents();
    picker->SetFocus();
    picker->DropDown();
    ASSERT_TRUE(picker->DroppedDown());
    const QRect cal = Cal().geometry();
    const QPoint p = picker->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(cal.left(), p.x());
    if (c.above)
      EXPECT_EQ(cal.bottom() + 1, p.y());
    else
      EXPECT_EQ(cal.top(), p.y() + picker->height());
    EXPECT_TRUE(screen.contains(cal)) << "the first opening uses the real size";
    picker->CloseUp(false);
  }
}

}  // namespace
}  // namespace zar::test
