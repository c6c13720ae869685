// The month calendar as a table for assistive technology, its title band,
// its events, its actions, and the keyboard's way into the title.

#include <gtest/gtest.h>

#include <QAccessibleTableInterface>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <cmath>
#include <memory>

#include "AccessibilityTestSupport.h"
#include "GuiTestEnvironment.h"
#include "HostControls.h"
#include "MonthCalendar.h"
#include "YearEdit.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

class MonthCalAccessibleTest : public AccessibleControlTest {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->resize(400, 260);
    cal = new TZarMonthCalendar(window.get());
    cal->move(10, 10);
    cal->SetDate(Solar(1403, 1, 1));
    ASSERT_NO_FATAL_FAILURE(ShowFocused(*cal, {10, 220}));
    table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    recorder->Clear();
  }

  // The table cell showing date.
  QAccessibleInterface* CellOf(TDate date) const {
    const int index = static_cast<int>(date - cal->FirstCellDate());
    return table->cellAt(index / 7, index % 7);
  }

  TZarMonthCalendar* cal = nullptr;
  QAccessibleTableInterface* table = nullptr;
};

TEST_F(MonthCalAccessibleTest, IsATableOfWeeksAndWeekdays) {
  EXPECT_EQ(iface->role(), QAccessible::Table);
  EXPECT_EQ(iface->text(QAccessible::Name), QString::fromStdString(ZarLongMonthNames[1]) + " ۱۴۰۳");
  EXPECT_EQ(iface->text(QAccessible::Value), SolarSpoken(5, "۱", 1, "۱۴۰۳"));
  EXPECT_EQ(table->rowCount(), 6);
  EXPECT_EQ(table->columnCount(), 7);

  // Every day cell is named by its full date, in grid order.
  for (int i = 0; i < 42; ++i) {
    QAccessibleInterface* cell = table->cellAt(i / 7, i % 7);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    Word y, m, d;
    ZarDecodeDate(cal->FirstCellDate() + i, y, m, d);
    EXPECT_TRUE(
        cell->text(QAccessible::Name).contains(QString::fromStdString(ZarLongMonthNames[m])))
        << i;
    QAccessibleTableCellInterface* c = cell->tableCellInterface();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->rowIndex(), i / 7);
    EXPECT_EQ(c->columnIndex(), i % 7);
  }
  EXPECT_EQ(CellOf(Solar(1403, 1, 10))->text(QAccessible::Name), SolarSpoken(7, "۱۰", 1, "۱۴۰۳"));

  // Day names head the columns; the columns are logical (Saturday first).
  QAccessibleInterface* nowruz = CellOf(Solar(1403, 1, 1));
  const auto headers = nowruz->tableCellInterface()->columnHeaderCells();
  ASSERT_EQ(headers.size(), 1);
  EXPECT_EQ(headers[0]->role(), QAccessible::ColumnHeader);
  const int wednesday = nowruz->tableCellInterface()->columnIndex();
  EXPECT_EQ(wednesday, 4);
  EXPECT_EQ(table->columnDescription(wednesday), headers[0]->text(QAccessible::Name));
  EXPECT_FALSE(headers[0]->text(QAccessible::Name).isEmpty());

  cal->SetUseSystemCalendar(true);
  EXPECT_EQ(CellOf(cal->Date())->text(QAccessible::Name), "Wednesday 20 March 2024");
}

TEST_F(MonthCalAccessibleTest, WeekNumbersHeadTheRowsWhenShown) {
  QAccessibleInterface* nowruz = CellOf(Solar(1403, 1, 1));
  EXPECT_TRUE(nowruz->tableCellInterface()->rowHeaderCells().isEmpty());
  const int before = iface->childCount();
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoWeekNumbers});
  EXPECT_EQ(iface->childCount(), before + 6);
  const auto rowHeaders = CellOf(Solar(1403, 1, 1))->tableCellInterface()->rowHeaderCells();
  ASSERT_EQ(rowHeaders.size(), 1);
  EXPECT_EQ(rowHeaders[0]->role(), QAccessible::RowHeader);
  // The row's week is that of its fourth day, the last week of 1402.
  EXPECT_EQ(rowHeaders[0]->text(QAccessible::Name), QStringLiteral("۵۳"));
  EXPECT_EQ(table->rowDescription(CellOf(Solar(1403, 1, 1))->tableCellInterface()->rowIndex()),
            QStringLiteral("۵۳"));
}

TEST_F(MonthCalAccessibleTest, CellStatesFollowTheDateTheSelectionAndTheLimits) {
  cal->SetMinDate(Solar(1403, 1, 3));
  cal->SetDate(Solar(1403, 1, 5));
  QAccessibleInterface* current = CellOf(Solar(1403, 1, 5));
  EXPECT_TRUE(current->state().selected);
  EXPECT_TRUE(current->state().active);
  EXPECT_TRUE(current->state().focused);
  EXPECT_EQ(iface->focusChild(), current);
  EXPECT_FALSE(current->state().disabled);
  EXPECT_TRUE(CellOf(Solar(1403, 1, 2))->state().disabled);
  EXPECT_FALSE(CellOf(Solar(1403, 1, 3))->state().disabled);
  EXPECT_FALSE(CellOf(Solar(1403, 1, 6))->state().selected);
  EXPECT_EQ(table->selectedCellCount(), 1);
  ASSERT_EQ(table->selectedCells().size(), 1);
  EXPECT_EQ(table->selectedCells()[0], current);

  other->setFocus();
  EXPECT_FALSE(current->state().focused);
  EXPECT_TRUE(current->state().active);
}

TEST_F(MonthCalAccessibleTest, TheTreeIsConsistentAndHoldsTheTitleBand) {
  const int count = iface->childCount();
  EXPECT_EQ(count, 1 + 7 + 42);  // the title band, the day names, the days
  QAccessibleInterface* title = nullptr;
  for (int i = 0; i < count; ++i) {
    QAccessibleInterface* child = iface->child(i);
    ASSERT_NE(child, nullptr) << i;
    EXPECT_EQ(child->parent(), iface) << i;
    EXPECT_EQ(iface->indexOfChild(child), i) << i;
    if (child->role() == QAccessible::TitleBar) title = child;
  }
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text(QAccessible::Name), cal->TitleLabel()->text());
  QStringList names;
  for (int i = 0; i < title->childCount(); ++i) names << title->child(i)->text(QAccessible::Name);
  EXPECT_TRUE(names.contains("Next month")) << names.join('|').toStdString();
  EXPECT_TRUE(names.contains("Previous month"));
  EXPECT_TRUE(names.contains("Year"));

  // A day cell is found where it is drawn.
  QAccessibleInterface* cell = CellOf(Solar(1403, 1, 10));
  const QPoint centre = cell->rect().center();
  EXPECT_EQ(iface->childAt(centre.x(), centre.y()), cell);

  // Read right to left, the first weekday's column is drawn at the right.
  cal->setLayoutDirection(Qt::RightToLeft);
  EXPECT_GT(table->cellAt(0, 0)->rect().left(), table->cellAt(0, 6)->rect().left());
  const QPoint mirrored = cell->rect().center();
  EXPECT_NE(mirrored, centre);
  EXPECT_EQ(iface->childAt(mirrored.x(), mirrored.y()), cell);
}

TEST_F(MonthCalAccessibleTest, DateAndMonthChangesAreAnnounced) {
  QTest::keyClick(cal, Qt::Key_Down);  // a week on
  const TDate next = Solar(1403, 1, 8);
  ASSERT_EQ(cal->Date(), next);
  auto values = recorder->Of(QAccessible::ValueChanged);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].Value, SolarSpoken(5, "۸", 1, "۱۴۰۳"));
  auto focus = recorder->Of(QAccessible::Focus);
  ASSERT_FALSE(focus.empty());
  EXPECT_EQ(focus.back().Target, CellOf(next));
  for (const RecordedEvent& e : recorder->Of(QAccessible::NameChanged)) EXPECT_NE(e.Object, cal);

  recorder->Clear();
  QTest::keyClick(cal, Qt::Key_PageDown);
  int renamed = 0;
  for (const RecordedEvent& e : recorder->Of(QAccessible::NameChanged)) renamed += e.Object == cal;
  EXPECT_EQ(renamed, 1);
  EXPECT_EQ(recorder->Of(QAccessible::TableModelChanged).size(), 1u);
  EXPECT_EQ(iface->text(QAccessible::Name), QString::fromStdString(ZarLongMonthNames[2]) + " ۱۴۰۳");
  ASSERT_EQ(recorder->Of(QAccessible::ValueChanged).size(), 1u);
  EXPECT_EQ(recorder->Of(QAccessible::ValueChanged)[0].Value, SolarSpoken(1, "۸", 2, "۱۴۰۳"));
}

TEST_F(MonthCalAccessibleTest, MultiSelectionChangesAreAnnounced) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoMultiSelect});
  recorder->Clear();
  QTest::keyClick(cal, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_FALSE(recorder->Of(QAccessible::SelectionWithin).empty());
  EXPECT_EQ(table->selectedCellCount(), 2);
  EXPECT_TRUE(CellOf(Solar(1403, 1, 2))->state().selected);
  EXPECT_TRUE(iface->state().multiSelectable);
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoMultiSelect});
  EXPECT_FALSE(iface->state().multiSelectable);
}

TEST_F(MonthCalAccessibleTest, ActionsTakeThePathOfTheKeysAndTheMouse) {
  int clicks = 0;
  cal->OnClick = [&](TObject*) { ++clicks; };
  const QStringList actions = ActionsOf(iface);
  for (const QString& name : {QAccessibleActionInterface::nextPageAction(),
                              QAccessibleActionInterface::previousPageAction(),
                              QAccessibleActionInterface::showMenuAction(), QString("Edit year")})
    EXPECT_TRUE(actions.contains(name)) << name.toStdString();

  iface->actionInterface()->doAction(QAccessibleActionInterface::nextPageAction());
  EXPECT_EQ(cal->Date(), Solar(1403, 2, 1));
  iface->actionInterface()->doAction(QAccessibleActionInterface::previousPageAction());
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 1));

  // Pressing a day moves the date there and is a click.
  clicks = 0;
  CellOf(Solar(1403, 1, 12))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 12));
  EXPECT_EQ(clicks, 1);
  // A day outside the limits stays out of reach.
  cal->SetMaxDate(Solar(1403, 1, 20));
  CellOf(Solar(1403, 1, 25))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 12));
  EXPECT_EQ(clicks, 1);

  iface->actionInterface()->doAction("Edit year");
  ASSERT_TRUE(cal->YearEdit()->isVisible());
  EXPECT_TRUE(cal->YearEdit()->hasFocus());
  QTest::keyClick(cal->YearEdit(), Qt::Key_Escape);
  EXPECT_FALSE(cal->YearEdit()->isVisible());

  iface->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
  ASSERT_TRUE(WaitFor([&] { return cal->MonthMenu()->isVisible(); }));
  cal->MonthMenu()->close();

  // Without the title's options there is nothing to show.
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoMonthPopupMenu, mcoYearEditor});
  EXPECT_FALSE(ActionsOf(iface).contains(QAccessibleActionInterface::showMenuAction()));
  EXPECT_FALSE(ActionsOf(iface).contains("Edit year"));
}

// ---- The keyboard reaches the title band -------------------------------------------------------

struct MenuKeyCase {
  const char* label;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

class MonthMenuKeyTest : public MonthCalAccessibleTest,
                         public ::testing::WithParamInterface<MenuKeyCase> {};

TEST_P(MonthMenuKeyTest, OpensTheMonthMenuOnTheShownMonth) {
  int yearMonthChanges = 0;
  cal->OnYMChange = [&](TObject*) { ++yearMonthChanges; };
  QTest::keyClick(cal, GetParam().key, GetParam().modifiers);
  QMenu* menu = cal->MonthMenu();
  ASSERT_TRUE(WaitFor([&] { return menu->isVisible(); }));
  ASSERT_NE(menu->activeAction(), nullptr);
  EXPECT_EQ(menu->activeAction()->text(), QString::fromStdString(ZarLongMonthNames[1]));
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 1));  // the key itself moves nothing
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return !menu->isVisible(); }));
  EXPECT_EQ(cal->Date(), Solar(1403, 2, 1));
  EXPECT_EQ(yearMonthChanges, 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, MonthMenuKeyTest,
                         ::testing::Values(MenuKeyCase{"F4", Qt::Key_F4, Qt::NoModifier},
                                           MenuKeyCase{"AltDown", Qt::Key_Down, Qt::AltModifier}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(MonthCalAccessibleTest, F2OpensTheYearEditorAndEnterTakesItsYear) {
  QTest::keyClick(cal, Qt::Key_F2);
  TYearEdit* edit = cal->YearEdit();
  ASSERT_TRUE(edit->isVisible());
  ASSERT_TRUE(edit->hasFocus());
  QTest::keyClick(edit, Qt::Key_Up);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_FALSE(edit->isVisible());
  EXPECT_EQ(cal->Date(), Solar(1404, 1, 1));
  EXPECT_TRUE(cal->hasFocus());  // back where the keyboard was
}

TEST_F(MonthCalAccessibleTest, TitleKeysDoNothingWithoutTheirOptions) {
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoMonthPopupMenu, mcoYearEditor});
  QTest::keyClick(cal, Qt::Key_F4);
  QTest::keyClick(cal, Qt::Key_F2);
  EXPECT_TRUE(cal->hasFocus());
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 1));
}

// ---- Descendants
// ---------------------------------------------------------------------------------

class DerivedCalendar : public TZarMonthCalendar {
 public:
  using TZarMonthCalendar::TZarMonthCalendar;
};

TEST_F(MonthCalAccessibleTest, DescendantsAreCovered) {
  DerivedCalendar derived(window.get());
  QAccessibleInterface* d = QAccessible::queryAccessibleInterface(&derived);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->role(), QAccessible::Table);
  ASSERT_NE(d->tableInterface(), nullptr);
  EXPECT_EQ(d->tableInterface()->rowCount(), 6);
}

}  // namespace
}  // namespace zar::test
