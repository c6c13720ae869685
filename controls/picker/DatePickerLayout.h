#pragma once
// The picker's segment layout as pure integer arithmetic on measured text
// widths, so that it can be computed (and checked) without a window.

#include <array>

#include "DatePickerTypes.h"
#include "GuiTypes.h"

namespace zar {

// Widths and height measured in the control's font.
struct TSegmentMetrics {
  int ds = 0;  // date separator
  int ts = 0;  // time separator
  int ap = 0;  // the wider of the AM and PM designators
  int d2 = 0;  // two digits: the widest of "0", "11", ..., "99"
  int sp = 0;  // one space
  int th = 0;  // text height
};

// Left and right edge of one segment; (0, 0) for a hidden segment.
struct TSegmentBounds {
  int Left = 0;   // client x of the first pixel
  int Right = 0;  // client x just past the last pixel
  // Whether both edges are equal.
  friend constexpr bool operator==(const TSegmentBounds&, const TSegmentBounds&) noexcept = default;
};

// The picker's settings that the layout depends on.
struct TSegmentLayoutOptions {
  TZarDateTimeKind Kind = dtkDate;  // decides the gap between the date and the time
  TDatePickerSegments Visible;      // segments to place; the others get (0, 0)
  bool ShowSecond = false;          // a seconds segment and its separator
  bool Use12HourClock = false;      // an AM/PM segment of width ap and its separator
  TAlignment Alignment = taCenter;  // already mirrored for right-to-left
};

// The result of ComputeSegmentLayout.
struct TSegmentLayout {
  std::array<TSegmentBounds, DatePickerSegmentCount> SegmentBounds{};  // by segment index
  TRect TextBand;  // first segment's left to the last gap's end, one text line high
};

// Width of all segments and separators of a kind (a date kind ignores the
// time options); any metrics, no failure.
int SegmentsTotalWidth(const TSegmentMetrics& m, const TSegmentLayoutOptions& options);

// Places the segments left to right in index order inside textArea; the
// text line is centred vertically in a client area of clientHeight. Segments
// wider than textArea overflow it (no failure, no clipping).
TSegmentLayout ComputeSegmentLayout(const TSegmentMetrics& m, const TSegmentLayoutOptions& options,
                                    const TRect& textArea, int clientHeight);

// Right-to-left reading exchanges left and right justification; the alignment
// itself otherwise (and for taCenter).
constexpr TAlignment MirroredAlignment(TAlignment a, bool rightToLeft) noexcept {
  if (!rightToLeft || a == taCenter) return a;
  return a == taLeftJustify ? taRightJustify : taLeftJustify;
}

}  // namespace zar
