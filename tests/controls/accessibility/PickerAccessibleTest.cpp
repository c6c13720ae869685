// The picker through the eyes of assistive technology: its interface, the
// segment children, the events it sends and the actions it offers.

#include <gtest/gtest.h>

#include <QAccessibleValueInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "AccessibilityTestSupport.h"
#include "DatePicker.h"
#include "GuiTestEnvironment.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

// 1 Farvardin 1403 is Wednesday 20 March 2024.
QString Nowruz1403() { return SolarSpoken(5, "۱", 1, "۱۴۰۳"); }
QString Farvardin() { return QString::fromStdString(ZarLongMonthNames[1]); }

class PickerAccessibleTest : public AccessibleControlTest {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->resize(300, 120);
    picker = new TZarDatePicker(window.get());
    picker->move(10, 10);
    picker->SetDate(Solar(1403, 1, 1));
    ASSERT_NO_FATAL_FAILURE(ShowFocused(*picker, {10, 60}));
    recorder->Clear();
  }

  QAccessibleInterface* Child(const QString& name) const {
    for (int i = 0; i < iface->childCount(); ++i)
      if (iface->child(i)->text(QAccessible::Name) == name) return iface->child(i);
    return nullptr;
  }

  TZarDatePicker* picker = nullptr;
};

TEST_F(PickerAccessibleTest, IsAnEditableSpinBoxSpeakingTheDateOfTheActiveCalendar) {
  EXPECT_EQ(iface->role(), QAccessible::SpinBox);
  EXPECT_EQ(iface->text(QAccessible::Name), "Date");
  EXPECT_TRUE(iface->state().editable);
  EXPECT_TRUE(iface->state().focused);
  EXPECT_EQ(iface->text(QAccessible::Value), Nowruz1403());

  picker->SetUseSystemCalendar(true);
  EXPECT_EQ(iface->text(QAccessible::Value), "Wednesday 20 March 2024");
  ASSERT_FALSE(recorder->Of(QAccessible::ValueChanged).empty());
  EXPECT_EQ(recorder->Of(QAccessible::ValueChanged).back().Value, "Wednesday 20 March 2024");

  picker->setAccessibleName("Due date");
  EXPECT_EQ(iface->text(QAccessible::Name), "Due date");
}

TEST_F(PickerAccessibleTest, TimeKindsSpeakTheTimeAsShown) {
  picker->SetKind(dtkDateTime);
  picker->SetShowSecond(true);
  picker->SetUse12HourClock(true);
  picker->SetDateTime(Solar(1403, 1, 1) + (13 * 3600 + 5 * 60 + 9) / 86400.0);
  EXPECT_EQ(iface->text(QAccessible::Name), "Date and time");
  EXPECT_EQ(iface->text(QAccessible::Value), Nowruz1403() + " ۱:۰۵:۰۹ PM");
}

struct SegmentCase {
  const char* label;
  TZarDateTimeKind kind;
  bool twelveHour;
  std::vector<std::pair<QString, QString>> children;  // name, value
};

class PickerSegmentTest : public PickerAccessibleTest,
                          public ::testing::WithParamInterface<SegmentCase> {};

TEST_P(PickerSegmentTest, ExposesEveryVisibleSegmentAsAChild) {
  const SegmentCase& c = GetParam();
  picker->SetWidth(260);  // room for every segment
  picker->SetKind(c.kind);
  picker->SetShowSecond(true);
  picker->SetUse12HourClock(c.twelveHour);
  picker->SetDateTime(Solar(1403, 1, 1) + (13 * 3600 + 5 * 60 + 9) / 86400.0);
  ASSERT_EQ(iface->childCount(), static_cast<int>(c.children.size()));
  const QRect whole = iface->rect();
  for (int i = 0; i < iface->childCount(); ++i) {
    QAccessibleInterface* child = iface->child(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(child->text(QAccessible::Name), c.children[i].first);
    EXPECT_EQ(child->text(QAccessible::Value), c.children[i].second);
    EXPECT_EQ(child->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(child), i);
    EXPECT_FALSE(child->rect().isEmpty());
    const QRect r = child->rect();
    EXPECT_TRUE(whole.contains(r))
        << r.x() << "," << r.y() << " " << r.width() << "x" << r.height() << " in " << whole.x()
        << "," << whole.y() << " " << whole.width() << "x" << whole.height();
    EXPECT_EQ(iface->childAt(child->rect().center().x(), child->rect().center().y()), child);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PickerSegmentTest,
    ::testing::Values(
        SegmentCase{"date",
                    dtkDate,
                    false,
                    {{"year", "۱۴۰۳"}, {"month", "۱ " + Farvardin()}, {"day", "۱"}}},
        SegmentCase{"time", dtkTime, false, {{"hour", "۱۳"}, {"minute", "۰۵"}, {"second", "۰۹"}}},
        SegmentCase{"dateTime12",
                    dtkDateTime,
                    true,
                    {{"year", "۱۴۰۳"},
                     {"month", "۱ " + Farvardin()},
                     {"day", "۱"},
                     {"hour", "۰۱"},
                     {"minute", "۰۵"},
                     {"second", "۰۹"},
                     {"AM/PM", "PM"}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(PickerAccessibleTest, TheSegmentWithTheCaretIsTheFocusedChild) {
  QAccessibleInterface* day = Child("day");
  ASSERT_NE(day, nullptr);
  EXPECT_EQ(iface->focusChild(), day);
  EXPECT_TRUE(day->state().focused);

  QTest::keyClick(picker, Qt::Key_Right);  // day -> year (wraps)
  QAccessibleInterface* year = Child("year");
  EXPECT_EQ(iface->focusChild(), year);
  EXPECT_TRUE(year->state().focused);
  EXPECT_FALSE(day->state().focused);
  const auto focus = recorder->Of(QAccessible::Focus);
  ASSERT_FALSE(focus.empty());
  EXPECT_EQ(focus.back().Target, year);

  other->setFocus();
  EXPECT_EQ(iface->focusChild(), nullptr);
  EXPECT_FALSE(year->state().focused);
}

TEST_F(PickerAccessibleTest, EachChangeOfTheValueIsAnnouncedOnce) {
  QTest::keyClick(picker, Qt::Key_Up);  // the day segment
  auto changes = recorder->Of(QAccessible::ValueChanged);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].Object, picker);
  EXPECT_EQ(changes[0].Value, SolarSpoken(6, "۲", 1, "۱۴۰۳"));
  EXPECT_EQ(iface->text(QAccessible::Value), changes[0].Value);

  recorder->Clear();
  picker->SetDate(Solar(1403, 1, 1));
  ASSERT_EQ(recorder->Of(QAccessible::ValueChanged).size(), 1u);
  EXPECT_EQ(recorder->Of(QAccessible::ValueChanged)[0].Value, Nowruz1403());

  // Nothing changes, nothing is said.
  recorder->Clear();
  picker->SetReadOnly(true);
  QTest::keyClick(picker, Qt::Key_Up);
  picker->SetDate(Solar(1403, 1, 1));
  EXPECT_TRUE(recorder->Of(QAccessible::ValueChanged).empty());
}

TEST_F(PickerAccessibleTest, TheNullStateIsReportedEmpty) {
  picker->SetAllowNull(true);
  QTest::keyClick(picker, Qt::Key_Delete);
  ASSERT_TRUE(picker->IsNull());
  EXPECT_EQ(iface->text(QAccessible::Value), "");
  EXPECT_TRUE(iface->text(QAccessible::Description).startsWith("empty"));
  ASSERT_EQ(recorder->Of(QAccessible::ValueChanged).size(), 1u);
  EXPECT_EQ(recorder->Of(QAccessible::ValueChanged)[0].Value, "");
  for (int i = 0; i < iface->childCount(); ++i) {
    EXPECT_EQ(iface->child(i)->text(QAccessible::Value), "");
    EXPECT_FALSE(iface->child(i)->valueInterface()->currentValue().isValid());
  }

  recorder->Clear();
  QTest::keyClick(picker, Qt::Key_Up);
  EXPECT_FALSE(picker->IsNull());
  ASSERT_EQ(recorder->Of(QAccessible::ValueChanged).size(), 1u);
  EXPECT_FALSE(recorder->Of(QAccessible::ValueChanged)[0].Value.isEmpty());
  EXPECT_FALSE(iface->text(QAccessible::Description).contains("empty"));
}

TEST_F(PickerAccessibleTest, LimitsAreDescribed) {
  EXPECT_EQ(iface->text(QAccessible::Description), "");
  picker->SetMinDate(Solar(1403, 1, 1));
  picker->SetMaxDate(Solar(1403, 1, 10));
  EXPECT_EQ(iface->text(QAccessible::Description),
            "earliest " + Nowruz1403() + ", latest " + SolarSpoken(7, "۱۰", 1, "۱۴۰۳"));
  QAccessibleValueInterface* day = Child("day")->valueInterface();
  ASSERT_NE(day, nullptr);
  EXPECT_EQ(day->minimumValue().toInt(), 1);
  EXPECT_EQ(day->maximumValue().toInt(), 31);
  EXPECT_EQ(Child("month")->valueInterface()->maximumValue().toInt(), 12);
}

TEST_F(PickerAccessibleTest, IncreaseAndDecreaseStepLikeTheArrowKeys) {
  int changes = 0;
  picker->OnChange = [&](TObject*) { ++changes; };
  EXPECT_TRUE(ActionsOf(iface).contains(QAccessibleActionInterface::increaseAction()));
  EXPECT_TRUE(ActionsOf(iface).contains(QAccessibleActionInterface::decreaseAction()));

  iface->actionInterface()->doAction(
      QAccessibleActionInterface::increaseAction());  // the caret's day
  EXPECT_EQ(picker->Date(), Solar(1403, 1, 2));
  Child("year")->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_EQ(picker->Date(), Solar(1404, 1, 2));
  Child("month")->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  EXPECT_EQ(picker->Date(), Solar(1404, 12, 2));
  EXPECT_EQ(changes, 3);

  // The limits hold as for the keys.
  picker->SetMaxDate(Solar(1404, 12, 2));
  Child("day")->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_EQ(picker->Date(), Solar(1404, 12, 2));

  // A read-only picker offers no change and takes none.
  picker->SetReadOnly(true);
  EXPECT_FALSE(ActionsOf(iface).contains(QAccessibleActionInterface::increaseAction()));
  EXPECT_TRUE(ActionsOf(Child("day")).isEmpty());
  Child("day")->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  iface->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  Child("day")->valueInterface()->setCurrentValue(1);
  EXPECT_EQ(picker->Date(), Solar(1404, 12, 2));
  EXPECT_FALSE(iface->state().editable);
  EXPECT_TRUE(iface->state().readOnly);
}

TEST_F(PickerAccessibleTest, SegmentValuesCanBeSetWithinTheirRange) {
  picker->SetDate(Solar(1403, 12, 30));  // 1403 is leap
  QAccessibleValueInterface* year = Child("year")->valueInterface();
  QAccessibleValueInterface* month = Child("month")->valueInterface();
  EXPECT_EQ(year->currentValue().toInt(), 1403);
  EXPECT_EQ(Child("day")->valueInterface()->maximumValue().toInt(), 30);
  year->setCurrentValue(1404);
  EXPECT_EQ(picker->Date(), Solar(1404, 12, 29));  // the day follows the shorter month
  month->setCurrentValue(13);
  month->setCurrentValue(0);
  month->setCurrentValue(QString("abc"));
  EXPECT_EQ(picker->Date(), Solar(1404, 12, 29));
  month->setCurrentValue(2);
  EXPECT_EQ(picker->Date(), Solar(1404, 2, 29));
}

TEST_F(PickerAccessibleTest, AValueTypedAsTextIsParsedAndChecked) {
  picker->SetMaxDate(Solar(1403, 6, 31));
  iface->setText(QAccessible::Value, "1403/05/10");
  EXPECT_EQ(picker->Date(), Solar(1403, 5, 10));
  for (const char* refused : {"garbage", "1403/13/01", "1403/07/01", ""}) {
    iface->setText(QAccessible::Value, refused);
    EXPECT_EQ(picker->Date(), Solar(1403, 5, 10)) << refused;
  }
  // A date and time on the last allowed day is inside the limits.
  picker->SetKind(dtkDateTime);
  picker->SetMaxDate(Solar(1403, 5, 11));
  iface->setText(QAccessible::Value, "1403/05/11 10:30");
  EXPECT_NEAR(picker->DateTime(), Solar(1403, 5, 11) + 10.5 / 24, 1e-9);
  iface->setText(QAccessible::Value, "1403/05/12 10:30");
  EXPECT_NEAR(picker->DateTime(), Solar(1403, 5, 11) + 10.5 / 24, 1e-9);
}

// Descendants (the extended picker among them) get the interface too.
class DerivedPicker : public TZarDatePicker {
 public:
  using TZarDatePicker::TZarDatePicker;
};

TEST_F(PickerAccessibleTest, DescendantsAreCoveredWithTheirOwnChildWidgets) {
  DerivedPicker derived(window.get());
  derived.SetDate(Solar(1403, 1, 1));
  auto* button = new QPushButton("v", &derived);  // as a descendant's drop-down button
  QAccessibleInterface* d = QAccessible::queryAccessibleInterface(&derived);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->role(), QAccessible::SpinBox);
  EXPECT_EQ(d->text(QAccessible::Value), Nowruz1403());
  ASSERT_EQ(d->childCount(), 4);  // three segments, then the button
  EXPECT_EQ(d->child(2)->text(QAccessible::Name), "day");
  QAccessibleInterface* b = QAccessible::queryAccessibleInterface(button);
  EXPECT_EQ(d->child(3), b);
  EXPECT_EQ(d->indexOfChild(b), 3);
  EXPECT_EQ(b->parent(), d);
}

}  // namespace
}  // namespace zar::test
