// The data-aware edit and check box: what they show, how typing and
// clicking start editing, what they store, and what they do when the
// field refuses or the dataset goes away.

#include <gtest/gtest.h>

#include <QTest>
#include <QVBoxLayout>

#include "DBCheckBox.h"
#include "DBEdit.h"
#include "DBTestSupport.h"
#include "GuiTestEnvironment.h"

namespace zar {
namespace {

class DBEditTest : public ::testing::Test {
 protected:
  DBEditTest() {
    test::App().OnException = [this](const std::string& message) { Errors += message + ";"; };
    auto* layout = new QVBoxLayout(&Form);
    layout->addWidget(Edit);
    layout->addWidget(Check);
    layout->addWidget(Other);
    Edit->SetDataSource(&Data.Source);
    Edit->SetDataField("Ship");
    Check->SetDataSource(&Data.Source);
    Check->SetDataField("Paid");
    test::ShowActive(Form);
    Other->setFocus();
  }
  ~DBEditTest() override { test::App().OnException = nullptr; }

  // Clicks the box the way a user does, with the space bar.
  void Toggle() {
    Check->setFocus();
    QTest::keyClick(Check, Qt::Key_Space);
  }

  test::TOrders Data;
  QWidget Form;
  TDBEdit* Edit = new TDBEdit(&Form);
  TDBCheckBox* Check = new TDBCheckBox(&Form);
  QLineEdit* Other = new QLineEdit(&Form);
  std::string Errors;
};

TEST_F(DBEditTest, ShowsTheDisplayTextAndTheEditTextWhileFocused) {
  EXPECT_EQ(Edit->text(), "20/03/2024");
  Edit->setFocus();
  EXPECT_EQ(Edit->text(), "2024/03/20");
  Other->setFocus();
  EXPECT_EQ(Edit->text(), "20/03/2024");
  Data.Orders.Next();
  EXPECT_EQ(Edit->text(), "05/01/2024");
  EXPECT_EQ(Edit->Field(), &Data.Ship);
}

TEST_F(DBEditTest, TypingStartsEditingAndPostingStoresTheText) {
  Edit->setFocus();
  Edit->selectAll();
  QTest::keyClicks(Edit, "2024/04/01");
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  EXPECT_EQ(Edit->text(), "2024/04/01");
  Data.Orders.Post();
  EXPECT_EQ(Data.Ship.AsDateTime(), EncodeDate(2024, 4, 1));
}

TEST_F(DBEditTest, LeavingStoresTheTextAndARefusedTextStaysWithTheError) {
  Edit->setFocus();
  Edit->selectAll();
  QTest::keyClicks(Edit, "2024/13/40");
  Other->setFocus();
  EXPECT_EQ(Edit->text(), "2024/13/40");  // the user's text is kept
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  EXPECT_FALSE(Errors.empty());
  Errors.clear();
  EXPECT_ANY_THROW(Data.Orders.Post());  // still refused, still editing
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  Edit->setFocus();
  Edit->selectAll();
  QTest::keyClicks(Edit, "2024/05/06");
  Other->setFocus();
  EXPECT_EQ(Errors, "");
  EXPECT_EQ(Edit->text(), "06/05/2024");
  Data.Orders.Post();
  EXPECT_EQ(Data.Ship.AsDateTime(), EncodeDate(2024, 5, 6));
}

TEST_F(DBEditTest, EscapeGivesUpTheTypedText) {
  Edit->SetDataField("Name");
  Edit->setFocus();
  QTest::keyClicks(Edit, "xyz");
  QTest::keyClick(Edit, Qt::Key_Escape);
  EXPECT_EQ(Edit->text(), "Reza");
  Data.Orders.Post();
  EXPECT_EQ(Data.Name.AsString(), "Reza");
}

TEST_F(DBEditTest, TypingIsRefusedWhereTheFieldCannotChange) {
  const struct {
    const char* Name;
    bool ReadOnly;
    const char* Field;
    bool AutoEdit;
  } cases[] = {
      {"read-only control", true, "Name", true},
      {"read-only field", false, "Id", true},
      {"no auto edit", false, "Name", false},
      {"unknown field", false, "Nothing", true},
  };
  for (const auto& c : cases) {
    Edit->SetReadOnly(c.ReadOnly);
    Edit->SetDataField(c.Field);
    Data.Source.SetAutoEdit(c.AutoEdit);
    const QString before = Edit->text();
    Edit->setFocus();
    QTest::keyClicks(Edit, "q");
    EXPECT_EQ(Edit->text(), before) << c.Name;
    EXPECT_EQ(Data.Orders.State(), TDataSetState::Browse) << c.Name;
    Other->setFocus();
  }
}

TEST_F(DBEditTest, ClosedOrDestroyedDatasetsLeaveEmptyUsableControls) {
  Data.Orders.Close();
  EXPECT_EQ(Edit->text(), "");
  EXPECT_EQ(Edit->Field(), nullptr);
  Edit->setFocus();
  QTest::keyClicks(Edit, "abc");
  Toggle();
  EXPECT_EQ(Check->checkState(), Qt::Unchecked);
  Data.Orders.Open();  // unsaved: empty again
  EXPECT_EQ(Edit->Field(), &Data.Ship);
  EXPECT_EQ(Edit->text(), "");
  auto other = std::make_unique<TClientDataSet>("Other");
  other->AddField<TStringField>("Ship", 5);
  other->AddField<TBooleanField>("Paid");
  other->CreateDataSet();
  Data.Source.SetDataSet(other.get());
  other.reset();
  EXPECT_EQ(Edit->Field(), nullptr);
  EXPECT_EQ(Check->Field(), nullptr);
  QTest::keyClicks(Edit, "abc");
  Toggle();
}

TEST_F(DBEditTest, CheckBoxTicksForTrueAndStoresItsStateOnPost) {
  EXPECT_EQ(Check->checkState(), Qt::Checked);  // Reza paid
  Data.Orders.Next();
  EXPECT_EQ(Check->checkState(), Qt::Unchecked);
  Toggle();
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  EXPECT_EQ(Check->checkState(), Qt::Checked);
  EXPECT_FALSE(Data.Paid.AsBoolean());  // stored on post
  Data.Orders.Post();
  EXPECT_TRUE(Data.Paid.AsBoolean());
  Data.Orders.Edit();
  Data.Paid.Clear();
  EXPECT_EQ(Check->checkState(), Qt::Unchecked);
  Check->SetAllowGrayed(true);
  EXPECT_EQ(Check->checkState(), Qt::PartiallyChecked);
  Data.Orders.Cancel();
}

TEST_F(DBEditTest, CheckBoxOnATextFieldUsesItsValueTexts) {
  Check->SetDataField("Note");
  Check->SetValueChecked("Yes;Y");
  Check->SetValueUnchecked("No");
  const struct {
    const char* Text;
    Qt::CheckState State;
  } cases[] = {
      {"yes", Qt::Checked}, {"Y", Qt::Checked}, {"No", Qt::Unchecked}, {"maybe", Qt::Unchecked}};
  for (const auto& c : cases) {
    Data.Orders.Edit();
    Data.Note.SetAsString(c.Text);
    EXPECT_EQ(Check->checkState(), c.State) << c.Text;
    Data.Orders.Post();
  }
  Toggle();
  Data.Orders.Post();
  EXPECT_EQ(Data.Note.AsString(), "Yes");  // the first alternative
  Toggle();
  Data.Orders.Post();
  EXPECT_EQ(Data.Note.AsString(), "No");
  EXPECT_EQ(TDBCheckBox().ValueChecked(), "True");
  EXPECT_EQ(TDBCheckBox().ValueUnchecked(), "False");
}

TEST_F(DBEditTest, CheckBoxClicksAreRefusedWhenTheDatasetCannotEdit) {
  Check->SetReadOnly(true);
  Toggle();
  EXPECT_EQ(Check->checkState(), Qt::Checked);
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Browse);
}

}  // namespace
}  // namespace zar
