#pragma once
// TCanvas: the drawing surface of a control, in client coordinates.
//
// During the control's paint event the canvas draws through the widget's
// QPainter. A drawing call made at any other time (a control redrawing one
// segment or one cell at once) invalidates the rectangle it would touch
// instead; Qt then repaints that area, running the control's Paint, before
// the next input event is handled.
//
// Geometry follows the rules the controls are written for: rectangles
// exclude their right and bottom edges; MoveTo/LineTo never draws the end
// point; a mirrored canvas shows logical x at ClientWidth - x (rectangles
// [l, r) appear at [w - r, w - l)) and still writes text readably.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "GuiColors.h"
#include "GuiTypes.h"

class QPainter;
class QStyleOptionButton;
class QWidget;

namespace zar {

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// A font with its text colour.
class TFont {
 public:
  // The application's default font in clWindowText.
  TFont() = default;
  explicit TFont(const QFont& font, TColor color = clWindowText) : FFont(font), FColor(color) {}

  // The family name, UTF-8; any name is taken, Qt matches an installed family
  // when the font is used.
  std::string Name() const;
  void SetName(const std::string& name);
  // In points; -1 for a font sized in pixels. A size of 0 or below is ignored
  // (Qt warns).
  int Size() const { return FFont.pointSize(); }
  void SetSize(int points) { FFont.setPointSize(points); }
  // The text colour, any TColor.
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }
  // fsBold for a weight above medium; setting gives the bold or the normal
  // weight and sets or clears the other three, never raises.
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  // The font as Qt draws it; the colour is not part of it.
  const QFont& QtFont() const { return FFont; }
  void SetQtFont(const QFont& font) { FFont = font; }

  // Same Qt font (QFont's comparison) and same colour.
  friend bool operator==(const TFont&, const TFont&) = default;

 private:
  QFont FFont;
  TColor FColor = clWindowText;
};

// TBrushStyle::FDiagonal and TBrushStyle::BDiagonal hatch with lines of the brush colour and
// leave the pixels between the lines as they were.
enum class TBrushStyle : std::uint8_t { Solid, Clear, FDiagonal, BDiagonal };

// Solid clWhite unless set.
class TBrush {
 public:
  TColor Color() const { return FColor; }
  // Giving a clear brush a colour makes it solid again.
  void SetColor(TColor color) {
    FColor = color;
    if (FStyle == TBrushStyle::Clear) FStyle = TBrushStyle::Solid;
  }
  // Any style; the colour is kept for when the brush is solid again.
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style) { FStyle = style; }

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::Solid;
};

// psDot draws every other pixel of a LineTo line and an arc in Qt's dot line
// (outlines of rectangles and polygons stay solid); psClear draws no line.
enum TPenStyle : std::uint8_t { psSolid, psDot, psClear };

// Solid clBlack, one pixel wide, unless set.
class TPen {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style) { FStyle = style; }
  // In pixels, at least 1: a smaller width is taken as 1.
  int Width() const { return FWidth; }
  void SetWidth(int width) { FWidth = width < 1 ? 1 : width; }

 private:
  TColor FColor = clBlack;
  TPenStyle FStyle = psSolid;
  int FWidth = 1;
};

// States of the themed glyphs drawn by the canvas.
enum TGlyphState : std::uint8_t { gsNormal, gsHot, gsPressed, gsDisabled };

class TCanvas {
 public:
  // owner (not null, and outliving the canvas) supplies the style and palette
  // and receives the invalidations. The client area starts empty.
  explicit TCanvas(QWidget* owner);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The client area inside the owner widget (set by the owning control);
  // nothing is drawn or invalidated outside it.
  void SetClientArea(const QRect& area) { FClient = area; }
  int ClientWidth() const { return FClient.width(); }

  // Binds the canvas to a painter for one paint event; region is the area
  // being repainted, in widget coordinates. Begin and End both reset the
  // clip, the saved-state stack and the mirroring (so mirror after Begin);
  // Begin also turns the painter's antialiasing off. End unbinds.
  void Begin(QPainter& painter, const QRegion& region);
  void End();
  // True between Begin and End.
  bool Painting() const { return FPainter != nullptr; }

  // The tools the drawing calls use; kept across Begin and End.
  TFont& Font() { return FFont; }
  void SetFont(const TFont& font) { FFont = font; }
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }

  // Every drawing call below takes logical client coordinates and never
  // raises; it draws or invalidates nothing outside the client area and the
  // clip, and nothing at all for an empty r.
  // Fills r with the brush; nothing at all (no invalidation) for a clear brush.
  void FillRect(const TRect& r);
  // Interior with the brush and an outline of the pen's width inside r
  // (solid also for a dotted pen; none for a clear one).
  void Rectangle(const TRect& r);
  // Qt's polygon through points (odd-even fill) with the brush and the pen (a
  // dotted pen draws solid here); nothing for no points.
  void Polygon(std::span<const QPoint> points);
  // Sets the pen position; draws nothing.
  void MoveTo(int x, int y) { FPenPos = QPoint(x, y); }
  // A line from the pen position up to, not including, (x, y), in pen-width
  // squares (every other one for psDot); the pen position becomes (x, y)
  // also when nothing is drawn (clear pen, same point, outside a paint).
  void LineTo(int x, int y);
  QPoint PenPos() const { return FPenPos; }
  // Elliptical arc in the bounding box, counter-clockwise from the ray
  // through start to the ray through end (the whole ellipse when the rays
  // coincide), with the pen; nothing for a clear pen.
  void Arc(const TRect& box, QPoint start, QPoint end);

  // Writes text (UTF-8, invalid bytes as U+FFFD) in the font and its colour
  // with its top-left corner at (x, y), clipped to r; when the brush is solid,
  // r is filled with the brush colour first (a hatched brush fills nothing).
  // Mirrored, the text keeps its reading order and takes the mirrored place.
  void TextRect(const TRect& r, int x, int y, std::string_view text);
  // The advance of text in the font, in pixels; 0 for "".
  int TextWidth(std::string_view text) const;
  // The font's line height in pixels, whatever the text.
  int TextHeight(std::string_view text) const;

  // The dotted focus rectangle, drawn by inverting: drawing it twice
  // restores the pixels.
  void DrawFocusRect(const TRect& r);

  // Themed glyphs from the owner's QStyle filling r: a push-button panel with
  // a down arrow or a spin arrow, or a check box; gsDisabled draws them disabled.
  void DrawDropDownButton(const TRect& r, TGlyphState state);
  void DrawSpinButton(const TRect& r, bool up, TGlyphState state);
  void DrawCheckBox(const TRect& r, bool checked, TGlyphState state);

  // Saves font, brush, pen and clip (not the pen position or the mirroring);
  // Restore brings back the last saved, and does nothing when none is left.
  void Save();
  void Restore();
  // Narrows the clip to r (logical coordinates) until the Restore of a state
  // saved before, Begin or End; it limits invalidations outside a paint too.
  void IntersectClipRect(const TRect& r);
  // Whether r meets the area being repainted (always true outside a paint;
  // false for an empty r in a paint). The clip is not looked at.
  bool RectVisible(const TRect& r) const;

  // Whether logical x is shown at ClientWidth - x (see above); off unless set.
  void SetMirrored(bool on) { FMirrored = on; }
  bool Mirrored() const { return FMirrored; }

 private:
  struct State {
    TFont font;
    TBrush brush;
    TPen pen;
    std::optional<QRect> clip;
  };

  QRect MapRect(const TRect& r) const;
  QPoint MapPoint(QPoint p) const;
  // Clips the painter to the client area and the canvas clip; false when
  // nothing would be drawn or the canvas is not painting (after it has
  // invalidated area).
  bool Prepare(const QRect& touched);
  QColor ToQColor(TColor c) const;
  // The brush as Qt paints it; Qt::NoBrush for a clear one.
  QBrush ToQBrush() const;
  // Fills q (already prepared) with the brush.
  void FillWithBrush(const QRect& q);
  void FillPixels(const std::vector<QRect>& pixels, const QColor& color);
  QStyleOptionButton DrawButtonPanel(const QRect& q, TGlyphState state);

  QWidget* FOwner;
  QRect FClient;
  QPainter* FPainter = nullptr;
  QRegion FRegion;
  bool FMirrored = false;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  QPoint FPenPos;
  std::optional<QRect> FClip;  // widget coordinates
  std::vector<State> FSaved;
};

}  // namespace zar
