#include "QtDates.h"

#include <cmath>

#include "Exceptions.h"

namespace zar {

namespace {

// Julian day of 1899-12-30, day 0 of TDateTime.
constexpr qint64 JulianDayOfZero = 2415019;

constexpr char SInvalidQtDate[] = "Invalid date";

bool InYearRange(const QDate& date) noexcept {
  return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

}  // namespace

QDate DateTimeToQDate(TDateTime Value) noexcept {
  std::int64_t day = 0;
  Integer ms = 0;
  if (!SplitDateTime(Value, day, ms)) return {};
  // A negative value with a time of day still names its day by truncation.
  const QDate date = QDate::fromJulianDay(JulianDayOfZero + day);
  return InYearRange(date) ? date : QDate();
}

QDateTime DateTimeToQDateTime(TDateTime Value, Qt::TimeSpec Zone) noexcept {
  std::int64_t day = 0;
  Integer ms = 0;
  if (!SplitDateTime(Value, day, ms)) return {};
  const QDate date = QDate::fromJulianDay(JulianDayOfZero + day);
  if (!InYearRange(date)) return {};
  return QDateTime(date, QTime::fromMSecsSinceStartOfDay(ms), Zone);
}

bool TryQDateToDateTime(const QDate& Date, TDateTime& Value) noexcept {
  if (!InYearRange(Date)) return false;
  Value = static_cast<TDateTime>(Date.toJulianDay() - JulianDayOfZero);
  return true;
}

bool TryQDateTimeToDateTime(const QDateTime& DateTime, TDateTime& Value) noexcept {
  if (!DateTime.isValid()) return false;
  TDateTime date = 0;
  if (!TryQDateToDateTime(DateTime.date(), date)) return false;
  const TDateTime time =
      static_cast<TDateTime>(DateTime.time().msecsSinceStartOfDay()) / MSecsPerDay;
  Value = CombineDateTime(date, time);
  return true;
}

TDateTime QDateToDateTime(const QDate& Date) {
  TDateTime value = 0;
  if (!TryQDateToDateTime(Date, value)) throw EConvertError(SInvalidQtDate);
  return value;
}

TDateTime QDateTimeToDateTime(const QDateTime& DateTime) {
  TDateTime value = 0;
  if (!TryQDateTimeToDateTime(DateTime, value)) throw EConvertError(SInvalidQtDate);
  return value;
}

QVariant DateTimeToVariant(TDateTime Value) { return QVariant::fromValue(TDateTimeValue{Value}); }

bool TryVariantToDateTime(const QVariant& Variant, TDateTime& Value) noexcept {
  switch (Variant.metaType().id()) {
    case QMetaType::QDate: return TryQDateToDateTime(Variant.toDate(), Value);
    case QMetaType::QDateTime: return TryQDateTimeToDateTime(Variant.toDateTime(), Value);
    default: break;
  }
  if (Variant.metaType() != QMetaType::fromType<TDateTimeValue>()) return false;
  const TDateTime value = Variant.value<TDateTimeValue>().Value;
  if (!std::isfinite(value)) return false;
  Value = value;
  return true;
}

}  // namespace zar
