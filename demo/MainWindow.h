#pragma once
// The demonstration's main window: a title area, the page area of thirteen
// pages in five sections, and a bar with Home, Back and Next. It owns the
// section and page navigation, the titles and descriptions, the datasets
// and their files, and the page enter and exit handling that opens and
// closes them.

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QPushButton;

namespace zardemo {
struct TDemoDataSets;
}

namespace zar::demo {

class TDemoPageControl;
class THolidayCalendarPage;
class THomePage;
class TQuickReport2;
class TLinkLabel;
class TWorkCalendarPage;

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // DataDirectory holds the data files; the program passes the directory of
  // its executable.
  explicit TForm1(const QString& DataDirectory, QWidget* parent = nullptr);
  ~TForm1() override;

  TDemoPageControl* PageControl() const { return cxPageControl1; }
  zardemo::TDemoDataSets& DataSets() const { return *FData; }
  // Makes the page of this Tag the active one, as a click of its tab would.
  void ActivatePage(int Tag);
  // The order report the orders page prints with; not owned.
  TQuickReport2* ReportForm() const { return FReportForm; }
  void SetReportForm(TQuickReport2* Value) { FReportForm = Value; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildTitleArea();
  void BuildPages();
  void BuildBottomBar();

  void FormCreate();
  void FormShow();
  void BindPageDataSets();
  void cxPageControl1Change();
  // Prints the orders of page 54 through the report's preview.
  void Button1Click();
  void Label67Click(int Section);
  void acHomeExecute();
  void acPriorExecute();
  void acNextExecute();
  void acPriorUpdate(QAction* Action);
  void UpdateNavigation();

  // Page enter and exit follow the input focus moving in and out of a page.
  void FocusChanged(QWidget* Now);
  int PageOf(QWidget* Widget) const;
  void EnterPage(int Index);
  void ExitPage(int Index);

  std::unique_ptr<zardemo::TDemoDataSets> FData;
  bool FShown = false;
  int FFocusPage = -1;
  std::map<int, std::function<void()>> FPageEnter;  // by Tag
  std::map<int, std::function<void()>> FPageExit;   // by Tag

  QLabel* LabelMainTitle = nullptr;
  QLabel* LabelSubTitle = nullptr;
  QLabel* LabelDesc1 = nullptr;
  TDemoPageControl* cxPageControl1 = nullptr;
  THomePage* FHomePage = nullptr;
  THolidayCalendarPage* FHolidayCalendarPage = nullptr;
  TWorkCalendarPage* FWorkCalendarPage = nullptr;
  TQuickReport2* FReportForm = nullptr;
  TLinkLabel* Label1 = nullptr;
  QAction* acHome = nullptr;
  QAction* acPrior = nullptr;
  QAction* acNext = nullptr;
  QMetaObject::Connection FFocusConnection;
};

}  // namespace zar::demo
