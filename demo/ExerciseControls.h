#pragma once
// Building blocks of the calendar core pages: every exercise is one or more
// input edits with a sample value, a push button naming the routine it calls
// and read-only result edits. Enter in an input runs the exercise.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>

#include "DateTimeBase.h"

class QComboBox;

namespace zar::demo {

using TExercise = std::function<void()>;

QLabel* AddCaption(QWidget* Page, const QString& Text, QRect Bounds);
// An input edit named Name showing Sample; Enter in it runs Exercise.
QLineEdit* AddInputEdit(QWidget* Page, const char* Name, const QString& Sample, QRect Bounds,
                        TExercise Exercise);
// Read-only, out of the tab order, in the button-face colour.
QLineEdit* AddResultEdit(QWidget* Page, const char* Name, QRect Bounds);
// A push button of left-to-right text that runs Exercise when clicked.
QPushButton* AddExerciseButton(QWidget* Page, const QString& Caption, const QString& Hint,
                               QRect Bounds, TExercise Exercise);
// Enter in the combo box's edit runs Exercise.
void RunOnEnter(QComboBox* Combo, TExercise Exercise);

// The text of an input as UTF-8 for the core.
std::string InputText(const QLineEdit* Edit);
// The integer and floating-point readings of an input; a text that is not
// such a number raises EConvertError.
Integer InputInteger(const QLineEdit* Edit);
double InputFloat(const QLineEdit* Edit);
// An integer input used as a date part: anything outside 0..65535 cannot be
// a date part and raises the core's encoding error instead of wrapping round.
Word InputDatePart(const QLineEdit* Edit);

void ShowResult(QLineEdit* Result, const std::string& Text);

// The whole days of a value, truncated toward zero.
std::int64_t WholeDays(TDateTime Value);

}  // namespace zar::demo
