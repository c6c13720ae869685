#pragma once
// The controls of ZarDate: the segmented date/time picker and the month
// calendar with its colour set and year editor.

#include "DatePicker.h"
#include "MonthCalColors.h"
#include "MonthCalendar.h"
#include "YearEdit.h"
