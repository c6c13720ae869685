#pragma once
// TZarDateDelegate: shows the dates of any Qt model as Solar Hijri text and
// edits them with the segmented picker. It knows QDate, QDateTime and
// TDateTimeValue cells (see QtDates.h); every other cell, and an invalid
// date, is shown and edited as the base delegate does.
//
// An edit keeps what the user did not touch: the edited value is written in
// the cell's own type, a date-time keeps its time of day and time zone setting when
// only its date is edited, and an editor left unchanged writes back the
// identical value.

#include <QStyledItemDelegate>
#include <string>

#include "DateTimeBase.h"

namespace zar {

class TZarDateDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TZarDateDelegate(QObject* parent = nullptr);

  // Pattern of QDate cells; empty (the default) for the short date format.
  const std::string& DateFormat() const noexcept { return FDateFormat; }
  void SetDateFormat(std::string Value) { FDateFormat = std::move(Value); }
  // Pattern of date-time cells; empty (the default) for the date, and the
  // time when there is one.
  const std::string& DateTimeFormat() const noexcept { return FDateTimeFormat; }
  void SetDateTimeFormat(std::string Value) { FDateTimeFormat = std::move(Value); }
  // Whether the picker also edits the time of date-time cells; off by
  // default (the date alone is edited).
  bool EditTime() const noexcept { return FEditTime; }
  void SetEditTime(bool Value) noexcept { FEditTime = Value; }
  // Shows and edits in the Gregorian calendar instead; off by default.
  bool UseSystemCalendar() const noexcept { return FUseSystemCalendar; }
  void SetUseSystemCalendar(bool Value) noexcept { FUseSystemCalendar = Value; }

  // The value to store when a cell holding Original is edited to Edited
  // (the date alone when DateOnly): Original's own type, its time kept when
  // DateOnly, Original itself when nothing changed. Invalid when Original
  // is not a date cell.
  static QVariant MergeValue(const QVariant& Original, TDateTime Edited, bool DateOnly);

  // A date cell's text by DateFormat or DateTimeFormat in the chosen calendar;
  // other cells, invalid dates and days the calendar cannot decode (before
  // solar 1/1/1 or beyond solar year 65535; outside 0001..9999 in the
  // Gregorian calendar) as the base delegate shows them.
  QString displayText(const QVariant& value, const QLocale& locale) const override;
  // A segmented picker for a date cell (its time too with EditTime, for date-time
  // cells); the base delegate's editor for any other cell.
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  // Loads the cell into the picker; an invalid date, or one the picker refuses,
  // leaves the picker's own date.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  // Writes MergeValue of the cell and the picker's value (EditRole); nothing when
  // the cell is not a date cell.
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  std::string FDateFormat;
  std::string FDateTimeFormat;
  bool FEditTime = false;
  bool FUseSystemCalendar = false;
};

}  // namespace zar
