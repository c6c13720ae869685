// Random sequences of keys, clicks, drags, wheel steps, option changes and
// limit changes never put the date outside the limits, never leave the
// grid without the date, and never raise.

#include <gtest/gtest.h>

#include <QTest>
#include <random>

#include "MonthCalTestSupport.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

class RandomSequenceTest : public CalendarTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  void CheckInvariants(const std::string& step) {
    const TDateTime date = cal->Date();
    ASSERT_TRUE(cal->MinDate() == 0 || date >= cal->MinDate()) << step;
    ASSERT_TRUE(cal->MaxDate() == 0 || date <= cal->MaxDate()) << step;
    ASSERT_GE(date, cal->FirstCellDate()) << step;
    ASSERT_LE(date, cal->LastCellDate()) << step;
    const TMonthCalOptions options = cal->Options();
    if (!options.Contains(mcoMultiSelect) && !options.Contains(mcoRangeSelect)) {
      ASSERT_GE(date, cal->MonthStart()) << step;
      ASSERT_LE(date, cal->MonthEnd()) << step;
    }
    ASSERT_FALSE(options.Contains(mcoMultiSelect) && options.Contains(mcoRangeSelect)) << step;
    ASSERT_GE(cal->MonthStart() - cal->FirstCellDate(), 1) << step;
    ASSERT_LE(cal->MonthEnd() - cal->FirstCellDate(), 37) << step;
    ASSERT_TRUE(errors.empty()) << step << ": " << errors.front();
  }
};

TEST_P(RandomSequenceTest, InvariantsHoldAfterEveryStep) {
  std::mt19937 random(GetParam());
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,
                          Qt::Key_Down,   Qt::Key_Home,     Qt::Key_End,
                          Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space};
  const Qt::KeyboardModifiers mods[] = {
      {}, Qt::ShiftModifier, Qt::ControlModifier, Qt::ShiftModifier | Qt::ControlModifier};
  const TDate base = Solar(1403, 6, 15);
  cal->SetDate(base);
  for (int step = 0; step < 400; ++step) {
    std::string what;
    const auto mod = mods[pick(4)];
    switch (pick(9)) {
      case 0:
      case 1:
        what = "key";
        Key(keys[pick(9)], mod);
        break;
      case 2: {
        what = "click";
        const QPoint p = GridCellCenter(pick(cal->ColCount()), 2 + pick(cal->RowCount() - 2));
        Press(p, mod);
        Release(p, mod);
        break;
      }
      case 3: {
        what = "drag";
        Press(CellCenter(pick(42)), mod);
        for (int i = pick(5); i >= 0; --i) MoveTo(CellCenter(pick(42)));
        Release(CellCenter(pick(42)), mod);
        break;
      }
      case 4:
        what = "wheel";
        Wheel(pick(2) ? 1 : -1, mod);
        break;
      case 5: {
        what = "options";
        TMonthCalOptions options = cal->Options();
        const auto option = static_cast<TMonthCalOption>(pick(14));
        options.Contains(option) ? options.Exclude(option) : options.Include(option);
        cal->SetOptions(options);
        break;
      }
      case 6: {
        what = "limits";
        const TDate limit = pick(4) == 0 ? 0 : base + pick(400) - 200;
        try {
          if (pick(2))
            cal->SetMinDate(limit);
          else
            cal->SetMaxDate(limit);
        } catch (const ECustomCalendarError&) {
          // the other limit refuses it: nothing changed
        }
        break;
      }
      case 7:
        what = "calendar";
        cal->SetUseSystemCalendar(!cal->UseSystemCalendar());
        break;
      default:
        what = "max range";
        cal->SetMaxSelectRange(pick(8));
        break;
    }
    CheckInvariants("step " + std::to_string(step) + " " + what);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequenceTest, ::testing::Range(1u, 17u));

}  // namespace
}  // namespace zar::test
