// The data-aware picker over every kind of field: what it shows, what it
// writes back on post and on exit, when the dataset enters edit mode, and
// how Escape, Cancel and failed writes leave the value.

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>
#include <optional>
#include <string>

#include "ClientDataSet.h"
#include "DBErrors.h"
#include "DBExZarDatePicker.h"
#include "DBFields.h"
#include "DropDownCalendar.h"
#include "FormatSettings.h"
#include "GuiTestEnvironment.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

constexpr TDateTime Nowruz1403 = 45371;  // 1403/01/01

class DBPickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    FDataSet.AddField<TDateField>("D");
    FDataSet.AddField<TTimeField>("T");
    FDataSet.AddField<TDateTimeField>("DT");
    FDataSet.AddField<TSQLTimeStampField>("TS");
    FDataSet.AddField<TStringField>("S10", 10);
    FDataSet.AddField<TStringField>("S8", 8);
    FDataSet.Open();
    FSource.SetDataSet(&FDataSet);
    FWindow.resize(300, 80);
    FPicker = new TDBExZarDatePicker(&FWindow);
    FPicker->setGeometry(10, 10, 160, 21);
    FOther = new QLineEdit(&FWindow);
    FOther->setGeometry(10, 40, 100, 21);
    FPicker->SetDataSource(&FSource);
  }

  // Appends and posts one record; each value is set when given.
  void AddRecord(const char* Field, std::optional<TDateTime> Value) {
    FDataSet.Append();
    if (Value) FDataSet.FieldByName(Field).SetAsDateTime(*Value);
    FDataSet.Post();
  }
  void AddText(const char* Field, const char* Text) {
    FDataSet.Append();
    FDataSet.FieldByName(Field).SetAsString(Text);
    FDataSet.Post();
  }
  TField& F(const char* Name) { return FDataSet.FieldByName(Name); }
  void ShowFocused() {
    ShowActive(FWindow);
    FPicker->SetFocus();
    ASSERT_TRUE(WaitFor([this] { return FPicker->hasFocus(); }));
  }

  TClientDataSet FDataSet{"Data"};
  TDataSource FSource;
  QWidget FWindow;
  TDBExZarDatePicker* FPicker = nullptr;
  QLineEdit* FOther = nullptr;
};

TEST_F(DBPickerTest, TheFieldTypeChoosesTheKind) {
  const std::pair<const char*, TZarDateTimeKind> cases[] = {
      {"D", dtkDate}, {"T", dtkTime}, {"DT", dtkDateTime}, {"TS", dtkDateTime}};
  for (const auto& [field, kind] : cases) {
    SCOPED_TRACE(field);
    FPicker->SetKind(kind == dtkTime ? dtkDate : dtkTime);
    FPicker->SetDataField(field);
    EXPECT_EQ(FPicker->Kind(), kind);
    EXPECT_TRUE(FPicker->AllowCalendarSwitch());
  }
  FPicker->SetDataField("S10");
  EXPECT_FALSE(FPicker->AllowCalendarSwitch());
  EXPECT_EQ(FPicker->Kind(), dtkDateTime);
}

TEST_F(DBPickerTest, BindingWhileClosedChangesTheKindOnlyWhenTheFieldIsSetAgain) {
  FDataSet.Close();
  FPicker->SetKind(dtkDate);
  FPicker->SetDataField("T");
  EXPECT_EQ(FPicker->Kind(), dtkDate);
  FDataSet.Open();
  EXPECT_EQ(FPicker->Kind(), dtkDate);
  FPicker->SetDataField("");
  FPicker->SetDataField("T");
  EXPECT_EQ(FPicker->Kind(), dtkTime);
}

// Each field type: the stored value shows in the picker, a change starts
// edit mode, and posting writes the picker's value in the field's form.
TEST_F(DBPickerTest, ValuesRoundTripThroughEveryFieldType) {
  struct TCase {
    const char* Field;
    const char* StoredText;  // for string fields
    TDateTime Stored;
    TDateTime Shown;
    TDateTime Picked;
    TDateTime Written;
    const char* WrittenText;
  };
  const TCase cases[] = {
      {"D", nullptr, Nowruz1403, Nowruz1403, Nowruz1403 + 1, Nowruz1403 + 1, nullptr},
      {"T", nullptr, 0.75, 0.75, 0.5, 0.5, nullptr},
      {"DT", nullptr, Nowruz1403 + 0.75, Nowruz1403 + 0.75, Nowruz1403 + 9.25, Nowruz1403 + 9.25,
       nullptr},
      {"TS", nullptr, Nowruz1403 + 0.75, Nowruz1403 + 0.75, Nowruz1403 - 400.5, Nowruz1403 - 400.5,
       nullptr},
      {"S10", "1403/01/01", 0, Nowruz1403, Nowruz1403 + 1, 0, "1403/01/02"},
      {"S8", "03/01/01", 0, Nowruz1403, Nowruz1403 + 31, 0, "03/02/01"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Field);
    FPicker->SetDataField("");
    while (!FDataSet.IsEmpty()) FDataSet.Delete();
    if (c.StoredText)
      AddText(c.Field, c.StoredText);
    else
      AddRecord(c.Field, c.Stored);
    FPicker->SetDataField(c.Field);
    if (c.StoredText) FPicker->SetKind(dtkDate);
    ASSERT_FALSE(FPicker->IsNull());
    EXPECT_NEAR(FPicker->DateTime(), c.Shown, 1e-8);
    EXPECT_EQ(FDataSet.State(), TDataSetState::Browse);

    if (FPicker->Kind() == dtkTime)
      FPicker->SetTime(c.Picked);
    else
      FPicker->SetDateTime(c.Picked);
    EXPECT_EQ(FDataSet.State(), TDataSetState::Edit);
    EXPECT_TRUE(FPicker->ValueModified());
    FDataSet.Post();
    EXPECT_FALSE(FPicker->ValueModified());
    if (c.WrittenText)
      EXPECT_EQ(F(c.Field).AsString(), c.WrittenText);
    else
      EXPECT_NEAR(F(c.Field).AsDateTime(), c.Written, 1e-8);
  }
}

TEST_F(DBPickerTest, ADateKindKeepsTheStoredTimeAndATimeKindTheStoredDay) {
  AddRecord("DT", Nowruz1403 + 0.75);
  FPicker->SetDataField("DT");
  FPicker->SetKind(dtkDate);
  FPicker->SetDate(Nowruz1403 + 2);
  FDataSet.Post();
  EXPECT_NEAR(F("DT").AsDateTime(), Nowruz1403 + 2.75, 1e-8);
  FPicker->SetKind(dtkTime);
  FPicker->SetTime(0.25);
  FDataSet.Post();
  EXPECT_NEAR(F("DT").AsDateTime(), Nowruz1403 + 2.25, 1e-8);
}

// A record without a value shows a null picker; it does not load the current
// time, which would be refused by limits that exclude today.
TEST_F(DBPickerTest, ANullFieldShowsNullWithoutTakingTheCurrentTime) {
  AddRecord("DT", ZarEncodeDate(1500, 1, 1));
  AddRecord("DT", std::nullopt);
  FPicker->SetMinDateTime(ZarEncodeDate(1499, 1, 1));
  FDataSet.First();
  FPicker->SetDataField("DT");
  EXPECT_FALSE(FPicker->IsNull());
  EXPECT_NO_THROW(FDataSet.Next());
  EXPECT_TRUE(FPicker->IsNull());
  EXPECT_DOUBLE_EQ(FPicker->DateTime(), ZarEncodeDate(1500, 1, 1));
  FDataSet.First();
  EXPECT_FALSE(FPicker->IsNull());
  EXPECT_FALSE(FPicker->ValueModified());
}

// Clearing the picker clears only the part its Kind edits of a field that
// holds both, and the whole value otherwise.
TEST_F(DBPickerTest, ANullPickerClearsWhatItsKindEdits) {
  struct TCase {
    const char* Field;
    TZarDateTimeKind Kind;
    std::optional<TDateTime> Written;
  };
  ShowFocused();
  const TCase cases[] = {{"DT", dtkTime, Nowruz1403},  {"DT", dtkDateTime, std::nullopt},
                         {"DT", dtkDate, 0.75},        {"TS", dtkTime, Nowruz1403},
                         {"T", dtkTime, std::nullopt}, {"D", dtkDate, std::nullopt}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Field) + " " + std::to_string(c.Kind));
    FPicker->SetDataField("");
    while (!FDataSet.IsEmpty()) FDataSet.Delete();
    AddRecord(c.Field, std::string(c.Field) == "T" ? 0.75 : Nowruz1403 + 0.75);
    FPicker->SetDataField(c.Field);
    FPicker->SetKind(c.Kind);
    QTest::keyClick(FPicker, Qt::Key_Delete);
    ASSERT_TRUE(FPicker->IsNull());
    ASSERT_EQ(FDataSet.State(), TDataSetState::Edit);
    FDataSet.Post();
    if (c.Written)
      EXPECT_NEAR(F(c.Field).AsDateTime(), *c.Written, 1e-8);
    else
      EXPECT_TRUE(F(c.Field).IsNull());
  }
}

TEST_F(DBPickerTest, TextThatCouldNotBeReadBackIsRefused) {
  struct TCase {
    const char* Field;
    const char* Format;
    TZarDateTimeKind Kind;
    TDateTime Picked;
  };
  const TCase cases[] = {
      {"S8", "", dtkDate, ZarEncodeDate(1300, 1, 1)},    // the century is lost
      {"S8", "yyyy/mm/dd", dtkDate, Nowruz1403 + 1},     // too long
      {"S10", "", dtkDateTime, Nowruz1403 + 0.75},       // date and time
      {"S10", "d mmmm yyyy", dtkDate, Nowruz1403 + 40},  // month names do not parse
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Field) + " '" + c.Format + "'");
    FPicker->SetDataField("");
    while (!FDataSet.IsEmpty()) FDataSet.Delete();
    AddText(c.Field, c.Field == std::string("S8") ? "03/01/01" : "1403/01/01");
    FPicker->SetDataField(c.Field);
    FPicker->SetStringFormat(c.Format);
    FPicker->SetKind(c.Kind);
    FPicker->SetDateTime(c.Picked);
    EXPECT_THROW(FDataSet.Post(), EDatabaseError);
    EXPECT_EQ(FDataSet.State(), TDataSetState::Edit);
    FDataSet.Cancel();
    EXPECT_EQ(F(c.Field).AsString(), c.Field == std::string("S8") ? "03/01/01" : "1403/01/01");
  }
}

// A string field's size counts characters: a date in Persian or Arabic-Indic
// digits (two bytes each) fits a field as long as it has characters.
TEST_F(DBPickerTest, DatesInEveryDigitShapeFitAFieldOfTheirCharacterLength) {
  struct TCase {
    const char* Field;
    TDigitShape Shape;
    const char* Written;
  };
  const TCase cases[] = {
      {"S10", dgLatin, "1403/01/02"},
      {"S10", dgPersian, "\u06F1\u06F4\u06F0\u06F3/\u06F0\u06F1/\u06F0\u06F2"},
      {"S10", dgArabic, "\u0661\u0664\u0660\u0663/\u0660\u0661/\u0660\u0662"},
      {"S8", dgPersian, "\u06F0\u06F3/\u06F0\u06F1/\u06F0\u06F2"},
      {"S8", dgArabic, "\u0660\u0663/\u0660\u0661/\u0660\u0662"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Field) + " " + std::to_string(c.Shape));
    FPicker->SetDataField("");
    while (!FDataSet.IsEmpty()) FDataSet.Delete();
    AddText(c.Field, c.Field == std::string("S8") ? "03/01/01" : "1403/01/01");
    FPicker->SetDataField(c.Field);
    FPicker->SetKind(dtkDate);
    FPicker->SetDigitShape(c.Shape);
    FPicker->SetDate(Nowruz1403 + 1);
    EXPECT_NO_THROW(FDataSet.Post());
    EXPECT_EQ(FDataSet.State(), TDataSetState::Browse);
    EXPECT_EQ(F(c.Field).AsString(), c.Written);
    if (FDataSet.State() != TDataSetState::Browse) FDataSet.Cancel();
  }
  FPicker->SetDigitShape(dgLatin);
}

// Real keys on a shown picker over a date field holding 1403/01/01.
TEST_F(DBPickerTest, EditingSequences) {
  struct TCase {
    const char* Steps;  // u: Up key, e: Escape, p: post, c: cancel, x: exit, d: drop-down and close
    TDataSetState State;
    TDateTime Field;
    TDateTime Shown;
    bool Modified;
  };
  const TCase cases[] = {
      {"", TDataSetState::Browse, Nowruz1403, Nowruz1403, false},
      {"d", TDataSetState::Browse, Nowruz1403, Nowruz1403, false},
      {"e", TDataSetState::Browse, Nowruz1403, Nowruz1403, false},
      {"u", TDataSetState::Edit, Nowruz1403, Nowruz1403 + 1, true},
      {"ue", TDataSetState::Edit, Nowruz1403, Nowruz1403, false},
      {"up", TDataSetState::Browse, Nowruz1403 + 1, Nowruz1403 + 1, false},
      {"uc", TDataSetState::Browse, Nowruz1403, Nowruz1403, false},
      {"ux", TDataSetState::Edit, Nowruz1403 + 1, Nowruz1403 + 1, false},
      {"uuep", TDataSetState::Browse, Nowruz1403, Nowruz1403, false},
      {"upue", TDataSetState::Edit, Nowruz1403 + 1, Nowruz1403 + 1, false},
      {"uxc", TDataSetState::Browse, Nowruz1403, Nowruz1403, false},
  };
  AddRecord("D", Nowruz1403);
  FPicker->SetDataField("D");
  ShowFocused();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Steps);
    if (FDataSet.State() != TDataSetState::Browse) FDataSet.Cancel();
    F("D");  // the record is back to 1403/01/01 for every case
    FDataSet.Edit();
    F("D").SetAsDateTime(Nowruz1403);
    FDataSet.Post();
    FPicker->SetFocus();
    ASSERT_TRUE(WaitFor([this] { return FPicker->hasFocus(); }));
    for (const char* step = c.Steps; *step; ++step) {
      switch (*step) {
        case 'u': QTest::keyClick(FPicker, Qt::Key_Up); break;
        case 'e': QTest::keyClick(FPicker, Qt::Key_Escape); break;
        case 'p': FDataSet.Post(); break;
        case 'c': FDataSet.Cancel(); break;
        case 'x':
          FOther->setFocus();
          ASSERT_TRUE(WaitFor([this] { return FOther->hasFocus(); }));
          break;
        case 'd':
          FPicker->DropDown();
          EXPECT_TRUE(FPicker->DroppedDown());
          FPicker->CloseUp(false);
          break;
      }
    }
    EXPECT_EQ(FDataSet.State(), c.State);
    EXPECT_DOUBLE_EQ(F("D").AsDateTime(), c.Field);
    EXPECT_DOUBLE_EQ(FPicker->Date(), c.Shown);
    EXPECT_EQ(FPicker->ValueModified(), c.Modified);
  }
}

TEST_F(DBPickerTest, EscapeWithTheCalendarOpenKeepsThePendingChange) {
  AddRecord("D", Nowruz1403);
  FPicker->SetDataField("D");
  ShowFocused();
  QTest::keyClick(FPicker, Qt::Key_Up);
  FPicker->DropDown();
  ASSERT_TRUE(FPicker->DroppedDown());
  QTest::keyClick(FPicker, Qt::Key_Escape);
  EXPECT_FALSE(FPicker->DroppedDown());
  EXPECT_TRUE(FPicker->ValueModified());
  EXPECT_DOUBLE_EQ(FPicker->Date(), Nowruz1403 + 1);
}

TEST_F(DBPickerTest, ADayPickedForANullValueIsAChangeEvenWhenItEqualsTheHiddenOne) {
  AddRecord("D", std::nullopt);
  FPicker->SetDataField("D");
  ShowFocused();
  ASSERT_TRUE(FPicker->IsNull());
  const TDate hidden = FPicker->Date();
  FPicker->DropDown();
  ASSERT_TRUE(FPicker->DroppedDown());
  FPicker->CloseUp(true);
  EXPECT_FALSE(FPicker->IsNull());
  EXPECT_EQ(FDataSet.State(), TDataSetState::Edit);
  EXPECT_TRUE(FPicker->ValueModified());
  FDataSet.Post();
  EXPECT_DOUBLE_EQ(F("D").AsDateTime(), hidden);
}

// A write that fails on exit reports the error and gives the picker the
// focus back with its value still pending.
TEST_F(DBPickerTest, AFailedWriteOnExitTakesTheFocusBack) {
  AddText("S8", "03/01/01");
  FPicker->SetDataField("S8");
  FPicker->SetKind(dtkDate);
  ShowFocused();
  std::string message;
  App().OnException = [&message](const std::string& text) { message = text; };
  FPicker->SetDate(ZarEncodeDate(1300, 1, 1));
  FOther->setFocus();
  EXPECT_TRUE(WaitFor([this] { return FPicker->hasFocus(); }));
  App().OnException = nullptr;
  EXPECT_NE(message.find("00/01/01"), std::string::npos) << message;
  EXPECT_EQ(FDataSet.State(), TDataSetState::Edit);
  EXPECT_EQ(F("S8").AsString(), "03/01/01");
  EXPECT_TRUE(FPicker->ValueModified());
}

TEST_F(DBPickerTest, BrowsingThePickerIsReadOnlyToTheUserWhenTheLinkIs) {
  AddRecord("D", Nowruz1403);
  FPicker->SetDataField("D");
  FPicker->SetReadOnly(true);
  ShowFocused();
  QTest::keyClick(FPicker, Qt::Key_Up);
  EXPECT_EQ(FDataSet.State(), TDataSetState::Browse);
  EXPECT_DOUBLE_EQ(FPicker->Date(), Nowruz1403);
  FPicker->SetReadOnly(false);
  QTest::keyClick(FPicker, Qt::Key_Up);
  EXPECT_EQ(FDataSet.State(), TDataSetState::Edit);
}

TEST_F(DBPickerTest, AnUnboundPickerShowsAnEmptyBox) {
  FPicker->SetDataSource(nullptr);
  FPicker->SetColor(clWhite);
  ShowActive(FWindow);
  const QImage image = Snapshot(*FPicker);
  // Left of the buttons, the text area holds nothing but the background.
  const QRgb background = image.pixel(8, image.height() / 2);
  EXPECT_EQ(QColor(background), QColor(Qt::white));
  for (int x = 4; x < 100; ++x)
    for (int y = 5; y < image.height() - 5; ++y)
      ASSERT_EQ(image.pixel(x, y), background) << x << "," << y;
}

TEST_F(DBPickerTest, DestroyingThePickerBeforeItsSourceLeavesTheSourceUsable) {
  AddRecord("D", Nowruz1403);
  FPicker->SetDataField("D");
  delete FPicker;
  FPicker = nullptr;
  EXPECT_NO_THROW({
    FDataSet.Edit();
    F("D").SetAsDateTime(Nowruz1403 + 3);
    FDataSet.Post();
  });
}

}  // namespace
}  // namespace zar::test
