#include "DatePickerLayout.h"

namespace zar {

namespace {

// Width of the gap that follows segment i: the separator drawn there, or
// the blank between the date and the time.
int GapAfter(int i, const TSegmentMetrics& m, const TSegmentLayoutOptions& o) {
  switch (i) {
    case dsYear:
    case dsMonth: return m.ds;
    case dsDay: return o.Kind == dtkDateTime ? m.sp : 0;
    case dsHour: return m.ts;
    case dsMinute: return o.ShowSecond || o.Use12HourClock ? m.ts : 0;
    case dsSecond: return o.Use12HourClock ? m.ts : 0;
    default: return 0;
  }
}

int SegmentWidth(int i, const TSegmentMetrics& m) {
  if (i == dsAmPm) return m.ap;
  if (i == dsYear) return 2 * m.d2;
  return m.d2;
}

}  // namespace

int SegmentsTotalWidth(const TSegmentMetrics& m, const TSegmentLayoutOptions& o) {
  if (o.Kind == dtkDate) return 4 * m.d2 + 2 * m.ds;
  int t = o.Kind == dtkTime ? 2 * m.d2 + m.ts : 2 * m.ds + m.sp + 6 * m.d2 + m.ts;
  if (o.ShowSecond) t += m.d2 + m.ts;
  if (o.Use12HourClock) t += m.ap + m.ts;
  return t;
}

TSegmentLayout ComputeSegmentLayout(const TSegmentMetrics& m, const TSegmentLayoutOptions& o,
                                    const TRect& textArea, int clientHeight) {
  const int w = textArea.Right - textArea.Left;
  const int t = SegmentsTotalWidth(m, o);
  int x = 0;
  switch (o.Alignment) {
    case taLeftJustify: x = 3; break;
    case taRightJustify: x = w - t - 3; break;
    case taCenter: x = (w - t) / 2; break;  // C++ division truncates toward zero
  }
  x += textArea.Left;

  TSegmentLayout layout;
  layout.TextBand.Left = x;
  for (int i = 0; i < DatePickerSegmentCount; ++i) {
    if (!o.Visible.Contains(static_cast<TDatePickerSegment>(i))) continue;
    TSegmentBounds& b = layout.SegmentBounds[i];
    b.Left = x;
    b.Right = x + SegmentWidth(i, m);
    x = b.Right + GapAfter(i, m, o);
  }
  layout.TextBand.Right = x;
  layout.TextBand.Top = (clientHeight - m.th) / 2;
  layout.TextBand.Bottom = layout.TextBand.Top + m.th;
  return layout;
}

}  // namespace zar
