// Solar date fields: solar texts out, solar texts in, everything else plain.

#include <gtest/gtest.h>

#include "ClientDataSet.h"
#include "FormatSettings.h"
#include "ZarDateFields.h"

namespace zar {
namespace {

class ZarDateFieldsTest : public ::testing::Test {
 protected:
  ZarDateFieldsTest() {
    Values.CreateDataSet();
    Values.Append();
  }

  TClientDataSet Values{"Values"};
  TZarDateField& Day = Values.AddField<TZarDateField>("Day");
  TZarDateTimeField& Moment = Values.AddField<TZarDateTimeField>("Moment");
};

TEST_F(ZarDateFieldsTest, TypesAndBufferSizesAreThoseOfThePlainFields) {
  EXPECT_EQ(Day.DataType(), ftDate);
  EXPECT_EQ(Day.DataSize(), 4);
  EXPECT_EQ(Moment.DataType(), ftDateTime);
  EXPECT_EQ(Moment.DataSize(), 8);
}

TEST_F(ZarDateFieldsTest, DateTextsAreSolar) {
  Day.SetAsDateTime(45371);
  EXPECT_EQ(Day.AsString(), "1403/01/01");
  Day.SetDisplayFormat("d mmmm");
  EXPECT_EQ(Day.DisplayText(), "1 \u0641\u0631\u0648\u0631\u062F\u064A\u0646");
  EXPECT_EQ(Day.Text(), "1403/01/01");
}

TEST_F(ZarDateFieldsTest, DateTimeTextsAreSolar) {
  Moment.SetAsDateTime(45371.75);
  EXPECT_EQ(Moment.AsString(), "1403/01/01 18:00:00");
  Moment.SetDisplayFormat("d mmmm yy \u0633\u0627\u0639\u062A hh:nn");
  EXPECT_EQ(Moment.DisplayText(),
            "1 \u0641\u0631\u0648\u0631\u062F\u064A\u0646 03 \u0633\u0627\u0639\u062A 18:00");
  Moment.SetAsDateTime(45371.0);
  EXPECT_EQ(Moment.AsString(), "1403/01/01");
}

// The texts follow the format settings' digit shape.
TEST_F(ZarDateFieldsTest, TextsTakeTheDigitShapeOfTheSettings) {
  const TDigitShape saved = FormatSettings.DigitShape;
  Moment.SetAsDateTime(45371.75);
  Moment.SetDisplayFormat("d mmmm yyyy");
  FormatSettings.DigitShape = dgPersian;
  EXPECT_EQ(Moment.AsString(), "۱۴۰۳/۰۱/۰۱ ۱۸:۰۰:۰۰");
  EXPECT_EQ(Moment.DisplayText(), "۱ \u0641\u0631\u0648\u0631\u062F\u064A\u0646 ۱۴۰۳");
  FormatSettings.DigitShape = dgArabic;
  EXPECT_EQ(Moment.AsString(), "١٤٠٣/٠١/٠١ ١٨:٠٠:٠٠");
  FormatSettings.DigitShape = saved;
  EXPECT_EQ(Moment.AsString(), "1403/01/01 18:00:00");
}

TEST_F(ZarDateFieldsTest, SolarTextsAreAccepted) {
  const struct {
    TZarDateTimeField* Field;
    const char* Text;
    double Stored;
  } cases[] = {
      {&Day, "1403/1/1", 45371},
      {&Day, "1403/01/01", 45371},
      {&Moment, "1403/1/1 10:30", 45371.4375},
      {&Moment, "10:30", 0.4375},
      {&Day, "۱۴۰۳/۰۱/۰۱", 45371},
      {&Day, "١٤٠٣/١/١", 45371},
      {&Day, "1۴٠3/1/۱", 45371},
      {&Moment, "۱۴۰۳/۱/۱ ۱۰:۳۰", 45371.4375},
      {&Moment, "١٠:٣٠", 0.4375},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    c.Field->SetAsString(c.Text);
    EXPECT_DOUBLE_EQ(c.Field->AsDateTime(), c.Stored);
  }
}

TEST_F(ZarDateFieldsTest, EmptyTextClears) {
  Day.SetAsDateTime(45371);
  Day.SetAsString("");
  EXPECT_TRUE(Day.IsNull());
  EXPECT_EQ(Day.AsString(), "");
  EXPECT_EQ(Day.DisplayText(), "");
}

TEST_F(ZarDateFieldsTest, BadTextsRaiseTheParsersErrorsAndKeepTheValue) {
  Day.SetAsDateTime(45371);
  Moment.SetAsDateTime(45371.5);
  const struct {
    TZarDateTimeField* Field;
    const char* Text;
    const char* Message;
  } cases[] = {
      {&Day, "1402/12/30", "Invalid date '1402/12/30'"},
      {&Moment, "1403/13/01 10:00", "'1403/13/01 10:00' is not a valid date and time"},
      {&Day, "१४०३/१/१", "Invalid date '१४०३/१/१'"},
      {&Moment, "۱۴۰۳/۱/\xDB ۱۰:۳۰", "'۱۴۰۳/۱/\xDB ۱۰:۳۰' is not a valid date and time"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const double before = c.Field->AsDateTime();
    try {
      c.Field->SetAsString(c.Text);
      ADD_FAILURE() << "no exception";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), c.Message);
    }
    EXPECT_DOUBLE_EQ(c.Field->AsDateTime(), before);
  }
}

TEST_F(ZarDateFieldsTest, HostSetterErrorsPassThrough) {
  Values.Post();
  EXPECT_THROW(Day.SetAsString("1403/1/1"), EDatabaseError);  // browsing, not editing
}

}  // namespace
}  // namespace zar
