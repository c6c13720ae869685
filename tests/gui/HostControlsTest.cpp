// The host controls and services the components build from.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "Exceptions.h"
#include "GuiTestEnvironment.h"
#include "HostControls.h"
#include "HostServices.h"

namespace zar::test {
namespace {

TEST(TimerTest, TicksWhileEnabledAndStopsWhenDisabled) {
  TTimer timer;
  int ticks = 0;
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++ticks;
  };
  timer.SetInterval(5);
  EXPECT_TRUE(WaitFor([&] { return ticks >= 3; }));
  timer.SetEnabled(false);
  const int stopped = ticks;
  QTest::qWait(30);
  EXPECT_EQ(ticks, stopped);
}

TEST(ClipboardTest, TextRoundTripsAsUtf8) {
  const std::string text = "۱۴۰۳/۱/۱ فروردین";
  TClipboard::SetAsText(text);
  EXPECT_EQ(TClipboard::AsText(), text);
}

TEST(BeepTest, HandlerReplacesTheSystemBeep) {
  int beeps = 0;
  auto previous = SetBeepHandler([&] { ++beeps; });
  Beep();
  Beep();
  SetBeepHandler(previous);
  EXPECT_EQ(beeps, 2);
}

TEST(ScreenTest, HasASize) {
  EXPECT_GT(TScreen::Width(), 0);
  EXPECT_GT(TScreen::Height(), 0);
}

TEST(SpeedButtonTest, TwoStateGlyphWithTransparentBottomLeftColour) {
  // 12 x 10: enabled glyph black on olive, disabled glyph grey on olive.
  const QColor olive(128, 128, 0);
  QImage bitmap(12, 10, QImage::Format_RGB32);
  bitmap.fill(olive);
  bitmap.setPixelColor(2, 4, Qt::black);
  bitmap.setPixelColor(8, 4, QColor(128, 128, 128));
  QTemporaryDir dir;
  const QString path = dir.filePath("glyph.bmp");
  ASSERT_TRUE(bitmap.save(path, "BMP"));

  TSpeedButton button;
  int clicks = 0;
  button.OnClick = [&](TObject*) { ++clicks; };
  button.SetGlyph(path, 2);
  EXPECT_EQ(button.iconSize(), QSize(6, 10));
  const QImage enabled = button.icon().pixmap(QSize(6, 10), QIcon::Normal).toImage();
  const QImage disabled = button.icon().pixmap(QSize(6, 10), QIcon::Disabled).toImage();
  EXPECT_EQ(enabled.pixelColor(2, 4), QColor(Qt::black));
  EXPECT_EQ(enabled.pixelColor(0, 0).alpha(), 0);
  EXPECT_EQ(disabled.pixelColor(2, 4), QColor(128, 128, 128));
  button.resize(21, 16);
  ShowActive(button);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_THROW(button.SetGlyph(dir.filePath("missing.bmp"), 2), Exception);
}

TEST(UpDownTest, StepsWithinItsRangeAndWritesPlainDigits) {
  QWidget parent;
  auto* edit = new QLineEdit(&parent);
  edit->setGeometry(30, 4, 40, 18);
  auto* upDown = new TUpDown(&parent);
  upDown->SetMin(100);
  upDown->SetMax(9999);
  upDown->SetPosition(1403);
  upDown->SetAssociate(edit);
  EXPECT_EQ(upDown->geometry(), QRect(70, 4, upDown->width(), 18));
  EXPECT_EQ(edit->text(), "1403");
  ShowActive(parent);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(upDown->Position(), 1404);
  upDown->SetPosition(9999);
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(edit->text(), "9999") << "no thousands separator, no step beyond Max";
  upDown->SetPosition(50);
  EXPECT_EQ(upDown->Position(), 100);
}

TEST(UpDownTest, AnEditDestroyedFirstIsForgotten) {
  QWidget parent;
  auto* edit = new QLineEdit(&parent);
  TUpDown upDown(&parent);
  upDown.SetAssociate(edit);
  delete edit;
  EXPECT_EQ(upDown.Associate(), nullptr);
  upDown.SetPosition(7);  // wrote into the freed edit before
  EXPECT_EQ(upDown.Position(), 7);
}

TEST(PopupMenuTest, ItemsCarryCaptionTagAndClick) {
  TPopupMenu menu;
  QObject owner;
  int chosen = 0;
  for (int month = 1; month <= 12; ++month)
    menu.AddItem(
        "ماه " + std::to_string(month), month,
        [&](TObject* sender) { chosen = static_cast<TMenuItem*>(sender)->Tag(); }, &owner);
  ASSERT_EQ(menu.Count(), 12);
  EXPECT_EQ(menu.Item(2)->Caption(), "ماه 3");
  EXPECT_EQ(menu.Item(2)->parent(), &owner);
  menu.Item(4)->SetCaption("مرداد");
  menu.Item(4)->trigger();
  EXPECT_EQ(chosen, 5);
  EXPECT_EQ(menu.Item(12), nullptr);
}

TEST(AnchorsTest, PanelAlignedTopAndRightAnchoredButtonFollowTheParent) {
  ProbeControl parent;
  parent.Params.ClientEdge = true;
  parent.resize(200, 100);
  parent.HandleNeeded();  // applies the border
  auto* panel = new TPanel(&parent);
  panel->resize(10, 30);
  panel->SetAlign(alTop);
  EXPECT_EQ(panel->geometry(), QRect(2, 2, 196, 30));
  auto* button = new TSpeedButton(panel);
  button->setGeometry(169, 4, 21, 16);
  SetAnchors(button, {akTop, akRight});
  auto* label = new TLabel(panel);
  label->setGeometry(32, 4, 132, 16);
  SetAnchors(label, {akLeft, akTop, akRight});
  ShowActive(parent);  // a hidden widget gets its resize only when shown
  parent.resize(300, 100);
  EXPECT_EQ(panel->geometry(), QRect(2, 2, 296, 30));
  EXPECT_EQ(button->geometry(), QRect(269, 4, 21, 16));
  EXPECT_EQ(label->geometry(), QRect(32, 4, 232, 16));
}

TEST(LabelTest, PressRaisesOnMouseDownInLabelCoordinates) {
  TLabel label;
  label.SetCaption("فروردین 1403");
  label.resize(120, 20);
  std::string seen;
  label.OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int x, int y) {
    seen = std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y);
  };
  ShowActive(label);
  QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(30, 7));
  EXPECT_EQ(seen, "0 30,7");
  EXPECT_EQ(label.Caption(), "فروردین 1403");
}

}  // namespace
}  // namespace zar::test
