// The month calendar's digit shape: day and week numbers, the title's year,
// the year editor and the today row, in both calendars; the caption's hot
// areas measured on the shaped year; and the digits as painted.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

#include "HostControls.h"
#include "MonthCalTestSupport.h"
#include "YearEdit.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

using DigitsTest = CalendarTest;

QPoint Inside(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

std::string CellText(TCustomZarMonthCalendar& cal, int col, int row) {
  TCalendarDrawState state;
  std::string text;
  TDateTime date = 0;
  cal.GetCellInfo(col, row, state, text, date);
  return text;
}

TEST_F(DigitsTest, EveryNumberTakesTheShapeInBothCalendars) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoWeekNumbers, mcoToday});
  const struct {
    TDigitShape shape;
    bool gregorian;
    const char* day;  // of 1403/1/17, 2024/4/5
    const char* year;
  } cases[] = {
      {dgLatin, false, "17", "1403"},  {dgPersian, false, "۱۷", "۱۴۰۳"},
      {dgArabic, false, "١٧", "١٤٠٣"}, {dgPersian, true, "۵", "۲۰۲۴"},
      {dgArabic, true, "٥", "٢٠٢٤"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    cal->SetUseSystemCalendar(c.gregorian);
    cal->SetDigitShape(c.shape);
    EXPECT_EQ(cal->DigitShape(), c.shape);
    const TDate day = c.gregorian ? Greg(2024, 4, 5) : Solar(1403, 1, 17);
    cal->SetDate(day);
    Word col, row;
    cal->IndexToCell(static_cast<Word>(IndexOf(day)), col, row);
    EXPECT_EQ(CellText(*cal, col, row), c.day);
    // The caption ends (or, in Latin letters, ends too) with the year.
    const std::string caption = cal->TitleLabel()->Caption();
    EXPECT_EQ(caption.substr(caption.size() - std::string(c.year).size()), c.year);
    // Week numbers and the today row are shaped as the cells are.
    const std::string week = CellText(*cal, 0, cal->FixedRows());
    EXPECT_EQ(week, ShapeDigits(week, c.shape));
    EXPECT_EQ(
        ShapeDigits(week, dgLatin),
        std::to_string(static_cast<int>(c.gregorian ? WeekOfTheYear(cal->FirstCellDate() + 3)
                                                    : ZarDateToWeekNo(cal->FirstCellDate() + 3))));
    const std::string today = CellText(*cal, cal->FixedCols(), cal->RowCount() - 1);
    EXPECT_EQ(today, "امروز: " + ShapeDigits(c.gregorian ? DateToStr(zar::Date())
                                                         : ZarDateToStr(zar::Date()),
                                             c.shape));
  }
}

TEST_F(DigitsTest, TheDrawingHookReceivesTheShapedText) {
  cal->SetDate(Solar(1403, 1, 17));
  cal->SetDigitShape(dgPersian);
  std::string seen;
  cal->OnDrawCalendarCell = [&](TObject*, const TRect&, TDate date, const std::string& text,
                                TCalendarDrawState) {
    if (date == Solar(1403, 1, 17)) seen = text;
  };
  Snapshot(*cal);
  EXPECT_EQ(seen, "۱۷");
}

// With a font whose Persian digits are wider than its Latin ones, the
// year's hot area is as wide as the year shown, the month's keeps clear of
// it, and a press on the year opens the editor showing the same digits.
TEST_F(DigitsTest, TheCaptionsHotAreasFitTheShapedYear) {
  QFont font("Homa");
  font.setPixelSize(16);
  cal->setFont(font);
  cal->SetDate(Solar(1403, 5, 5));
  const QFontMetrics metrics(cal->TitleLabel()->font());
  ASSERT_GT(metrics.horizontalAdvance("۱۴۰۳"), metrics.horizontalAdvance("1403"));
  for (const TDigitShape shape : {dgPersian, dgLatin, dgArabic}) {
    SCOPED_TRACE(static_cast<int>(shape));
    cal->SetDigitShape(shape);
    const QString year = QString::fromStdString(ShapeDigits("1403", shape));
    const TRect y = cal->YearTextRect();
    const TRect m = cal->MonthTextRect();
    EXPECT_EQ(y.Right - y.Left, metrics.horizontalAdvance(year));
    EXPECT_LT(y.Right, m.Left);  // right to left: the year lies left of the month
    EXPECT_LE(std::abs(y.Left - (cal->TitleLabel()->width() - m.Right)), 1);

    QTest::mouseClick(cal->TitleLabel(), Qt::LeftButton, {}, Inside(y));
    ASSERT_TRUE(cal->YearEdit()->isVisible());
    EXPECT_EQ(cal->YearEdit()->text(), year);
    QTest::keyClick(cal->YearEdit(), Qt::Key_Up);
    EXPECT_EQ(cal->YearEdit()->text().toStdString(), ShapeDigits("1404", shape));
    QTest::keyClick(cal->YearEdit(), Qt::Key_Return);
    EXPECT_EQ(cal->Date(), Solar(1404, 5, 5));
    cal->SetDate(Solar(1403, 5, 5));
  }
}

TEST_F(DigitsTest, PaintedDigitsFollowTheShapeAndComeBack) {
  cal->SetDate(Solar(1403, 1, 17));
  Word col, row;
  cal->IndexToCell(static_cast<Word>(IndexOf(Solar(1403, 1, 28))), col, row);
  const QRect cell = cal->CellRect(col, row).ToQRect().translated(cal->ClientOrigin());
  const QImage latin = Snapshot(*cal);
  cal->SetDigitShape(dgPersian);
  const QImage persian = Snapshot(*cal);
  cal->SetDigitShape(dgLatin);
  EXPECT_NE(latin.copy(cell), persian.copy(cell));
  EXPECT_EQ(Snapshot(*cal), latin);
}

}  // namespace
}  // namespace zar::test
