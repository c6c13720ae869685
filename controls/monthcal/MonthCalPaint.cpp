// The month calendar's painting, sizing and colours. The grid base paints
// nothing; the calendar draws the grid lines, the today line, the day
// names, the week numbers, the day cells and the today circle itself, in
// logical coordinates on a canvas that is mirrored under right-to-left
// reading.

#include <QFontMetrics>
#include <algorithm>

#include "GregorianDates.h"
#include "MonthCalTitleBand.h"
#include "MonthCalendar.h"
#include "MonthGrid.h"
#include "ScopeExit.h"

namespace zar {

namespace {

TFontStyles WithBold(TFontStyles style, bool bold) {
  return bold ? style.Include(fsBold) : style.Exclude(fsBold);
}

}  // namespace

// ---- Geometry --------------------------------------------------------------------------

TRect TCustomZarMonthCalendar::LogicalCellRect(int ACol, int ARow) const {
  const int left = ACol * (DefaultColWidth() + GridLineWidth());
  const int top = ARow * (DefaultRowHeight() + GridLineWidth());
  return {left, top, left + DefaultColWidth(), top + DefaultRowHeight()};
}

// A logical rectangle as it appears on the screen.
TRect TCustomZarMonthCalendar::ToScreen(const TRect& Logical) const {
  if (!UseRightToLeftAlignment()) return Logical;
  return {ClientWidth() - Logical.Right, Logical.Top, ClientWidth() - Logical.Left, Logical.Bottom};
}

void TCustomZarMonthCalendar::MirrorCanvas(bool On) { Canvas().SetMirrored(On); }

// ---- Paint -------------------------------------------------------------------------------

void TCustomZarMonthCalendar::Paint() {
  const bool rightToLeft = UseRightToLeftAlignment();
  if (rightToLeft) MirrorCanvas(true);
  const bool focused = IsActiveControl();
  DrawGridLines();
  TCanvas& canvas = Canvas();
  canvas.SetFont(Font());
  if (FOptions.Contains(mcoToday) &&
      canvas.RectVisible({0, ClientHeight() - DefaultRowHeight(), ClientWidth(), ClientHeight()}))
    DrawTodayLine();

  const int lineWidth = GridLineWidth();
  const int fixedBottom = FixedRows() * (DefaultRowHeight() + lineWidth);
  const int fixedRight = FixedCols() * (DefaultColWidth() + lineWidth);
  const int gridRight = ColCount() * (DefaultColWidth() + lineWidth);
  const int gridBottom = RowCount() * (DefaultRowHeight() + lineWidth) -
                         (FOptions.Contains(mcoToday) ? DefaultRowHeight() + lineWidth : 0);
  DrawCells(0, FixedRows() - 1, fixedRight, fixedBottom, {gdFixed}, focused);           // corner
  DrawCells(FixedCols(), FixedRows() - 1, gridRight, fixedBottom, {gdFixed}, focused);  // day names
  DrawCells(0, FixedRows(), fixedRight, gridBottom, {gdFixed}, focused);    // week numbers
  DrawCells(FixedCols(), FixedRows(), gridRight, gridBottom, {}, focused);  // days

  const TDateTime today = zar::Date();
  if (FOptions.Contains(mcoTodayCircle) && FGrid->InMonth(today)) {
    Word col, row;
    IndexToCell(static_cast<Word>(today - FGrid->FirstCell()), col, row);
    canvas.Brush().SetStyle(TBrushStyle::Clear);
    DrawTodayCircle(LogicalCellRect(col, row));
  }
  if (rightToLeft) MirrorCanvas(false);
}

void TCustomZarMonthCalendar::DrawCells(int FirstCol, int FirstRow, int XEnd, int YEnd,
                                        TGridDrawState BaseState, bool Focused) {
  for (int row = FirstRow; row < RowCount(); ++row) {
    if (LogicalCellRect(0, row).Top >= YEnd) break;
    for (int col = FirstCol; col < ColCount(); ++col) {
      const TRect rect = LogicalCellRect(col, row);
      if (rect.Left >= XEnd) break;
      if (rect.Width() <= 0 || !Canvas().RectVisible(rect)) continue;
      TGridDrawState state = BaseState;
      if (col == Col() && row == Row()) {
        state.Include(gdSelected);
        if (Focused) state.Include(gdFocused);
      }
      if (FDefaultDrawing) Canvas().SetFont(Font());
      DrawCell(col, row, rect, state);
    }
  }
}

void TCustomZarMonthCalendar::DrawTodayLine() {
  TCalendarDrawState state;
  std::string text;
  TDateTime cellDate;
  GetCellInfo(ColCount() - 1, RowCount() - 1, state, text, cellDate);
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(CalColors().MonthBackColor());
  canvas.Brush().SetStyle(TBrushStyle::Solid);
  canvas.Font().SetColor(CalColors().TextColor());
  canvas.Font().SetStyle(WithBold(canvas.Font().Style(), true));
  const TRect r{0, ClientHeight() - DefaultRowHeight(), ClientWidth(), ClientHeight()};
  if (FDefaultDrawing) DrawCellText(r, text, state, cellDate);
  DoDrawCalendarCell(r, text, state, cellDate);
}

void TCustomZarMonthCalendar::DrawCell(int ACol, int ARow, const TRect& ARect,
                                       TGridDrawState AState) {
  TCalendarDrawState state;
  std::string text;
  TDateTime cellDate;
  GetCellInfo(ACol, ARow, state, text, cellDate);
  const TMonthCalendarColors& colors = CalColors();
  TFont& font = Canvas().Font();
  if (state.Contains(cdFixed)) {
    font.SetColor(colors.FixedTextColor());
    font.SetStyle(WithBold(font.Style(), false));
  } else {
    if (SingleMode()) {
      if (AState.Contains(gdSelected))
        state.Include(cdSelected);
      else
        state.Exclude(cdSelected);
    }
    if (AState.Contains(gdFocused)) state.Include(cdFocused);
    TColor color = colors.TextColor();
    if (state.Contains(cdTrailing))
      color = colors.TrailingTextColor();
    else if (state.Contains(cdSelected))
      color = colors.TitleTextColor();
    else if (state.Contains(cdBold) && colors.BoldDaysColor() != clNone)
      color = colors.BoldDaysColor();
    font.SetColor(color);
    font.SetStyle(WithBold(font.Style(), state.Contains(cdBold)));
  }
  Canvas().Brush().SetColor(state.Contains(cdSelected) ? colors.TitleBackColor()
                                                       : colors.MonthBackColor());
  if (FDefaultDrawing) {
    if (state.Contains(cdTrailing) && !FOptions.Contains(mcoTrailingDays))
      Canvas().FillRect(ARect);
    else
      DrawCenteredText(ARect, text);
  }
  DoDrawCalendarCell(ARect, text, state, cellDate);
  if (FDefaultDrawing && state.Contains(cdFocused)) Canvas().DrawFocusRect(ARect);
}

void TCustomZarMonthCalendar::DrawCenteredText(const TRect& Rect, const std::string& Text) {
  TCanvas& canvas = Canvas();
  canvas.TextRect(Rect, Rect.Left + (Rect.Width() - canvas.TextWidth(Text)) / 2,
                  Rect.Top + (Rect.Height() - canvas.TextHeight(Text)) / 2, Text);
}

void TCustomZarMonthCalendar::DrawCellText(const TRect& Rect, const std::string& Text,
                                           TCalendarDrawState State, TDateTime CellDate) {
  TCanvas& canvas = Canvas();
  if (State.Contains(cdFixed) && CellDate == zar::Date()) {
    // The today line: its text ends short of the marker at the screen's
    // right edge in both reading directions (the canvas is mirrored).
    canvas.FillRect(Rect);
    const int colWidth = DefaultColWidth();
    TRect r = Rect;
    TRect marker{ClientWidth() - colWidth, Rect.Top, ClientWidth(), Rect.Bottom};
    if (UseRightToLeftAlignment()) {
      r.Left = colWidth + colWidth / 8;
      r.Right = ClientWidth();
      marker = {0, Rect.Top, colWidth, Rect.Bottom};
    } else {
      r.Right = ClientWidth() - colWidth - colWidth / 8;
      r.Left = r.Right - canvas.TextWidth(Text);
    }
    canvas.TextRect(r, r.Left, r.Top + (r.Height() - canvas.TextHeight(Text)) / 2, Text);
    marker.Inflate(-1, -1);
    DrawTodayCircle(marker);
  } else if (State.Contains(cdTrailing) && !FOptions.Contains(mcoTrailingDays)) {
    canvas.FillRect(Rect);
  } else {
    DrawCenteredText(Rect, Text);
  }
}

void TCustomZarMonthCalendar::DoDrawCalendarCell(const TRect& Rect, const std::string& Text,
                                                 TCalendarDrawState State, TDateTime CellDate) {
  if (OnDrawCalendarCell) OnDrawCalendarCell(this, Rect, CellDate, Text, State);
}

// A ring of two overlapping arcs, open at the upper right where the second,
// slightly higher and wider stroke closes it. The ring is drawn in screen
// coordinates so that it has the same shape in both reading directions.
void TCustomZarMonthCalendar::DrawTodayCircle(const TRect& R) {
  TCanvas& canvas = Canvas();
  const bool mirrored = canvas.Mirrored();
  const TRect s =
      mirrored ? TRect{ClientWidth() - R.Right, R.Top, ClientWidth() - R.Left, R.Bottom} : R;
  canvas.SetMirrored(false);
  canvas.Save();
  canvas.IntersectClipRect(s);
  canvas.Pen().SetColor(CalColors().CircleColor());
  canvas.Pen().SetWidth(2);
  canvas.Pen().SetStyle(psSolid);
  canvas.Brush().SetStyle(TBrushStyle::Clear);
  const auto w = static_cast<Word>(s.Right - s.Left - 1);
  const auto h = static_cast<Word>(s.Bottom - s.Top - 4);
  canvas.Arc({s.Left + 1, s.Top + 4, s.Right, s.Bottom}, QPoint(s.Right - w / 2, s.Top + 4),
             QPoint(s.Right, s.Top + 4 + h / 2));
  const auto h2 = static_cast<Word>(s.Bottom - s.Top - 1);
  const int left2 = s.Left + 1 - w / 6;
  canvas.Arc({left2, s.Top + 1, s.Right, s.Bottom}, QPoint(s.Right, s.Top + 1 + h2 / 2),
             QPoint(left2, s.Top + 1));
  canvas.Restore();
  canvas.SetMirrored(mirrored);
}

// ---- Grid lines --------------------------------------------------------------------------

void TCustomZarMonthCalendar::DrawGridLines() {
  TCanvas& canvas = Canvas();
  const int lineWidth = GridLineWidth();
  const int rh = DefaultRowHeight();
  const int cw = DefaultColWidth();
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetColor(CalColors().LinesColor());
  canvas.Pen().SetWidth(lineWidth);
  // Under mirroring a logical x + 1 lands on the pixel column that x covers.
  const int o = UseRightToLeftAlignment() ? 1 : 0;
  const int fixedBottom = FixedRows() * (rh + lineWidth);
  const int underNames = fixedBottom - lineWidth;
  const bool today = FOptions.Contains(mcoToday);
  const int bottom = ClientHeight() - (today ? rh : 0);
  const int gridBottom = RowCount() * (rh + lineWidth);
  const bool wk = FOptions.Contains(mcoWeekNumbers);
  const bool dv = FOptions.Contains(mcoDaysVertLine);
  const bool wh = FOptions.Contains(mcoWeeksHorzLine);
  const bool vl = FOptions.Contains(mcoVerticalLine);
  const bool hz = FOptions.Contains(mcoHorizontalLine);
  auto line = [&](int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  auto columnLine = [&](int k) { return (cw + lineWidth) * k - lineWidth + o; };

  // The day-name underline, shortened at open ends when no other line meets it.
  const int inset = ((!wk && !hz && (!dv || vl)) || (wk && !hz && !wh && !dv && !vl)) ? 4 : 0;
  line(o + (wk ? cw : 0) + inset, underNames, ClientWidth() + o - inset, underNames);
  if (wk) {
    const int inset2 = (!hz && !wh && !dv && !vl) ? 4 : 0;
    line(cw + o, underNames + inset2, cw + o, bottom - inset2);
  }
  if (dv && canvas.RectVisible({0, fixedBottom - rh - lineWidth, ClientWidth(), fixedBottom}))
    for (int k = 1; k < ColCount(); ++k)
      line(columnLine(k), fixedBottom - rh - lineWidth, columnLine(k), fixedBottom);
  if (vl) {
    const int end = today ? gridBottom - rh - lineWidth : gridBottom;
    for (int k = FixedCols() + 1; k < ColCount(); ++k)
      line(columnLine(k), fixedBottom, columnLine(k), end);
  }
  if (wh && wk && canvas.RectVisible({0, fixedBottom, cw, ClientHeight()}))
    for (int j = 0; j <= RowCount() - FixedRows(); ++j) {
      const int y = underNames + (rh + lineWidth) * j;
      line(o, y, cw + o, y);
    }
  if (hz)
    for (int j = 1; j <= RowCount() - FixedRows(); ++j) {
      const int y = underNames + (rh + lineWidth) * j;
      line(o + (wk ? cw : 0), y, ClientWidth() + o, y);
    }
}

// ---- Sizing -------------------------------------------------------------------------------

void TCustomZarMonthCalendar::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  if (Value) AdjustCalendarSize();
}

// Rows as high as 1.2 lines of the font, columns as wide as the widest day
// name and a little more.
void TCustomZarMonthCalendar::AdjustCalendarSize() {
  if (!HandleAllocated()) return;
  const QFontMetrics metrics(font());
  const int cellHeight = metrics.ascent() + metrics.descent();
  const int heightPart = static_cast<int>(cellHeight * 1.2) * RowCount();
  Canvas().SetFont(Font());
  int widest = 0;
  for (Word k = 1; k <= 7; ++k) widest = std::max(widest, Canvas().TextWidth(CalDayName(k)));
  const int widthPart = static_cast<int>(widest * 1.05) * ColCount();
  ResizeClient(widthPart, heightPart);
}

void TCustomZarMonthCalendar::ResizeClient(int Width, int Height) {
  resize(Width + width() - ClientWidth(), Height + height() - ClientHeight());
  SizeChanged();  // also when the size did not change, or the resize is pending
}

void TCustomZarMonthCalendar::Resize() {
  SizeChanged();
  TCustomGrid::Resize();
}

// Fits whole cells into the client area and shrinks the area to them.
void TCustomZarMonthCalendar::SizeChanged() {
  if (FUpdating) return;
  const auto updating = SetForScope(FUpdating);
  const int lineWidth = GridLineWidth();
  const int rh = std::max((ClientHeight() - (RowCount() - 1) * lineWidth) / RowCount(), 0);
  SetDefaultRowHeight(rh);
  SetClientHeight(rh * RowCount() + (RowCount() - 1) * lineWidth);
  const int cw = std::max((ClientWidth() - (ColCount() - 1) * lineWidth) / ColCount(), 0);
  SetDefaultColWidth(cw);
  SetClientWidth(cw * ColCount() + (ColCount() - 1) * lineWidth);
  if (TitlePanel()) {
    RealignTitle();
    UpdateTitleLayout();
  }
}

void TCustomZarMonthCalendar::FontChanged() {
  TCustomGrid::FontChanged();
  if (!HandleAllocated()) return;
  if (TitleLabel()) {
    FTitleBand->FollowFont(font());
    UpdateTitleLayout();
  }
  RecreateWnd();
}

// ---- Colours ----------------------------------------------------------------------------------

void TCustomZarMonthCalendar::CalColorChanged(int Index) {
  const TMonthCalendarColors& colors = CalColors();
  switch (Index) {
    case TMonthCalendarColors::TitleBackIndex:
      FTitleBand->SetBackColor(colors.TitleBackColor());
      break;
    case TMonthCalendarColors::TitleTextIndex:
      FTitleBand->SetTextColor(colors.TitleTextColor());
      break;
    case TMonthCalendarColors::MonthBackIndex: SetColor(colors.MonthBackColor()); break;
    default: break;
  }
  Invalidate();
}

}  // namespace zar
