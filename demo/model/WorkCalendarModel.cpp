#include "WorkCalendarModel.h"

#include <cmath>
#include <utility>

#include "ClientDataSet.h"
#include "DataPacket.h"
#include "Exceptions.h"
#include "GregorianDates.h"
#include "TextFormat.h"

namespace zardemo {

using namespace zar;

namespace {

constexpr std::string_view SStartMissing =
    "\u0634\u0631\u0648\u0639 \u0632\u0645\u0627\u0646 \u0645\u0634\u062E\u0635 \u0646\u0634\u062F\u0647 "
    "\u0627\u0633\u062A\r\n\u0632\u0645\u0627\u0646 \u0645\u0646\u0627\u0633\u0628 \u0631\u0627 \u062F\u0631 "
    "\u0633\u062A\u0648\u0646 \"\u0627\u0632\" \u0648\u0627\u0631\u062F \u0646\u0645\u0627\u064A\u064A\u062F";
constexpr std::string_view SFinishMissing =
    "\u067E\u0627\u064A\u0627\u0646 \u0632\u0645\u0627\u0646 \u0645\u0634\u062E\u0635 \u0646\u0634\u062F\u0647 "
    "\u0627\u0633\u062A\r\n\u0632\u0645\u0627\u0646 \u0645\u0646\u0627\u0633\u0628 \u0631\u0627 \u062F\u0631 "
    "\u0633\u062A\u0648\u0646 \"\u062A\u0627\" \u0648\u0627\u0631\u062F \u0646\u0645\u0627\u064A\u064A\u062F";
constexpr std::string_view SFinishBeforeStart =
    "\u0632\u0645\u0627\u0646 \u067E\u0627\u064A\u0627\u0646 \u0628\u0627\u064A\u062F \u0628\u0639\u062F "
    "\u0627\u0632 \u0632\u0645\u0627\u0646 \u0634\u0631\u0648\u0639 \u0628\u0627\u0634\u062F";
constexpr std::string_view SOverlap =
    "\u0645\u062D\u062F\u0648\u062F\u0647 \u0632\u0645\u0627\u0646\u064A \u0628\u0627 \u0648\u0631\u0648\u062F\u064A "
    "\u0647\u0627\u064A \u0642\u0628\u0644 \u0627\u0632 \u062E\u0648\u062F \u062A\u062F\u0627\u062E\u0644 "
    "\u062F\u0627\u0631\u062F\r\n\"\u0627\u0632 %s \u062A\u0627 %s\"  \u0628\u0627  \"\u0627\u0632 %s "
    "\u062A\u0627 %s\"";

TVariant DateValue(TDateTime Date) { return TVariant::FromDateTime(Date); }

}  // namespace

TDayWorkInfo TDayWorkInfo::Empty() {
  TDayWorkInfo info;
  for (THourRange& range : info.Hours) range = {-1, -1};
  return info;
}

// ---- Conversions ----------------------------------------------------------------------

std::int32_t TimeToMinutes(TDateTime Time) noexcept {
  Word hour, minute, second, msec;
  DecodeTime(Time, hour, minute, second, msec);
  return hour * 60 + minute;
}

TDateTime MinutesToTime(std::int32_t Minutes) {
  if (Minutes < 0 || Minutes >= 24 * 60)
    throw EConvertError(Format("%d is not a time of day in minutes", Minutes));
  return EncodeTime(static_cast<Word>(Minutes / 60), static_cast<Word>(Minutes % 60), 0, 0);
}

std::int32_t StrToMinutes(std::string_view Text) {
  if (Text.empty()) return -1;
  return TimeToMinutes(StrToTime(Text));
}

std::string MinutesToStr(std::int32_t Minutes) {
  if (Minutes < 0) return {};
  return FormatDateTime("hh:mm", MinutesToTime(Minutes));
}

// ---- Checks and order -----------------------------------------------------------------

std::optional<THoursError> CheckHours(const TDayWorkInfo& Info) {
  for (int k = 0; k < HourRows; ++k) {
    const std::int32_t s = Info.Hours[k].Start, f = Info.Hours[k].Finish;
    if (f >= 0 && s == -1) return THoursError{k, 0, std::string(SStartMissing)};
    if (s >= 0 && f == -1) return THoursError{k, 1, std::string(SFinishMissing)};
    if (s > f) return THoursError{k, 1, std::string(SFinishBeforeStart)};
    for (int m = 0; m < k; ++m) {
      const std::int32_t sm = Info.Hours[m].Start, fm = Info.Hours[m].Finish;
      if ((s <= sm && sm < f) || (sm <= s && s < fm))
        return THoursError{
            k, 0,
            Format(SOverlap, MinutesToStr(s), MinutesToStr(f), MinutesToStr(sm), MinutesToStr(fm))};
    }
  }
  return std::nullopt;
}

void SortHours(TDayWorkInfo& Info) noexcept {
  for (int i = 0; i < HourRows; ++i)
    for (int j = i; j < HourRows; ++j)
      if (Info.Hours[j].Start != -1 &&
          (Info.Hours[i].Start == -1 || Info.Hours[i].Start > Info.Hours[j].Start))
        std::swap(Info.Hours[i], Info.Hours[j]);
}

// ---- Merging ----------------------------------------------------------------------------

void TMergedDays::Reset() {
  TypeState = esUnset;
  EditStates.fill(esUnset);
  for (THourRange& range : Info.Hours) range = {-1, -1};
}

namespace {

template <class T>
void MergeValue(TEditState& State, T& Merged, T Value) {
  if (State == esUnset) {
    Merged = Value;
    State = esUniform;
  } else if (State == esUniform && Merged != Value) {
    State = esMixed;
  }
}

}  // namespace

void TMergedDays::Merge(const TDayWorkInfo& Day) {
  MergeValue(TypeState, Info.WorkingType, Day.WorkingType);
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < HourRows; ++r) MergeValue(State(c, r), Info.Value(c, r), Day.Value(c, r));
}

TDayWorkInfo ApplyPost(const TDayWorkInfo& Day, const TMergedDays& Merged,
                       const TDayWorkInfo& Posted) {
  TDayWorkInfo result = Day;
  if (Merged.TypeState == esEdited) result.WorkingType = Posted.WorkingType;
  if (result.WorkingType != wtOwnHours) {
    for (THourRange& range : result.Hours) range = {-1, -1};
    return result;
  }
  const bool hoursShown = Posted.WorkingType == wtOwnHours;
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < HourRows; ++r)
      if (hoursShown && Merged.State(c, r) != esMixed) result.Value(c, r) = Posted.Value(c, r);
  return result;
}

bool AllDaysCustom(const std::array<TDayWorkInfo, MonthSlots>& Days, int FirstDay,
                   int DaysInMonth) noexcept {
  if (FirstDay < 1 || FirstDay > DaysInMonth) return false;
  for (int d = FirstDay; d <= DaysInMonth && d <= MonthSlots; d += 7)
    if (Days[d - 1].WorkingType == wtDefault) return false;
  return true;
}

// ---- The month in the datasets ------------------------------------------------------------

void TWorkCalendarStore::CloseBoth() {
  FDetails.Close();
  FMaster.Close();
}

void TWorkCalendarStore::LoadMonth(TDateTime MonthStart, TDateTime MonthEnd, TWorkMonth& Month) {
  for (TDayWorkInfo& day : Month.Days) day = TDayWorkInfo::Empty();
  for (auto& extra : Month.ExtraHours) extra.clear();
  FMaster.Open();
  FDetails.Open();
  FMaster.SetRange({DateValue(MonthStart)}, {DateValue(MonthEnd)});
  for (FMaster.First(); !FMaster.Eof(); FMaster.Next()) {
    const double offset = std::floor(FMaster.FieldByName("Date").AsDateTime() - MonthStart);
    if (offset < 0 || offset >= MonthSlots) continue;
    const auto slot = static_cast<std::size_t>(offset);
    TDayWorkInfo& day = Month.Days[slot];
    day.WorkingType = static_cast<std::uint8_t>(FMaster.FieldByName("WorkingType").AsInteger());
    int k = 0;
    for (FDetails.First(); !FDetails.Eof(); FDetails.Next(), ++k) {
      const THourRange range{TimeToMinutes(FDetails.FieldByName("Start").AsDateTime()),
                             TimeToMinutes(FDetails.FieldByName("Finish").AsDateTime())};
      if (k < HourRows)
        day.Hours[k] = range;
      else
        Month.ExtraHours[slot].push_back(range);
    }
  }
  FMaster.CancelRange();
  CloseBoth();
}

void TWorkCalendarStore::ReplaceMonth(TDateTime MonthStart, TDateTime MonthEnd,
                                      const TWorkMonth& Month) {
  FMaster.SetRange({DateValue(MonthStart)}, {DateValue(MonthEnd)});
  while (FMaster.RecordCount() > 0) {
    FMaster.First();
    while (!FDetails.IsEmpty()) FDetails.Delete();
    FMaster.Delete();
  }
  FMaster.CancelRange();
  const int days = static_cast<int>(MonthEnd - MonthStart) + 1;
  for (int d = 1; d <= days && d <= MonthSlots; ++d) {
    const TDayWorkInfo& rec = Month.Days[d - 1];
    if (rec.WorkingType == wtDefault) continue;
    FMaster.Append();
    FMaster.FieldByName("Date").SetAsDateTime(MonthStart + d - 1);
    FMaster.FieldByName("WorkingType").SetAsInteger(rec.WorkingType);
    FMaster.Post();
    if (rec.WorkingType != wtOwnHours) continue;
    auto appendRange = [this](const THourRange& range) {
      FDetails.Append();
      FDetails.FieldByName("Start").SetAsDateTime(MinutesToTime(range.Start));
      FDetails.FieldByName("Finish").SetAsDateTime(MinutesToTime(range.Finish));
      FDetails.Post();
    };
    for (const THourRange& range : rec.Hours)
      if (range.Start >= 0) appendRange(range);
    for (const THourRange& range : Month.ExtraHours[d - 1]) appendRange(range);
  }
}

void TWorkCalendarStore::SaveMonth(TDateTime MonthStart, TDateTime MonthEnd,
                                   const TWorkMonth& Month) {
  FMaster.Open();
  FDetails.Open();
  // What the datasets held, to put back if the replacement fails half-way.
  const TDataPacket before = FMaster.Data();
  try {
    ReplaceMonth(MonthStart, MonthEnd, Month);
  } catch (...) {
    // Back to the old records without writing the half-done ones: the
    // file name is set aside while the old packet is put back.
    const std::string fileName = FMaster.FileName();
    FMaster.SetFileName({});
    try {
      FMaster.SetData(before);
    } catch (...) {
    }
    FMaster.SetFileName(fileName);
    try {
      CloseBoth();
    } catch (...) {
    }
    throw;
  }
  CloseBoth();
}

}  // namespace zardemo
