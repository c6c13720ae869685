#pragma once
// The controls of ZarDate: the segmented date/time picker, the month
// calendar with its colour set and year editor, and the extended picker
// with its drop-down calendar.

#include "DatePicker.h"
#include "DropDownCalendar.h"
#include "ExZarDatePicker.h"
#include "MonthCalColors.h"
#include "MonthCalendar.h"
#include "YearEdit.h"
