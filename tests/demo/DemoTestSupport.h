#pragma once
// The one application object of the test binary (with the default exception
// handler, on the offscreen platform unless another is chosen) and a shown
// main window whose data files go to a temporary directory.

#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "DateTimeBase.h"
#include "MainWindow.h"

namespace zar {
class TCustomZarMonthCalendar;
}

namespace zar::demo::test {

class TShownForm : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  int ActiveTag() const;
  // A push button whose caption reads Caption, under Parent.
  QPushButton* Button(const QWidget* Parent, const QString& Caption) const;
  void Click(QWidget* Widget) const;

  QTemporaryDir FDataDir;
  std::unique_ptr<TForm1> FForm;
};

// The centre of the day cell of Date (one of the 42 shown), in the
// calendar's widget coordinates.
QPoint DayCellCenter(const TCustomZarMonthCalendar& Calendar, TDateTime Date);

}  // namespace zar::demo::test
