// The picker's value model: parts, limits and their messages, the null
// state, the calendar switch, the clipboard and when OnChange fires.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "GregorianDates.h"
#include "PickerTestSupport.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

std::string RaisedMessage(const std::function<void()>& action) {
  try {
    action();
  } catch (const EZarDateTimeError& e) {
    return e.Message();
  }
  return "(nothing raised)";
}

TEST(PickerConstructionTest, ANewPickerHoldsNowInTheSolarCalendar) {
  const TDate before = zar::Date();
  TTestPicker picker;
  const TDate after = zar::Date();
  Word y = 0, m = 0, d = 0;
  ZarDecodeDate(picker.Date(), y, m, d);
  EXPECT_EQ((std::array{picker.Year, picker.Month, picker.Day}), (std::array{y, m, d}));
  EXPECT_TRUE(picker.Date() == before || picker.Date() == after);
  // Seconds are dropped while ShowSecond is False, milliseconds always.
  const double seconds = picker.Time() * SecsPerDay;
  EXPECT_NEAR(std::fmod(std::round(seconds), 60.0), 0.0, 1e-9);
  EXPECT_EQ(picker.CurrentSegment, dsDay);
  EXPECT_EQ(picker.VisibleSegments(), (TDatePickerSegments{dsYear, dsMonth, dsDay}));
  EXPECT_EQ(picker.width(), 121);
  EXPECT_TRUE(picker.TabStop());
  EXPECT_TRUE(picker.UseCurrentDate());
  EXPECT_EQ(picker.PreEditState, picker.GetState());
}

TEST_F(PickerTest, SettingTheSameDateFiresNothing) {
  SetValue(1403, 5, 10);
  picker->SetDate(Solar(1403, 5, 10) + 0.75);  // the time part is dropped
  EXPECT_EQ(changes, 0);
  picker->SetDate(Solar(1403, 5, 11));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picker->Day, 11);
  EXPECT_FALSE(picker->UseCurrentDate());
}

TEST_F(PickerTest, OnlyTheChangedSegmentsAreRepainted) {
  SetValue(1403, 5, 10, 10, 20, 30);
  picker->SetDate(Solar(1403, 5, 12));
  EXPECT_EQ(picker->Repainted, (std::vector<int>{dsDay}));
  picker->Repainted.clear();
  picker->SetTime(EncodeTime(14, 20, 30, 0));
  EXPECT_EQ(picker->Repainted, (std::vector<int>{dsHour, 7}));  // the hour and the PM word
}

TEST_F(PickerTest, SettingDateTimeFiresOncePerPartThatChanged) {
  SetValue(1403, 5, 10, 10, 20, 0);
  picker->SetDateTime(Solar(1403, 5, 11) + EncodeTime(11, 0, 0, 0));
  EXPECT_EQ(changes, 2);
  EXPECT_DOUBLE_EQ(picker->DateTime(), Solar(1403, 5, 11) + EncodeTime(11, 0, 0, 0));
}

TEST_F(PickerTest, LimitSettersRefuseInconsistentLimitsWithTheirMessages) {
  picker->SetMinDate(Solar(1403, 1, 10));
  EXPECT_EQ(RaisedMessage([&] { picker->SetMaxDate(Solar(1403, 1, 9)); }),
            "1403/01/09 is less than minimum of 1403/01/10");
  EXPECT_EQ(picker->MaxDate(), 0);
  picker->SetMaxDate(Solar(1403, 2, 1));
  EXPECT_EQ(RaisedMessage([&] { picker->SetMinDate(Solar(1403, 2, 2)); }),
            "1403/02/02 exceeds maximum of 1403/02/01");
  picker->SetMaxDate(0);  // removing a limit always works
  EXPECT_EQ(picker->MaxDate(), 0);

  picker->SetMinTime(EncodeTime(8, 0, 0, 0));
  EXPECT_EQ(RaisedMessage([&] { picker->SetMaxTime(EncodeTime(7, 30, 0, 0)); }),
            "07:30:00 is less than minimum of 08:00:00");
}

TEST_F(PickerTest, DateOutsideItsLimitsRaisesAndKeepsTheValue) {
  SetValue(1403, 5, 10);
  picker->SetMinDate(Solar(1403, 5, 1));
  picker->SetMaxDate(Solar(1403, 5, 31));
  changes = 0;
  EXPECT_EQ(RaisedMessage([&] { picker->SetDate(Solar(1403, 4, 30)); }),
            "1403/04/30 is less than minimum of 1403/05/01");
  EXPECT_EQ(RaisedMessage([&] { picker->SetDate(Solar(1403, 6, 1)); }),
            "1403/06/01 exceeds maximum of 1403/05/31");
  EXPECT_EQ(picker->Date(), Solar(1403, 5, 10));
  EXPECT_EQ(changes, 0);
}

TEST_F(PickerTest, GregorianPickerShowsTheValueGregorianAndTheLimitSolar) {
  SetValue(1403, 1, 10);
  picker->SetMinDate(Solar(1403, 1, 1));
  picker->SetUseSystemCalendar(true);
  EXPECT_EQ(RaisedMessage([&] { picker->SetDate(EncodeDate(2024, 3, 19)); }),
            "2024/03/19 is less than minimum of 1403/01/01");
}

TEST_F(PickerTest, ANewMinimumAboveTheValueClampsItAndFiresOnce) {
  SetValue(1403, 5, 10);
  picker->SetMinDate(Solar(1403, 6, 1));
  EXPECT_EQ(picker->Date(), Solar(1403, 6, 1));
  EXPECT_EQ(changes, 1);
  picker->SetMinDate(Solar(1403, 5, 1));  // lowering it moves nothing
  EXPECT_EQ(changes, 1);
}

TEST_F(PickerTest, DateAloneIgnoresTheDateTimeLimits) {
  SetValue(1403, 5, 10, 9, 0, 0);
  picker->SetMinDateTime(Solar(1403, 5, 10) + EncodeTime(8, 0, 0, 0));
  picker->SetDate(Solar(1403, 5, 9));  // 1403/05/09 09:00 is below MinDateTime
  EXPECT_EQ(picker->Date(), Solar(1403, 5, 9));
  EXPECT_THROW(picker->SetDateTime(Solar(1403, 5, 9) + 0.5), EZarDateTimeError);
}

TEST_F(PickerTest, ADayNoSegmentCanShowIsRefusedBeforeAnythingChanges) {
  SetValue(1403, 5, 10);
  EXPECT_THROW(picker->SetDate(-700000), EConvertError);  // before the solar epoch
  EXPECT_THROW(picker->SetMaxDate(-700000), EConvertError);
  EXPECT_EQ(picker->Date(), Solar(1403, 5, 10));
  EXPECT_EQ(picker->MaxDate(), 0);
  EXPECT_EQ(changes, 0);
}

TEST_F(PickerTest, SwitchingTheCalendarReexpressesTheSameDay) {
  SetValue(1403, 1, 1);
  picker->SetUseSystemCalendar(true);
  EXPECT_EQ(picker->Date(), Solar(1403, 1, 1));
  EXPECT_EQ((std::array{picker->Year, picker->Month, picker->Day}),
            (std::array<Word, 3>{2024, 3, 20}));
  picker->SetUseSystemCalendar(false);
  EXPECT_EQ((std::array{picker->Year, picker->Month, picker->Day}),
            (std::array<Word, 3>{1403, 1, 1}));
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(switches, 0);  // only the user's gestures report a switch
}

TEST_F(PickerTest, ASolarDayBeyondTheGregorianYearsMovesToTheLastGregorianDay) {
  picker->SetDate(Solar(9999, 12, 29));
  changes = 0;
  picker->SetUseSystemCalendar(true);
  EXPECT_EQ(picker->Date(), EncodeDate(9999, 12, 31));
  EXPECT_EQ((std::array{picker->Year, picker->Month, picker->Day}),
            (std::array<Word, 3>{9999, 12, 31}));
  EXPECT_EQ(changes, 1);
}

TEST_F(PickerTest, NullStateIsClearedOnlyByARealChange) {
  SetValue(1403, 5, 10);
  picker->SetIsNull(true);
  EXPECT_FALSE(picker->AllowNull());  // run time: AllowNull stays as it was
  picker->SetDate(Solar(1403, 5, 10));
  EXPECT_TRUE(picker->IsNull());
  EXPECT_EQ(changes, 0);
  picker->SetDate(Solar(1403, 5, 11));
  EXPECT_FALSE(picker->IsNull());
  EXPECT_EQ(changes, 1);  // once, although the value also changed
}

TEST_F(PickerTest, KindAndOptionsDeriveTheVisibleSegments) {
  struct Case {
    TZarDateTimeKind kind;
    bool showSecond, use12;
    TDatePickerSegments expected;
  };
  const Case cases[] = {
      {dtkDate, true, true, {dsYear, dsMonth, dsDay}},
      {dtkTime, false, false, {dsHour, dsMinute}},
      {dtkTime, true, true, {dsHour, dsMinute, dsSecond, dsAmPm}},
      {dtkDateTime, false, true, {dsYear, dsMonth, dsDay, dsHour, dsMinute, dsAmPm}},
      {dtkDateTime, true, false, {dsYear, dsMonth, dsDay, dsHour, dsMinute, dsSecond}},
  };
  for (const Case& c : cases) {
    TTestPicker p;
    p.SetShowSecond(c.showSecond);
    p.SetUse12HourClock(c.use12);
    p.SetKind(c.kind);
    EXPECT_EQ(p.VisibleSegments(), c.expected) << int(c.kind) << c.showSecond << c.use12;
    EXPECT_EQ(p.CurrentSegment, c.kind == dtkTime ? dsHour : dsDay);
  }
}

TEST_F(PickerTest, HidingTheCaretSegmentMovesTheCaretToAVisibleOne) {
  picker->SetKind(dtkTime);
  picker->SetShowSecond(true);
  Keys("Right Right");
  ASSERT_EQ(picker->CurrentSegment, dsSecond);
  picker->SetShowSecond(false);
  EXPECT_EQ(picker->CurrentSegment, dsMinute);
}

TEST_F(PickerTest, UseCurrentDateBringsBackToday) {
  SetValue(1400, 1, 1);
  ASSERT_FALSE(picker->UseCurrentDate());
  picker->SetUseCurrentDate(true);
  EXPECT_EQ(picker->Date(), zar::Date());
  EXPECT_TRUE(picker->UseCurrentDate());
  EXPECT_EQ(changes, 1);
}

// ---- Clipboard ---------------------------------------------------------------

class PickerClipboardTest : public PickerTest {
 protected:
  static void Put(const QString& text) { QGuiApplication::clipboard()->setText(text); }
  static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(PickerClipboardTest, CopyWritesTheShortDateOfTheActiveCalendar) {
  SetValue(1403, 1, 1);
  picker->SetKind(dtkDateTime);
  Keys("C-C");
  EXPECT_EQ(Clipboard(), "1403/01/01");
  picker->SetUseSystemCalendar(true);
  picker->CopyToClipboard();
  EXPECT_EQ(Clipboard(), "2024/03/20");
}

TEST_F(PickerClipboardTest, PasteSetsTheDateAndPastingTheSameDateClearsNull) {
  SetValue(1403, 1, 1);
  picker->SetAllowNull(true);
  Put("1403/02/15");
  Keys("C-V");
  EXPECT_EQ(picker->Date(), Solar(1403, 2, 15));
  EXPECT_EQ(changes, 1);
  picker->SetIsNull(true);
  Keys("C-V");
  EXPECT_FALSE(picker->IsNull());
  EXPECT_EQ(changes, 2);
}

TEST_F(PickerClipboardTest, BadPastedTextChangesNothing) {
  picker->SetMaxDate(Solar(1403, 12, 29));
  picker->SetDate(Solar(1403, 1, 1));
  picker->SetUseCurrentDate(false);
  changes = 0;
  const QString texts[] = {"",
                           "not a date",
                           "1403/13/01",
                           "1404/01/01",
                           "0/0/0",
                           QString(3'000'000, QChar('7')),
                           QString("1403/01/02").repeated(200'000)};
  for (const QString& text : texts) {
    Put(text);
    EXPECT_NO_THROW(picker->PasteFromClipboard());
    EXPECT_EQ(picker->Date(), Solar(1403, 1, 1)) << text.left(20).toStdString();
  }
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(picker->UseCurrentDate());
}

TEST_F(PickerClipboardTest, CutCopiesAndMakesANullablePickerNull) {
  SetValue(1403, 1, 1);
  Keys("C-X");  // AllowNull off: a copy only
  EXPECT_EQ(Clipboard(), "1403/01/01");
  EXPECT_FALSE(picker->IsNull());
  picker->SetAllowNull(true);
  Put("");
  Keys("C-X");
  EXPECT_EQ(Clipboard(), "1403/01/01");
  EXPECT_TRUE(picker->IsNull());
  EXPECT_EQ(changes, 1);
  picker->SetReadOnly(true);
  Keys("C-X C-V");
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace zar::test
