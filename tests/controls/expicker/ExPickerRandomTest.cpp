// Random sequences of keys, clicks, wheel steps, drop-downs and close-ups,
// option and limit changes: DroppedDown always matches the calendar's
// visibility, the value stays within its limits, nothing crashes, and
// user input fires OnChange exactly when the value really changed.

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <random>

#include "ExPickerTestSupport.h"
#include "Exceptions.h"

namespace zar::test {
namespace {

class TRandomPicker : public TTestExPicker {
 public:
  using TCustomExZarDatePicker::Editing;
  using TCustomExZarDatePicker::GetState;
  using TCustomExZarDatePicker::PreEditState;
  using TTestExPicker::TTestExPicker;
};

// The held value (a pending typed entry does not count until it is
// committed).
struct Observed {
  bool solar = true;
  bool null = false;
  TPickerState value;
  friend bool operator==(const Observed&, const Observed&) = default;
};

class ExPickerRandomTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(ExPickerRandomTest, InvariantsHoldUnderRandomInput) {
  std::mt19937 rng(GetParam());
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

  QWidget window;
  window.resize(400, 300);
  auto* picker = new TRandomPicker(&window);
  picker->setGeometry(20, 20, 161, 21);
  auto* other = new QLineEdit(&window);
  other->setGeometry(20, 200, 100, 22);
  ShowActive(window);
  picker->SetFocus();
  picker->SetDate(Solar(1402, 6, 15));
  int changes = 0;
  picker->OnChange = [&](TObject*) { ++changes; };
  // Handlers of the application may raise; the picker must stay sound.
  auto& app = App();
  auto previousHandler = app.OnException;
  app.OnException = [](const std::string&) {};

  const TDate base = Solar(1402, 6, 15);
  auto observe = [&] {
    return Observed{!picker->UseSystemCalendar(), picker->IsNull(),
                    picker->Editing ? picker->PreEditState : picker->GetState()};
  };
  auto client = [&](QPoint p) { return p + picker->ClientOrigin(); };
  auto middle = [&](TPickerButtonPart part) {
    const TRect r = picker->ButtonRect(part);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  };
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Up, Qt::NoModifier},       {Qt::Key_Down, Qt::NoModifier},
      {Qt::Key_Left, Qt::NoModifier},     {Qt::Key_Right, Qt::NoModifier},
      {Qt::Key_PageUp, Qt::NoModifier},   {Qt::Key_PageDown, Qt::ControlModifier},
      {Qt::Key_Home, Qt::NoModifier},     {Qt::Key_End, Qt::ControlModifier},
      {Qt::Key_Space, Qt::NoModifier},    {Qt::Key_Return, Qt::NoModifier},
      {Qt::Key_Escape, Qt::NoModifier},   {Qt::Key_Delete, Qt::NoModifier},
      {Qt::Key_1, Qt::NoModifier},        {Qt::Key_4, Qt::NoModifier},
      {Qt::Key_Down, Qt::AltModifier},    {Qt::Key_Up, Qt::AltModifier},
      {Qt::Key_Space, Qt::ShiftModifier}, {Qt::Key_Space, Qt::ControlModifier},
  };

  for (int step = 0; step < 500; ++step) {
    const Observed before = observe();
    changes = 0;
    bool userInput = true;
    const int action = pick(10);
    std::string what = std::to_string(step) + ": action " + std::to_string(action);
    switch (action) {
      case 0:
      case 1: {
        const int k = pick(std::size(keys));
        what += " key " + std::to_string(k);
        const auto& [key, mods] = keys[k];
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() == other->window() && target != picker) target = picker;
        QTest::keyClick(target, key, mods);
        break;
      }
      case 2: {
        static const TPickerButtonPart parts[] = {bpUp, bpDown, bpDropDown, bpCheckBox};
        const TPickerButtonPart part = parts[pick(4)];
        what += " part " + std::to_string(part);
        const QPoint p = picker->ButtonRect(part).IsEmpty() ? QPoint(30, 8) : middle(part);
        QTest::mousePress(picker, Qt::LeftButton, Qt::NoModifier, client(p));
        for (int i = pick(3); i > 0; --i)
          if (TTimer* t = picker->RepeatTimer(); t && t->Enabled()) t->OnTimer(t);
        QTest::mouseRelease(picker, Qt::LeftButton, Qt::NoModifier, client(p));
        break;
      }
      case 3: {
        const QPoint pos(30, 10);
        QWheelEvent e(pos, picker->mapToGlobal(pos), QPoint(), QPoint(0, pick(2) ? 120 : -120),
                      Qt::NoButton, pick(2) ? Qt::ShiftModifier : Qt::NoModifier, Qt::NoScrollPhase,
                      false);
        QApplication::sendEvent(picker, &e);
        break;
      }
      case 4: {
        TDropDownCalendar& c = *picker->DropDownCalendar();
        if (!c.isVisible()) break;
        const QPoint p = c.CellRect(pick(c.ColCount()), pick(c.RowCount())).ToQRect().center() +
                         c.ClientOrigin();
        QTest::mousePress(&c, Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(&c, Qt::LeftButton, Qt::NoModifier, p);
        break;
      }
      case 5:
        if (pick(2))
          picker->DropDown();
        else
          picker->CloseUp(pick(2) == 0);
        break;
      case 6: {
        userInput = false;
        switch (pick(6)) {
          case 0: picker->SetShowCheckBox(pick(2)); break;
          case 1: {
            TDatePickerButtons b;
            if (pick(2)) b.Include(dpbDropDown);
            if (pick(2)) b.Include(dpbUpDown);
            picker->SetButtons(b);
            break;
          }
          case 2: picker->SetKind(static_cast<TZarDateTimeKind>(pick(3))); break;
          case 3: picker->SetUseSystemCalendar(pick(2)); break;
          case 4: picker->SetAllowNull(pick(2)); break;
          case 5: picker->SetReadOnly(pick(4) == 0); break;
        }
        break;
      }
      case 7: {
        userInput = false;
        try {
          // Every minimum lies before every maximum, so the four limits
          // can always hold together.
          const TDate low = base - 1 - pick(60), high = base + 1 + pick(60);
          switch (pick(4)) {
            case 0: picker->SetMinDate(pick(3) ? low : 0); break;
            case 1: picker->SetMaxDate(pick(3) ? high : 0); break;
            case 2: picker->SetMinDateTime(pick(3) ? low + 0.25 : 0); break;
            case 3: picker->SetMaxDateTime(pick(3) ? high + 0.75 : 0); break;
          }
        } catch (const EZarDateTimeError&) {
          // inconsistent limits are refused
        }
        break;
      }
      case 8:
        userInput = false;
        switch (pick(4)) {
          case 0: other->setFocus(); break;
          case 1: picker->SetFocus(); break;
          case 2: picker->setVisible(!picker->isVisible()); break;
          case 3: picker->SetEnabled(!picker->isEnabled()); break;
        }
        break;
      case 9: {
        TDropDownCalendar& c = *picker->DropDownCalendar();
        if (!c.isVisible()) break;
        // Keys typed into the calendar itself, as after a click into it.
        const auto& [key, mods] = keys[pick(std::size(keys))];
        QTest::keyClick(&c, key, mods);
        break;
      }
    }
    QApplication::processEvents();
    SCOPED_TRACE(what);

    ASSERT_EQ(picker->DroppedDown(), picker->DropDownCalendar()->isVisible());
    if (picker->DroppedDown()) ASSERT_TRUE(picker->isVisible() && picker->isEnabled());
    if (!picker->IsNull()) {
      const TDate d = picker->Date();
      if (picker->MinDate() != 0) ASSERT_GE(d, picker->MinDate());
      if (picker->MaxDate() != 0) ASSERT_LE(d, picker->MaxDate());
      const TDateTime dt = picker->DateTime();
      if (picker->MinDateTime() != 0) ASSERT_GE(dt, picker->MinDateTime() - 1e-9);
      if (picker->MaxDateTime() != 0) ASSERT_LE(dt, picker->MaxDateTime() + 1e-9);
    }
    // The held parts belong to the active calendar: a switch changes them
    // without changing the value.
    if (userInput && before.solar == !picker->UseSystemCalendar()) {
      const bool changed = !(observe() == before);
      const Observed after = observe();
      ASSERT_EQ(changed, changes > 0)
          << "changes fired: " << changes << "; null " << before.null << " -> " << after.null
          << ", day " << before.value.Day << " -> " << after.value.Day;
    }
    if (!picker->isVisible() && pick(2)) picker->show();
    if (!picker->isEnabled() && pick(2)) picker->SetEnabled(true);
  }
  app.OnException = previousHandler;
}

INSTANTIATE_TEST_SUITE_P(Seeds, ExPickerRandomTest, ::testing::Values(1u, 7u, 42u, 2024u, 90210u));

}  // namespace
}  // namespace zar::test
