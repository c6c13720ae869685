#include "PickerPage.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "DatePicker.h"
#include "ExerciseControls.h"
#include "OptionControls.h"

namespace zar::demo {

namespace {

// Columns from the right: the options (radio groups, then check boxes), a
// separator line, the picker with its outputs and help.
constexpr int RadioX = 514, RadioW = 140;
constexpr int CheckX = 364, CheckW = 144, CheckH = 20, CheckStep = 24;
constexpr int SeparatorX = 352;
constexpr int OutputX = 16, OutputW = 281;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// The key help of the picker, one key and its meaning a line.
const std::vector<std::pair<const char*, const char*>> KeyHelp = {
    {"Left/Right", "انتخاب عنصر تاريخ"},
    {"Up/Down , -/+", "افزايش/كاهش"},
    {"Home/End", "ابتدا/انتها"},
    {"PageUp/PageDown", "يك روز افزايش/كاهش تاريخ"},
    {"CTRL+ PageUp/PageDown", "يك هفته افزايش/كاهش تاريخ"},
    {"CTRL+ Home/End", "آغاز/پايان سال"},
    {"CTRL+ Space / *", "امروز"},
    {"CTRL+ C, X", "كپي"},
    {"CTRL+ V", "پيست"},
    {"MouseWheel Up/Down", "افزايش/كاهش"},
    {"SHIFT+ M.W. Up/Down", "يك روز افزايش/كاهش تاريخ"},
    {"CTRL+ M.W. Up/Down", "يك هفته افزايش/كاهش تاريخ"},
    {"DblClick / SHIFT + Space", "انتخاب تقويم"},
    {"Delete", "خالي"},
};

}  // namespace

TPickerPage::TPickerPage(QWidget* parent) : QWidget(parent) {
  ZarDatePicker1 = new TZarDatePicker(this);
  ZarDatePicker1->setObjectName("ZarDatePicker1");
  ZarDatePicker1->SetBounds(160, 16, 137, 21);
  ZarDatePicker1->SetAllowNull(true);
  ZarDatePicker1->SetFormattedHint(true);
  ZarDatePicker1->SetHighlightRequired(true);
  ZarDatePicker1->SetHint("dddd, d mmmm yyyy");
  ZarDatePicker1->OnChange = [this](TObject*) { ZarDatePicker1Change(); };
  ZarDatePicker1->OnCalendarSwitch = [this](TObject*) { ZarDatePicker1CalendarSwitch(); };
  AddCaption(this, Text("تاريخ:"), {302, 18, 44, 17});

  Edit2 = AddResultEdit(this, "Edit2", {OutputX, 48, OutputW, 21});
  Edit1 = AddResultEdit(this, "Edit1", {OutputX, 72, OutputW, 21});
  for (QLineEdit* edit : {Edit2, Edit1}) edit->setLayoutDirection(Qt::RightToLeft);

  AddCaption(this, Text("راهنما:"), {302, 100, 44, 17});
  AddKeyHelpTable(this, KeyHelp, {OutputX, 100, OutputW, 244}, 130);

  auto* separator = new QFrame(this);
  separator->setFrameShape(QFrame::VLine);
  separator->setFrameShadow(QFrame::Sunken);
  separator->setGeometry(SeparatorX, 8, 4, 330);

  BuildOptions();
}

void TPickerPage::BuildOptions() {
  std::tie(RadioGroup1, RadioGroup2, RadioGroup3) = AddPickerRadioGroups(this, RadioX, RadioW);
  RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
  RadioGroup2->OnClick = [this] { RadioGroup2Click(); };
  RadioGroup3->OnClick = [this] { RadioGroup3Click(); };

  TZarDatePicker* picker = ZarDatePicker1;
  const int y = AddPickerPropertyCheckBoxes(
      this, picker,
      {"CheckBox4", "CheckBox5", "CheckBox6", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox7"},
      "با انتخاب اين ويژگي، کاربر ميتواند با زدن SHIFT+Space يا کليک دوتايي \r\n"
      "روي کنترل تقويم را از جلالي به ميلادي يا برعکس تغيير دهد.",
      {CheckX, 16, CheckW, CheckH}, CheckStep);
  AddOptionCheckBox(this, "CheckBox8", Text("ارقام فارسي"), false, {CheckX, y, CheckW, CheckH},
                    [picker](bool on) { picker->SetDigitShape(on ? dgPersian : dgLatin); });
}

void TPickerPage::ZarDatePicker1Change() { ShowPickerValue(ZarDatePicker1, Edit2, Edit1); }

void TPickerPage::ZarDatePicker1CalendarSwitch() {
  RadioGroup2->SetItemIndex(ZarDatePicker1->UseSystemCalendar() ? 1 : 0);
}

void TPickerPage::RadioGroup1Click() {
  constexpr TZarDateTimeKind kinds[] = {dtkDate, dtkTime, dtkDateTime};
  ZarDatePicker1->SetKind(kinds[RadioGroup1->ItemIndex()]);
  ZarDatePicker1Change();
}

void TPickerPage::RadioGroup2Click() {
  ZarDatePicker1->SetUseSystemCalendar(RadioGroup2->ItemIndex() == 1);
}

void TPickerPage::RadioGroup3Click() {
  ZarDatePicker1->SetAutoMoveDirection(RadioGroup3->ItemIndex() == 0 ? amdDMY : amdYMD);
}

}  // namespace zar::demo
