#include "DemoTestSupport.h"

#include <QTest>

#include "PageControl.h"
#include "ZarApplication.h"

namespace zar::demo::test {

void EnsureApplication() {
  if (QApplication::instance()) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "zar_demo_tests";
  static char* argv[] = {name, nullptr};
  static TApplication app(argc, argv);
  app.setLayoutDirection(Qt::RightToLeft);
}

void TShownForm::SetUp() {
  EnsureApplication();
  ASSERT_TRUE(FDataDir.isValid());
  FForm = std::make_unique<TForm1>(FDataDir.path());
  FForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
}

void TShownForm::TearDown() { FForm.reset(); }

int TShownForm::ActiveTag() const { return FForm->PageControl()->ActivePageTag(); }

QPushButton* TShownForm::Button(const QWidget* Parent, const QString& Caption) const {
  for (QPushButton* button : Parent->findChildren<QPushButton*>())
    if (button->text().contains(Caption)) return button;
  ADD_FAILURE() << "no button " << Caption.toStdString();
  return nullptr;
}

void TShownForm::Click(QWidget* Widget) const {
  ASSERT_NE(Widget, nullptr);
  QTest::mouseClick(Widget, Qt::LeftButton);
}

}  // namespace zar::demo::test
