#include "Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace zar {

// ---- TFont ------------------------------------------------------------------

std::string TFont::Name() const { return FFont.family().toStdString(); }

void TFont::SetName(const std::string& name) { FFont.setFamily(QString::fromStdString(name)); }

TFontStyles TFont::Style() const {
  TFontStyles s;
  if (FFont.bold()) s.Include(fsBold);
  if (FFont.italic()) s.Include(fsItalic);
  if (FFont.underline()) s.Include(fsUnderline);
  if (FFont.strikeOut()) s.Include(fsStrikeOut);
  return s;
}

void TFont::SetStyle(TFontStyles style) {
  FFont.setBold(style.Contains(fsBold));
  FFont.setItalic(style.Contains(fsItalic));
  FFont.setUnderline(style.Contains(fsUnderline));
  FFont.setStrikeOut(style.Contains(fsStrikeOut));
}

// ---- TCanvas: binding and mapping -----------------------------------------------

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The pixels of a line from a to b without b itself (Bresenham).
std::vector<QPoint> LinePixels(QPoint a, QPoint b) {
  std::vector<QPoint> pixels;
  const int dx = std::abs(b.x() - a.x());
  const int dy = -std::abs(b.y() - a.y());
  const int sx = a.x() < b.x() ? 1 : -1;
  const int sy = a.y() < b.y() ? 1 : -1;
  int err = dx + dy;
  QPoint p = a;
  while (p != b) {
    pixels.push_back(p);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      p.rx() += sx;
    }
    if (e2 <= dx) {
      err += dx;
      p.ry() += sy;
    }
  }
  return pixels;
}

QRect BoundingRect(const std::vector<QRect>& rects) {
  QRect bounds;
  for (const QRect& r : rects) bounds |= r;
  return bounds;
}

}  // namespace

TCanvas::TCanvas(QWidget* owner) : FOwner(owner) {}

void TCanvas::Begin(QPainter& painter, const QRegion& region) {
  FPainter = &painter;
  FRegion = region;
  FMirrored = false;
  FClip.reset();
  FSaved.clear();
  painter.setRenderHint(QPainter::Antialiasing, false);
}

void TCanvas::End() {
  FPainter = nullptr;
  FRegion = QRegion();
  FMirrored = false;
  FClip.reset();
  FSaved.clear();
}

QRect TCanvas::MapRect(const TRect& r) const {
  int left = r.Left;
  int right = r.Right;
  if (FMirrored) {
    left = FClient.width() - r.Right;
    right = FClient.width() - r.Left;
  }
  if (right <= left || r.Bottom <= r.Top) return QRect();
  return QRect(FClient.left() + left, FClient.top() + r.Top, right - left, r.Bottom - r.Top);
}

QPoint TCanvas::MapPoint(QPoint p) const {
  const int x = FMirrored ? FClient.width() - p.x() : p.x();
  return QPoint(FClient.left() + x, FClient.top() + p.y());
}

bool TCanvas::Prepare(const QRect& touched) {
  QRect allowed = FClient;
  if (FClip) allowed &= *FClip;
  const QRect area = touched & allowed;
  if (area.isEmpty()) return false;
  if (!FPainter) {
    FOwner->update(area);
    return false;
  }
  FPainter->setClipRect(allowed);
  return true;
}

QColor TCanvas::ToQColor(TColor c) const { return ColorToQColor(c, FOwner->palette()); }

QBrush TCanvas::ToQBrush() const {
  switch (FBrush.Style()) {
    case TBrushStyle::Solid: return QBrush(ToQColor(FBrush.Color()));
    case TBrushStyle::FDiagonal: return QBrush(ToQColor(FBrush.Color()), Qt::FDiagPattern);
    case TBrushStyle::BDiagonal: return QBrush(ToQColor(FBrush.Color()), Qt::BDiagPattern);
    case TBrushStyle::Clear: break;
  }
  return QBrush();
}

void TCanvas::FillWithBrush(const QRect& q) {
  if (FBrush.Style() == TBrushStyle::Clear) return;
  // Hatch lines line up across neighbouring fills, as a screen-aligned
  // pattern does.
  FPainter->setBrushOrigin(0, 0);
  FPainter->fillRect(q, ToQBrush());
}

void TCanvas::FillPixels(const std::vector<QRect>& pixels, const QColor& color) {
  for (const QRect& p : pixels) FPainter->fillRect(p, color);
}

// ---- TCanvas: drawing ---------------------------------------------------------

void TCanvas::FillRect(const TRect& r) {
  const QRect q = MapRect(r);
  if (FBrush.Style() == TBrushStyle::Clear || !Prepare(q)) return;
  FillWithBrush(q);
}

void TCanvas::Rectangle(const TRect& r) {
  const QRect q = MapRect(r);
  if (!Prepare(q)) return;
  FillWithBrush(q);
  if (FPen.Style() == psClear) return;
  const int w = std::min({FPen.Width(), q.width(), q.height()});
  const std::vector<QRect> sides = {
      QRect(q.left(), q.top(), q.width(), w), QRect(q.left(), q.bottom() - w + 1, q.width(), w),
      QRect(q.left(), q.top(), w, q.height()), QRect(q.right() - w + 1, q.top(), w, q.height())};
  FillPixels(sides, ToQColor(FPen.Color()));
}

void TCanvas::Polygon(std::span<const QPoint> points) {
  if (points.empty()) return;
  QPolygon polygon;
  for (QPoint p : points) polygon << MapPoint(p);
  if (!Prepare(polygon.boundingRect())) return;
  FPainter->setPen(FPen.Style() == psClear ? QPen(Qt::NoPen)
                                           : QPen(ToQColor(FPen.Color()), FPen.Width()));
  FPainter->setBrushOrigin(0, 0);
  FPainter->setBrush(ToQBrush());
  FPainter->drawPolygon(polygon);
}

void TCanvas::LineTo(int x, int y) {
  const QPoint from = MapPoint(FPenPos);
  const QPoint to = MapPoint(QPoint(x, y));
  FPenPos = QPoint(x, y);
  if (FPen.Style() == psClear || from == to) return;
  const int w = FPen.Width();
  std::vector<QRect> pixels;
  const bool straight = from.x() == to.x() || from.y() == to.y();
  if (straight && FPen.Style() == psSolid) {
    // One band: the pixels from `from` up to, not including, `to`.
    const int stepX = (to.x() > from.x()) - (to.x() < from.x());
    const int stepY = (to.y() > from.y()) - (to.y() < from.y());
    const QPoint last = to - QPoint(stepX, stepY);
    const int left = std::min(from.x(), last.x()) - w / 2;
    const int top = std::min(from.y(), last.y()) - w / 2;
    pixels.push_back(
        QRect(left, top, std::abs(last.x() - from.x()) + w, std::abs(last.y() - from.y()) + w));
  } else {
    const std::vector<QPoint> path = LinePixels(from, to);
    for (std::size_t i = 0; i < path.size(); ++i)
      if (FPen.Style() == psSolid || i % 2 == 0)
        pixels.push_back(QRect(path[i].x() - w / 2, path[i].y() - w / 2, w, w));
  }
  if (!Prepare(BoundingRect(pixels))) return;
  FillPixels(pixels, ToQColor(FPen.Color()));
}

void TCanvas::Arc(const TRect& box, QPoint start, QPoint end) {
  const QRect q = MapRect(box);
  if (FPen.Style() == psClear ||
      !Prepare(q.adjusted(-FPen.Width(), -FPen.Width(), FPen.Width(), FPen.Width())))
    return;
  QPoint s = MapPoint(start);
  QPoint e = MapPoint(end);
  // Mirroring turns the counter-clockwise sweep around; sweeping from the
  // other ray keeps the same pixels.
  if (FMirrored) std::swap(s, e);
  const double cx = q.left() + q.width() / 2.0;
  const double cy = q.top() + q.height() / 2.0;
  const double rx = std::max(q.width() / 2.0, 0.5);
  const double ry = std::max(q.height() / 2.0, 0.5);
  // Qt measures arcs by the ellipse's parametric angle, not the ray angle.
  auto angleOf = [&](QPoint p) {
    return std::atan2(-(p.y() - cy) / ry, (p.x() - cx) / rx) * 180.0 / std::numbers::pi;
  };
  double span = angleOf(e) - angleOf(s);
  while (span <= 0.0) span += 360.0;
  if (span > 360.0) span = 360.0;
  QPen pen(ToQColor(FPen.Color()), FPen.Width(),
           FPen.Style() == psDot ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
  FPainter->setPen(pen);
  FPainter->setBrush(Qt::NoBrush);
  FPainter->drawArc(QRectF(q.left(), q.top(), q.width() - 1, q.height() - 1),
                    static_cast<int>(std::lround(angleOf(s) * 16)),
                    static_cast<int>(std::lround(span * 16)));
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
  const QRect q = MapRect(r);
  if (!Prepare(q)) return;
  FPainter->setClipRect(q, Qt::IntersectClip);
  if (FBrush.Style() == TBrushStyle::Solid) FPainter->fillRect(q, ToQColor(FBrush.Color()));
  const QString s = ToQString(text);
  const QFontMetrics metrics(FFont.QtFont());
  // Mirrored text keeps its reading order and occupies the mirrored place
  // of its logical extent [x, x + width).
  const int width = metrics.horizontalAdvance(s);
  const int left = FMirrored ? FClient.width() - x - width : x;
  FPainter->setFont(FFont.QtFont());
  FPainter->setPen(ToQColor(FFont.Color()));
  FPainter->drawText(QPoint(FClient.left() + left, FClient.top() + y + metrics.ascent()), s);
}

int TCanvas::TextWidth(std::string_view text) const {
  return QFontMetrics(FFont.QtFont()).horizontalAdvance(ToQString(text));
}

int TCanvas::TextHeight(std::string_view /*text*/) const {
  return QFontMetrics(FFont.QtFont()).height();
}

void TCanvas::DrawFocusRect(const TRect& r) {
  const QRect q = MapRect(r);
  if (!Prepare(q)) return;
  // Every other pixel of the border, on a checkerboard so that the four
  // sides meet in one pattern.
  std::vector<QRect> pixels;
  auto dot = [&](int px, int py) {
    if ((px + py) % 2 == 0) pixels.push_back(QRect(px, py, 1, 1));
  };
  for (int px = q.left(); px <= q.right(); ++px) {
    dot(px, q.top());
    if (q.height() > 1) dot(px, q.bottom());
  }
  for (int py = q.top() + 1; py < q.bottom(); ++py) {
    dot(q.left(), py);
    if (q.width() > 1) dot(q.right(), py);
  }
  FPainter->save();
  FPainter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  FillPixels(pixels, QColor(Qt::white));
  FPainter->restore();
}

// ---- TCanvas: themed glyphs ----------------------------------------------------

namespace {

QStyle::State StateFlags(TGlyphState state) {
  switch (state) {
    case gsDisabled: return QStyle::State_Raised;
    case gsHot: return QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_MouseOver;
    case gsPressed: return QStyle::State_Enabled | QStyle::State_Sunken;
    case gsNormal: break;
  }
  return QStyle::State_Enabled | QStyle::State_Raised;
}

}  // namespace

// A themed push-button panel filling q; returns the option that drew it,
// for the glyph drawn on top.
QStyleOptionButton TCanvas::DrawButtonPanel(const QRect& q, TGlyphState state) {
  QStyleOptionButton button;
  button.initFrom(FOwner);
  button.rect = q;
  button.state = StateFlags(state);
  FOwner->style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, FPainter, FOwner);
  return button;
}

void TCanvas::DrawDropDownButton(const TRect& r, TGlyphState state) {
  const QRect q = MapRect(r);
  if (!Prepare(q)) return;
  QStyleOption arrow = DrawButtonPanel(q, state);
  arrow.rect = q.adjusted(q.width() / 4, q.height() / 4, -q.width() / 4, -q.height() / 4);
  FOwner->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, FPainter, FOwner);
}

void TCanvas::DrawSpinButton(const TRect& r, bool up, TGlyphState state) {
  const QRect q = MapRect(r);
  if (!Prepare(q)) return;
  QStyleOption arrow = DrawButtonPanel(q, state);
  arrow.rect = q.adjusted(1, 1, -1, -1);
  FOwner->style()->drawPrimitive(up ? QStyle::PE_IndicatorSpinUp : QStyle::PE_IndicatorSpinDown,
                                 &arrow, FPainter, FOwner);
}

void TCanvas::DrawCheckBox(const TRect& r, bool checked, TGlyphState state) {
  const QRect q = MapRect(r);
  if (!Prepare(q)) return;
  QStyleOptionButton box;
  box.initFrom(FOwner);
  box.rect = q;
  box.state = StateFlags(state) | (checked ? QStyle::State_On : QStyle::State_Off);
  FOwner->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, FPainter, FOwner);
}

// ---- TCanvas: state and clipping -------------------------------------------------

void TCanvas::Save() { FSaved.push_back({FFont, FBrush, FPen, FClip}); }

void TCanvas::Restore() {
  if (FSaved.empty()) return;
  const State& s = FSaved.back();
  FFont = s.font;
  FBrush = s.brush;
  FPen = s.pen;
  FClip = s.clip;
  FSaved.pop_back();
}

void TCanvas::IntersectClipRect(const TRect& r) {
  const QRect q = MapRect(r);
  FClip = FClip ? (*FClip & q) : q;
}

bool TCanvas::RectVisible(const TRect& r) const {
  if (!FPainter) return true;
  return FRegion.intersects(MapRect(r));
}

}  // namespace zar
