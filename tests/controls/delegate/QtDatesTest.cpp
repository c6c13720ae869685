// Conversions between TDateTime and Qt's date types.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GregorianDates.h"
#include "QtDates.h"

namespace zar {
namespace {

TEST(QtDatesTest, DatesConvertBothWaysAcrossTheRange) {
  const struct {
    Word Y, M, D;
  } dates[] = {{1, 1, 1},    {1582, 10, 15}, {1899, 12, 29}, {1899, 12, 30},
               {1900, 3, 1}, {2024, 2, 29},  {9999, 12, 31}};
  for (const auto& d : dates) {
    const TDateTime value = EncodeDate(d.Y, d.M, d.D);
    EXPECT_EQ(DateTimeToQDate(value), QDate(d.Y, d.M, d.D)) << d.Y;
    EXPECT_EQ(QDateToDateTime(QDate(d.Y, d.M, d.D)), value) << d.Y;
  }
}

TEST(QtDatesTest, TimesOfDayKeepTheirMillisecondsOnBothSidesOfDayZero) {
  const struct {
    QDate Date;
    QTime Time;
  } cases[] = {{{2024, 3, 20}, {13, 45, 30, 123}},
               {{1899, 12, 30}, {6, 0}},
               {{1899, 12, 29}, {18, 0}},  // a negative serial carries its time with the sign
               {{1, 1, 1}, {23, 59, 59, 999}}};
  for (const auto& c : cases) {
    const QDateTime original(c.Date, c.Time, Qt::UTC);
    const TDateTime value = QDateTimeToDateTime(original);
    EXPECT_EQ(DateTimeToQDate(value), c.Date);
    EXPECT_EQ(DateTimeToQDateTime(value, Qt::UTC), original) << c.Date.toString().toStdString();
  }
  EXPECT_DOUBLE_EQ(QDateTimeToDateTime(QDateTime({1899, 12, 29}, {18, 0}, Qt::UTC)), -1.75);
}

TEST(QtDatesTest, ValuesOutsideTheRangeAreRefused) {
  const TDateTime bad[] = {std::nan(""), std::numeric_limits<double>::infinity(), -700000.0,
                           3000000.0};
  for (const TDateTime value : bad) {
    EXPECT_FALSE(DateTimeToQDate(value).isValid()) << value;
    EXPECT_FALSE(DateTimeToQDateTime(value).isValid()) << value;
  }
  TDateTime untouched = 5;
  EXPECT_FALSE(TryQDateToDateTime(QDate(), untouched));
  EXPECT_FALSE(TryQDateToDateTime(QDate(10000, 1, 1), untouched));
  EXPECT_FALSE(TryQDateToDateTime(QDate(-5, 1, 1), untouched));
  EXPECT_FALSE(TryQDateTimeToDateTime(QDateTime(), untouched));
  EXPECT_EQ(untouched, 5);
  EXPECT_THROW(QDateToDateTime(QDate()), EConvertError);
}

TEST(QtDatesTest, VariantsHoldDateTimesApartFromNumbers) {
  TDateTime value = 0;
  ASSERT_TRUE(TryVariantToDateTime(DateTimeToVariant(45371.5), value));
  EXPECT_EQ(value, 45371.5);
  ASSERT_TRUE(TryVariantToDateTime(QVariant(QDate(2024, 3, 20)), value));
  EXPECT_EQ(value, EncodeDate(2024, 3, 20));
  EXPECT_FALSE(TryVariantToDateTime(QVariant(45371.5), value));
  EXPECT_FALSE(TryVariantToDateTime(QVariant(QStringLiteral("2024-03-20")), value));
  EXPECT_FALSE(TryVariantToDateTime(DateTimeToVariant(std::nan("")), value));
  EXPECT_FALSE(TryVariantToDateTime(QVariant(), value));
}

}  // namespace
}  // namespace zar
