#pragma once
// What the picker's and the month calendar's accessible interfaces share:
// the factory that gives assistive technology an interface for each of the
// controls (and their descendants), and the spoken form of a date.

#include <QString>
#include <string>

#include "DateTimeBase.h"

namespace zar {

// Registers the controls' interface factory with QAccessible; once per
// process, later calls do nothing. The controls call it when created.
void InstallControlAccessibility();

// Text read aloud: the solar calendar speaks Persian digits, the Gregorian
// one keeps the ASCII digits.
QString SpokenText(const std::string& text, bool gregorian);

// A day as "dddd d mmmm yyyy" in the calendar chosen (Persian names and
// digits for the solar one).
QString SpokenDate(TDateTime value, bool gregorian);

}  // namespace zar
