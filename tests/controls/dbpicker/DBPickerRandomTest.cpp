// Random sequences of record moves, edits through the picker, posts,
// cancels, Escape, drop-downs and filters, checked step by step against a
// simple model of the stored values: no posted value is lost and the picker
// always shows what it should.

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <map>
#include <optional>
#include <random>

#include "ClientDataSet.h"
#include "DBExZarDatePicker.h"
#include "DBFields.h"
#include "FormatSettings.h"
#include "GuiTestEnvironment.h"

namespace zar::test {
namespace {

constexpr TDateTime FirstDay = 45371;  // 1403/01/01
using TValue = std::optional<TDateTime>;

class DBPickerRandomTest : public ::testing::TestWithParam<unsigned> {
 protected:
  void SetUp() override {
    App();
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    FDataSet.AddField<TSmallintField>("Id");
    FDataSet.AddField<TDateField>("D");
    FDataSet.Open();
    FDataSet.SetFilter("(D IS NOT NULL)");
    for (int id = 1; id <= 6; ++id) {
      FDataSet.Append();
      FDataSet.FieldByName("Id").SetAsInteger(id);
      if (id % 2) FDataSet.FieldByName("D").SetAsDateTime(FirstDay + id);
      FDataSet.Post();
      FModel[id] = id % 2 ? TValue(FirstDay + id) : std::nullopt;
    }
    FDataSet.First();
    FSource.SetDataSet(&FDataSet);
    FPicker = new TDBExZarDatePicker(&FWindow);
    FPicker->setGeometry(10, 10, 160, 21);
    new QLineEdit(&FWindow);
    FPicker->SetDataSource(&FSource);
    FPicker->SetDataField("D");
    ShowActive(FWindow);
    FPicker->SetFocus();
    ASSERT_TRUE(WaitFor([this] { return FPicker->hasFocus(); }));
  }

  int CurrentId() const { return FDataSet.FieldByName("Id").AsInteger(); }
  // The dataset leaves edit mode by posting what the picker holds.
  void Commit() {
    if (FPending) FModel[CurrentId()] = *FPending;
    FPending.reset();
  }
  void ShowsValue(const TValue& Value, const char* Where) {
    ASSERT_EQ(FPicker->IsNull(), !Value.has_value()) << Where;
    if (Value) ASSERT_DOUBLE_EQ(FPicker->Date(), *Value) << Where;
  }
  void Check() {
    if (FDataSet.IsEmpty()) return;
    const int id = CurrentId();
    if (FDataSet.State() == TDataSetState::Browse) {
      ASSERT_FALSE(FPending.has_value());
      const TField& field = FDataSet.FieldByName("D");
      ASSERT_EQ(field.IsNull(), !FModel[id].has_value()) << "record " << id;
      if (FModel[id]) ASSERT_DOUBLE_EQ(field.AsDateTime(), *FModel[id]);
    }
    ShowsValue(FPending ? *FPending : FModel[id], "picker");
  }

  TClientDataSet FDataSet{"Data"};
  TDataSource FSource;
  QWidget FWindow;
  TDBExZarDatePicker* FPicker = nullptr;
  std::map<int, TValue> FModel;
  std::optional<TValue> FPending;  // set while the picker holds a change
};

TEST_P(DBPickerRandomTest, NoPostedValueIsLost) {
  std::mt19937 random(GetParam());
  for (int step = 0; step < 400; ++step) {
    const int op = std::uniform_int_distribution<int>(0, 8)(random);
    SCOPED_TRACE("step " + std::to_string(step) + " op " + std::to_string(op));
    const bool editable = !FDataSet.IsEmpty();
    switch (op) {
      case 0:  // a record move posts the pending change
        if (editable) Commit();
        switch (std::uniform_int_distribution<int>(0, 3)(random)) {
          case 0: FDataSet.First(); break;
          case 1: FDataSet.Next(); break;
          case 2: FDataSet.Prior(); break;
          default: FDataSet.Last(); break;
        }
        break;
      case 1: {  // the user picks another day
        if (!editable) break;
        const TDate day = FirstDay + std::uniform_int_distribution<int>(0, 9)(random);
        const bool changes = day != FPicker->Date();
        FPicker->SetDate(day);
        if (changes) FPending = TValue(day);
        break;
      }
      case 2:  // Delete makes the value null
        if (!editable) break;
        if (!FPicker->IsNull()) FPending = TValue();
        QTest::keyClick(FPicker, Qt::Key_Delete);
        break;
      case 3:
        if (IsEditState(FDataSet.State())) {
          Commit();
          FDataSet.Post();
        }
        break;
      case 4:
        FPending.reset();
        FDataSet.Cancel();
        break;
      case 5:  // Escape gives up the pending change
        if (FPicker->ValueModified()) FPending.reset();
        QTest::keyClick(FPicker, Qt::Key_Escape);
        break;
      case 6:    // a day accepted from the calendar
      case 7: {  // the calendar closed without a choice
        // Opening the calendar turns a null value into its hidden day (on an
        // empty view that would append a record, which the model leaves out).
        if (!editable) break;
        const bool wasNull = FPicker->IsNull();
        FPicker->DropDown();
        if (wasNull && FPicker->DroppedDown()) FPending = TValue(FPicker->Date());
        FPicker->CloseUp(op == 6);
        break;
      }
      case 8:  // switching the filter posts first
        if (editable) Commit();
        FDataSet.SetFiltered(!FDataSet.Filtered());
        break;
    }
    if (qEnvironmentVariableIsSet("ZAR_TRACE"))
      std::fprintf(stderr, "%d op %d state %d id %d null %d date %g pending %d modified %d\n", step,
                   op, int(FDataSet.State()), FDataSet.IsEmpty() ? 0 : CurrentId(),
                   FPicker->IsNull(), FPicker->Date(), FPending.has_value(),
                   FPicker->ValueModified());
    Check();
    if (HasFatalFailure()) return;
  }
  if (!FDataSet.IsEmpty()) Commit();
  FDataSet.SetFiltered(false);
  for (FDataSet.First(); !FDataSet.Eof(); FDataSet.Next()) {
    const TField& field = FDataSet.FieldByName("D");
    const TValue& expected = FModel[CurrentId()];
    ASSERT_EQ(field.IsNull(), !expected.has_value()) << CurrentId();
    if (expected) EXPECT_DOUBLE_EQ(field.AsDateTime(), *expected);
  }
  EXPECT_EQ(FDataSet.RecordCount(), 6);
}

INSTANTIATE_TEST_SUITE_P(Seeds, DBPickerRandomTest, ::testing::Values(1u, 2u, 3u, 4u, 5u));

}  // namespace
}  // namespace zar::test
