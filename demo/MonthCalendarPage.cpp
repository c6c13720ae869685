#include "MonthCalendarPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "GregorianDates.h"
#include "MonthCalendar.h"
#include "TextFormat.h"
#include "ZarApplication.h"
#include "ZarDateUtils.h"

namespace zar::demo {

namespace {

// The option controls stand in a column right of the calendar.
constexpr int OptionsX = 470, OptionsW = 176;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// A captioned group of radio buttons, the first checked.
QButtonGroup* AddRadioGroup(QWidget* page, const char* caption,
                            std::initializer_list<const char*> items, QRect bounds) {
  auto* box = new QGroupBox(Text(caption), page);
  box->setGeometry(bounds);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(8, 2, 8, 2);
  layout->setSpacing(0);
  auto* group = new QButtonGroup(box);
  int id = 0;
  for (const char* item : items) {
    auto* button = new QRadioButton(Text(item), box);
    layout->addWidget(button);
    group->addButton(button, id++);
  }
  group->button(0)->setChecked(true);
  return group;
}

// Runs a handler with the default exception handling of the application.
template <typename Handler>
auto Guarded(Handler handler) {
  return [handler] { GuardedCall(handler); };
}

}  // namespace

TMonthCalendarPage::TMonthCalendarPage(QWidget* parent) : QWidget(parent) {
  ZarMonthCalendar1 = new TZarMonthCalendar(this);
  ZarMonthCalendar1->setObjectName("ZarMonthCalendar1");
  ZarMonthCalendar1->setGeometry(16, 16, 325, 153);
  ZarMonthCalendar1->CalColors().SetBoldDaysColor(clMaroon);
  ZarMonthCalendar1->SetDefaultBoldDays(dbdFridays);
  ZarMonthCalendar1->SetOptions({mcoToday, mcoTodayCircle, mcoTrailingDays, mcoMonthButtons,
                                 mcoMonthPopupMenu, mcoYearEditor});
  ZarMonthCalendar1->OnClick = [this](TObject*) { ZarMonthCalendar1Click(); };

  Label7 = new QLabel(this);
  Label7->setObjectName("Label7");
  Label7->setGeometry(12, 184, 324, 109);
  Label7->setWordWrap(true);
  Label7->setAlignment(Qt::AlignTop | Qt::AlignLeading);
  // The calendar sizes itself to its font; the text stays 15 pixels under it.
  ZarMonthCalendar1->OnResize = [this](TObject*) {
    Label7->move(Label7->x(), std::max(184, ZarMonthCalendar1->geometry().bottom() + 16));
  };

  RadioGroup7 = AddRadioGroup(this, "تقويم", {"جلالي", "ميلادي"}, {OptionsX, 12, OptionsW, 58});
  RadioGroup8 = AddRadioGroup(this, "حالت انتخاب", {"يک روز", "محدوده", "چندگانه"},
                              {OptionsX, 76, OptionsW, 76});
  CheckBox18 = new QCheckBox(Text("شماره هفتهها"), this);
  CheckBox18->setGeometry(OptionsX, 160, OptionsW, 20);
  CheckBox19 = new QCheckBox(Text("تاريخ امروز"), this);
  CheckBox19->setGeometry(OptionsX, 182, OptionsW, 20);
  CheckBox19->setChecked(true);
  auto* comboCaption = new QLabel(Text("روزهاي متمايز (تعطيل) پيشفرض:"), this);
  comboCaption->setGeometry(OptionsX, 210, OptionsW, 18);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setGeometry(OptionsX, 230, OptionsW, 22);
  for (const char* item :
       {"(هيچ)", "شنبه", "يکشنبه", "دوشنبه", "سهشنبه", "چهارشنبه", "پنجشنبه", "آدينه"})
    ComboBox1->addItem(Text(item));
  ComboBox1->setCurrentIndex(7);
  CheckBox20 = new QCheckBox(Text("ارقام فارسي"), this);
  CheckBox20->setObjectName("CheckBox20");
  CheckBox20->setGeometry(OptionsX, 260, OptionsW, 20);

  connect(RadioGroup7, &QButtonGroup::idClicked, this, Guarded([this] { RadioGroup7Click(); }));
  connect(RadioGroup8, &QButtonGroup::idClicked, this, Guarded([this] { RadioGroup8Click(); }));
  connect(CheckBox18, &QCheckBox::clicked, this, Guarded([this] { CheckBox18Click(); }));
  connect(CheckBox19, &QCheckBox::clicked, this, Guarded([this] { CheckBox19Click(); }));
  connect(ComboBox1, &QComboBox::activated, this, Guarded([this] { ComboBox1Change(); }));
  connect(CheckBox20, &QCheckBox::clicked, this, Guarded([this] { CheckBox20Click(); }));
}

void TMonthCalendarPage::RadioGroup7Click() {
  ZarMonthCalendar1->SetUseSystemCalendar(RadioGroup7->checkedId() == 1);
}

void TMonthCalendarPage::RadioGroup8Click() {
  TMonthCalOptions options =
      ZarMonthCalendar1->Options() - TMonthCalOptions{mcoMultiSelect, mcoRangeSelect};
  if (RadioGroup8->checkedId() == 1) options.Include(mcoRangeSelect);
  if (RadioGroup8->checkedId() == 2) options.Include(mcoMultiSelect);
  ZarMonthCalendar1->SetOptions(options);
}

namespace {

TMonthCalOptions Switched(TMonthCalOptions options, TMonthCalOption option, bool on) {
  return on ? options.Include(option) : options.Exclude(option);
}

}  // namespace

void TMonthCalendarPage::CheckBox18Click() {
  ZarMonthCalendar1->SetOptions(
      Switched(ZarMonthCalendar1->Options(), mcoWeekNumbers, CheckBox18->isChecked()));
}

void TMonthCalendarPage::CheckBox19Click() {
  ZarMonthCalendar1->SetOptions(
      Switched(ZarMonthCalendar1->Options(), mcoToday, CheckBox19->isChecked()));
}

void TMonthCalendarPage::ComboBox1Change() {
  const int item = ComboBox1->currentIndex();
  ZarMonthCalendar1->SetDefaultBoldDays(item == 0 ? dbdNone
                                                  : static_cast<TDefaultBoldDays>(item - 1));
}

void TMonthCalendarPage::CheckBox20Click() {
  ZarMonthCalendar1->SetDigitShape(CheckBox20->isChecked() ? dgPersian : dgLatin);
  if (!Label7->text().isEmpty()) ZarMonthCalendar1Click();  // the text in the same digits
}

void TMonthCalendarPage::ZarMonthCalendar1Click() {
  const TZarMonthCalendar& cal = *ZarMonthCalendar1;
  std::string text;
  switch (RadioGroup8->checkedId()) {
    case 0:
      text = ZarFormatDateTime("dddd، d mmmm yyyy", cal.Date()) + " - " +
             FormatDateTime("d mmmm yyyy", cal.Date());
      break;
    case 1:
      text = Format("از %s تا %s   (%d روز)", ZarDateToStr(cal.RangeStart()),
                    ZarDateToStr(cal.RangeEnd()), cal.SelectedCount());
      break;
    default: {
      std::string list;
      for (int i = 0; i <= 41; ++i) {
        const TDateTime day = cal.FirstCellDate() + i;
        if (!cal.IsSelected(day)) continue;
        if (!list.empty()) list += ", ";
        list += ZarDateToStr(day);
      }
      text = "تعداد روزهاي انتخاب شده: " + std::to_string(cal.SelectedCount()) + "\r\n" + list;
      break;
    }
  }
  Label7->setText(QString::fromStdString(ShapeDigits(text, cal.DigitShape())));
}

}  // namespace zar::demo
