// The title band: month buttons by reading direction, refusals with a beep,
// the month menu, the year editor and its closing rules, and the hot areas
// of the caption.

#include <gtest/gtest.h>

#include <QTest>

#include "HostControls.h"
#include "MonthCalTestSupport.h"
#include "YearEdit.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

using TitleTest = CalendarTest;

void ClickButton(TSpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// A point inside a hot area of the caption, in the label's coordinates.
QPoint Inside(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

void ChooseMonth(TCustomZarMonthCalendar& cal, int month) {
  cal.MonthMenu()->Item(month - 1)->trigger();
}

TEST_F(TitleTest, TheButtonPointingInTheReadingDirectionGoesForward) {
  for (const bool rightToLeft : {false, true}) {
    Show(rightToLeft);
    TSpeedButton* forward = rightToLeft ? cal->LeftMonthButton() : cal->RightMonthButton();
    TSpeedButton* backward = rightToLeft ? cal->RightMonthButton() : cal->LeftMonthButton();
    cal->SetDate(Solar(1403, 1, 31));
    cal->Events.clear();
    ClickButton(forward);
    EXPECT_EQ(cal->Date(), Solar(1403, 2, 31));
    EXPECT_EQ(cal->Events, (std::vector<std::string>{"YMChanging", "YMChange", "Click"}));
    cal->SetDate(Solar(1403, 6, 31));
    ClickButton(forward);
    EXPECT_EQ(cal->Date(), Solar(1403, 7, 30));
    ClickButton(backward);
    EXPECT_EQ(cal->Date(), Solar(1403, 6, 30));
  }
}

TEST_F(TitleTest, MonthStepsBeyondTheLimitsBeep) {
  cal->SetMaxDate(Solar(1403, 3, 10));
  cal->SetDate(Solar(1403, 3, 5));
  ClickButton(cal->RightMonthButton());
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(cal->Date(), Solar(1403, 3, 5));
  cal->SetDate(Solar(1403, 2, 20));
  cal->Events.clear();
  ClickButton(cal->RightMonthButton());
  EXPECT_EQ(cal->Date(), Solar(1403, 3, 10));
  EXPECT_EQ(cal->Events, (std::vector<std::string>{"YMChanging", "YMChange", "Click"}));

  cal->SetMaxDate(0);
  cal->SetMinDate(Solar(1403, 3, 10));
  cal->SetDate(Solar(1403, 3, 20));
  ClickButton(cal->LeftMonthButton());
  EXPECT_EQ(beeps, 2);
  ChooseMonth(*cal, 2);
  EXPECT_EQ(beeps, 3);
  EXPECT_EQ(cal->Date(), Solar(1403, 3, 20));
  ChooseMonth(*cal, 4);
  EXPECT_EQ(cal->Date(), Solar(1403, 4, 20));
}

TEST_F(TitleTest, MonthMenuKeepsTheDayWithinTheMonth) {
  const struct {
    TDate start;
    int month;
    TDate expected;
  } cases[] = {{Solar(1403, 1, 31), 12, Solar(1403, 12, 30)},
               {Solar(1402, 1, 31), 12, Solar(1402, 12, 29)},
               {Solar(1403, 5, 31), 5, Solar(1403, 5, 31)}};
  for (const auto& c : cases) {
    cal->SetDate(c.start);
    cal->Events.clear();
    ChooseMonth(*cal, c.month);
    EXPECT_EQ(SolarText(cal->Date()), SolarText(c.expected));
    if (c.start == c.expected) {
      EXPECT_TRUE(cal->Events.empty());
    }
  }
}

TEST_F(TitleTest, PressesOnTheCaptionOpenTheMenuOrTheYearEditor) {
  cal->SetDate(Solar(1403, 5, 5));
  TLabel* label = cal->TitleLabel();
  const TRect month = cal->MonthTextRect();
  const TRect year = cal->YearTextRect();
  // Right-to-left reading order: the year lies left of the month, both
  // inside the label and centred in it.
  EXPECT_LT(year.Right, month.Left);
  EXPECT_GE(year.Left, 0);
  EXPECT_LE(month.Right, label->width());
  EXPECT_LE(std::abs((year.Left - 0) - (label->width() - month.Right)), 1);

  QTest::mouseClick(label, Qt::LeftButton, {}, Inside(month));
  EXPECT_TRUE(cal->MonthMenu()->isVisible());
  cal->MonthMenu()->close();

  QTest::mouseClick(label, Qt::LeftButton, {},
                    QPoint((year.Right + month.Left) / 2, Inside(year).y()));
  EXPECT_FALSE(cal->YearEdit()->isVisible());
  EXPECT_TRUE(cal->hasFocus());

  QTest::mouseClick(label, Qt::LeftButton, {}, Inside(year));
  EXPECT_TRUE(cal->YearEdit()->isVisible());
  EXPECT_TRUE(cal->YearUpDown()->isVisible());
  EXPECT_EQ(cal->YearEdit()->text(), "1403");
}

// A hidden calendar that changes its size (a drop-down between two shows)
// measures the hot areas on the label's new width, and the right button
// keeps its place at the panel's right edge.
TEST_F(TitleTest, HotAreasFollowAResizeWhileHidden) {
  cal->hide();
  QCoreApplication::processEvents();
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoWeekNumbers});
  cal->show();
  QCoreApplication::processEvents();
  const TRect month = cal->MonthTextRect();
  const TRect year = cal->YearTextRect();
  EXPECT_EQ(cal->TitleLabel()->width(), cal->TitlePanel()->width() - 64);
  EXPECT_LE(std::abs(year.Left - (cal->TitleLabel()->width() - month.Right)), 1);
  EXPECT_EQ(cal->TitlePanel()->width() - cal->RightMonthButton()->geometry().right() - 1, 6);
}

// A Gregorian caption in Latin letters reads left to right: the hot areas
// follow the text as shown.
TEST_F(TitleTest, HotAreasFollowTheCaptionsReadingOrder) {
  cal->SetUseSystemCalendar(true);
  cal->SetDate(Greg(2024, 3, 5));
  EXPECT_LT(cal->MonthTextRect().Right, cal->YearTextRect().Left);
  QTest::mouseClick(cal->TitleLabel(), Qt::LeftButton, {}, Inside(cal->YearTextRect()));
  EXPECT_TRUE(cal->YearEdit()->isVisible());
  EXPECT_EQ(cal->YearEdit()->text(), "2024");
}

TEST_F(TitleTest, YearEditorAcceptsOnEnterAndCancelsOnEscape) {
  cal->SetDate(Solar(1403, 12, 30));
  TLabel* label = cal->TitleLabel();
  QTest::mouseClick(label, Qt::LeftButton, {}, Inside(cal->YearTextRect()));
  ASSERT_TRUE(cal->YearEdit()->hasFocus());
  QTest::keyClick(cal->YearEdit(), Qt::Key_Up);
  EXPECT_EQ(cal->YearEdit()->text(), "1404");
  QTest::keyClick(cal->YearEdit(), Qt::Key_Escape);
  EXPECT_EQ(cal->Date(), Solar(1403, 12, 30));
  EXPECT_FALSE(cal->YearEdit()->isVisible());
  EXPECT_TRUE(cal->hasFocus());

  QTest::mouseClick(label, Qt::LeftButton, {}, Inside(cal->YearTextRect()));
  QTest::keyClick(cal->YearEdit(), Qt::Key_Up);
  cal->Events.clear();
  QTest::keyClick(cal->YearEdit(), Qt::Key_Return);
  EXPECT_EQ(cal->Date(), Solar(1404, 12, 29));
  EXPECT_EQ(cal->Events, (std::vector<std::string>{"YMChanging", "YMChange", "Click"}));
  EXPECT_TRUE(cal->hasFocus());
  EXPECT_TRUE(cal->YearEdit()->Closed());
}

TEST_F(TitleTest, YearEditorAcceptsWhenItLosesTheFocus) {
  cal->SetDate(Solar(1403, 6, 6));
  QTest::mouseClick(cal->TitleLabel(), Qt::LeftButton, {}, Inside(cal->YearTextRect()));
  QTest::keyClick(cal->YearEdit(), Qt::Key_Down);
  ClickButton(cal->RightMonthButton());  // closes (accepting) before it steps
  EXPECT_EQ(cal->Date(), Solar(1402, 7, 6));
  EXPECT_FALSE(cal->YearEdit()->isVisible());
}

TEST_F(TitleTest, YearSpinRangeFollowsTheLimitsAndTheCalendar) {
  const struct {
    bool gregorian;
    TDate minDate, maxDate;
    int min, max;
  } cases[] = {{false, Solar(1390, 5, 1), 0, 1390, 9999},
               {false, 0, Solar(1410, 1, 1), 100, 1410},
               {true, 0, 0, 722, 9999}};
  for (const auto& c : cases) {
    cal->SetMinDate(0);
    cal->SetMaxDate(0);
    cal->SetUseSystemCalendar(c.gregorian);
    cal->SetDate(Solar(1400, 1, 1));
    cal->SetMinDate(c.minDate);
    cal->SetMaxDate(c.maxDate);
    QTest::mouseClick(cal->TitleLabel(), Qt::LeftButton, {}, Inside(cal->YearTextRect()));
    EXPECT_EQ(cal->YearUpDown()->Min(), c.min);
    EXPECT_EQ(cal->YearUpDown()->Max(), c.max);
    QTest::keyClick(cal->YearEdit(), Qt::Key_Escape);
  }
}

TEST_F(TitleTest, AcceptingTheYearCollapsesARange) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoRangeSelect});
  cal->SetDate(Solar(1403, 1, 10));
  DragDays(Solar(1403, 1, 10), Solar(1403, 1, 14));
  QTest::mouseClick(cal->TitleLabel(), Qt::LeftButton, {}, Inside(cal->YearTextRect()));
  QTest::keyClick(cal->YearEdit(), Qt::Key_Escape);
  EXPECT_EQ(cal->SelectedCount(), 5);
  QTest::mouseClick(cal->TitleLabel(), Qt::LeftButton, {}, Inside(cal->YearTextRect()));
  cal->Events.clear();
  QTest::keyClick(cal->YearEdit(), Qt::Key_Return);
  EXPECT_EQ(cal->SelectedCount(), 1);
  EXPECT_EQ(cal->Events, std::vector<std::string>{"Click"});
}

// Title options changed from code before the first window: the window
// still creates the band with its caption and reports the first month.
TEST_F(TitleTest, TitleOptionsSetBeforeTheFirstWindow) {
  TTestCalendar fresh;
  fresh.SetDate(Solar(1403, 5, 5));
  fresh.SetOptions(fresh.Options() - TMonthCalOptions{mcoYearEditor});
  fresh.Events.clear();
  ShowActive(fresh);
  ASSERT_NE(fresh.TitleLabel(), nullptr);
  EXPECT_EQ(fresh.TitleLabel()->Caption(), ZarLongMonthNames[5] + " 1403");
  EXPECT_EQ(fresh.Events, std::vector<std::string>{"YMChange"});
  EXPECT_EQ(fresh.YearEdit(), nullptr);
  EXPECT_NE(fresh.RightMonthButton(), nullptr);
}

TEST_F(TitleTest, TitleControlsFollowTheOptions) {
  cal->SetOptions(cal->Options() -
                  TMonthCalOptions{mcoMonthButtons, mcoYearEditor, mcoMonthPopupMenu});
  EXPECT_EQ(cal->LeftMonthButton(), nullptr);
  EXPECT_EQ(cal->RightMonthButton(), nullptr);
  EXPECT_EQ(cal->YearEdit(), nullptr);
  EXPECT_EQ(cal->MonthMenu(), nullptr);
  QTest::mouseClick(cal->TitleLabel(), Qt::LeftButton, {}, Inside(cal->MonthTextRect()));
  EXPECT_TRUE(cal->hasFocus());
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoMonthButtons, mcoYearEditor});
  ASSERT_NE(cal->RightMonthButton(), nullptr);
  EXPECT_NE(cal->YearEdit(), nullptr);
  // The right button stays 6 pixels from the panel's right edge.
  EXPECT_EQ(cal->TitlePanel()->width() - cal->RightMonthButton()->geometry().right() - 1, 6);
  EXPECT_EQ(cal->TitlePanel()->height(), 2 * (cal->DefaultRowHeight() + 1));
}

}  // namespace
}  // namespace zar::test
