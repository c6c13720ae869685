#include "ExPickerTestSupport.h"

#include <QApplication>
#include <QTest>

namespace zar::test {

void ExPickerTest::SetUp() {
  window = std::make_unique<QWidget>();
  window->resize(400, 300);
  picker = new TTestExPicker(window.get());
  picker->SetButtonWidth(16);
  picker->setGeometry(20, 20, 161, 21);
  ASSERT_NO_FATAL_FAILURE(ShowFocused(*picker, {20, 200, 100, 22}));
  picker->SetDate(Solar(1402, 6, 15));
  picker->OnChange = [this](TObject*) {
    ++changes;
    events.push_back("Change");
  };
  picker->OnDropDown = [this](TObject*) { events.push_back("DropDown"); };
  picker->OnCloseUp = [this](TObject*) { events.push_back("CloseUp"); };
}

void ExPickerTest::Press(QPoint p, Qt::KeyboardModifiers m) {
  QTest::mousePress(picker, Qt::LeftButton, m, p + picker->ClientOrigin());
}

void ExPickerTest::Release(QPoint p) {
  QTest::mouseRelease(picker, Qt::LeftButton, Qt::NoModifier, p + picker->ClientOrigin());
}

QPoint ExPickerTest::Middle(TPickerButtonPart part) const {
  const TRect r = picker->ButtonRect(part);
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

void ExPickerTest::Key(Qt::Key key, Qt::KeyboardModifiers m) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : picker;
  QTest::keyClick(target, key, m);
}

void ExPickerTest::ClickDay(TDate date) {
  TDropDownCalendar& c = Cal();
  const int index = static_cast<int>(date - c.FirstCellDate());
  ASSERT_GE(index, 0);
  ASSERT_LT(index, 42);
  Word col = 0, row = 0;
  c.IndexToCell(static_cast<Word>(index), col, row);
  const QPoint p = c.CellRect(col, row).ToQRect().center() + c.ClientOrigin();
  QTest::mousePress(&c, Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseRelease(&c, Qt::LeftButton, Qt::NoModifier, p);
}

void ExPickerTest::Tick() {
  TTimer* timer = picker->RepeatTimer();
  ASSERT_NE(timer, nullptr);
  ASSERT_TRUE(timer->Enabled());
  timer->OnTimer(timer);
}

}  // namespace zar::test
