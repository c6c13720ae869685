#pragma once
// TMonthCalendarColors: the nine colours of a month calendar. The calendar
// owns one for its whole life; applications change its colours or Assign
// another set, never replace it.

#include <QObject>
#include <array>

#include "GuiColors.h"
#include "GuiTypes.h"

namespace zar {

class TCustomZarMonthCalendar;

class TMonthCalendarColors : public QObject {
  Q_OBJECT

 public:
  // The colours by their index, the position of each property.
  enum : int {
    CircleIndex,
    TextIndex,
    TitleBackIndex,
    TitleTextIndex,
    MonthBackIndex,
    TrailingTextIndex,
    BoldDaysIndex,
    LinesIndex,
    FixedTextIndex,
    ColorCount
  };

  // The default colours, shown by Calendar (may be null: shown by none).
  explicit TMonthCalendarColors(TCustomZarMonthCalendar* Calendar);

  // Copies the nine colours of another colour set; anything else, null
  // included, raises EConvertError. Nothing is repainted.
  void Assign(const TObject* Source);
  // Stores the colour of Index 0..8 (also when unchanged) and lets the
  // calendar show it; std::out_of_range for another index.
  void SetColor(int Index, TColor Value);
  // The colour of Index 0..8; std::out_of_range for another index.
  TColor Color(int Index) const { return FColors.at(static_cast<std::size_t>(Index)); }

  TColor CircleColor() const { return Color(CircleIndex); }        // the today circle
  TColor TextColor() const { return Color(TextIndex); }            // days, today line
  TColor TitleBackColor() const { return Color(TitleBackIndex); }  // title, selected days
  TColor TitleTextColor() const { return Color(TitleTextIndex); }  // title text, selected text
  TColor MonthBackColor() const { return Color(MonthBackIndex); }  // background of the grid
  TColor TrailingTextColor() const { return Color(TrailingTextIndex); }  // other months' days
  TColor BoldDaysColor() const { return Color(BoldDaysIndex); }          // clNone: TextColor
  TColor LinesColor() const { return Color(LinesIndex); }                // the grid lines
  TColor FixedTextColor() const { return Color(FixedTextIndex); }        // day names, week numbers
  // Each setter is SetColor of its colour's index.
  void SetCircleColor(TColor Value) { SetColor(CircleIndex, Value); }
  void SetTextColor(TColor Value) { SetColor(TextIndex, Value); }
  void SetTitleBackColor(TColor Value) { SetColor(TitleBackIndex, Value); }
  void SetTitleTextColor(TColor Value) { SetColor(TitleTextIndex, Value); }
  void SetMonthBackColor(TColor Value) { SetColor(MonthBackIndex, Value); }
  void SetTrailingTextColor(TColor Value) { SetColor(TrailingTextIndex, Value); }
  void SetBoldDaysColor(TColor Value) { SetColor(BoldDaysIndex, Value); }
  void SetLinesColor(TColor Value) { SetColor(LinesIndex, Value); }
  void SetFixedTextColor(TColor Value) { SetColor(FixedTextIndex, Value); }

 private:
  TCustomZarMonthCalendar* FCalendar;  // the owner, not owned
  std::array<TColor, ColorCount> FColors;
};

}  // namespace zar
