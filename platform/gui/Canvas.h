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
  TFont() = default;
  explicit TFont(const QFont& font, TColor color = clWindowText) : FFont(font), FColor(color) {}

  std::string Name() const;
  void SetName(const std::string& name);
  int Size() const { return FFont.pointSize(); }  // points
  void SetSize(int points) { FFont.setPointSize(points); }
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  const QFont& QtFont() const { return FFont; }
  void SetQtFont(const QFont& font) { FFont = font; }

  friend bool operator==(const TFont&, const TFont&) = default;

 private:
  QFont FFont;
  TColor FColor = clWindowText;
};

// TBrushStyle::FDiagonal and TBrushStyle::BDiagonal hatch with lines of the brush colour and
// leave the pixels between the lines as they were.
enum class TBrushStyle : std::uint8_t { Solid, Clear, FDiagonal, BDiagonal };

class TBrush {
 public:
  TColor Color() const { return FColor; }
  // Giving a clear brush a colour makes it solid again.
  void SetColor(TColor color) {
    FColor = color;
    if (FStyle == TBrushStyle::Clear) FStyle = TBrushStyle::Solid;
  }
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style) { FStyle = style; }

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::Solid;
};

enum TPenStyle : std::uint8_t { psSolid, psDot, psClear };

class TPen {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style) { FStyle = style; }
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
  // owner supplies the style and palette and receives the invalidations.
  explicit TCanvas(QWidget* owner);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The client area inside the owner widget (set by the owning control).
  void SetClientArea(const QRect& area) { FClient = area; }
  int ClientWidth() const { return FClient.width(); }

  // Binds the canvas to a painter for one paint event; region is the area
  // being repainted, in widget coordinates. End restores the unbound state
  // (the saved-state stack and the mirroring are reset).
  void Begin(QPainter& painter, const QRegion& region);
  void End();
  bool Painting() const { return FPainter != nullptr; }

  TFont& Font() { return FFont; }
  void SetFont(const TFont& font) { FFont = font; }
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }

  void FillRect(const TRect& r);
  // Outline with the pen (inside r) and interior with the brush.
  void Rectangle(const TRect& r);
  void Polygon(std::span<const QPoint> points);
  void MoveTo(int x, int y) { FPenPos = QPoint(x, y); }
  void LineTo(int x, int y);
  QPoint PenPos() const { return FPenPos; }
  // Elliptical arc in the bounding box, counter-clockwise from the ray
  // through start to the ray through end (the whole ellipse when the rays
  // coincide).
  void Arc(const TRect& box, QPoint start, QPoint end);

  // Writes text with its top-left corner at (x, y), clipped to r; when the
  // brush is solid, r is filled with the brush colour first.
  void TextRect(const TRect& r, int x, int y, std::string_view text);
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;

  // The dotted focus rectangle, drawn by inverting: drawing it twice
  // restores the pixels.
  void DrawFocusRect(const TRect& r);

  // Themed glyphs from the owner's QStyle.
  void DrawDropDownButton(const TRect& r, TGlyphState state);
  void DrawSpinButton(const TRect& r, bool up, TGlyphState state);
  void DrawCheckBox(const TRect& r, bool checked, TGlyphState state);

  // Saves font, brush, pen and clip; Restore brings back the last saved.
  void Save();
  void Restore();
  void IntersectClipRect(const TRect& r);
  // Whether r meets the area being repainted (always true outside a paint).
  bool RectVisible(const TRect& r) const;

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
