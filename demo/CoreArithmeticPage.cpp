#include "CoreArithmeticPage.h"

#include "ExerciseControls.h"
#include "GregorianDates.h"
#include "TextFormat.h"
#include "ZarDateUtils.h"

namespace zar::demo {

namespace {

// Columns of the page, from the right: captions, inputs (with the type name
// at their left), the routine's button, the results.
constexpr int CaptionX = 584, CaptionW = 70;
constexpr int InputX = 456, InputW = 124;
constexpr int ButtonX = 218, ButtonW = 233;
constexpr int ResultX = 8, ResultW = 205;
// Results that need a caption of their own share their column with it.
constexpr int NamedResultW = 145, ResultCaptionX = ResultX + NamedResultW + 4;
constexpr int RowH = 22;

QRect Caption(int y) { return {CaptionX, y, CaptionW, RowH}; }
QRect Button(int y) { return {ButtonX, y, ButtonW, RowH}; }
QRect Result(int y) { return {ResultX, y, ResultW, RowH}; }
QRect NamedResult(int y) { return {ResultX, y, NamedResultW, RowH}; }
QRect ResultCaption(int y) { return {ResultCaptionX, y, ResultX + ResultW - ResultCaptionX, RowH}; }

}  // namespace

TCoreArithmeticPage::TCoreArithmeticPage(QWidget* parent) : QWidget(parent) {
  AddCaption(this, "نتيجه:", {ResultX, 6, ResultW, RowH});

  // 1. Encode: the three parts read right to left as day, month, year.
  int y = 30;
  auto encode = [this] { SpeedButton1Click(); };
  AddCaption(this, "ر، م، س:", Caption(y));
  Edit7 = AddInputEdit(this, "Edit7", "10", {InputX + 92, y, 32, RowH}, encode);
  Edit6 = AddInputEdit(this, "Edit6", "3", {InputX + 64, y, 26, RowH}, encode);
  Edit5 = AddInputEdit(this, "Edit5", "1385", {InputX + 26, y, 36, RowH}, encode);
  AddCaption(this, "Word", {InputX, y, 26, RowH});
  AddExerciseButton(this, "ZarEncodeDate(Year, Month, Day)",
                    "کدکردن تاريخ هجري شمسي در يک مقدار TDate", Button(y), encode);
  Result1 = AddResultEdit(this, "Result1", Result(y));

  // 2. Decode.
  y = 58;
  auto decode = [this] { SpeedButton2Click(); };
  AddCaption(this, "مقدار:", Caption(y));
  Edit8 = AddInputEdit(this, "Edit8", "38868", {InputX + 36, y, InputW - 36, RowH}, decode);
  AddCaption(this, "TDate", {InputX, y, 34, RowH});
  AddExerciseButton(this, "ZarDecodeDate(Date);", "از کد خارج کردن يک مقدار TDate در تقويم جلالي",
                    Button(y), decode);
  Result2 = AddResultEdit(this, "Result2", Result(y));

  // 3. Week number and weekday, two buttons of one handler.
  y = 94;
  auto week = [this] { SpeedButton13Click(); };
  AddCaption(this, "تاريخ:", Caption(y + 13));
  Edit30 = AddInputEdit(this, "Edit30", "80/01/12", {InputX, y + 13, InputW, RowH}, week);
  AddExerciseButton(this, "ZarDateToWeekNo( Date );", {}, Button(y), week);
  AddExerciseButton(this, "ZarDayOfWeek( Date );", {}, Button(y + 26), week);
  AddCaption(this, "شماره هفته:", ResultCaption(y));
  Edit31 = AddResultEdit(this, "Edit31", NamedResult(y));
  AddCaption(this, "روز هفته:", ResultCaption(y + 26));
  Edit32 = AddResultEdit(this, "Edit32", NamedResult(y + 26));

  // 4. One day number in three calendars.
  y = 158;
  auto calendars = [this] { SpeedButton10Click(); };
  AddCaption(this, "مقدار TDate:", {InputX + InputW + 4 - 30, y + 26, CaptionW + 30, RowH});
  Edit20 = AddInputEdit(this, "Edit20", "36757", {InputX, y + 26, InputW - 30, RowH}, calendars);
  AddExerciseButton(this, "برابر است با", {}, Button(y + 26), calendars);
  AddCaption(this, "تارِيخ جلالي", ResultCaption(y));
  Edit21 = AddResultEdit(this, "Edit21", NamedResult(y));
  AddCaption(this, "تاريخ ميلادي:", ResultCaption(y + 26));
  Edit22 = AddResultEdit(this, "Edit22", NamedResult(y + 26));
  AddCaption(this, "تاريخ قمري:", ResultCaption(y + 52));
  Edit23 = AddResultEdit(this, "Edit23", NamedResult(y + 52));

  // 5. Difference of two dates.
  y = 248;
  auto difference = [this] { SpeedButton11Click(); };
  AddCaption(this, "تاريخ 1 و 2:", Caption(y));
  Edit24 = AddInputEdit(this, "Edit24", "80/01/12", {InputX + 64, y, 60, RowH}, difference);
  Edit26 = AddInputEdit(this, "Edit26", "80/01/10", {InputX, y, 60, RowH}, difference);
  AddExerciseButton(this, "تفريق تاريخها", {}, Button(y), difference);
  Edit25 = AddResultEdit(this, "Edit25", Result(y));

  // 6. Months added.
  y = 284;
  auto addMonths = [this] { SpeedButton12Click(); };
  AddCaption(this, "تاريخ:", Caption(y));
  Edit27 = AddInputEdit(this, "Edit27", "80/01/12", {InputX, y, InputW, RowH}, addMonths);
  AddCaption(this, "تعداد ماه:", Caption(y + 26));
  Edit29 = AddInputEdit(this, "Edit29", "6", {InputX, y + 26, InputW, RowH}, addMonths);
  AddExerciseButton(this, "افزودن تعداد ماه", {}, Button(y + 13), addMonths);
  Edit28 = AddResultEdit(this, "Edit28", Result(y + 13));
}

void TCoreArithmeticPage::SpeedButton1Click() {
  const TDateTime v =
      ZarEncodeDate(InputDatePart(Edit5), InputDatePart(Edit6), InputDatePart(Edit7));
  ShowResult(Result1, Format("%d   (%s)", WholeDays(v), ZarDateToStr(v)));
}

void TCoreArithmeticPage::SpeedButton2Click() {
  Word y, m, d;
  ZarDecodeDate(InputFloat(Edit8), y, m, d);
  ShowResult(Result2, Format("Year: %d,   Month: %d,   Day: %d", y, m, d));
}

void TCoreArithmeticPage::SpeedButton13Click() {
  const TDateTime v = ZarStrToDate(InputText(Edit30));
  const Integer week = ZarDateToWeekNo(v, swrDefault);
  Word y, m, d;
  ZarDecodeDate(v, y, m, d);
  // Week 1 may start in Esfand and the last week may end in Farvardin.
  Integer weekYear = y;
  if (m == 12 && week < 2)
    ++weekYear;
  else if (m == 1 && week > 50)
    --weekYear;
  ShowResult(Edit31, Format("%d   (از سال %d)", week, weekYear));
  const Word day = ZarDayOfWeek(v);
  ShowResult(Edit32, Format("%d   (%s)", day, ZarLongDayNames[day]));
}

void TCoreArithmeticPage::SpeedButton10Click() {
  const TDateTime n = InputInteger(Edit20);
  ShowResult(Edit21, ZarFormatDateTime("dddd , d mmmm yyyy", n));
  ShowResult(Edit22, FormatDateTime("dddd , d mmmm yyyy", n));
  // The lunar calendar is not computed.
  ShowResult(Edit23, "مي توان محاسبات مربوطه را پياده كرد");
}

void TCoreArithmeticPage::SpeedButton11Click() {
  const TDateTime difference = ZarStrToDate(InputText(Edit24)) - ZarStrToDate(InputText(Edit26));
  ShowResult(Edit25, Format("%d روز", WholeDays(difference)));
}

void TCoreArithmeticPage::SpeedButton12Click() {
  const TDateTime v = ZarIncMonth(ZarStrToDate(InputText(Edit27)), InputInteger(Edit29));
  ShowResult(Edit28, ZarDateToStr(v));
}

}  // namespace zar::demo
