#include "MonthCalTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include "HostServices.h"
#include "ZarDateUtils.h"

namespace zar::test {

TDate Greg(Word y, Word m, Word d) { return EncodeDate(y, m, d); }

std::string SolarText(TDateTime date) { return ZarFormatDateTime("yyyy/mm/dd", date); }

void CalendarTest::SetUp() {
  FormatSettings.ShortDateFormat = "yyyy/mm/dd";
  SetBeepHandler([this] { ++beeps; });
  App().OnException = [this](const std::string& message) { errors.push_back(message); };
  Show();
}

void CalendarTest::TearDown() {
  cal.reset();
  SetBeepHandler({});
  App().OnException = {};
  EXPECT_TRUE(errors.empty()) << errors.front();
}

void CalendarTest::Show(bool rightToLeft) {
  cal = std::make_unique<TTestCalendar>();
  QFont font("Noto Sans");
  font.setPixelSize(12);
  cal->setFont(font);
  cal->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  cal->move(40, 40);
  ShowActive(*cal);
  cal->setFocus();
  QCoreApplication::processEvents();
  cal->Events.clear();
}

QPoint CalendarTest::GridCellCenter(int col, int row) const {
  return cal->CellRect(col, row).ToQRect().center() + cal->ClientOrigin();
}

QPoint CalendarTest::CellCenter(int index) const {
  Word col, row;
  cal->IndexToCell(static_cast<Word>(index), col, row);
  return GridCellCenter(col, row);
}

void CalendarTest::Press(QPoint p, Qt::KeyboardModifiers mods) {
  QTest::mousePress(cal.get(), Qt::LeftButton, mods, p);
}

void CalendarTest::MoveTo(QPoint p) { QTest::mouseMove(cal.get(), p); }

void CalendarTest::Release(QPoint p, Qt::KeyboardModifiers mods) {
  QTest::mouseRelease(cal.get(), Qt::LeftButton, mods, p);
}

void CalendarTest::ClickCell(int index, Qt::KeyboardModifiers mods) {
  Press(CellCenter(index), mods);
  Release(CellCenter(index), mods);
}

void CalendarTest::DragDays(TDateTime from, TDateTime to) {
  Press(CellCenter(IndexOf(from)));
  MoveTo(CellCenter(IndexOf(to)));
  Release(CellCenter(IndexOf(to)));
}

void CalendarTest::Key(Qt::Key key, Qt::KeyboardModifiers mods) {
  QTest::keyClick(cal.get(), key, mods);
}

void CalendarTest::Wheel(int notches, Qt::KeyboardModifiers mods) {
  const QPoint local = CellCenter(17);
  QWheelEvent event(local, cal->mapToGlobal(local), QPoint(), QPoint(0, 120 * notches),
                    Qt::NoButton, mods, Qt::NoScrollPhase, false);
  QApplication::sendEvent(cal.get(), &event);
}

}  // namespace zar::test
