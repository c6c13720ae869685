#include "ZarDateDelegate.h"

#include <cmath>

#include "DatePicker.h"
#include "FormatSettings.h"
#include "GregorianDates.h"
#include "QtDates.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

// A cell the delegate handles: a date type, valid or not.
bool IsDateCell(const QVariant& value) {
  const int type = value.metaType().id();
  return type == QMetaType::QDate || type == QMetaType::QDateTime ||
         value.metaType() == QMetaType::fromType<TDateTimeValue>();
}

bool IsDateOnly(const QVariant& value) { return value.metaType().id() == QMetaType::QDate; }

// The time of day of a value, as a TDateTime fraction.
TDateTime TimeOf(TDateTime value) {
  std::int64_t day = 0;
  Integer ms = 0;
  if (!SplitDateTime(value, day, ms)) return 0;
  return static_cast<TDateTime>(ms) / MSecsPerDay;
}

TDateTime DayOf(TDateTime value) { return std::trunc(value); }

// Whether the calendar decodes the day of a value: its formatter writes zeros
// for the others (before solar 1/1/1 or beyond solar year 65535; outside
// 0001..9999 in the Gregorian calendar) instead of raising.
bool CalendarShows(TDateTime value, bool systemCalendar) {
  Word year = 0, month = 0, day = 0;
  if (systemCalendar)
    DecodeDate(value, year, month, day);
  else
    ZarDecodeDate(value, year, month, day);
  return year != 0;
}

}  // namespace

TZarDateDelegate::TZarDateDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QVariant TZarDateDelegate::MergeValue(const QVariant& Original, TDateTime Edited, bool DateOnly) {
  if (!IsDateCell(Original)) return {};
  TDateTime old = 0;
  const bool hadValue = TryVariantToDateTime(Original, old);
  TDateTime merged = Edited;
  if (DateOnly) merged = CombineDateTime(DayOf(Edited), hadValue ? TimeOf(old) : 0);
  if (hadValue && merged == old) return Original;
  switch (Original.metaType().id()) {
    case QMetaType::QDate: return DateTimeToQDate(merged);
    case QMetaType::QDateTime: {
      const QDateTime original = Original.toDateTime();
      if (DateOnly && original.isValid()) {
        // The clock time and the time zone setting stay exactly as they were.
        QDateTime result = original;
        result.setDate(DateTimeToQDate(merged));
        return result;
      }
      return DateTimeToQDateTime(merged, original.isValid() ? original.timeSpec() : Qt::LocalTime);
    }
    default: return DateTimeToVariant(merged);
  }
}

QString TZarDateDelegate::displayText(const QVariant& value, const QLocale& locale) const {
  TDateTime dateTime = 0;
  // A day the calendar cannot write (before its first year or beyond its last)
  // is shown as Qt shows it.
  if (!IsDateCell(value) || !TryVariantToDateTime(value, dateTime) ||
      !CalendarShows(dateTime, FUseSystemCalendar))
    return QStyledItemDelegate::displayText(value, locale);
  const bool dateOnly = IsDateOnly(value);
  std::string pattern = dateOnly ? FDateFormat : FDateTimeFormat;
  if (pattern.empty() && dateOnly) pattern = FormatSettings.ShortDateFormat;
  try {
    const std::string text = FUseSystemCalendar ? FormatDateTime(pattern, dateTime)
                                                : ZarFormatDateTime(pattern, dateTime);
    return QString::fromStdString(text);
  } catch (...) {
    // The formatters raise nothing but std::bad_alloc; Qt's text then, too.
    return QStyledItemDelegate::displayText(value, locale);
  }
}

QWidget* TZarDateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  const QVariant value = index.data(Qt::EditRole);
  if (!IsDateCell(value)) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* picker = new TZarDatePicker(parent);
  picker->SetKind(FEditTime && !IsDateOnly(value) ? dtkDateTime : dtkDate);
  picker->SetUseSystemCalendar(FUseSystemCalendar);
  picker->SetAutoSize(false);
  picker->setAutoFillBackground(true);
  return picker;
}

void TZarDateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* picker = qobject_cast<TCustomZarDatePicker*>(editor);
  if (!picker) return QStyledItemDelegate::setEditorData(editor, index);
  TDateTime value = 0;
  if (!TryVariantToDateTime(index.data(Qt::EditRole), value)) return;  // today stays
  try {
    picker->SetDateTime(value);
  } catch (...) {
    // A value outside the picker's range leaves the picker's own date.
  }
}

void TZarDateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
  auto* picker = qobject_cast<TCustomZarDatePicker*>(editor);
  if (!picker) return QStyledItemDelegate::setModelData(editor, model, index);
  const QVariant original = index.data(Qt::EditRole);
  const bool dateOnly = picker->Kind() == dtkDate;
  const QVariant merged =
      MergeValue(original, dateOnly ? picker->Date() : picker->DateTime(), dateOnly);
  if (merged.isValid()) model->setData(index, merged, Qt::EditRole);
}

}  // namespace zar
