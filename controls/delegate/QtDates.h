#pragma once
// Conversions between TDateTime and Qt's QDate and QDateTime, and a QVariant
// form of TDateTime that models can hold without it passing for a plain
// number. Dates run from 0001-01-01 to 9999-12-31, as everywhere else; the
// time of day is kept to the millisecond. No time zone is applied: a
// QDateTime's own date and clock time are taken as they are.

#include <QDate>
#include <QDateTime>
#include <QMetaType>
#include <QVariant>

#include "DateTimeBase.h"

namespace zar {

// A TDateTime inside a QVariant (a double would be taken for a number).
struct TDateTimeValue {
  TDateTime Value = 0;
  friend bool operator==(const TDateTimeValue&, const TDateTimeValue&) = default;
};

// The date part; an invalid QDate for NaN, infinities and dates outside
// years 1..9999.
QDate DateTimeToQDate(TDateTime Value) noexcept;
// The date and time of day in the given time zone setting; invalid as above.
// Neither raises.
QDateTime DateTimeToQDateTime(TDateTime Value, Qt::TimeSpec Zone = Qt::LocalTime) noexcept;
// True and Value set (the day serial, plus the clock time of a QDateTime); false,
// leaving Value alone, for an invalid date or one outside 1..9999. Never raise.
bool TryQDateToDateTime(const QDate& Date, TDateTime& Value) noexcept;
bool TryQDateTimeToDateTime(const QDateTime& DateTime, TDateTime& Value) noexcept;
// The same, raising EConvertError "Invalid date" on failure.
TDateTime QDateToDateTime(const QDate& Date);
TDateTime QDateTimeToDateTime(const QDateTime& DateTime);

// Value as a TDateTimeValue inside a QVariant, whatever it is.
QVariant DateTimeToVariant(TDateTime Value);
// Reads a TDateTimeValue, QDate or QDateTime; false for anything else
// (numbers and texts included) and for invalid dates. A TDateTimeValue is taken
// as it holds it, unless NaN or infinite. Value is untouched on failure.
bool TryVariantToDateTime(const QVariant& Variant, TDateTime& Value) noexcept;

}  // namespace zar

Q_DECLARE_METATYPE(zar::TDateTimeValue)
