// Random key, wheel, mouse and focus sequences on pickers of random kinds,
// calendars and limits. After every event the parts are in their ranges,
// a committed value lies within the limits, and OnChange has fired exactly
// when the committed value (or the null state) changed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <random>
#include <tuple>

#include "GregorianDates.h"
#include "PickerTestSupport.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

// The value as the application sees it: the committed parts (those from
// before a pending entry), calendar-neutral, and the null state.
using Committed = std::tuple<TDateTime, Word, Word, Word, Word, bool>;

class PickerRandomTest : public PickerTest {
 protected:
  Committed Snapshot() const {
    const TPickerState s = picker->Editing ? picker->PreEditState : picker->GetState();
    const TDate day = picker->UseSystemCalendar() ? EncodeDate(s.Year, s.Month, s.Day)
                                                  : ZarEncodeDate(s.Year, s.Month, s.Day);
    return {day, s.Hour, s.Minute, s.Second, s.MSec, picker->IsNull()};
  }

  void Configure(std::mt19937& random) {
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    picker->SetMaxDate(0);
    picker->SetMinDate(0);
    picker->SetMaxTime(0);
    picker->SetMinTime(0);
    picker->SetMaxDateTime(0);
    picker->SetMinDateTime(0);
    picker->SetIsNull(false);
    picker->SetKind(static_cast<TZarDateTimeKind>(random() % 3));
    picker->SetAutoMoveDirection(chance(50) ? amdYMD : amdDMY);
    picker->SetAutoMove(chance(80));
    picker->SetIntelliYearDigits(chance(70));
    picker->SetShowSecond(chance(50));
    picker->SetUse12HourClock(chance(50));
    picker->SetAllowNull(chance(50));
    picker->SetUseSystemCalendar(chance(30));
    // Nested limits: the date-time pair spans exactly the date pair's days
    // at the time pair's bounds, so that every pair can hold at once.
    if (chance(60)) {
      const TDate first = Solar(1403, 1, 1) + static_cast<int>(random() % 400);
      const TDate last = first + static_cast<int>(random() % 60);
      const TTime early = chance(50) ? EncodeTime(static_cast<Word>(random() % 12), 30, 0, 0) : 0;
      const TTime late = EncodeTime(static_cast<Word>(12 + random() % 12), 15, 0, 0);
      picker->SetDate(first);
      picker->SetTime(late);
      picker->SetMinDate(first);
      picker->SetMaxDate(last);
      picker->SetMinTime(early);
      picker->SetMaxTime(late);
      picker->SetMinDateTime(first + early);
      picker->SetMaxDateTime(last + late);
    }
  }

  // The last event, for the failure messages.
  std::string event;

  void RandomEvent(std::mt19937& random) {
    static const char* const keys[] = {"Up",      "Down",   "Left",    "Right",  "Home",
                                       "End",     "PgUp",   "PgDn",    "C-Home", "C-End",
                                       "C-PgUp",  "C-PgDn", "Add",     "Sub",    "Del",
                                       "C-Space", "Mul",    "S-Space", "C-C",    "S-Up"};
    const int kind = static_cast<int>(random() % 100);
    if (kind < 55) {
      const char32_t base = kind % 5 == 0 ? 0x06F0 : kind % 7 == 0 ? 0x0660 : U'0';
      const char32_t c = base + random() % 10;
      event = "char " + std::to_string(static_cast<unsigned>(c));
      TypeChar(c);
    } else if (kind < 85) {
      event = keys[random() % std::size(keys)];
      Keys(event);
    } else if (kind < 91) {
      const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                 Qt::ControlModifier};
      const int notches = random() % 2 ? 1 : -1;
      const Qt::KeyboardModifiers m = modifiers[random() % 3];
      event = "wheel " + std::to_string(notches) + " " + std::to_string(m.toInt());
      Wheel(notches, m);
    } else if (kind < 96) {
      const Qt::MouseButton button = random() % 4 ? Qt::LeftButton : Qt::MiddleButton;
      const int x = static_cast<int>(random() % picker->ClientWidth());
      event = "click " + std::to_string(button) + " at " + std::to_string(x);
      ClickClient(button, x, TextMiddle());
    } else {
      event = "focus away and back";
      FocusAway();
      FocusBack();
    }
  }

  void CheckInvariants(const std::string& where) {
    SCOPED_TRACE(where);
    const TTestPicker& p = *picker;
    ASSERT_GE(p.Month, 1);
    ASSERT_LE(p.Month, 12);
    ASSERT_GE(p.Day, 1);
    ASSERT_LE(p.Day, 31);
    ASSERT_LE(p.Hour, 23);
    ASSERT_LE(p.Minute, 59);
    ASSERT_LE(p.Second, 59);
    ASSERT_LE(p.MSec, 999);
    ASSERT_TRUE(p.VisibleSegments().Contains(p.CurrentSegment));
    if (p.Editing) return;
    ASSERT_GE(p.Year, p.CalMinYear());
    ASSERT_LE(p.Year, 9999);
    ASSERT_LE(p.Day, p.CalDaysInMonth(p.Year, p.Month));
    auto within = [](TDateTime v, TDateTime lo, TDateTime hi) {
      return (lo == 0 || v >= lo) && (hi == 0 || v <= hi);
    };
    ASSERT_TRUE(within(p.Date(), p.MinDate(), p.MaxDate()));
    ASSERT_TRUE(within(p.Time(), p.MinTime(), p.MaxTime()));
    ASSERT_TRUE(within(p.DateTime(), p.MinDateTime(), p.MaxDateTime()));
  }
};

TEST_F(PickerRandomTest, NoSequenceBreaksTheInvariants) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 random(seed);
    FocusAway();
    Configure(random);
    FocusBack();
    Committed notified = Snapshot();
    int changesSeen = 0;
    // A commit that ends the null state reports that, and then the committed
    // entry once more: the only OnChange allowed to repeat the value.
    bool endedNull = false;
    picker->OnChange = [&](TObject*) {
      ++changesSeen;
      const Committed now = Snapshot();
      const bool repeated = now == notified;
      EXPECT_TRUE(!repeated || endedNull)
          << "OnChange without a change, seed " << seed << ", " << event;
      endedNull = !repeated && std::get<5>(notified) && !std::get<5>(now);
      notified = now;
    };
    for (int step = 0; step < 250; ++step) {
      endedNull = false;
      RandomEvent(random);
      const std::string where =
          "seed " + std::to_string(seed) + " step " + std::to_string(step) + ", " + event;
      ASSERT_NO_FATAL_FAILURE(CheckInvariants(where));
      ASSERT_EQ(Snapshot(), notified) << "a change without OnChange, " << where;
    }
    EXPECT_GT(changesSeen, 0) << seed;
    picker->OnChange = nullptr;
  }
}

}  // namespace
}  // namespace zar::test
