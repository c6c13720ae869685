// Layout and painting of the picker: the text area and the calendar-switch
// marker, the measured segment layout, the segment texts with the caret
// highlight, the separators, the required-value underline, the border and
// the automatic height, and the formatted hint.

#include <QFontMetrics>
#include <algorithm>

#include "DatePicker.h"
#include "FormatSettings.h"
#include "TextFormat.h"

namespace zar {

namespace {

constexpr TColor MarkerOrange = Rgb(255, 128, 0);
constexpr TColor RequiredRed = Rgb(255, 0, 0);
constexpr int MarkerSize = 4;

std::string TwoDigits(int value) { return Format("%.2d", value); }

std::string SeparatorText(char separator) {
  return separator == '\0' ? std::string() : std::string(1, separator);
}

}  // namespace

// ---- Property setters that change the layout ----------------------------------------------

void TCustomZarDatePicker::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  LayoutSegments();
  Invalidate();
}

void TCustomZarDatePicker::SetAllowCalendarSwitch(bool value) {
  if (value == FAllowCalendarSwitch) return;
  FAllowCalendarSwitch = value;
  LayoutSegments();
  Invalidate();
}

void TCustomZarDatePicker::SetAutoMoveDirection(TAutoMoveDirection value) {
  FAutoMoveDirection = value;
  // A time picker has no date segment to put the caret on.
  if (FKind != dtkTime) CurrentSegment = value == amdYMD ? dsYear : dsDay;
  Invalidate();
}

void TCustomZarDatePicker::SetHighlightRequired(bool value) {
  if (value == FHighlightRequired) return;
  FHighlightRequired = value;
  Invalidate();
}

void TCustomZarDatePicker::DeriveVisibleSegments() {
  switch (FKind) {
    case dtkDate: FVisibleSegments = {dsYear, dsMonth, dsDay}; return;
    case dtkTime: FVisibleSegments = {dsHour, dsMinute, dsSecond, dsAmPm}; break;
    case dtkDateTime:
      FVisibleSegments = {dsYear, dsMonth, dsDay, dsHour, dsMinute, dsSecond, dsAmPm};
      break;
  }
  if (!FShowSecond) FVisibleSegments.Exclude(dsSecond);
  if (!FUse12HourClock) FVisibleSegments.Exclude(dsAmPm);
}

// A segment that has just been hidden hands the caret to the visible
// segment before it, so that digits never go into a hidden part.
void TCustomZarDatePicker::KeepCaretVisible() {
  if (!FVisibleSegments.Contains(CurrentSegment)) MoveToVisibleSegment(-1);
}

void TCustomZarDatePicker::SetKind(TZarDateTimeKind value) {
  if (value == FKind) return;
  FKind = value;
  DeriveVisibleSegments();
  CurrentSegment = value == dtkTime ? dsHour : dsDay;
  LayoutSegments();
  Invalidate();
}

void TCustomZarDatePicker::SetShowSecond(bool value) {
  if (value == FShowSecond) return;
  FShowSecond = value;
  DeriveVisibleSegments();
  KeepCaretVisible();
  LayoutSegments();
  Invalidate();
}

// Persian digits are wider in most fonts: the segments are measured again.
void TCustomZarDatePicker::SetDigitShape(TDigitShape value) {
  if (value == FDigitShape) return;
  FDigitShape = value;
  LayoutSegments();
  Invalidate();
}

void TCustomZarDatePicker::SetUse12HourClock(bool value) {
  if (value == FUse12HourClock) return;
  FUse12HourClock = value;
  DeriveVisibleSegments();
  KeepCaretVisible();
  LayoutSegments();
  Invalidate();
}

// ---- Border and height
// ---------------------------------------------------------------------------

void TCustomZarDatePicker::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (FBorderStyle != bsSingle) return;
  // The platform always draws controls in the new look, so the 3-D setting
  // alone chooses between the sunken edge and the thin border.
  if (FCtl3D)
    Params.ClientEdge = true;
  else
    Params.Border = true;
}

void TCustomZarDatePicker::CreateWnd() {
  TCustomControl::CreateWnd();
  if (FAutoSize) SetHeight(AutoHeight());
}

void TCustomZarDatePicker::SetCtl3D(bool value) {
  if (value == FCtl3D) return;
  FCtl3D = value;
  RecreateWnd();
}

void TCustomZarDatePicker::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  if (FAutoSize) SetHeight(AutoHeight());
  LayoutSegments();
  RecreateWnd();
}

void TCustomZarDatePicker::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  if (value) SetHeight(AutoHeight());
}

// One text line plus the border's vertical extent plus two pixels above
// and below.
int TCustomZarDatePicker::AutoHeight() {
  TCreateParams params;
  CreateParams(params);
  const int edge = params.ClientEdge ? 2 : params.Border ? 1 : 0;
  return QFontMetrics(font()).height() + 2 * edge + 4;
}

void TCustomZarDatePicker::FontChanged() {
  TCustomControl::FontChanged();
  if (FAutoSize) SetHeight(AutoHeight());
  LayoutSegments();
}

void TCustomZarDatePicker::Resize() {
  TCustomControl::Resize();
  LayoutSegments();
}

// ---- Layout
// ----------------------------------------------------------------------------------------

void TCustomZarDatePicker::CalcTextArea() {
  TextArea = ClientRect();
  if (!FAllowCalendarSwitch) return;
  SwitchMark = TextArea;
  const bool rtl = UseRightToLeftAlignment();
  if (rtl)
    SwitchMark.Right = SwitchMark.Left + MarkerSize;
  else
    SwitchMark.Left = SwitchMark.Right - MarkerSize;
  SwitchMark.Bottom = SwitchMark.Top + MarkerSize;
  if (rtl) {
    SwitchMark.Offset(2, 2);
    TextArea.Left = SwitchMark.Right;
  } else {
    SwitchMark.Offset(-2, 2);
    TextArea.Right = SwitchMark.Left;
  }
}

TSegmentMetrics TCustomZarDatePicker::MeasureSegments() {
  TCanvas& canvas = Canvas();
  canvas.SetFont(Font());
  TSegmentMetrics m;
  m.ds = canvas.TextWidth(SeparatorText(FormatSettings.DateSeparator));
  m.ts = canvas.TextWidth(SeparatorText(FormatSettings.TimeSeparator));
  m.ap = std::max(canvas.TextWidth(FormatSettings.TimeAMString),
                  canvas.TextWidth(FormatSettings.TimePMString));
  for (int i = 0; i <= 9; ++i)
    m.d2 = std::max(m.d2, canvas.TextWidth(ShapeDigits(std::to_string(11 * i), FDigitShape)));
  m.sp = canvas.TextWidth(" ");
  m.th = QFontMetrics(font()).height();
  return m;
}

void TCustomZarDatePicker::LayoutSegments() {
  if (!HandleAllocated()) return;
  CalcTextArea();
  TSegmentLayoutOptions options;
  options.Kind = FKind;
  options.Visible = FVisibleSegments;
  options.ShowSecond = FShowSecond;
  options.Use12HourClock = FUse12HourClock;
  options.Alignment = MirroredAlignment(FAlignment, UseRightToLeftAlignment());
  const TSegmentLayout layout =
      ComputeSegmentLayout(MeasureSegments(), options, TextArea, ClientHeight());
  SegmentBounds = layout.SegmentBounds;
  TextBand = layout.TextBand;
}

// ---- Painting
// ----------------------------------------------------------------------------------------

bool TCustomZarDatePicker::IsGrayed() { return !Enabled(); }

bool TCustomZarDatePicker::NeedsHighlight() { return FHighlightRequired && FAllowNull && IsNull(); }

std::string TCustomZarDatePicker::SegmentText(int index) const {
  if (IsNullField()) return "  ";
  if (index == dsAmPm) return Hour > 11 ? FormatSettings.TimePMString : FormatSettings.TimeAMString;
  return ShapeDigits(SegmentNumber(index), FDigitShape);
}

std::string TCustomZarDatePicker::SegmentNumber(int index) const {
  switch (index) {
    case dsYear: return std::to_string(Year);
    case dsMonth: return std::to_string(Month);
    case dsDay: return std::to_string(Day);
    case dsHour:
      if (!FUse12HourClock) return TwoDigits(Hour);
      return Hour % 12 == 0 ? "12" : TwoDigits(Hour % 12);
    case dsMinute: return TwoDigits(Minute);
    case dsSecond: return TwoDigits(Second);
    default: return std::string();
  }
}

void TCustomZarDatePicker::PaintSegment(int index) {
  const std::string text = SegmentText(index);
  TCanvas& canvas = Canvas();
  canvas.SetFont(Font());
  canvas.Brush().SetColor(Color());
  const bool grayed = IsGrayed();
  if (index == CurrentSegment && Focused() && !grayed) {
    canvas.Font().SetColor(clHighlightText);
    canvas.Brush().SetColor(clHighlight);
  }
  if (grayed) canvas.Font().SetColor(clGrayText);
  const TRect r{SegmentBounds[index].Left, TextBand.Top, SegmentBounds[index].Right,
                TextBand.Bottom};
  canvas.TextRect(r, r.Left + (r.Width() - canvas.TextWidth(text)) / 2, TextBand.Top, text);
}

// The separator between two segments fills the gap between them.
void TCustomZarDatePicker::PaintSeparator(int leftSegment, int rightSegment, char separator) {
  const std::string text = SeparatorText(separator);
  const TRect r{SegmentBounds[leftSegment].Right, TextBand.Top, SegmentBounds[rightSegment].Left,
                TextBand.Bottom};
  TCanvas& canvas = Canvas();
  canvas.TextRect(r, r.Left + (r.Width() - canvas.TextWidth(text)) / 2, TextBand.Top, text);
}

void TCustomZarDatePicker::Paint() {
  for (int i = 0; i < DatePickerSegmentCount; ++i)
    if (FVisibleSegments.Contains(static_cast<TDatePickerSegment>(i))) PaintSegment(i);

  TCanvas& canvas = Canvas();
  canvas.SetFont(Font());
  canvas.Brush().SetColor(Color());
  if (IsGrayed()) canvas.Font().SetColor(clGrayText);
  const TDatePickerSegments v = FVisibleSegments;
  if (v.Contains(dsYear) || v.Contains(dsMonth)) {
    PaintSeparator(dsYear, dsMonth, FormatSettings.DateSeparator);
    PaintSeparator(dsMonth, dsDay, FormatSettings.DateSeparator);
  }
  if (v.Contains(dsHour) || v.Contains(dsMinute))
    PaintSeparator(dsHour, dsMinute, FormatSettings.TimeSeparator);
  if (v.Contains(dsMinute) && v.Contains(dsSecond))
    PaintSeparator(dsMinute, dsSecond, FormatSettings.TimeSeparator);

  const bool rtl = UseRightToLeftAlignment();
  if (FUseSystemCalendar && FAllowCalendarSwitch && FKind != dtkTime) {
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(MarkerOrange);
    const TRect& m = SwitchMark;
    const QPoint corner = rtl ? QPoint(m.Left, m.Bottom) : QPoint(m.Right, m.Bottom);
    const QPoint triangle[] = {{m.Left, m.Top}, {m.Right, m.Top}, corner};
    canvas.Polygon(triangle);
  }

  if (NeedsHighlight()) {
    canvas.Brush().SetStyle(TBrushStyle::Clear);
    canvas.Pen().SetStyle(psDot);
    canvas.Pen().SetColor(RequiredRed);
    const int y = ClientHeight() - 1;
    canvas.MoveTo(TextArea.Left + (rtl ? 3 : 2), y);
    canvas.LineTo(TextArea.Right - (rtl ? 2 : 3), y);
  }
}

// ---- Hint
// ----------------------------------------------------------------------------------------------

// With FormattedHint the Hint text is a pattern for the value.
bool TCustomZarDatePicker::HintShow(std::string& HintText) {
  if (FFormattedHint) {
    if (IsNull()) return false;
    HintText = CalFormatDateTime(Hint(), DateTime());
  }
  return TCustomControl::HintShow(HintText);
}

}  // namespace zar
