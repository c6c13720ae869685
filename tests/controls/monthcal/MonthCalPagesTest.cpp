// Pages 41 and 42 of the demonstration: the option controls, the output
// texts, the Gregorian month strip and the custom cell drawing.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "CustomDrawPage.h"
#include "GuiTestEnvironment.h"
#include "HostControls.h"
#include "MonthCalendar.h"
#include "MonthCalendarPage.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

QPoint DayCenter(const TCustomZarMonthCalendar& cal, TDateTime date) {
  Word col, row;
  cal.IndexToCell(static_cast<Word>(date - cal.FirstCellDate()), col, row);
  return cal.CellRect(col, row).ToQRect().center() + cal.ClientOrigin();
}

void ClickDay(TZarMonthCalendar& cal, TDateTime date) {
  QTest::mouseClick(&cal, Qt::LeftButton, {}, DayCenter(cal, date));
}

void ClickRadio(QWidget& page, const char* caption) {
  for (QRadioButton* button : page.findChildren<QRadioButton*>())
    if (button->text() == QString::fromUtf8(caption)) return button->click();
  FAIL() << "no radio button " << caption;
}

class MonthCalendarPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    ShowActive(page);
  }
  std::string Label7() const { return page.findChild<QLabel*>("Label7")->text().toStdString(); }

  demo::TMonthCalendarPage page;
  TZarMonthCalendar& cal = *page.Calendar();
};

TEST_F(MonthCalendarPageTest, DescribesTheSelectionOfEachMode) {
  EXPECT_EQ(Label7(), "");
  EXPECT_GT(page.findChild<QLabel*>("Label7")->y(), cal.geometry().bottom());
  cal.SetDate(Solar(1403, 1, 10));
  ClickDay(cal, Solar(1403, 1, 12));
  EXPECT_EQ(Label7(), ZarFormatDateTime("dddd، d mmmm yyyy", Solar(1403, 1, 12)) + " - " +
                          FormatDateTime("d mmmm yyyy", Solar(1403, 1, 12)));

  ClickRadio(page, "محدوده");
  EXPECT_TRUE(cal.Options().Contains(mcoRangeSelect));
  QTest::mousePress(&cal, Qt::LeftButton, {}, DayCenter(cal, Solar(1403, 1, 20)));
  QTest::mouseMove(&cal, DayCenter(cal, Solar(1403, 1, 16)));
  QTest::mouseRelease(&cal, Qt::LeftButton, {}, DayCenter(cal, Solar(1403, 1, 16)));
  EXPECT_EQ(Label7(), "از 1403/01/16 تا 1403/01/20   (5 روز)");

  ClickRadio(page, "چندگانه");
  EXPECT_TRUE(cal.Options().Contains(mcoMultiSelect));
  ClickDay(cal, Solar(1403, 1, 3));
  QTest::mouseClick(&cal, Qt::LeftButton, Qt::ControlModifier, DayCenter(cal, Solar(1403, 1, 25)));
  EXPECT_EQ(Label7(), "تعداد روزهاي انتخاب شده: 2\r\n1403/01/03, 1403/01/25");

  ClickRadio(page, "يک روز");
  EXPECT_FALSE(cal.Options().Contains(mcoMultiSelect));
  EXPECT_FALSE(cal.Options().Contains(mcoRangeSelect));
  EXPECT_GE(cal.Date(), cal.MonthStart());
  EXPECT_LE(cal.Date(), cal.MonthEnd());
}

TEST_F(MonthCalendarPageTest, OptionControlsSwitchTheCalendar) {
  EXPECT_EQ(cal.DefaultBoldDays(), dbdFridays);
  auto* combo = page.findChild<QComboBox*>();
  combo->setCurrentIndex(0);
  page.ComboBox1Change();
  EXPECT_EQ(cal.DefaultBoldDays(), dbdNone);
  EXPECT_EQ(cal.MonthBoldDays(), 0u);
  combo->setCurrentIndex(2);
  page.ComboBox1Change();
  EXPECT_EQ(cal.DefaultBoldDays(), dbdSundays);

  ClickRadio(page, "ميلادي");
  EXPECT_TRUE(cal.UseSystemCalendar());
  for (QCheckBox* box : page.findChildren<QCheckBox*>()) box->click();
  EXPECT_TRUE(cal.Options().Contains(mcoWeekNumbers));
  EXPECT_FALSE(cal.Options().Contains(mcoToday));
  EXPECT_EQ(cal.DigitShape(), dgPersian);
}

TEST_F(MonthCalendarPageTest, PersianDigitsSwitchTheCalendarAndTheText) {
  cal.SetDate(Solar(1403, 1, 17));
  page.ZarMonthCalendar1Click();
  auto* digits = page.findChild<QCheckBox*>("CheckBox20");
  ASSERT_NE(digits, nullptr);
  digits->click();
  EXPECT_EQ(cal.DigitShape(), dgPersian);
  EXPECT_NE(Label7().find("۱۷ فروردين ۱۴۰۳"), std::string::npos) << Label7();
  digits->click();
  EXPECT_EQ(cal.DigitShape(), dgLatin);
  EXPECT_NE(Label7().find("17 فروردين 1403"), std::string::npos) << Label7();
}

TEST(CustomDrawPageTest, StripAndCellsShowTheGregorianCalendar) {
  FormatSettings.ShortDateFormat = "yyyy/mm/dd";
  demo::TCustomDrawPage page;
  TZarMonthCalendar& cal = *page.Calendar();
  cal.SetDate(Solar(1403, 1, 15));
  ShowActive(page);
  EXPECT_EQ(page.MonthStrip()->text().toStdString(), "March 2024 / April 2024");
  QTest::mouseClick(cal.RightMonthButton(), Qt::LeftButton);  // right to left: backward
  EXPECT_EQ(page.MonthStrip()->text().toStdString(), "February 2024 / March 2024");
  ClickDay(cal, Solar(1402, 12, 5));
  EXPECT_EQ(page.findChild<QLabel*>("Label8")->text().toStdString(),
            ZarFormatDateTime("dddd، d mmmm yyyy", Solar(1402, 12, 5)) + " - (2024/02/24)");

  // Grey figures in the days of the month only; trailing days stay blank.
  const QImage shot = Snapshot(cal);
  auto greyPixels = [&](TDateTime date) {
    Word col, row;
    cal.IndexToCell(static_cast<Word>(date - cal.FirstCellDate()), col, row);
    const QRect r = cal.CellRect(col, row).ToQRect().translated(cal.ClientOrigin());
    int grey = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        const QColor c(shot.pixel(x, y));
        grey += std::abs(c.red() - c.blue()) < 12 && c.red() > 90 && c.red() < 200;
      }
    return grey;
  };
  EXPECT_GT(greyPixels(Solar(1402, 12, 20)), 0);
  EXPECT_EQ(greyPixels(cal.MonthEnd() + 1), 0);
}

}  // namespace
}  // namespace zar::test
