// The picker's accessible interface and its segment children. Changes made
// through the interface take the path of the keys: a read-only or disabled
// picker refuses them, the limits clamp them and OnChange fires once.

#include "PickerAccessible.h"

#include <QAccessibleEvent>
#include <QWindow>
#include <cmath>

#include "CalendarRoutines.h"
#include "ControlAccessibility.h"
#include "DatePicker.h"
#include "FormatSettings.h"

namespace zar {

namespace {

const QString kSegmentNames[DatePickerSegmentCount] = {
    QStringLiteral("year"),        QStringLiteral("month"),  QStringLiteral("day"),
    QStringLiteral("hour"),        QStringLiteral("minute"), QStringLiteral("second"),
    QStringLiteral("millisecond"), QStringLiteral("AM/PM")};

std::string TwoDigitText(Word value) {
  return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
         static_cast<char>('0' + value % 10);
}

// A time of day as the picker shows it: hh:nn[:ss], or h:nn[:ss] AM/PM.
std::string TimeText(TDateTime value, bool seconds, bool twelveHour) {
  Word hour, minute, second, msec;
  DecodeTime(value, hour, minute, second, msec);
  std::string text =
      twelveHour ? std::to_string(hour % 12 == 0 ? 12 : hour % 12) : TwoDigitText(hour);
  text += FormatSettings.TimeSeparator + TwoDigitText(minute);
  if (seconds) text += FormatSettings.TimeSeparator + TwoDigitText(second);
  if (twelveHour)
    text += " " + (hour > 11 ? FormatSettings.TimePMString : FormatSettings.TimeAMString);
  return text;
}

bool Accessible() { return QAccessible::isActive(); }

}  // namespace

// ---- The picker ----------------------------------------------------------------------------

TDatePickerAccessible::TDatePickerAccessible(TCustomZarDatePicker* picker)
    : QAccessibleWidget(picker, QAccessible::SpinBox) {}

TDatePickerAccessible::~TDatePickerAccessible() {
  for (QAccessible::Id id : FSegmentIds)
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

TCustomZarDatePicker* TDatePickerAccessible::Picker() const {
  return static_cast<TCustomZarDatePicker*>(widget());
}

TPickerSegmentAccessible* TDatePickerAccessible::Segment(TDatePickerSegment segment) const {
  QAccessible::Id& id = FSegmentIds[segment];
  if (id == 0)
    id = QAccessible::registerAccessibleInterface(new TPickerSegmentAccessible(Picker(), segment));
  return static_cast<TPickerSegmentAccessible*>(QAccessible::accessibleInterface(id));
}

QAccessibleInterface* TDatePickerAccessible::SegmentChild(TDatePickerSegment segment) const {
  if (!Picker()->VisibleSegments().Contains(segment)) return nullptr;
  return Segment(segment);
}

int TDatePickerAccessible::SegmentCount() const {
  int count = 0;
  for (int i = 0; i < DatePickerSegmentCount; ++i)
    if (Picker()->VisibleSegments().Contains(static_cast<TDatePickerSegment>(i))) ++count;
  return count;
}

// The visible segments, then any child widgets (a descendant's buttons).
int TDatePickerAccessible::childCount() const {
  return SegmentCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* TDatePickerAccessible::child(int index) const {
  if (index < 0) return nullptr;
  int rest = index;
  for (int i = 0; i < DatePickerSegmentCount; ++i) {
    const auto segment = static_cast<TDatePickerSegment>(i);
    if (!Picker()->VisibleSegments().Contains(segment)) continue;
    if (rest-- == 0) return Segment(segment);
  }
  return QAccessibleWidget::child(rest);
}

int TDatePickerAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const int segments = SegmentCount();
  for (int i = 0; i < segments; ++i)
    if (this->child(i) == child) return i;
  const int widget = QAccessibleWidget::indexOfChild(child);
  return widget < 0 ? -1 : segments + widget;
}

QAccessibleInterface* TDatePickerAccessible::childAt(int x, int y) const {
  for (int i = 0, count = SegmentCount(); i < count; ++i)
    if (child(i)->rect().contains(x, y)) return child(i);
  return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* TDatePickerAccessible::focusChild() const {
  const TCustomZarDatePicker* picker = Picker();
  if (!picker->hasFocus()) return nullptr;
  return SegmentChild(picker->CurrentSegment);
}

QString TDatePickerAccessible::text(QAccessible::Text t) const {
  const TCustomZarDatePicker* picker = Picker();
  const bool gregorian = picker->UseSystemCalendar();
  const bool seconds = picker->VisibleSegments().Contains(dsSecond);
  const bool twelveHour = picker->VisibleSegments().Contains(dsAmPm);
  switch (t) {
    case QAccessible::Name: {
      const QString name = QAccessibleWidget::text(t);
      if (!name.isEmpty()) return name;
      switch (picker->Kind()) {
        case dtkTime: return QStringLiteral("Time");
        case dtkDateTime: return QStringLiteral("Date and time");
        default: return QStringLiteral("Date");
      }
    }
    case QAccessible::Value: {
      if (picker->IsNull()) return {};
      QString value;
      if (picker->Kind() != dtkTime) {
        try {
          value = SpokenDate(picker->CalEncodeDate(picker->Year, picker->Month, picker->Day),
                             gregorian);
        } catch (...) {
          // Parts half typed in: the segments still say what they hold.
          value = SpokenText(picker->SegmentText(dsDay) + " " + picker->SegmentText(dsMonth) + " " +
                                 picker->SegmentText(dsYear),
                             gregorian);
        }
      }
      if (picker->Kind() != dtkDate) {
        const TDateTime time =
            (picker->Hour * 3600.0 + picker->Minute * 60.0 + picker->Second) / 86400.0;
        if (!value.isEmpty()) value += u' ';
        value += SpokenText(TimeText(time, seconds, twelveHour), gregorian);
      }
      return value;
    }
    case QAccessible::Description: {
      QStringList parts;
      const QString own = QAccessibleWidget::text(t);
      if (!own.isEmpty()) parts << own;
      if (picker->IsNull()) parts << QStringLiteral("empty");
      auto limit = [&](const char* label, TDateTime value, bool time) {
        if (value == 0) return;
        parts << QString::fromLatin1(label) + u' ' +
                     (time ? SpokenText(TimeText(value, seconds, twelveHour), gregorian)
                           : SpokenDate(value, gregorian));
      };
      if (picker->Kind() == dtkTime) {
        limit("earliest", picker->MinTime(), true);
        limit("latest", picker->MaxTime(), true);
      } else {
        limit("earliest", picker->MinDate(), false);
        limit("latest", picker->MaxDate(), false);
      }
      if (picker->Kind() == dtkDateTime) {
        if (picker->MinDateTime() != 0)
          parts << QStringLiteral("earliest ") + SpokenDate(picker->MinDateTime(), gregorian) +
                       u' ' +
                       SpokenText(TimeText(picker->MinDateTime(), seconds, twelveHour), gregorian);
        if (picker->MaxDateTime() != 0)
          parts << QStringLiteral("latest ") + SpokenDate(picker->MaxDateTime(), gregorian) + u' ' +
                       SpokenText(TimeText(picker->MaxDateTime(), seconds, twelveHour), gregorian);
      }
      return parts.join(QStringLiteral(", "));
    }
    default: return QAccessibleWidget::text(t);
  }
}

// A value typed by assistive technology: the short date (and time) text of
// the active calendar. Text that does not parse, lies outside the limits or
// reaches a read-only picker changes nothing.
void TDatePickerAccessible::setText(QAccessible::Text t, const QString& text) {
  TCustomZarDatePicker* picker = Picker();
  if (t != QAccessible::Value || picker->Kind() == dtkTime || !picker->isEnabled() ||
      !picker->CanModify())
    return;
  try {
    const std::string source = text.toStdString();
    picker->CommitEntry();
    if (picker->Kind() == dtkDate) {
      const TDate d = picker->CalStrToDate(source);
      picker->CheckDate(d);
      picker->CheckSupportedDay(d);
      if (picker->IsNull() && d == picker->Date()) {
        picker->SetIsNull(false);
        picker->Change();
      } else {
        picker->SetDate(d);
      }
    } else {
      const TDateTime d = picker->CalStrToDateTime(source);
      picker->CheckDate(std::floor(d));
      picker->CheckDateTime(d);
      picker->CheckSupportedDay(d);
      picker->SetDateTime(d);
    }
  } catch (...) {
  }
}

QAccessible::State TDatePickerAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.editable = !Picker()->ReadOnly();
  s.readOnly = Picker()->ReadOnly();
  return s;
}

QStringList TDatePickerAccessible::actionNames() const {
  QStringList names = QAccessibleWidget::actionNames();
  if (Picker()->isEnabled() && !Picker()->ReadOnly())
    names << QAccessibleActionInterface::increaseAction()
          << QAccessibleActionInterface::decreaseAction();
  return names;
}

void TDatePickerAccessible::doAction(const QString& actionName) {
  const bool up = actionName == QAccessibleActionInterface::increaseAction();
  if (up || actionName == QAccessibleActionInterface::decreaseAction())
    Segment(Picker()->CurrentSegment)->doAction(actionName);
  else
    QAccessibleWidget::doAction(actionName);
}

QStringList TDatePickerAccessible::keyBindingsForAction(const QString& actionName) const {
  if (actionName == QAccessibleActionInterface::increaseAction()) return {QStringLiteral("Up")};
  if (actionName == QAccessibleActionInterface::decreaseAction()) return {QStringLiteral("Down")};
  return QAccessibleWidget::keyBindingsForAction(actionName);
}

void TDatePickerAccessible::NotifyValueChanged(TCustomZarDatePicker* picker) {
  if (!Accessible()) return;
  auto* iface = dynamic_cast<TDatePickerAccessible*>(QAccessible::queryAccessibleInterface(picker));
  if (!iface) return;
  QAccessibleValueChangeEvent event(picker, iface->text(QAccessible::Value));
  QAccessible::updateAccessibility(&event);
}

void TDatePickerAccessible::NotifySegmentFocus(TCustomZarDatePicker* picker) {
  if (!Accessible() || !picker->hasFocus()) return;
  auto* iface = dynamic_cast<TDatePickerAccessible*>(QAccessible::queryAccessibleInterface(picker));
  QAccessibleInterface* segment = iface ? iface->SegmentChild(picker->CurrentSegment) : nullptr;
  if (!segment) return;
  QAccessibleEvent event(segment, QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

// ---- One segment -------------------------------------------------------------------------------

TPickerSegmentAccessible::TPickerSegmentAccessible(TCustomZarDatePicker* picker,
                                                   TDatePickerSegment segment)
    : FWidget(picker), FPicker(picker), FSegment(segment) {}

bool TPickerSegmentAccessible::isValid() const { return !FWidget.isNull(); }

QWindow* TPickerSegmentAccessible::window() const {
  return isValid() ? FPicker->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TPickerSegmentAccessible::parent() const {
  return isValid() ? QAccessible::queryAccessibleInterface(FPicker) : nullptr;
}

QString TPickerSegmentAccessible::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  switch (t) {
    case QAccessible::Name: return kSegmentNames[FSegment];
    case QAccessible::Value:
      if (FPicker->IsNull()) return {};
      if (FSegment == dsMonth) {
        // The number and the name, as a reader of the date says it.
        const QString number =
            SpokenText(FPicker->SegmentText(dsMonth), FPicker->UseSystemCalendar());
        try {
          const std::string name = FPicker->CalFormatDateTime(
              "mmmm", FPicker->CalEncodeDate(FPicker->Year, FPicker->Month, 1));
          return number + u' ' + QString::fromStdString(name);
        } catch (...) {
          return number;
        }
      }
      return SpokenText(FPicker->SegmentText(FSegment), FPicker->UseSystemCalendar());
    default: return {};
  }
}

QRect TPickerSegmentAccessible::rect() const {
  if (!isValid()) return {};
  const TSegmentBounds& b = FPicker->SegmentBounds[FSegment];
  const QPoint topLeft =
      FPicker->mapToGlobal(FPicker->ClientOrigin() + QPoint(b.Left, FPicker->TextBand.Top));
  return {topLeft, QSize(b.Right - b.Left, FPicker->TextBand.Bottom - FPicker->TextBand.Top)};
}

QAccessible::State TPickerSegmentAccessible::state() const {
  QAccessible::State s;
  if (!isValid()) return s;
  s.focusable = true;
  s.focused = FPicker->hasFocus() && FPicker->CurrentSegment == FSegment;
  s.disabled = !FPicker->isEnabled();
  s.readOnly = FPicker->ReadOnly();
  s.editable = !FPicker->ReadOnly();
  s.invisible = !FPicker->isVisible();
  return s;
}

void* TPickerSegmentAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QVariant TPickerSegmentAccessible::currentValue() const {
  if (!isValid() || FPicker->IsNull()) return {};
  if (FSegment == dsAmPm) return FPicker->Hour > 11 ? 1 : 0;
  return FPicker->GetState()[FSegment];
}

QVariant TPickerSegmentAccessible::minimumValue() const {
  if (!isValid()) return {};
  switch (FSegment) {
    case dsYear: return FPicker->CalMinYear();
    case dsMonth:
    case dsDay: return 1;
    default: return 0;
  }
}

QVariant TPickerSegmentAccessible::maximumValue() const {
  if (!isValid()) return {};
  switch (FSegment) {
    case dsYear: return 9999;
    case dsMonth: return 12;
    case dsDay: return FPicker->CalDaysInMonth(FPicker->Year, FPicker->Month);
    case dsHour: return 23;
    case dsMinute:
    case dsSecond: return 59;
    case dsMSec: return 999;
    case dsAmPm: return 1;
  }
  return {};
}

void TPickerSegmentAccessible::setCurrentValue(const QVariant& value) {
  if (!isValid() || !FPicker->isEnabled() || !FPicker->CanModify()) return;
  bool ok = false;
  const int v = value.toInt(&ok);
  if (!ok || v < minimumValue().toInt() || v > maximumValue().toInt()) return;
  TCustomZarDatePicker& p = *FPicker;
  p.CommitEntry();
  const TPickerState old = p.GetState();
  const auto word = static_cast<Word>(v);
  switch (FSegment) {
    case dsYear:
      p.Year = word;
      p.ClampDay();
      break;
    case dsMonth:
      p.Month = word;
      p.ClampDay();
      break;
    case dsDay: p.Day = word; break;
    case dsHour: p.Hour = word; break;
    case dsMinute: p.Minute = word; break;
    case dsSecond: p.Second = word; break;
    case dsAmPm:
      if ((p.Hour > 11) != (v == 1)) p.Hour = static_cast<Word>(v == 1 ? p.Hour + 12 : p.Hour - 12);
      break;
    case dsMSec: return;
  }
  p.ClampAfterEditOf(FSegment);
  p.ValueChanged(old, true);
}

QStringList TPickerSegmentAccessible::actionNames() const {
  if (!isValid() || !FPicker->isEnabled() || FPicker->ReadOnly()) return {};
  return {QAccessibleActionInterface::increaseAction(),
          QAccessibleActionInterface::decreaseAction()};
}

// One step of the segment, wrapping at its ends as the arrow keys do.
void TPickerSegmentAccessible::doAction(const QString& actionName) {
  if (!actionNames().contains(actionName) || !FPicker->CanModify()) return;
  TCustomZarDatePicker& p = *FPicker;
  p.CommitEntry();
  const TPickerState old = p.GetState();
  p.StepSegment(FSegment, actionName == QAccessibleActionInterface::increaseAction() ? 1 : -1);
  p.ValueChanged(old, true);
}

}  // namespace zar
