// The date delegate: the texts it shows, the values it writes back, a round
// trip through a real table view, and the Qt signals of the picker and the
// month calendar.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include "DatePicker.h"
#include "GregorianDates.h"
#include "GuiTestEnvironment.h"
#include "MonthCalendar.h"
#include "QtDates.h"
#include "ZarDateDelegate.h"
#include "ZarDateUtils.h"

namespace zar {
namespace {

const QDate Nowruz1403(2024, 3, 20);  // 1403/01/01

TEST(ZarDateDelegateTest, ShowsDatesAsSolarTextAndOtherCellsAsTheyAre) {
  test::App();
  TZarDateDelegate delegate;
  delegate.SetDateTimeFormat("yyyy/mm/dd hh:nn");
  const QLocale locale;
  const struct {
    const char* Name;
    QVariant Value;
    const char* Expected;
  } cases[] = {
      {"date", Nowruz1403, "1403/01/01"},
      {"date-time", QDateTime(Nowruz1403, QTime(13, 45)), "1403/01/01 13:45"},
      {"TDateTime", DateTimeToVariant(EncodeDate(2024, 3, 21) + 0.75), "1403/01/02 18:00"},
      {"text", QStringLiteral("1403/01/01 maybe"), "1403/01/01 maybe"},
      {"number", 45, "45"},
      {"invalid date", QDate(), ""},
      {"TDateTime NaN", DateTimeToVariant(std::nan("")), ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(delegate.displayText(c.Value, locale).toStdString(), c.Expected) << c.Name;
  delegate.SetDateFormat("yyyy-mm-dd");
  EXPECT_EQ(delegate.displayText(Nowruz1403, locale), "1403-01-01");
  delegate.SetUseSystemCalendar(true);
  EXPECT_EQ(delegate.displayText(Nowruz1403, locale), "2024-03-20");
  // A year the solar calendar cannot write is shown as Qt shows it.
  delegate.SetUseSystemCalendar(false);
  EXPECT_FALSE(delegate.displayText(QDate(100, 1, 1), locale).isEmpty());
}

// A day the chosen calendar cannot decode is shown as the base delegate shows
// it, not as the formatter's zeros; the first and last days it can are its own.
TEST(ZarDateDelegateTest, DaysBeyondTheCalendarAreShownAsQtShowsThem) {
  test::App();
  TZarDateDelegate delegate;
  delegate.SetDateFormat("yyyy/mm/dd");
  delegate.SetDateTimeFormat("yyyy/mm/dd hh:nn");
  const QStyledItemDelegate base;
  const QLocale locale;
  const TDateTime solarFirst = ZarEncodeDate(1, 1, 1);
  const struct {
    const char* Name;
    bool System;
    QVariant Value;
    const char* Expected;  // nullptr: as the base delegate shows it
  } cases[] = {
      {"year 100", false, QDate(100, 1, 1), nullptr},
      {"year 100 with a time", false, QDateTime(QDate(100, 1, 1), QTime(12, 30)), nullptr},
      {"the day before solar 1/1/1", false, DateTimeToQDate(solarFirst - 1), nullptr},
      {"TDateTime before solar 1/1/1", false,
       DateTimeToVariant(CombineDateTime(solarFirst - 1, 0.5)), nullptr},
      {"TDateTime beyond solar 65535", false, DateTimeToVariant(3e7), nullptr},
      {"solar 1/1/1", false, DateTimeToQDate(solarFirst), "0001/01/01"},
      {"solar 1/1/1 with a time", false, DateTimeToVariant(CombineDateTime(solarFirst, 0.5)),
       "0001/01/01 12:00"},
      {"year 100, Gregorian", true, QDate(100, 1, 1), "0100/01/01"},
      {"TDateTime beyond 9999, Gregorian", true, DateTimeToVariant(EncodeDate(9999, 12, 31) + 1),
       nullptr},
      {"9999-12-31, Gregorian", true, DateTimeToVariant(EncodeDate(9999, 12, 31)),
       "9999/12/31 00:00"},
  };
  for (const auto& c : cases) {
    delegate.SetUseSystemCalendar(c.System);
    const QString expected =
        c.Expected ? QString::fromUtf8(c.Expected) : base.displayText(c.Value, locale);
    EXPECT_EQ(delegate.displayText(c.Value, locale).toStdString(), expected.toStdString())
        << c.Name;
  }
}

TEST(ZarDateDelegateTest, MergedValuesKeepTheirTypeTheirTimeAndUnchangedValues) {
  const TDateTime newDay = EncodeDate(2025, 1, 2);
  const QDateTime withTime(Nowruz1403, QTime(13, 45, 30, 123), Qt::UTC);
  const TDateTime oldWithTime = QDateTimeToDateTime(withTime);
  const struct {
    const char* Name;
    QVariant Original;
    TDateTime Edited;
    bool DateOnly;
    QVariant Expected;
  } cases[] = {
      {"date", Nowruz1403, newDay, true, QDate(2025, 1, 2)},
      {"date-time, date edited", withTime, newDay, true,
       QDateTime(QDate(2025, 1, 2), QTime(13, 45, 30, 123), Qt::UTC)},
      {"date-time, both edited", withTime, newDay + 0.5, false,
       QDateTime(QDate(2025, 1, 2), QTime(12, 0), Qt::UTC)},
      {"TDateTime, date edited", DateTimeToVariant(oldWithTime), newDay, true,
       DateTimeToVariant(newDay + (oldWithTime - std::trunc(oldWithTime)))},
      {"unchanged date-time", withTime, std::trunc(oldWithTime), true, withTime},
      {"unchanged TDateTime", DateTimeToVariant(oldWithTime), std::trunc(oldWithTime), true,
       DateTimeToVariant(oldWithTime)},
      {"empty date cell", QDate(), newDay, true, QDate(2025, 1, 2)},
      {"not a date", QStringLiteral("x"), newDay, true, QVariant()},
  };
  for (const auto& c : cases) {
    const QVariant merged = TZarDateDelegate::MergeValue(c.Original, c.Edited, c.DateOnly);
    EXPECT_EQ(merged.metaType(), c.Expected.metaType()) << c.Name;
    if (c.Expected.metaType() == QMetaType::fromType<TDateTimeValue>()) {
      EXPECT_NEAR(merged.value<TDateTimeValue>().Value, c.Expected.value<TDateTimeValue>().Value,
                  0.5 / MSecsPerDay)
          << c.Name;
    } else {
      EXPECT_EQ(merged, c.Expected) << c.Name;
    }
  }
  // Unchanged means bit for bit the same value, time zone setting included.
  const QDateTime local(Nowruz1403, QTime(1, 2, 3, 4), Qt::LocalTime);
  EXPECT_EQ(TZarDateDelegate::MergeValue(local, std::trunc(QDateTimeToDateTime(local)), true)
                .toDateTime()
                .timeSpec(),
            Qt::LocalTime);
}

class DelegateViewTest : public ::testing::Test {
 protected:
  DelegateViewTest() {
    Model.setItem(0, 0, new QStandardItem);
    Model.setData(Model.index(0, 0), Nowruz1403);
    Model.setData(Model.index(0, 1), QDateTime(Nowruz1403, QTime(9, 15, 7, 250), Qt::UTC));
    Model.setData(Model.index(0, 2), DateTimeToVariant(EncodeDate(2024, 3, 20) + 0.25));
    Model.setData(Model.index(0, 3), QStringLiteral("note"));
    View.setModel(&Model);
    View.setItemDelegate(&Delegate);
    View.resize(600, 200);
    test::ShowActive(View);
  }

  // Opens the cell's editor; null when it is not a picker.
  TCustomZarDatePicker* OpenPicker(int column) {
    View.setCurrentIndex(Model.index(0, column));
    View.edit(Model.index(0, column));
    QCoreApplication::processEvents();
    return qobject_cast<TCustomZarDatePicker*>(QApplication::focusWidget());
  }
  void Commit() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
  }

  QStandardItemModel Model{1, 4};
  QTableView View;
  TZarDateDelegate Delegate;
};

TEST_F(DelegateViewTest, ThePickerEditsTheDateAndTheCellKeepsItsTypeAndTime) {
  TCustomZarDatePicker* picker = OpenPicker(1);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->Kind(), dtkDate);
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 20));
  picker->SetDate(EncodeDate(2024, 4, 2));
  Commit();
  EXPECT_EQ(Model.data(Model.index(0, 1)),
            QVariant(QDateTime(QDate(2024, 4, 2), QTime(9, 15, 7, 250), Qt::UTC)));
  // Typed keys reach the picker: Up steps the focused segment.
  picker = OpenPicker(0);
  ASSERT_NE(picker, nullptr);
  QTest::keyClick(picker, Qt::Key_Up);
  Commit();
  const QDate stepped = Model.data(Model.index(0, 0)).toDate();
  EXPECT_NE(stepped, Nowruz1403);
  EXPECT_LE(std::abs(stepped.daysTo(Nowruz1403)), 366);
}

TEST_F(DelegateViewTest, AnUnchangedEditorWritesBackTheIdenticalValue) {
  for (int column : {0, 1, 2}) {
    const QVariant before = Model.data(Model.index(0, column));
    ASSERT_NE(OpenPicker(column), nullptr) << column;
    Commit();
    const QVariant after = Model.data(Model.index(0, column));
    EXPECT_EQ(after.metaType(), before.metaType()) << column;
    if (column == 2)
      EXPECT_EQ(after.value<TDateTimeValue>(), before.value<TDateTimeValue>());
    else
      EXPECT_EQ(after, before) << column;
  }
}

TEST_F(DelegateViewTest, DateAndTimeEditingReachesTheTime) {
  Delegate.SetEditTime(true);
  TCustomZarDatePicker* picker = OpenPicker(2);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->Kind(), dtkDateTime);
  picker->SetDateTime(EncodeDate(2024, 3, 20) + 0.5);
  Commit();
  EXPECT_DOUBLE_EQ(Model.data(Model.index(0, 2)).value<TDateTimeValue>().Value,
                   EncodeDate(2024, 3, 20) + 0.5);
  EXPECT_EQ(OpenPicker(0)->Kind(), dtkDate);  // a plain date has no time to edit
}

TEST_F(DelegateViewTest, OtherCellsGetTheUsualEditor) {
  EXPECT_EQ(OpenPicker(3), nullptr);
  EXPECT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
}

TEST(DateSignalsTest, ThePickerAndTheCalendarSignalTheirDates) {
  test::App();
  TZarDatePicker picker;
  int changes = 0;
  picker.OnChange = [&](TObject*) { ++changes; };
  QSignalSpy date(&picker, &TCustomZarDatePicker::dateChanged);
  QSignalSpy dateTime(&picker, &TCustomZarDatePicker::dateTimeChanged);
  picker.SetKind(dtkDateTime);
  picker.SetDateTime(EncodeDate(2024, 3, 20) + 0.5);
  ASSERT_GE(date.count(), 1);
  EXPECT_EQ(date.last().at(0).toDate(), Nowruz1403);
  EXPECT_EQ(dateTime.last().at(0).toDateTime(), QDateTime(Nowruz1403, QTime(12, 0)));
  // The signals come exactly where OnChange does.
  EXPECT_EQ(date.count(), changes);
  EXPECT_EQ(dateTime.count(), changes);

  TZarMonthCalendar calendar;
  calendar.SetDate(EncodeDate(2024, 3, 20));
  test::ShowActive(calendar);
  calendar.setFocus();
  QSignalSpy clicked(&calendar, &TCustomZarMonthCalendar::clicked);
  QTest::keyClick(&calendar, Qt::Key_Down);  // a week on
  ASSERT_EQ(clicked.count(), 1);
  EXPECT_EQ(clicked.last().at(0).toDate(), QDate(2024, 3, 27));
}

}  // namespace
}  // namespace zar
