#include "DemoTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "DatePicker.h"
#include "MonthCalendar.h"
#include "OptionControls.h"
#include "PageControl.h"
#include "ZarApplication.h"

namespace zar::demo::test {

namespace {

std::unique_ptr<TApplication> GApp;

// The application lives from before the first test to after the last one,
// and is gone before the program's static objects are destroyed.
class TApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zar_demo_tests";
    static char* argv[] = {name, nullptr};
    GApp = std::make_unique<TApplication>(argc, argv);
    GApp->setLayoutDirection(Qt::RightToLeft);
    // A message that reaches the default handler must not wait for a person.
    GApp->SetUnattended(true);
  }
  void TearDown() override { GApp.reset(); }
};

[[maybe_unused]] ::testing::Environment* const GEnvironment =
    ::testing::AddGlobalTestEnvironment(new TApplicationEnvironment);

}  // namespace

void TShownForm::SetUp() {
  ASSERT_TRUE(FDataDir.isValid());
  FForm = std::make_unique<TForm1>(FDataDir.path());
  FForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
}

void TShownForm::TearDown() { FForm.reset(); }

int TShownForm::ActiveTag() const { return FForm->PageControl()->ActivePageTag(); }

QPushButton* TShownForm::Button(const QWidget* Parent, const QString& Caption) const {
  for (QPushButton* button : Parent->findChildren<QPushButton*>())
    if (button->text().contains(Caption)) return button;
  ADD_FAILURE() << "no button " << Caption.toStdString();
  return nullptr;
}

void TShownForm::Click(QWidget* Widget) const {
  ASSERT_NE(Widget, nullptr);
  QTest::mouseClick(Widget, Qt::LeftButton);
}

QPoint DayCellCenter(const TCustomZarMonthCalendar& Calendar, TDateTime Date) {
  Word col, row;
  Calendar.IndexToCell(static_cast<Word>(Date - Calendar.FirstCellDate()), col, row);
  return Calendar.CellRect(col, row).ToQRect().center() + Calendar.ClientOrigin();
}

void ShowPickerPage(QWidget& Page, TCustomZarDatePicker& Picker) {
  Page.resize(662, 348);
  Page.show();
  QApplication::setActiveWindow(&Page);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Page));
  Picker.SetFocus();
}

void ExpectCalendarAndDirectionGroups(TCustomZarDatePicker& Picker, TRadioGroup& Calendar,
                                      TRadioGroup& Direction) {
  QTest::keyClick(&Picker, Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_TRUE(Picker.UseSystemCalendar());
  EXPECT_EQ(Calendar.ItemIndex(), 1);
  Calendar.Item(0)->click();
  EXPECT_FALSE(Picker.UseSystemCalendar());
  Direction.Item(1)->click();
  EXPECT_EQ(Picker.AutoMoveDirection(), amdYMD);
}

void ExpectPropertyCheckBoxes(const QWidget& Page, const TCustomZarDatePicker& Picker,
                              const std::array<const char*, 7>& Names) {
  using TGetter = bool (TCustomZarDatePicker::*)() const;
  const TGetter getters[] = {
      &TCustomZarDatePicker::HighlightRequired, &TCustomZarDatePicker::AllowNull,
      &TCustomZarDatePicker::ShowSecond,        &TCustomZarDatePicker::Use12HourClock,
      &TCustomZarDatePicker::AutoMove,          &TCustomZarDatePicker::AllowCalendarSwitch,
      &TCustomZarDatePicker::IntelliYearDigits};
  for (std::size_t i = 0; i < Names.size(); ++i) {
    // Through a local: g++ 12's bounds sanitizer misreads an indexed
    // pointer-to-member call.
    const TGetter getter = getters[i];
    QCheckBox* box = Page.findChild<QCheckBox*>(Names[i]);
    ASSERT_NE(box, nullptr) << Names[i];
    box->click();
    EXPECT_EQ((Picker.*getter)(), box->isChecked()) << Names[i];
    box->click();
    EXPECT_EQ((Picker.*getter)(), box->isChecked()) << Names[i];
  }
}

}  // namespace zar::demo::test
