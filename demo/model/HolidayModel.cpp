#include "HolidayModel.h"

#include <cmath>

#include "DBDataSet.h"
#include "ScopeExit.h"
#include "ZarDateUtils.h"

namespace zardemo {

using namespace zar;

namespace {

constexpr Word Friday = 7;

bool CurrentDateIs(const TDataSet& DataSet, TDateTime Date) {
  if (DataSet.IsEmpty()) return false;
  const TField& field = DataSet.FieldByName("Date");
  return !field.IsNull() && field.AsDateTime() == Date;
}

}  // namespace

bool GotoDayRecord(TDataSet& DataSet, TDateTime Date) {
  Date = std::floor(Date);
  if (CurrentDateIs(DataSet, Date)) return false;
  if (DataSet.Locate("Date", TVariant::FromDateTime(Date))) return false;
  DataSet.DisableControls();
  const TScopeExit enable([&DataSet] { DataSet.EnableControls(); });
  DataSet.Append();
  try {
    DataSet.FieldByName("Date").SetAsDateTime(Date);
    if (ZarDayOfWeek(Date) == Friday) DataSet.FieldByName("Holiday").SetAsBoolean(true);
    DataSet.Post();
  } catch (...) {
    DataSet.Cancel();
    throw;
  }
  return true;
}

std::uint32_t ScanHolidays(TDataSet& DataSet, TDateTime MonthStart, TDateTime MonthEnd,
                           std::uint32_t Defaults) {
  if (!DataSet.Active()) return Defaults;
  DataSet.CheckBrowseMode();
  DataSet.DisableControls();
  const TScopeExit enable([&DataSet] { DataSet.EnableControls(); });
  const bool hadCurrent = !DataSet.IsEmpty() && !DataSet.FieldByName("Date").IsNull();
  const TDateTime current = hadCurrent ? DataSet.FieldByName("Date").AsDateTime() : 0;
  std::uint32_t mask = Defaults;
  const int days = static_cast<int>(std::floor(MonthEnd - MonthStart));
  for (int i = 0; i <= days && i < 32; ++i) {
    if (!DataSet.Locate("Date", TVariant::FromDateTime(MonthStart + i))) continue;
    const std::uint32_t bit = std::uint32_t{1} << i;
    if (DataSet.FieldByName("Holiday").AsBoolean())
      mask |= bit;
    else
      mask &= ~bit;
  }
  if (hadCurrent) DataSet.Locate("Date", TVariant::FromDateTime(current));
  return mask;
}

std::uint32_t HolidayBitAfterPost(std::uint32_t Mask, TDateTime Posted, bool Holiday,
                                  TDateTime MonthStart, TDateTime MonthEnd) noexcept {
  Posted = std::floor(Posted);
  if (Posted < MonthStart || Posted > MonthEnd) return Mask;
  const auto day = static_cast<int>(Posted - MonthStart);  // 0-based, below 31
  const std::uint32_t bit = std::uint32_t{1} << day;
  return Holiday ? Mask | bit : Mask & ~bit;
}

}  // namespace zardemo
