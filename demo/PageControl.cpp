#include "PageControl.h"

namespace zar::demo {

TDemoPageControl::TDemoPageControl(QWidget* parent) : QStackedWidget(parent) {
  setFrameShape(QFrame::StyledPanel);
}

int TDemoPageControl::AddPage(QWidget* Page, int Tag) {
  FPages.push_back({Tag, true});
  return addWidget(Page);
}

int TDemoPageControl::IndexOfTag(int Tag) const {
  for (std::size_t i = 0; i < FPages.size(); ++i)
    if (FPages[i].Tag == Tag) return static_cast<int>(i);
  return -1;
}

int TDemoPageControl::FindNextPage(int From, bool GoForward, bool SkipDisabled) const {
  const int count = static_cast<int>(FPages.size());
  if (count == 0) return -1;
  if (From < 0 || From >= count) From = GoForward ? count - 1 : 0;
  int i = From;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    if (FPages[i].TabVisible && (!SkipDisabled || widget(i)->isEnabled())) return i;
  } while (i != From);
  return -1;
}

void TDemoPageControl::SelectNextPage(bool GoForward, bool SkipDisabled) {
  const int next = FindNextPage(currentIndex(), GoForward, SkipDisabled);
  if (next >= 0) setCurrentIndex(next);
}

}  // namespace zar::demo
