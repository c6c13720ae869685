// Page 44, the work calendar: selecting days, what the hours frame shows for
// them, posting and refusing hours, and the month's trip through
// "workcal.xml" as months change, the page is left and the window closes.
// A randomized run compares the file with a plain model after every save.

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <map>
#include <random>
#include <vector>

#include "DemoDataSets.h"
#include "DemoTestSupport.h"
#include "Exceptions.h"
#include "HostControls.h"
#include "HoursFrame.h"
#include "PageControl.h"
#include "WorkCalendarPage.h"
#include "ZarApplication.h"
#include "ZarDateUtils.h"

namespace zar::demo::test {
namespace {

using zardemo::TDayWorkInfo;

// One day as the file holds it: type and ranges in minutes.
struct TFileDay {
  int Type = 0;
  std::vector<std::pair<int, int>> Ranges;
  friend bool operator==(const TFileDay&, const TFileDay&) = default;
};
using TFileDays = std::map<int, TFileDay>;  // by day serial

void PrintTo(const TFileDay& day, std::ostream* out) {
  *out << "type " << day.Type;
  for (const auto& [s, f] : day.Ranges) *out << " " << s << "-" << f;
}

std::ostream& operator<<(std::ostream& out, const TFileDays& days) {
  for (const auto& [date, day] : days) {
    out << ZarDateToStr(date) << " type " << day.Type;
    for (const auto& [s, f] : day.Ranges) out << " " << s << "-" << f;
    out << "; ";
  }
  return out;
}

class WorkCalendarPageTest : public TShownForm {
 protected:
  void SetUp() override {
    TShownForm::SetUp();
    Page = FForm->findChild<TWorkCalendarPage*>();
    ASSERT_NE(Page, nullptr);
    Cal = Page->Calendar();
    EnterPage();
  }

  void EnterPage() {
    FForm->ActivatePage(44);
    ASSERT_TRUE(QTest::qWaitFor([this] {
      QWidget* focus = QApplication::focusWidget();
      return Page->MonthLoaded() && focus && (focus == Page || Page->isAncestorOf(focus));
    }));
  }
  // Leaves the page for the Home button, as a user does.
  void LeavePage() {
    QTest::mouseClick(FForm->findChild<QPushButton*>("ButtonHome"), Qt::LeftButton);
    ASSERT_EQ(ActiveTag(), 0);
  }

  TDateTime Day(int D) const { return Cal->MonthStart() + D - 1; }
  // The middle of a month is never among the trailing days of another, so
  // the calendar always lays the month out.
  void ShowMonth(Word Year, Word Month) { Cal->SetDate(ZarEncodeDate(Year, Month, 15)); }

  QPoint CellCenter(TDateTime Date) const { return DayCellCenter(*Cal, Date); }
  // Selects exactly these days of the shown month, by clicks.
  void Select(const std::vector<int>& Days) {
    bool first = true;
    for (const int d : Days) {
      QTest::mouseClick(Cal, Qt::LeftButton, first ? Qt::NoModifier : Qt::ControlModifier,
                        CellCenter(Day(d)));
      first = false;
    }
    for (int d = 1; d <= static_cast<int>(Cal->MonthEnd() - Cal->MonthStart()) + 1; ++d)
      ASSERT_EQ(Cal->IsSelected(Day(d)), std::find(Days.begin(), Days.end(), d) != Days.end()) << d;
  }

  QLineEdit* Edit(int Column, int Row) const { return Page->HoursFrame()->HourEdit(Column, Row); }
  void Type(int Column, int Row, const char* Text) {
    Edit(Column, Row)->setText(QString::fromUtf8(Text));
  }
  void Tick(int WorkingType) { Page->TypeButton(WorkingType)->click(); }
  // The rows typed into the frame: {start, finish} texts.
  // Every edit is typed into, also those that end as they were.
  void TypeRows(const std::vector<std::pair<const char*, const char*>>& Rows) {
    for (int r = 0; r < TfmcMultiSelectHI::Rows; ++r) {
      const bool given = r < static_cast<int>(Rows.size());
      for (int c = 0; c < 2; ++c) {
        Type(c, r, "0");
        Type(c, r, given ? (c == 0 ? Rows[r].first : Rows[r].second) : "");
      }
    }
  }
  QString Texts() const {
    QStringList texts;
    for (int r = 0; r < TfmcMultiSelectHI::Rows; ++r)
      texts << Edit(0, r)->text() + "-" + Edit(1, r)->text();
    return texts.join(' ');
  }

  // What "workcal.xml" holds now, read by a dataset of its own.
  TFileDays ReadFile() const {
    zardemo::TDemoDataSets data(FDataDir.path().toStdString());
    TFileDays days;
    data.cdsWorkCalendar.Open();
    data.cdsWCDetails.Open();
    for (data.cdsWorkCalendar.First(); !data.cdsWorkCalendar.Eof(); data.cdsWorkCalendar.Next()) {
      TFileDay& day = days[static_cast<int>(data.cdsWorkCalendar.FieldByName("Date").AsDateTime())];
      day.Type = data.cdsWorkCalendar.FieldByName("WorkingType").AsInteger();
      for (data.cdsWCDetails.First(); !data.cdsWCDetails.Eof(); data.cdsWCDetails.Next())
        day.Ranges.emplace_back(
            zardemo::TimeToMinutes(data.cdsWCDetails.FieldByName("Start").AsDateTime()),
            zardemo::TimeToMinutes(data.cdsWCDetails.FieldByName("Finish").AsDateTime()));
    }
    return days;
  }

  TWorkCalendarPage* Page = nullptr;
  TZarMonthCalendar* Cal = nullptr;
};

constexpr int H(int Hour, int Minute = 0) { return Hour * 60 + Minute; }

TEST_F(WorkCalendarPageTest, HoursArePostedSortedSavedWithTheMonthAndReadBack) {
  ShowMonth(1405, 2);
  Select({3, 10});
  Tick(2);
  EXPECT_TRUE(Page->EditsPending());
  TypeRows({{"13:00", "17:00"}, {"08:00", "12:00"}});
  Page->PostEdits();
  EXPECT_FALSE(Page->EditsPending());
  EXPECT_TRUE(Page->Modified());
  EXPECT_EQ(Texts(), "08:00-12:00 13:00-17:00 - - -");
  for (const int d : {3, 10}) {
    EXPECT_EQ(Page->DayInfo(d).WorkingType, 2);
    EXPECT_EQ(Page->DayInfo(d).Hours[0], (zardemo::THourRange{H(8), H(12)}));
    EXPECT_EQ(Page->DayInfo(d).Hours[1], (zardemo::THourRange{H(13), H(17)}));
  }
  Select({5});
  Tick(1);
  Page->PostEdits();
  const TDateTime third = Day(3), fifth = Day(5), tenth = Day(10);

  ShowMonth(1405, 3);  // saves month 2, loads month 3
  EXPECT_FALSE(Page->Modified());
  const TFileDay hours{2, {{H(8), H(12)}, {H(13), H(17)}}};
  EXPECT_EQ(ReadFile(), (TFileDays{{static_cast<int>(third), hours},
                                   {static_cast<int>(fifth), {1, {}}},
                                   {static_cast<int>(tenth), hours}}));
  EXPECT_EQ(Page->DayInfo(3).WorkingType, 0);

  ShowMonth(1405, 2);
  EXPECT_EQ(Page->DayInfo(3).WorkingType, 2);
  EXPECT_EQ(Page->DayInfo(10).Hours[1], (zardemo::THourRange{H(13), H(17)}));
  EXPECT_EQ(Page->DayInfo(5).WorkingType, 1);

  // The whole month back to default: no record of it is left.
  Select({3, 5, 10});
  Tick(0);
  Page->PostEdits();
  ShowMonth(1405, 4);
  EXPECT_TRUE(ReadFile().empty()) << ReadFile();
}

TEST_F(WorkCalendarPageTest, TheWindowClosingSavesPostedHoursAndLeavingThePageToo) {
  ShowMonth(1405, 6);
  Select({7});
  Tick(1);
  Page->PostEdits();
  const int seventh = static_cast<int>(Day(7));
  LeavePage();
  EXPECT_EQ(ReadFile(), (TFileDays{{seventh, {1, {}}}}));
  EnterPage();
  Select({8});
  Tick(1);
  Page->PostEdits();
  const int eighth = static_cast<int>(Day(8));
  FForm.reset();
  EXPECT_EQ(ReadFile(), (TFileDays{{seventh, {1, {}}}, {eighth, {1, {}}}}));
}

TEST_F(WorkCalendarPageTest, InvalidHoursAreRefusedWithFocusOnTheEditAndNothingChanges) {
  ShowMonth(1405, 2);
  Select({4});
  Tick(2);
  struct TCase {
    std::vector<std::pair<const char*, const char*>> Rows;
    int FocusColumn, FocusRow;
    const char* MessageStart;
  };
  const std::vector<TCase> cases = {
      {{{"", "12:00"}}, 0, 0, "شروع زمان"},
      {{{"08:00", "12:00"}, {"13:00", ""}}, 1, 1, "پايان زمان"},
      {{{"12:00", "08:00"}}, 1, 0, "زمان پايان"},
      {{{"08:00", "12:00"}, {"11:00", "14:00"}},
       0,
       1,
       "محدوده زماني با ورودي هاي قبل از خود تداخل دارد\r\n\"از 11:00 تا 14:00\"  با  \"از 08:00 تا 12:00\""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.MessageStart);
    TypeRows(c.Rows);
    try {
      Page->PostEdits();
      ADD_FAILURE() << "posted";
    } catch (const EInvalidTimeRange& error) {
      EXPECT_EQ(error.Message().rfind(c.MessageStart, 0), 0u) << error.Message();
    }
    EXPECT_EQ(QApplication::focusWidget(), Edit(c.FocusColumn, c.FocusRow));
    EXPECT_EQ(Page->DayInfo(4).WorkingType, 0);
    EXPECT_TRUE(Page->EditsPending());
    EXPECT_FALSE(Page->Modified());
  }
  // A text that is no time raises the platform's conversion error there.
  TypeRows({{"08:00", "25:00"}});
  EXPECT_THROW(Page->PostEdits(), EConvertError);
  EXPECT_EQ(QApplication::focusWidget(), Edit(1, 0));
  EXPECT_EQ(Page->DayInfo(4).WorkingType, 0);
  // Through the button the message reaches the default handler.
  std::vector<std::string> messages;
  TApplication::Instance()->OnException = [&](const std::string& m) { messages.push_back(m); };
  TypeRows({{"12:00", "08:00"}});
  QTest::mouseClick(Page->PostButton(), Qt::LeftButton);
  TApplication::Instance()->OnException = nullptr;
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "زمان پايان بايد بعد از زمان شروع باشد");
  EXPECT_TRUE(Page->PostButton()->isVisible());
}

TEST_F(WorkCalendarPageTest, MixedDaysShowOnlyWhatTheyShareAndAPostKeepsTheRest) {
  ShowMonth(1405, 2);
  Select({3});
  Tick(2);
  TypeRows({{"08:00", "12:00"}, {"13:00", "17:00"}});
  Page->PostEdits();
  Select({10});
  Tick(2);
  TypeRows({{"09:00", "12:00"}});
  Page->PostEdits();

  Select({3, 10});
  EXPECT_EQ(Texts(), "-12:00 - - - -") << "row 1 differs too";
  EXPECT_TRUE(Page->TypeButton(2)->isChecked());
  Edit(0, 0)->setFocus();
  EXPECT_EQ(Edit(0, 0)->text(), "08:00") << "the first day in month order";
  EXPECT_EQ(Edit(0, 0)->selectedText(), "08:00");
  Edit(1, 0)->setFocus();
  EXPECT_EQ(Edit(0, 0)->text(), "");
  EXPECT_FALSE(Page->EditsPending()) << "showing and hiding the value is no edit";

  Type(1, 0, "11:30");
  Page->PostEdits();
  EXPECT_EQ(Page->DayInfo(3).Hours[0], (zardemo::THourRange{H(8), H(11, 30)}));
  EXPECT_EQ(Page->DayInfo(3).Hours[1], (zardemo::THourRange{H(13), H(17)}));
  EXPECT_EQ(Page->DayInfo(10).Hours[0], (zardemo::THourRange{H(9), H(11, 30)}));
  EXPECT_EQ(Page->DayInfo(10).Hours[1], (zardemo::THourRange{-1, -1}));

  // A type state that differs unticks every radio button and greys the hours.
  Select({4});
  Tick(1);
  Page->PostEdits();
  Select({3, 4});
  for (int type = 0; type < 3; ++type) EXPECT_FALSE(Page->TypeButton(type)->isChecked()) << type;
  EXPECT_FALSE(Edit(0, 0)->isEnabled());
}

TEST_F(WorkCalendarPageTest, DefaultDaysShowTheDefaultHoursExceptFridaysAlone) {
  ShowMonth(1405, 2);
  int friday = 1;
  while (ZarDayOfWeek(Day(friday)) != 7) ++friday;
  Select({friday == 1 ? 2 : 1});
  EXPECT_TRUE(Page->TypeButton(0)->isChecked());
  EXPECT_EQ(Texts(), "08:00-12:00 13:00-17:00 - - -");
  EXPECT_FALSE(Edit(0, 0)->isEnabled());
  Select({friday, friday + 7});
  EXPECT_EQ(Texts(), "- - - - -");
  // Ticking a radio button changes no text until the post.
  Tick(2);
  EXPECT_EQ(Texts(), "- - - - -");
  EXPECT_TRUE(Edit(0, 0)->isEnabled());
  Page->CancelEdits();
  EXPECT_TRUE(Page->TypeButton(0)->isChecked());
  EXPECT_FALSE(Page->EditsPending());
  // No day selected: nothing to edit.
  QTest::mouseClick(Cal, Qt::LeftButton, Qt::ControlModifier, CellCenter(Day(friday + 7)));
  QTest::mouseClick(Cal, Qt::LeftButton, Qt::ControlModifier, CellCenter(Day(friday)));
  ASSERT_EQ(Cal->SelectedCount(), 0);
  EXPECT_FALSE(Page->TypeButton(0)->isEnabled());
  EXPECT_FALSE(Page->HoursFrame()->isEnabled());
}

TEST_F(WorkCalendarPageTest, ScrollBarAndCalendarKeepInStepWithinTheirYears) {
  QScrollBar* bar = Page->MonthScrollBar();
  bar->setValue(0);
  Word y, m, d;
  ZarDecodeDate(Cal->Date(), y, m, d);
  EXPECT_EQ(y * 100 + m, 133001);
  bar->setValue(1200);
  ZarDecodeDate(Cal->Date(), y, m, d);
  EXPECT_EQ(y * 100 + m, 143001);
  ShowMonth(1430, 6);
  EXPECT_EQ(bar->value(), 1200);
  ShowMonth(1429, 2);
  EXPECT_EQ(bar->value(), 99 * 12 + 1);
  // Beyond 1430 the calendar keeps its month.
  ShowMonth(1430, 12);
  Cal->SetDate(ZarEncodeDate(1431, 1, 5));
  ZarDecodeDate(Cal->MonthStart(), y, m, d);
  EXPECT_EQ(y * 100 + m, 143012);
  EXPECT_EQ(bar->value(), 1200);
}

TEST_F(WorkCalendarPageTest, ADamagedFileIsReportedOnEnteringAndLeftUntouched) {
  FForm.reset();
  {
    QFile file(FDataDir.filePath(zardemo::WorkCalendarFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<DATAPACKET");
  }
  std::vector<std::string> messages;
  TApplication::Instance()->OnException = [&](const std::string& m) { messages.push_back(m); };
  FForm = std::make_unique<TForm1>(FDataDir.path());
  FForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
  Page = FForm->findChild<TWorkCalendarPage*>();
  Cal = Page->Calendar();
  FForm->ActivatePage(44);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }));
  EXPECT_FALSE(Page->MonthLoaded());
  EXPECT_FALSE(Page->TypeButton(0)->isEnabled()) << "nothing can be posted over an unread month";
  ShowMonth(1405, 3);
  LeavePage();
  TApplication::Instance()->OnException = nullptr;
  FForm.reset();
  QFile file(FDataDir.filePath(zardemo::WorkCalendarFileName));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("<DATAPACKET"));
}

TEST_F(WorkCalendarPageTest, SavingBeforeTheFirstLoadKeepsTheFile) {
  ShowMonth(1405, 2);
  Select({1});
  Tick(1);
  Page->PostEdits();
  ShowMonth(1405, 3);
  const TFileDays saved = ReadFile();
  ASSERT_EQ(saved.size(), 1u);
  FForm.reset();
  FForm = std::make_unique<TForm1>(FDataDir.path());
  Page = FForm->findChild<TWorkCalendarPage*>();
  // Entering before the calendar's window exists has nothing to save.
  Page->cxTabSheet7Enter();
  Page->PageExit();
  FForm.reset();
  EXPECT_EQ(ReadFile(), saved);
}

// A plain model of the file: what every post should leave there once saved.
TEST_F(WorkCalendarPageTest, RandomSequencesNeverLoseAPostedDay) {
  const unsigned seed = qEnvironmentVariableIsSet("ZAR_SEED")
                            ? qEnvironmentVariableIntValue("ZAR_SEED")
                            : std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  TFileDays expected;
  ShowMonth(1405, 1);
  auto checkFile = [&](const char* step) { ASSERT_EQ(ReadFile(), expected) << step; };

  for (int step = 0; step < 40; ++step) {
    SCOPED_TRACE(step);
    const int op = pick(0, 5);
    switch (op) {
      case 0: {  // another month, by the calendar or the scroll bar
        Word year, shown, day;
        ZarDecodeDate(Cal->MonthStart(), year, shown, day);
        const Word month = static_cast<Word>((shown + pick(0, 1)) % 3 + 1);  // another of 1..3
        if (pick(0, 1))
          ShowMonth(1405, month);
        else
          Page->MonthScrollBar()->setValue((1405 - 1330) * 12 + month - 1);
        ZarDecodeDate(Cal->MonthStart(), year, shown, day);
        ASSERT_EQ(shown, month);
        checkFile("month change");
        break;
      }
      case 1: {  // leave the page and come back
        LeavePage();
        checkFile("page left");
        EnterPage();
        break;
      }
      case 2: {  // typed and cancelled
        Select({pick(1, 29)});
        Tick(2);
        TypeRows({{"01:00", "02:00"}});
        Page->CancelEdits();
        break;
      }
      default: {  // a post to one to three days
        std::vector<int> days;
        for (int n = pick(1, 3); n > 0; --n) {
          const int d = pick(1, 29);
          if (std::find(days.begin(), days.end(), d) == days.end()) days.push_back(d);
        }
        std::sort(days.begin(), days.end());
        Select(days);
        const int type = pick(0, 2);
        Tick(type);
        TFileDay posted{type, {}};
        if (type == 2) {
          // Up to three ranges in increasing hours, typed in a shuffled order.
          std::vector<std::pair<int, int>> ranges;
          int hour = 0;
          for (int n = pick(1, 3); n > 0; --n) {
            const int start = hour + pick(0, 3);
            const int finish = start + pick(1, 3);
            ranges.emplace_back(H(start), H(finish));
            hour = finish;
          }
          posted.Ranges = ranges;
          std::shuffle(ranges.begin(), ranges.end(), random);
          std::vector<std::string> texts;
          for (const auto& [s, f] : ranges) {
            texts.push_back(zardemo::MinutesToStr(s));
            texts.push_back(zardemo::MinutesToStr(f));
          }
          std::vector<std::pair<const char*, const char*>> rows;
          for (std::size_t i = 0; i < texts.size(); i += 2)
            rows.emplace_back(texts[i].c_str(), texts[i + 1].c_str());
          TypeRows(rows);
        }
        ASSERT_NO_THROW(Page->PostEdits());
        for (const int d : days) {
          if (type == 0)
            expected.erase(static_cast<int>(Day(d)));
          else
            expected[static_cast<int>(Day(d))] = posted;
        }
        break;
      }
    }
  }
  FForm.reset();
  EXPECT_EQ(ReadFile(), expected);
}

}  // namespace
}  // namespace zar::demo::test
