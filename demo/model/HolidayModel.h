#pragma once
// The holiday calendar's data, free of Qt: one record per visited day in
// "daysinfo.xml", the holidays of a month as a bold-day mask (bit d - 1 for
// day d) and the one bit a posted record changes.

#include <cstdint>

#include "DateTimeBase.h"

namespace zar {
class TDataSet;
}

namespace zardemo {

// Makes the record of Date the current one, appending and posting it when
// there is none (a Friday as a holiday). True when a record was created.
// The bound controls are disabled while a record is created.
bool GotoDayRecord(zar::TDataSet& DataSet, zar::TDateTime Date);

// The holiday bits of MonthStart .. MonthEnd over Defaults: a day with a
// record is bold exactly when its "Holiday" is true; a day without keeps its
// default bit. The current record is kept; a closed dataset gives Defaults.
// Bound controls are disabled during the scan and enabled again even when it
// fails.
std::uint32_t ScanHolidays(zar::TDataSet& DataSet, zar::TDateTime MonthStart,
                           zar::TDateTime MonthEnd, std::uint32_t Defaults);

// Mask with the bit of Posted set or cleared by Holiday; unchanged when
// Posted lies outside MonthStart .. MonthEnd.
std::uint32_t HolidayBitAfterPost(std::uint32_t Mask, zar::TDateTime Posted, bool Holiday,
                                  zar::TDateTime MonthStart, zar::TDateTime MonthEnd) noexcept;

}  // namespace zardemo
