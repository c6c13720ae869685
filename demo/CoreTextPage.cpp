#include "CoreTextPage.h"

#include <QAbstractItemView>
#include <QComboBox>

#include "ExerciseControls.h"
#include "GregorianDates.h"
#include "TextFormat.h"
#include "ZarDateUtils.h"

namespace zar::demo {

namespace {

// Columns of the page, from the right: captions, inputs with their type name
// at their left, the routine's button, the results.
constexpr int CaptionX = 610, CaptionW = 44;
constexpr int InputX = 420, InputW = 186, TypeW = 54;
constexpr int ButtonX = 182, ButtonW = 233;
constexpr int ResultX = 8, ResultW = 170;
constexpr int RowH = 22;

QRect Caption(int y) { return {CaptionX, y, CaptionW, RowH}; }
QRect Input(int y) { return {InputX + TypeW, y, InputW - TypeW, RowH}; }
QRect TypeName(int y) { return {InputX, y, TypeW - 4, RowH}; }
QRect Button(int y) { return {ButtonX, y, ButtonW, RowH}; }
QRect Result(int y) { return {ResultX, y, ResultW, RowH}; }

// The patterns offered for the formatter; any other may be typed. The comma
// after "dddd" is the Arabic comma.
const char* const Patterns[] = {
    "yyyy/mm/dd",
    "yyyy-mm-dd",
    "dd/mm/yyyy",
    "dddd، d mmmm yyyy",
    "yy/m/d",
    "yyyy-mm-dd",
    "yyyy mm dd , dddd",
    "d-m-y",
    "d mmmm yyyy",
    "dddd، d mmmm yyyy  ساعت t",
    "dddd، d mmmm yyyy  ساعت hh:nn",
    "hh:nn:ss",
    "t",
    "c",
    "",
};

}  // namespace

TCoreTextPage::TCoreTextPage(QWidget* parent) : QWidget(parent) {
  AddCaption(this, "مقدار:", {InputX + TypeW, 6, InputW - TypeW, RowH});
  AddCaption(this, "نتيجه:", {ResultX, 6, ResultW, RowH});

  // A conversion of one typed value: input, type name, button, result.
  struct TConversion {
    int Y;
    QLineEdit* TCoreTextPage::*Input;
    const char* Name;
    const char* Sample;
    const char* Type;
    const char* Caption;
    const char* Hint;
    QLineEdit* TCoreTextPage::*Result;
    const char* ResultName;
    void (TCoreTextPage::*Run)();
  };
  const TConversion conversions[] = {
      {30, &TCoreTextPage::Edit9, "Edit9", "37158", "TDate", "ZarDateToStr(Value);",
       "تبديل تاريخ به رشته", &TCoreTextPage::Edit12, "Edit12", &TCoreTextPage::SpeedButton3Click},
      {58, &TCoreTextPage::Edit10, "Edit10", "37158.2315", "TDateTime", "ZarDateTimeToStr(Value);",
       "تبديل تاريخ-زمان به رشته", &TCoreTextPage::Edit13, "Edit13",
       &TCoreTextPage::SpeedButton4Click},
      {158, &TCoreTextPage::Edit14, "Edit14", "80/01/12", "string", "ZarStrToDate(Value);",
       "تبديل رشته به تاريخ", &TCoreTextPage::Edit16, "Edit16", &TCoreTextPage::SpeedButton6Click},
      {186, &TCoreTextPage::Edit15, "Edit15", "80/01/12  11:25", "string",
       "ZarStrToDateTime(Value);", "تبديل رشته به تاريخ-زمان", &TCoreTextPage::Edit17, "Edit17",
       &TCoreTextPage::SpeedButton7Click},
  };
  for (const TConversion& c : conversions) {
    auto run = [this, c] { (this->*c.Run)(); };
    this->*c.Input = AddInputEdit(this, c.Name, c.Sample, Input(c.Y), run);
    AddCaption(this, c.Type, TypeName(c.Y));
    AddExerciseButton(this, c.Caption, c.Hint, Button(c.Y), run);
    this->*c.Result = AddResultEdit(this, c.ResultName, Result(c.Y));
  }

  int y = 94;
  auto format = [this] { SpeedButton5Click(); };
  Edit11 = AddInputEdit(this, "Edit11", "37158.25", Input(y), format);
  AddCaption(this, "TDateTime", TypeName(y));
  AddCaption(this, "قالب:", Caption(y + 26));
  ComboBox2 = new QComboBox(this);
  ComboBox2->setObjectName("ComboBox2");
  ComboBox2->setEditable(true);
  for (const char* pattern : Patterns) ComboBox2->addItem(QString::fromUtf8(pattern));
  ComboBox2->setEditText("dddd، d mmmm yyyy");
  ComboBox2->setGeometry(Input(y + 26));
  ComboBox2->view()->setMinimumWidth(220);
  RunOnEnter(ComboBox2, format);
  AddCaption(this, "string", TypeName(y + 26));
  AddExerciseButton(this, "ZarFormatDateTime(Format, Value);", "قالبدهي تاريخ-زمان", Button(y + 13),
                    format);
  Result3 = AddResultEdit(this, "Result3", Result(y + 13));

  y = 222;
  AddCaption(this, "امروز:", Caption(y));
  AddExerciseButton(this, "ZarDateToStr(SysUtils.Date);", "تبديل تاريخ امروز به رشته", Button(y),
                    [this] { SpeedButton8Click(); });
  Edit18 = AddResultEdit(this, "Edit18", Result(y));

  y = 250;
  AddCaption(this, "اکنون:", Caption(y));
  AddExerciseButton(this, "ZarDateTimeToStr(SysUtils.Now);", "تبديل تاريخ-زمان جاري به رشته",
                    Button(y), [this] { SpeedButton9Click(); });
  Edit19 = AddResultEdit(this, "Edit19", Result(y));
}

void TCoreTextPage::SpeedButton3Click() { ShowResult(Edit12, ZarDateToStr(InputFloat(Edit9))); }

void TCoreTextPage::SpeedButton4Click() {
  ShowResult(Edit13, ZarDateTimeToStr(InputFloat(Edit10)));
}

void TCoreTextPage::SpeedButton5Click() {
  const std::string pattern = ComboBox2->currentText().toStdString();
  ShowResult(Result3, ZarFormatDateTime(pattern, InputFloat(Edit11)));
}

void TCoreTextPage::SpeedButton6Click() {
  const TDateTime v = ZarStrToDate(InputText(Edit14));
  ShowResult(Edit16, Format("%d   (%s)", WholeDays(v), ZarDateToStr(v)));
}

void TCoreTextPage::SpeedButton7Click() {
  const TDateTime v = ZarStrToDateTime(InputText(Edit15));
  ShowResult(Edit17, Format("%.2f   (%s)", v, ZarDateTimeToStr(v)));
}

void TCoreTextPage::SpeedButton8Click() { ShowResult(Edit18, ZarDateToStr(Date())); }

void TCoreTextPage::SpeedButton9Click() { ShowResult(Edit19, ZarDateTimeToStr(Now())); }

}  // namespace zar::demo
