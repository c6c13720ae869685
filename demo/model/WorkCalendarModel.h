#pragma once
// The work calendar's data, free of Qt: the in-memory record of one day
// (working type and up to five hour ranges), the minute conversions, the
// checks and ordering of a day's ranges, the merging of several selected
// days into what the hours frame shows, and the month's load from and save
// to "workcal.xml" through the master dataset and its nested "Details".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DateTimeBase.h"

namespace zar {
class TClientDataSet;
}

namespace zardemo {

using zar::TDateTime;

inline constexpr int HourRows = 5;
inline constexpr int MonthSlots = 31;

// Working types as stored in "WorkingType"; 0 is never stored.
inline constexpr std::uint8_t wtDefault = 0;
inline constexpr std::uint8_t wtNonWorking = 1;
inline constexpr std::uint8_t wtOwnHours = 2;

struct THourRange {
  std::int32_t Start = 0;  // minutes since midnight; -1 empty
  std::int32_t Finish = 0;
  friend bool operator==(const THourRange&, const THourRange&) = default;
};

// One day slot; zero-filled as allocated, emptied (-1) by a month load.
struct TDayWorkInfo {
  std::uint8_t WorkingType = wtDefault;
  std::array<THourRange, HourRows> Hours{};
  friend bool operator==(const TDayWorkInfo&, const TDayWorkInfo&) = default;

  // Minute count of column 0 (Start) or 1 (Finish) of Row.
  std::int32_t& Value(int Column, int Row) {
    return Column == 0 ? Hours[Row].Start : Hours[Row].Finish;
  }
  std::int32_t Value(int Column, int Row) const {
    return Column == 0 ? Hours[Row].Start : Hours[Row].Finish;
  }
  // Type 0 with all ten counts empty.
  static TDayWorkInfo Empty();
};

enum TEditState : std::uint8_t { esUniform = 0, esUnset = 2, esMixed = 3, esEdited = 4 };

// ---- Conversions -------------------------------------------------------------------
// Hour * 60 + minute of the time of day (seconds dropped).
std::int32_t TimeToMinutes(TDateTime Time) noexcept;
// The time of day Minutes div 60 : Minutes mod 60; raises EConvertError
// outside 0..1439.
TDateTime MinutesToTime(std::int32_t Minutes);
// -1 for an empty text, else the minutes of the parsed time; raises the
// platform's EConvertError for a text that is no time.
std::int32_t StrToMinutes(std::string_view Text);
// "" for a negative count, else "hh:mm".
std::string MinutesToStr(std::int32_t Minutes);

// ---- Checks and order -----------------------------------------------------------------
// The first failing test of a day's ranges, row by row in entered order: the
// frame control to focus (its Tag is Column + 10 * Row) and the message.
struct THoursError {
  int Row = 0;
  int Column = 0;
  std::string Message;
};
std::optional<THoursError> CheckHours(const TDayWorkInfo& Info);
// Ascending by start, empty ranges last.
void SortHours(TDayWorkInfo& Info) noexcept;

// ---- What several selected days have in common -------------------------------------------
struct TMergedDays {
  TDayWorkInfo Info;
  TEditState TypeState = esUnset;
  std::array<TEditState, 2 * HourRows> EditStates{};  // index Column * 5 + Row

  // All states unset and the ten counts empty; the type is kept.
  void Reset();
  // Merges one day: an unset value takes the day's, a uniform one that
  // differs becomes mixed; mixed and edited stay.
  void Merge(const TDayWorkInfo& Day);
  TEditState& State(int Column, int Row) { return EditStates[Column * HourRows + Row]; }
  TEditState State(int Column, int Row) const { return EditStates[Column * HourRows + Row]; }
};

// What a post makes of one selected day: the new type when the type was
// edited; the frame's value for every hour edit the user changed or that
// all selected days shared, the day's own value where the days differed
// and the user left the edit alone. Without own hours nothing is kept.
TDayWorkInfo ApplyPost(const TDayWorkInfo& Day, const TMergedDays& Merged,
                       const TDayWorkInfo& Posted);

// True when every day of the month on weekday position FirstDay (1-based
// day of the month of its first occurrence), FirstDay + 7, ... up to
// DaysInMonth has a type other than default.
bool AllDaysCustom(const std::array<TDayWorkInfo, MonthSlots>& Days, int FirstDay,
                   int DaysInMonth) noexcept;

// ---- The month in the datasets ---------------------------------------------------------------
// The days of one month as slots 1..31 and, per day, the hour rows the file
// holds beyond the five a slot keeps: they are written back as they were.
struct TWorkMonth {
  std::array<TDayWorkInfo, MonthSlots> Days{};
  std::array<std::vector<THourRange>, MonthSlots> ExtraHours;
};

class TWorkCalendarStore {
 public:
  TWorkCalendarStore(zar::TClientDataSet& Master, zar::TClientDataSet& Details)
      : FMaster(Master), FDetails(Details) {}

  // Reads the days MonthStart .. MonthEnd into Month (the rest empty); opens
  // and closes the datasets, so the file is written when the layer's rule
  // says so. Raises when the file cannot be read; Month is then all empty.
  void LoadMonth(TDateTime MonthStart, TDateTime MonthEnd, TWorkMonth& Month);
  // Replaces the records of MonthStart .. MonthEnd by the non-default days
  // of Month and closes the datasets, writing the file. If anything fails
  // the datasets hold again what they held before, and the error is raised.
  void SaveMonth(TDateTime MonthStart, TDateTime MonthEnd, const TWorkMonth& Month);

 private:
  void ReplaceMonth(TDateTime MonthStart, TDateTime MonthEnd, const TWorkMonth& Month);
  void CloseBoth();

  zar::TClientDataSet& FMaster;
  zar::TClientDataSet& FDetails;
};

}  // namespace zardemo
