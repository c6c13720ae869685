// Painting and colours on rendered pixels, the drawing hook, the size rules
// and the colour set.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPalette>
#include <algorithm>
#include <map>

#include "HostControls.h"
#include "MonthCalTestSupport.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

using PaintTest = CalendarTest;

// The pixels of one day cell as shown, and what they are made of.
struct CellPixels {
  QImage image;

  QColor Background() const {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                    return a.second < b.second;
                  })->first);
  }
  // The text's colour: the pixel that differs most from the background.
  QColor Ink() const {
    const QColor back = Background();
    QColor ink = back;
    int best = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c(image.pixel(x, y));
        const int d = std::abs(c.red() - back.red()) + std::abs(c.green() - back.green()) +
                      std::abs(c.blue() - back.blue());
        if (d > best) best = d, ink = c;
      }
    return ink;
  }
  int InkPixels() const {
    const QRgb back = Background().rgb();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != back;
    return n;
  }
};

class ColourTest : public CalendarTest {
 protected:
  CellPixels Cell(TDateTime date) {
    const QImage shot = Snapshot(*cal);
    Word col, row;
    cal->IndexToCell(static_cast<Word>(IndexOf(date)), col, row);
    // Inside the cell, clear of the focus rectangle.
    QRect r =
        cal->CellRect(col, row).ToQRect().translated(cal->ClientOrigin()).adjusted(1, 1, -1, -1);
    return {shot.copy(r)};
  }
  QColor System(TColor c) const { return ColorToQColor(c, cal->palette()); }
  static bool Near(QColor a, QColor b, int tolerance = 60) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <=
           tolerance;
  }
};

TEST_F(ColourTest, CellsTakeTheirColoursFromTheDrawState) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoMultiSelect} -
                  TMonthCalOptions{mcoTodayCircle});
  cal->SetDate(Solar(1403, 1, 20));
  const int plainInk = Cell(Solar(1403, 1, 17)).InkPixels();
  cal->SetDefaultBoldDays(dbdFridays);  // 1403/1/3, 10, 17, ...
  ClickCell(IndexOf(Solar(1403, 1, 12)), Qt::ControlModifier);
  ClickCell(IndexOf(Solar(1403, 2, 2)), Qt::ControlModifier);   // a selected trailing day
  ClickCell(IndexOf(Solar(1403, 1, 20)), Qt::ControlModifier);  // the current day off again
  const QColor white(255, 255, 255);
  const QColor caption = System(clActiveCaption);

  const CellPixels ordinary = Cell(Solar(1403, 1, 5));
  EXPECT_EQ(ordinary.Background(), white);
  EXPECT_TRUE(Near(ordinary.Ink(), System(clWindowText)));

  const CellPixels selected = Cell(Solar(1403, 1, 12));
  EXPECT_EQ(selected.Background(), caption);
  EXPECT_TRUE(Near(selected.Ink(), white)) << selected.Ink().name().toStdString();

  const CellPixels trailing = Cell(Solar(1403, 2, 5));
  EXPECT_EQ(trailing.Background(), white);
  EXPECT_TRUE(Near(trailing.Ink(), System(clInactiveCaptionText)));

  const CellPixels selectedTrailing = Cell(Solar(1403, 2, 2));
  EXPECT_EQ(selectedTrailing.Background(), caption);
  EXPECT_TRUE(Near(selectedTrailing.Ink(), System(clInactiveCaptionText), 120));

  EXPECT_GT(Cell(Solar(1403, 1, 17)).InkPixels(), plainInk);  // bold
  EXPECT_TRUE(Near(Cell(Solar(1403, 1, 17)).Ink(), System(clWindowText)));
  cal->CalColors().SetBoldDaysColor(clRed);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Near(Cell(Solar(1403, 1, 17)).Ink(), QColor(255, 0, 0)));
}

TEST_F(ColourTest, HiddenTrailingDaysStillReachTheDrawingHook) {
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoTrailingDays});
  cal->SetDate(Solar(1403, 1, 10));
  std::map<std::string, TCalendarDrawState> seen;
  cal->OnDrawCalendarCell = [&](TObject*, const TRect&, TDate date, const std::string& text,
                                TCalendarDrawState state) {
    if (date == Solar(1403, 2, 3)) seen[text] = state;
  };
  const CellPixels blank = Cell(Solar(1403, 2, 3));
  EXPECT_EQ(blank.InkPixels(), 0);
  ASSERT_EQ(seen.count("3"), 1u);
  EXPECT_TRUE(seen["3"].Contains(cdTrailing));
}

TEST_F(ColourTest, WithoutDefaultDrawingTheHookDrawsEveryCell) {
  cal->SetDate(Solar(1403, 1, 10));
  cal->SetDefaultDrawing(false);
  int dayCells = 0, dayNames = 0, todayLines = 0;
  cal->OnDrawCalendarCell = [&](TObject*, const TRect&, TDate date, const std::string&,
                                TCalendarDrawState state) {
    if (state.Contains(cdDayName)) {
      ++dayNames;
      EXPECT_GE(date, 1);
      EXPECT_LE(date, 7);
    } else if (state.Contains(cdFixed)) {
      ++todayLines;
      EXPECT_EQ(date, zar::Date());
    } else {
      ++dayCells;
    }
  };
  const CellPixels cell = Cell(Solar(1403, 1, 5));
  EXPECT_EQ(cell.InkPixels(), 0);
  EXPECT_EQ(dayCells, 42);
  EXPECT_EQ(dayNames, 7);
  EXPECT_EQ(todayLines, 1);
}

TEST_F(ColourTest, MonthBackColorRecoloursTheBackground) {
  cal->SetDate(Solar(1403, 1, 10));
  cal->CalColors().SetMonthBackColor(Rgb(255, 255, 200));
  QCoreApplication::processEvents();
  EXPECT_EQ(Cell(Solar(1403, 1, 5)).Background(), QColor(255, 255, 200));
  cal->CalColors().SetTitleBackColor(clGreen);
  EXPECT_EQ(cal->TitlePanel()->Color(), clGreen);
}

TEST_F(ColourTest, TodayIsCircledInBothReadingDirections) {
  for (const bool rightToLeft : {false, true}) {
    Show(rightToLeft);
    cal->CalColors().SetCircleColor(Rgb(0, 0, 255));
    QCoreApplication::processEvents();
    const CellPixels today = Cell(zar::Date());
    int blue = 0;
    for (int y = 0; y < today.image.height(); ++y)
      for (int x = 0; x < today.image.width(); ++x)
        blue += Near(QColor(today.image.pixel(x, y)), QColor(0, 0, 255), 90);
    EXPECT_GT(blue, 10) << (rightToLeft ? "right to left" : "left to right");
  }
}

// ---- Sizing -------------------------------------------------------------------------------------

TEST_F(PaintTest, AutoSizeFitsTheFontAndTheDayNames) {
  const QFontMetrics metrics(cal->font());
  const int k = static_cast<int>((metrics.ascent() + metrics.descent()) * 1.2);
  int widest = 0;
  for (int d = 1; d <= 7; ++d)
    widest =
        std::max(widest, metrics.horizontalAdvance(QString::fromStdString(ZarLongDayNames[d])));
  const int w = static_cast<int>(widest * 1.05);
  EXPECT_EQ(cal->DefaultRowHeight(), k - 1);
  EXPECT_EQ(cal->ClientHeight(), k * 10 - 1);
  EXPECT_EQ(cal->DefaultColWidth(), w - 1);
  EXPECT_EQ(cal->ClientWidth(), w * 7 - 1);
  EXPECT_EQ(cal->TitlePanel()->height(), 2 * k);
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoWeekNumbers});
  EXPECT_EQ(cal->ClientWidth(), w * 8 - 1);
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoWeekNumbers});
  EXPECT_EQ(cal->ClientWidth(), w * 7 - 1);
}

TEST_F(PaintTest, AFontChangeResizesTheCellsAndTheTitle) {
  const int rowHeight = cal->DefaultRowHeight();
  QFont larger = cal->font();
  larger.setPixelSize(20);
  cal->setFont(larger);
  EXPECT_GT(cal->DefaultRowHeight(), rowHeight);
  EXPECT_EQ(cal->TitleLabel()->font().pixelSize(), 20);
  EXPECT_TRUE(cal->TitleLabel()->font().bold());
  EXPECT_EQ(cal->TitlePanel()->height(), 2 * (cal->DefaultRowHeight() + 1));
}

TEST_F(PaintTest, WithoutAutoSizeWholeCellsFitTheGivenSize) {
  cal->SetAutoSize(false);
  cal->SetClientWidth(400);
  cal->SetClientHeight(200);
  QCoreApplication::processEvents();
  EXPECT_EQ(cal->DefaultColWidth(), (400 - 6) / 7);
  EXPECT_EQ(cal->ClientWidth(), 56 * 7 + 6);
  EXPECT_EQ(cal->DefaultRowHeight(), (200 - 9) / 10);
  EXPECT_EQ(cal->ClientHeight(), 19 * 10 + 9);
}

// ---- The colour set
// ---------------------------------------------------------------------------------

TEST_F(PaintTest, ColourSetDefaultsAndAssignment) {
  const TMonthCalendarColors& colors = cal->CalColors();
  // The title text and the grid's background are system colours
  // (clCaptionText, clWindow), so the calendar follows dark and
  // high-contrast palettes.
  const TColor defaults[] = {255,       -16777208, -16777214, -16777207, -16777211,
                             -16777197, 536870911, -16777208, -16777214};
  for (int i = 0; i < TMonthCalendarColors::ColorCount; ++i)
    EXPECT_EQ(colors.Color(i), defaults[i]) << i;

  TTestCalendar other;
  other.CalColors().SetTextColor(clNavy);
  other.CalColors().SetLinesColor(clTeal);
  cal->SetCalColors(other.CalColors());
  EXPECT_EQ(cal->CalColors().TextColor(), clNavy);
  EXPECT_EQ(cal->CalColors().LinesColor(), clTeal);

  try {
    cal->CalColors().Assign(&other);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TZarMonthCalendar to a TMonthCalendarColors");
  }
  try {
    cal->CalColors().Assign(nullptr);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TMonthCalendarColors");
  }
}

}  // namespace
}  // namespace zar::test
