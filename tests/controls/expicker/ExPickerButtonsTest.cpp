// The button parts under the mouse, the auto-repeat of the up-down pair,
// the check box and its tie to the null state, and key and wheel routing
// while the calendar is closed.

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include "ExPickerTestSupport.h"
#include "Exceptions.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

Word DayOf(TDate d) {
  Word y = 0, m = 0, day = 0;
  ZarDecodeDate(d, y, m, day);
  return day;
}

TEST_F(ExPickerTest, EachPartUnderTheMouse) {
  picker->CurrentSegment = dsDay;
  struct Case {
    TPickerButtonPart part;
    int dayStep;
    bool opens;
  } cases[] = {{bpUp, +1, false}, {bpDown, -1, false}, {bpDropDown, 0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.part));
    picker->SetDate(Solar(1402, 6, 15));
    changes = 0;
    Press(Middle(c.part));
    EXPECT_EQ(picker->PressedButton(), c.part);
    EXPECT_EQ(picker->HotButton(), c.part);
    EXPECT_EQ(DayOf(picker->Date()), 15 + c.dayStep);
    EXPECT_EQ(changes, c.dayStep != 0 ? 1 : 0);
    EXPECT_EQ(picker->DroppedDown(), c.opens);
    Release(Middle(c.part));
    EXPECT_EQ(picker->PressedButton(), bpNone);
    EXPECT_EQ(picker->HotButton(), bpNone);
    picker->CloseUp(false);
  }
}

TEST_F(ExPickerTest, HotTrackingFollowsThePointer) {
  QTest::mouseMove(picker, Middle(bpUp) + picker->ClientOrigin());
  EXPECT_EQ(picker->ThemeHotButton(), bpUp);
  QTest::mouseMove(picker, Middle(bpDropDown) + picker->ClientOrigin());
  EXPECT_EQ(picker->ThemeHotButton(), bpDropDown);
  QTest::mouseMove(picker, QPoint(30, 10));
  EXPECT_EQ(picker->ThemeHotButton(), bpNone);
}

TEST_F(ExPickerTest, AutoRepeatWaitsThenRepeatsAndPausesOffThePart) {
  picker->CurrentSegment = dsDay;
  Press(Middle(bpUp));
  EXPECT_EQ(DayOf(picker->Date()), 16);  // one step at once
  ASSERT_NE(picker->RepeatTimer(), nullptr);
  EXPECT_EQ(picker->RepeatTimer()->Interval(), 400);
  Tick();
  EXPECT_EQ(DayOf(picker->Date()), 17);
  EXPECT_EQ(picker->RepeatTimer()->Interval(), 100);
  Tick();
  EXPECT_EQ(DayOf(picker->Date()), 18);
  // Off the part the timer keeps running without stepping.
  QTest::mouseMove(picker, QPoint(30, 10));
  Tick();
  EXPECT_EQ(DayOf(picker->Date()), 18);
  QTest::mouseMove(picker, Middle(bpUp) + picker->ClientOrigin());
  Tick();
  EXPECT_EQ(DayOf(picker->Date()), 19);
  EXPECT_EQ(changes, 4);
  Release(Middle(bpUp));
  EXPECT_FALSE(picker->RepeatTimer()->Enabled());
}

TEST_F(ExPickerTest, AutoRepeatStopsWhenThePickerCannotGoOn) {
  const std::function<void()> interruptions[] = {
      [&] { picker->hide(); },
      [&] { picker->SetEnabled(false); },
      [&] { other->setFocus(); },
  };
  for (const auto& interrupt : interruptions) {
    picker->show();
    picker->SetEnabled(true);
    picker->SetFocus();
    Press(Middle(bpDown));
    ASSERT_TRUE(picker->RepeatTimer()->Enabled());
    interrupt();
    QApplication::processEvents();
    EXPECT_FALSE(picker->RepeatTimer()->Enabled());
    EXPECT_EQ(picker->PressedButton(), bpNone);
  }
}

TEST_F(ExPickerTest, ARaisingChangeHandlerIsNotCalledAgainByTheTimer) {
  picker->CurrentSegment = dsDay;
  Press(Middle(bpUp));
  int calls = 0;
  picker->OnChange = [&](TObject*) {
    ++calls;
    throw Exception("refused");
  };
  EXPECT_THROW(Tick(), Exception);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(picker->RepeatTimer()->Enabled());
}

TEST_F(ExPickerTest, CheckBoxTiesToNull) {
  picker->SetShowCheckBox(true);
  changes = 0;
  EXPECT_FALSE(picker->IsNull());
  Click(Middle(bpCheckBox));
  EXPECT_FALSE(picker->Checked());
  EXPECT_TRUE(picker->IsNull());
  EXPECT_EQ(changes, 1);

  // Unchecked: no keys, no characters, no wheel.
  const TDate held = picker->Date();
  Key(Qt::Key_Up);
  QTest::keyClick(picker, '3');
  EXPECT_EQ(picker->Date(), held);

  // An up press checks the box and steps: two changes.
  changes = 0;
  picker->CurrentSegment = dsDay;
  Press(Middle(bpUp));
  Release(Middle(bpUp));
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(DayOf(picker->Date()), 16);
  EXPECT_EQ(changes, 2);

  changes = 0;
  picker->SetIsNull(true);
  EXPECT_FALSE(picker->Checked());
  EXPECT_EQ(changes, 1);
  picker->SetIsNull(false);
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(changes, 2);
}

TEST_F(ExPickerTest, ReadOnlyPartsOnlyRepaint) {
  picker->SetShowCheckBox(true);
  picker->SetReadOnly(true);
  const TDate held = picker->Date();
  for (TPickerButtonPart part : {bpUp, bpDown, bpDropDown, bpCheckBox}) {
    Press(Middle(part));
    Release(Middle(part));
  }
  Key(Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(picker->Date(), held);
  EXPECT_TRUE(picker->Checked());
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(changes, 0);
}

TEST_F(ExPickerTest, KeyRoutingWhileClosed) {
  picker->SetShowCheckBox(true);
  picker->CurrentSegment = dsDay;
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    bool checked, opens;
  } cases[] = {
      {"Space toggles", Qt::Key_Space, Qt::NoModifier, false, false},
      {"Space toggles back", Qt::Key_Space, Qt::NoModifier, true, false},
      {"Ctrl+Space keeps the box", Qt::Key_Space, Qt::ControlModifier, true, false},
      {"Shift+Space switches the calendar", Qt::Key_Space, Qt::ShiftModifier, true, false},
      {"Alt+Down opens", Qt::Key_Down, Qt::AltModifier, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Key(c.key, c.mods);
    EXPECT_EQ(picker->Checked(), c.checked);
    EXPECT_EQ(picker->DroppedDown(), c.opens);
  }
  EXPECT_TRUE(picker->UseSystemCalendar());
  EXPECT_TRUE(Cal().UseSystemCalendar());
  // Shift+Space while open switches the shown calendar as well.
  Key(Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_FALSE(Cal().UseSystemCalendar());
  // Space while open leaves the box alone.
  Key(Qt::Key_Space);
  EXPECT_TRUE(picker->Checked());
}

TEST_F(ExPickerTest, AltUpAndDownNeedTheDropDownButton) {
  picker->SetButtons({dpbUpDown});
  Key(Qt::Key_Down, Qt::AltModifier);
  EXPECT_FALSE(picker->DroppedDown());
  picker->SetButtons({dpbDropDown});
  Key(Qt::Key_Up, Qt::AltModifier);
  EXPECT_TRUE(picker->DroppedDown());
}

TEST_F(ExPickerTest, WheelStepsOnlyAnActiveValue) {
  picker->SetShowCheckBox(true);
  picker->CurrentSegment = dsDay;
  auto wheel = [&](int notches) {
    const QPoint pos(30, 10);
    QWheelEvent e(pos, picker->mapToGlobal(pos), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picker, &e);
    return e.isAccepted();
  };
  EXPECT_TRUE(wheel(1));
  EXPECT_EQ(DayOf(picker->Date()), 16);
  picker->SetChecked(false);
  EXPECT_FALSE(wheel(1));
  EXPECT_EQ(DayOf(picker->Date()), 16);
}

}  // namespace
}  // namespace zar::test

namespace zar::test {
namespace {

// Each part looks different when hot, pressed or disabled, and the check
// box shows its state.
TEST_F(ExPickerTest, PartsShowTheirState) {
  picker->SetShowCheckBox(true);
  auto look = [&](TPickerButtonPart part) {
    QApplication::processEvents();
    const TRect r = picker->ButtonRect(part);
    return Snapshot(*picker).copy(r.ToQRect().translated(picker->ClientOrigin()));
  };
  for (TPickerButtonPart part : {bpUp, bpDown, bpDropDown}) {
    SCOPED_TRACE(int(part));
    picker->SetEnabled(true);
    QTest::mouseMove(picker, QPoint(30, 10));
    const QImage normal = look(part);
    QTest::mouseMove(picker, Middle(part) + picker->ClientOrigin());
    const QImage hot = look(part);
    EXPECT_NE(hot, normal);
    Press(Middle(part));
    const QImage pressed = look(part);
    EXPECT_NE(pressed, normal);
    Release(Middle(part));
    picker->CloseUp(false);
    QTest::mouseMove(picker, QPoint(30, 10));
    picker->SetEnabled(false);
    EXPECT_NE(look(part), normal);
  }
  picker->SetEnabled(true);
  const QImage ticked = look(bpCheckBox);
  picker->SetChecked(false);
  EXPECT_NE(look(bpCheckBox), ticked);
}

}  // namespace
}  // namespace zar::test
