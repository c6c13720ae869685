// The shell's navigation: which pages Back and Next reach from each section,
// when they are enabled, the texts above each page and the links.

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QUrl>
#include <vector>

#include "DemoFonts.h"
#include "DemoTestSupport.h"
#include "LinkLabel.h"
#include "PageControl.h"
#include "PageTexts.h"

namespace zar::demo::test {
namespace {

class ShellTest : public TShownForm {
 protected:
  QPushButton* Home() const { return FForm->findChild<QPushButton*>("ButtonHome"); }
  QPushButton* Back() const { return FForm->findChild<QPushButton*>("ButtonPrior"); }
  QPushButton* Next() const { return FForm->findChild<QPushButton*>("ButtonNext"); }
  TLinkLabel* SectionLink(int Section) const {
    return FForm->findChild<TLinkLabel*>(QString("SectionLink%1").arg(Section));
  }
  QString LabelText(const char* Name) const { return FForm->findChild<QLabel*>(Name)->text(); }
};

TEST_F(ShellTest, StartsOnHomeWithOnlyHomeEnabled) {
  EXPECT_EQ(ActiveTag(), 0);
  EXPECT_TRUE(Home()->isEnabled());
  EXPECT_FALSE(Back()->isEnabled());
  EXPECT_FALSE(Next()->isEnabled());
  Click(Home());
  EXPECT_EQ(ActiveTag(), 0);
}

TEST_F(ShellTest, NextAndBackWalkTheChosenSectionOnly) {
  // Section 1's pages come after section 4's in page order.
  const std::vector<std::pair<int, std::vector<int>>> sections = {
      {4, {41, 42, 43, 44}}, {1, {11, 12}}, {2, {21}}, {3, {31}}, {5, {51, 52, 53, 54}}};
  for (const auto& [section, tags] : sections) {
    SCOPED_TRACE(section);
    Click(Home());
    Click(SectionLink(section));
    EXPECT_EQ(ActiveTag(), tags.front());
    EXPECT_FALSE(Back()->isEnabled());
    for (std::size_t i = 1; i < tags.size(); ++i) {
      ASSERT_TRUE(Next()->isEnabled()) << tags[i - 1];
      Click(Next());
      EXPECT_EQ(ActiveTag(), tags[i]);
      EXPECT_TRUE(Back()->isEnabled());
    }
    EXPECT_FALSE(Next()->isEnabled());
    for (std::size_t i = tags.size() - 1; i > 0; --i) {
      Click(Back());
      EXPECT_EQ(ActiveTag(), tags[i - 1]);
    }
    EXPECT_FALSE(Back()->isEnabled());
  }
}

TEST_F(ShellTest, SectionLinkHidesOtherSectionsAndHomeKeepsTheChoice) {
  Click(SectionLink(4));
  Click(Home());
  Click(SectionLink(5));
  Click(Home());
  TDemoPageControl* pages = FForm->PageControl();
  for (int i = 1; i < pages->count(); ++i)
    EXPECT_EQ(pages->TabVisible(i), pages->PageTag(i) / 10 == 5) << pages->PageTag(i);
  EXPECT_TRUE(pages->TabVisible(0));
  EXPECT_FALSE(Back()->isEnabled());
  EXPECT_FALSE(Next()->isEnabled());
}

TEST_F(ShellTest, TitleAndDescriptionFollowTheActivePage) {
  for (const int tag : {0, 11, 12, 21, 31, 41, 42, 43, 44, 51, 52, 53, 54}) {
    SCOPED_TRACE(tag);
    FForm->ActivatePage(tag);
    EXPECT_EQ(LabelText("LabelMainTitle").toStdString(), PageTitles[tag / 10]);
    // The label shows the program's CR LF breaks as plain line breaks.
    EXPECT_EQ(LabelText("LabelDesc1"),
              QString::fromUtf8(PageDescription(tag).data()).remove(QChar('\r')));
    EXPECT_TRUE(LabelText("LabelSubTitle").isEmpty());
  }
  FForm->ActivatePage(12);
  EXPECT_TRUE(LabelText("LabelDesc1").contains('\n'));
}

TEST_F(ShellTest, SectionLinkChangesColourUnderThePointer) {
  TLinkLabel* link = SectionLink(3);
  EXPECT_EQ(link->FontColor(), QColor(0, 128, 255));
  QTest::mouseMove(link, link->rect().center());
  EXPECT_TRUE(QTest::qWaitFor([link] { return link->FontColor() == QColor(255, 128, 0); }));
  QTest::mouseMove(FForm.get(), QPoint(5, FForm->height() - 5));
  EXPECT_TRUE(QTest::qWaitFor([link] { return link->FontColor() == QColor(0, 128, 255); }));
}

}  // namespace

// Records the addresses the desktop is asked to open.
class TUrlRecorder : public QObject {
  Q_OBJECT
 public:
  std::vector<QUrl> Opened;
 public slots:
  void Open(const QUrl& Url) { Opened.push_back(Url); }
};

namespace {

TEST_F(ShellTest, WebLinksAskTheDesktopToOpenThem) {
  TUrlRecorder recorder;
  QDesktopServices::setUrlHandler("https", &recorder, "Open");
  Click(FForm->findChild<TLinkLabel*>("Label1"));
  Click(FForm->findChild<TLinkLabel*>("Label85"));
  QDesktopServices::unsetUrlHandler("https");
  ASSERT_EQ(recorder.Opened.size(), 2u);
  EXPECT_NE(recorder.Opened[0], recorder.Opened[1]);
  EXPECT_TRUE(recorder.Opened[0].isValid());
  EXPECT_TRUE(recorder.Opened[1].isValid());
}

TEST(FormFont, FallbackChainPrefersPersianFontsBeforeTheLastResort) {
  const std::vector<std::pair<QStringList, QString>> cases = {
      {{"Microsoft Sans Serif", "Tahoma", "Nazli"}, "Microsoft Sans Serif"},
      {{"Tahoma", "Nazli"}, "Tahoma"},
      {{"Noto Sans Arabic", "Nazli", "DejaVu Sans"}, "Nazli"},
      {{"Noto Sans Arabic", "DejaVu Sans"}, "Noto Sans Arabic"},
      {{"DejaVu Sans"}, "MS Sans Serif"},
  };
  for (const auto& [installed, expected] : cases)
    EXPECT_EQ(ChooseFormFamily(installed), expected) << installed.join(",").toStdString();
}

}  // namespace
}  // namespace zar::demo::test

#include "ShellTest.moc"
