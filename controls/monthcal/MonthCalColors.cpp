#include "MonthCalColors.h"

#include <QMetaObject>
#include <string>

#include "Exceptions.h"
#include "MonthCalendar.h"
#include "TextFormat.h"

namespace zar {

namespace {

// The class name without its namespace, as messages name classes.
std::string ClassName(const QObject* object) {
  if (!object) return "nil";
  const std::string name = object->metaObject()->className();
  const auto colons = name.rfind("::");
  return colons == std::string::npos ? name : name.substr(colons + 2);
}

}  // namespace

TMonthCalendarColors::TMonthCalendarColors(TCustomZarMonthCalendar* Calendar)
    : FCalendar(Calendar),
      // The title text and the grid's background are the palette's, so a
      // dark or high-contrast palette keeps the days and the title legible.
      FColors{clRed,  clWindowText, clActiveCaption, clCaptionText, clWindow, clInactiveCaptionText,
              clNone, clWindowText, clActiveCaption} {}

void TMonthCalendarColors::Assign(const TObject* Source) {
  const auto* colors = qobject_cast<const TMonthCalendarColors*>(Source);
  if (!colors)
    throw EConvertError(Format("Cannot assign a %s to a %s", ClassName(Source), ClassName(this)));
  FColors = colors->FColors;
}

void TMonthCalendarColors::SetColor(int Index, TColor Value) {
  FColors.at(static_cast<std::size_t>(Index)) = Value;
  if (FCalendar && FCalendar->HandleAllocated()) FCalendar->CalColorChanged(Index);
}

}  // namespace zar
