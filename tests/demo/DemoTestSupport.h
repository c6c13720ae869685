#pragma once
// The one application object of the test binary (with the default exception
// handler, on the offscreen platform unless another is chosen) and a shown
// main window whose data files go to a temporary directory.

#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "MainWindow.h"

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

}  // namespace zar::demo::test
