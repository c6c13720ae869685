#include "ExerciseControls.h"

#include <QComboBox>
#include <charconv>
#include <cmath>
#include <limits>

#include "BidiText.h"
#include "Exceptions.h"
#include "TextFormat.h"
#include "ZarApplication.h"
#include "ZarDateConsts.h"

namespace zar::demo {

namespace {

// The number a text holds, ignoring blanks around it; false when anything
// else is in the way.
template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

}  // namespace

QLabel* AddCaption(QWidget* Page, const QString& Text, QRect Bounds) {
  auto* label = new QLabel(Text, Page);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(Bounds);
  return label;
}

QLineEdit* AddInputEdit(QWidget* Page, const char* Name, const QString& Sample, QRect Bounds,
                        TExercise Exercise) {
  auto* edit = new QLineEdit(Sample, Page);
  edit->setObjectName(Name);
  edit->setGeometry(Bounds);
  QObject::connect(edit, &QLineEdit::returnPressed, edit,
                   [run = std::move(Exercise)] { GuardedCall(run); });
  return edit;
}

QLineEdit* AddResultEdit(QWidget* Page, const char* Name, QRect Bounds) {
  auto* edit = new QLineEdit(Page);
  edit->setObjectName(Name);
  edit->setGeometry(Bounds);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  edit->setPalette(palette);
  return edit;
}

QPushButton* AddExerciseButton(QWidget* Page, const QString& Caption, const QString& Hint,
                               QRect Bounds, TExercise Exercise) {
  auto* button = new QPushButton(LeftToRight(Caption), Page);
  button->setGeometry(Bounds);
  button->setToolTip(Hint);
  QObject::connect(button, &QPushButton::clicked, button,
                   [run = std::move(Exercise)] { GuardedCall(run); });
  return button;
}

void RunOnEnter(QComboBox* Combo, TExercise Exercise) {
  // The typed pattern is used as it is; it is not added to the list.
  Combo->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(Combo->lineEdit(), &QLineEdit::returnPressed, Combo,
                   [run = std::move(Exercise)] { GuardedCall(run); });
}

std::string InputText(const QLineEdit* Edit) { return Edit->text().toStdString(); }

Integer InputInteger(const QLineEdit* Edit) {
  const std::string text = InputText(Edit);
  Integer value = 0;
  if (!ParseNumber(text, value))
    throw EConvertError(Format("'%s' is not a valid integer value", text));
  return value;
}

double InputFloat(const QLineEdit* Edit) {
  const std::string text = InputText(Edit);
  double value = 0;
  if (!ParseNumber(text, value) || !std::isfinite(value))
    throw EConvertError(Format("'%s' is not a valid floating point value", text));
  return value;
}

Word InputDatePart(const QLineEdit* Edit) {
  const Integer value = InputInteger(Edit);
  if (value < 0 || value > std::numeric_limits<Word>::max())
    throw EConvertError(std::string(SDateEncodeError));
  return static_cast<Word>(value);
}

void ShowResult(QLineEdit* Result, const std::string& Text) {
  Result->setText(QString::fromStdString(Text));
  Result->setCursorPosition(0);
}

std::int64_t WholeDays(TDateTime Value) { return static_cast<std::int64_t>(std::trunc(Value)); }

}  // namespace zar::demo
