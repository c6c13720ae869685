#include "ExPickerPage.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ExZarDatePicker.h"
#include "ExerciseControls.h"
#include "OptionControls.h"

namespace zar::demo {

namespace {

// The same columns as page 21: from the right the options, a separator
// line, the picker with its outputs and help.
constexpr int RadioX = 514, RadioW = 140;
constexpr int CheckX = 364, CheckW = 144, CheckH = 20, CheckStep = 24;
constexpr int SeparatorX = 352;
constexpr int OutputX = 16, OutputW = 281, KeysW = 130;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TExPickerPage::TExPickerPage(QWidget* parent) : QWidget(parent) {
  ExZarDatePicker1 = new TExZarDatePicker(this);
  ExZarDatePicker1->setObjectName("ExZarDatePicker1");
  ExZarDatePicker1->SetBounds(136, 16, 161, 21);
  ExZarDatePicker1->SetAllowNull(true);
  ExZarDatePicker1->SetFormattedHint(true);
  ExZarDatePicker1->SetHighlightRequired(true);
  ExZarDatePicker1->SetHint("dddd, d mmmm yyyy");
  ExZarDatePicker1->OnChange = [this](TObject*) { ExZarDatePicker1Change(); };
  ExZarDatePicker1->OnCalendarSwitch = [this](TObject*) { ExZarDatePicker1CalendarSwitch(); };
  AddCaption(this, Text("تاريخ:"), {302, 18, 44, 17});

  Edit3 = AddResultEdit(this, "Edit3", {OutputX, 48, OutputW, 21});
  Edit4 = AddResultEdit(this, "Edit4", {OutputX, 72, OutputW, 21});
  for (QLineEdit* edit : {Edit3, Edit4}) edit->setLayoutDirection(Qt::RightToLeft);

  BuildHelp();

  auto* separator = new QFrame(this);
  separator->setFrameShape(QFrame::VLine);
  separator->setFrameShadow(QFrame::Sunken);
  separator->setGeometry(SeparatorX, 8, 4, 330);

  BuildOptions();
}

void TExPickerPage::BuildHelp() {
  AddCaption(this, Text("راهنما:"), {302, 100, 44, 17});
  AddKeyHelpTable(this, {{"ALT + Up/Down", "بازكردن/بستن تقويم"}}, {OutputX, 100, OutputW, 20},
                  KeysW);
  AddCaption(this, Text("وقتي تقويم باز است:"), {OutputX, 126, OutputW, 17});
  AddKeyHelpTable(this,
                  {{"Enter", "انتخاب و بستن"},
                   {"Esc", "انصراف از انتخاب و بستن"},
                   {"Click on a date", "انتخاب و بستن"},
                   {"Click out of calendar", "انصراف از انتخاب و بستن"},
                   {"", "و كليدهاي تعريف شده براي تقويم"}},
                  {OutputX, 146, OutputW, 92}, KeysW);
  AddCaption(this, Text("در حالت داراي CheckBox:"), {OutputX, 244, OutputW, 17});
  AddKeyHelpTable(this, {{"Space", "تغيير وضعيت چك باكس"}}, {OutputX, 264, OutputW, 20}, KeysW);
}

void TExPickerPage::BuildOptions() {
  std::tie(RadioGroup4, RadioGroup5, RadioGroup6) = AddPickerRadioGroups(this, RadioX, RadioW);
  RadioGroup4->OnClick = [this] { RadioGroup4Click(); };
  RadioGroup5->OnClick = [this] { RadioGroup5Click(); };
  RadioGroup6->OnClick = [this] { RadioGroup6Click(); };

  int y = AddPickerPropertyCheckBoxes(
      this, ExZarDatePicker1,
      {"CheckBox11", "CheckBox12", "CheckBox13", "CheckBox8", "CheckBox9", "CheckBox10",
       "CheckBox14"},
      "با انتخاب اين ويژگي، کاربر ميتواند با زدن SHIFT+Space يا کليک دوتايي ",
      {CheckX, 16, CheckW, CheckH}, CheckStep);
  CheckBox17 =
      AddOptionCheckBox(this, "CheckBox17", Text("نمايش CheckBox"), false,
                        {CheckX, y, CheckW, CheckH}, [this](bool on) { CheckBox17Click(on); });
  y += CheckStep;

  auto* buttons = new QGroupBox(Text("دگمهها"), this);
  buttons->setObjectName("GroupBox1");
  buttons->setGeometry(CheckX, y, CheckW, 70);
  CheckBox15 =
      AddOptionCheckBox(buttons, "CheckBox15", Text("بالا/پايين"), true,
                        {8, 20, CheckW - 16, CheckH}, [this](bool on) { CheckBox15Click(on); });
  CheckBox16 =
      AddOptionCheckBox(buttons, "CheckBox16", Text("نمايش تقويم"), true,
                        {8, 44, CheckW - 16, CheckH}, [this](bool on) { CheckBox16Click(on); });
}

void TExPickerPage::ExZarDatePicker1Change() { ShowPickerValue(ExZarDatePicker1, Edit3, Edit4); }

void TExPickerPage::ExZarDatePicker1CalendarSwitch() {
  RadioGroup5->SetItemIndex(ExZarDatePicker1->UseSystemCalendar() ? 1 : 0);
}

// A time has no day to pick: the drop-down button goes with the time kind.
void TExPickerPage::RadioGroup4Click() {
  constexpr TZarDateTimeKind kinds[] = {dtkDate, dtkTime, dtkDateTime};
  ExZarDatePicker1->SetKind(kinds[RadioGroup4->ItemIndex()]);
  ExZarDatePicker1->SetButtons({dpbDropDown, dpbUpDown});
  CheckBox15->setChecked(true);
  CheckBox16->setChecked(true);
  if (ExZarDatePicker1->Kind() == dtkTime) {
    TDatePickerButtons buttons = ExZarDatePicker1->Buttons();
    ExZarDatePicker1->SetButtons(buttons.Exclude(dpbDropDown));
    CheckBox16->setChecked(false);
  }
  ExZarDatePicker1Change();
}

void TExPickerPage::RadioGroup5Click() {
  ExZarDatePicker1->SetUseSystemCalendar(RadioGroup5->ItemIndex() == 1);
}

void TExPickerPage::RadioGroup6Click() {
  ExZarDatePicker1->SetAutoMoveDirection(RadioGroup6->ItemIndex() == 0 ? amdDMY : amdYMD);
}

void TExPickerPage::CheckBox15Click(bool on) {
  TDatePickerButtons buttons = ExZarDatePicker1->Buttons();
  ExZarDatePicker1->SetButtons(on ? buttons.Include(dpbUpDown) : buttons.Exclude(dpbUpDown));
}

void TExPickerPage::CheckBox16Click(bool on) {
  TDatePickerButtons buttons = ExZarDatePicker1->Buttons();
  ExZarDatePicker1->SetButtons(on ? buttons.Include(dpbDropDown) : buttons.Exclude(dpbDropDown));
}

void TExPickerPage::CheckBox17Click(bool on) {
  ExZarDatePicker1->SetShowCheckBox(on);
  ExZarDatePicker1Change();
}

}  // namespace zar::demo
