#include "ControlAccessibility.h"

#include <QAccessible>

#include "CalendarRoutines.h"
#include "DatePicker.h"
#include "HostControls.h"
#include "MonthCalAccessible.h"
#include "MonthCalendar.h"
#include "PickerAccessible.h"

namespace zar {

namespace {

// Qt asks once per class of the object's meta-object chain. The picker has
// no meta-object of its own, so the type is tested, not the class name;
// descendants (the extended picker, the drop-down calendar) are covered too.
QAccessibleInterface* ControlFactory(const QString&, QObject* object) {
  if (auto* picker = dynamic_cast<TCustomZarDatePicker*>(object))
    return new TDatePickerAccessible(picker);
  if (auto* calendar = dynamic_cast<TCustomZarMonthCalendar*>(object))
    return new TMonthCalAccessible(calendar);
  if (auto* panel = dynamic_cast<TPanel*>(object))
    if (auto* owner = dynamic_cast<TCustomZarMonthCalendar*>(panel->parentWidget()))
      if (owner->TitlePanel() == panel) return new TMonthCalTitleAccessible(panel, owner);
  return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ControlFactory);
    return true;
  }();
  (void)installed;
}

QString SpokenText(const std::string& text, bool gregorian) {
  QString spoken = QString::fromStdString(text);
  if (gregorian) return spoken;
  for (QChar& c : spoken)
    if (c >= u'0' && c <= u'9') c = QChar(0x06F0 + (c.unicode() - u'0'));
  return spoken;
}

QString SpokenDate(TDateTime value, bool gregorian) {
  return SpokenText(CalendarRoutines(gregorian).FormatDateTime("dddd d mmmm yyyy", value),
                    gregorian);
}

}  // namespace zar
