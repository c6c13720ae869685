#pragma once
// The shell's page area: a stack of pages without tabs. Each page keeps the
// integer Tag that names its section (Tag / 10) and its place in the section
// (Tag % 10), and a "tab visible" flag that section selection switches; the
// tabs themselves are never drawn, the flag only steers navigation.

#include <QStackedWidget>
#include <vector>

namespace zar::demo {

class TDemoPageControl : public QStackedWidget {
  Q_OBJECT
 public:
  explicit TDemoPageControl(QWidget* parent = nullptr);

  int AddPage(QWidget* Page, int Tag);
  int PageTag(int Index) const { return FPages.at(Index).Tag; }
  int ActivePageTag() const { return PageTag(currentIndex()); }
  bool TabVisible(int Index) const { return FPages.at(Index).TabVisible; }
  void SetTabVisible(int Index, bool Visible) { FPages.at(Index).TabVisible = Visible; }
  int IndexOfTag(int Tag) const;

  // The page a cyclic search from page From finds, going forward or back and
  // skipping pages with a hidden tab (and disabled pages when asked). The
  // search ends at From itself, which it returns when no other page
  // qualifies but From does; -1 when none does.
  int FindNextPage(int From, bool GoForward, bool SkipDisabled) const;
  // Activates the page FindNextPage finds from the active page, if any.
  void SelectNextPage(bool GoForward, bool SkipDisabled);

 private:
  struct TPageInfo {
    int Tag;
    bool TabVisible;
  };
  std::vector<TPageInfo> FPages;
};

}  // namespace zar::demo
