// The canvas semantics the controls are written for: lines without their
// end point, exclusive rectangle edges, mirroring with readable text,
// TextRect's fill and clip, and invalidation when drawing outside a paint.

#include <gtest/gtest.h>

#include <QTest>
#include <array>

#include "GuiTestEnvironment.h"

namespace zar::test {
namespace {

constexpr int kSize = 40;
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// Paints draw on a white kSize x kSize borderless control and returns what
// the client area shows.
QImage Render(const std::function<void(TCanvas&)>& draw) {
  ProbeControl control;
  control.resize(kSize, kSize);
  control.SetColor(clWhite);
  control.OnPaintProbe = draw;
  return Snapshot(control);
}

std::vector<QPoint> DarkPixels(const QImage& image) {
  std::vector<QPoint> dark;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) dark.emplace_back(x, y);
  return dark;
}

std::vector<QPoint> Points(std::initializer_list<std::array<int, 2>> list) {
  std::vector<QPoint> points;
  for (auto [x, y] : list) points.emplace_back(x, y);
  return points;
}

struct LineCase {
  const char* name;
  QPoint from, to;
  std::vector<QPoint> expected;
};

TEST(CanvasTest, LineToDrawsEveryPixelButTheEndPoint) {
  const LineCase cases[] = {
      {"right", {2, 5}, {6, 5}, Points({{2, 5}, {3, 5}, {4, 5}, {5, 5}})},
      {"left", {6, 5}, {2, 5}, Points({{6, 5}, {5, 5}, {4, 5}, {3, 5}})},
      {"down", {3, 1}, {3, 4}, Points({{3, 1}, {3, 2}, {3, 3}})},
      {"diagonal", {0, 0}, {3, 3}, Points({{0, 0}, {1, 1}, {2, 2}})},
      {"single point", {7, 7}, {7, 7}, {}},
  };
  for (const LineCase& c : cases) {
    const QImage image = Render([&](TCanvas& canvas) {
      canvas.Pen().SetColor(clBlack);
      canvas.MoveTo(c.from.x(), c.from.y());
      canvas.LineTo(c.to.x(), c.to.y());
    });
    std::vector<QPoint> dark = DarkPixels(image);
    std::vector<QPoint> expected = c.expected;
    auto byPosition = [](QPoint a, QPoint b) {
      return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
    };
    std::sort(dark.begin(), dark.end(), byPosition);
    std::sort(expected.begin(), expected.end(), byPosition);
    EXPECT_EQ(dark, expected) << c.name;
  }
}

TEST(CanvasTest, DottedLineSkipsEveryOtherPixelAndPenPosFollows) {
  QPoint penPos;
  const QImage image = Render([&](TCanvas& canvas) {
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetStyle(psDot);
    canvas.MoveTo(0, 2);
    canvas.LineTo(6, 2);
    penPos = canvas.PenPos();
  });
  EXPECT_EQ(DarkPixels(image), Points({{0, 2}, {2, 2}, {4, 2}}));
  EXPECT_EQ(penPos, QPoint(6, 2));
}

TEST(CanvasTest, RectanglesExcludeRightAndBottomEdges) {
  const QImage image = Render([](TCanvas& canvas) {
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect({2, 3, 5, 5});
  });
  EXPECT_EQ(DarkPixels(image), Points({{2, 3}, {3, 3}, {4, 3}, {2, 4}, {3, 4}, {4, 4}}));
}

TEST(CanvasTest, ClearBrushFillsNothingAndColourMakesItSolidAgain) {
  const QImage clear = Render([](TCanvas& canvas) {
    canvas.Brush().SetColor(clBlack);
    canvas.Brush().SetStyle(TBrushStyle::Clear);
    canvas.FillRect({0, 0, 10, 10});
  });
  EXPECT_TRUE(DarkPixels(clear).empty());
  const QImage solid = Render([](TCanvas& canvas) {
    canvas.Brush().SetStyle(TBrushStyle::Clear);
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect({0, 0, 1, 1});
  });
  EXPECT_EQ(DarkPixels(solid), Points({{0, 0}}));
}

TEST(CanvasTest, MirroredCanvasShowsLogicalXAtClientWidthMinusX) {
  const QImage image = Render([](TCanvas& canvas) {
    canvas.SetMirrored(true);
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect({2, 0, 5, 1});  // pixels 2..4 -> 35..37
    canvas.Pen().SetColor(clBlack);
    canvas.MoveTo(3, 5);  // a vertical line at x 3 -> column 37
    canvas.LineTo(3, 7);
  });
  EXPECT_EQ(
      DarkPixels(image),
      Points({{kSize - 5, 0}, {kSize - 4, 0}, {kSize - 3, 0}, {kSize - 3, 5}, {kSize - 3, 6}}));
}

TEST(CanvasTest, MirroredTextReadsNormallyAtTheMirroredPlace) {
  const std::string text = "AB12";
  int width = 0;
  auto draw = [&](bool mirrored) {
    return Render([&](TCanvas& canvas) {
      canvas.Font().SetColor(clBlack);
      canvas.Brush().SetStyle(TBrushStyle::Clear);
      width = canvas.TextWidth(text);
      canvas.SetMirrored(mirrored);
      // Logical extent [4, 4 + width) appears at [40 - 4 - width, 36).
      const int x = mirrored ? 4 : kSize - 4 - width;
      canvas.TextRect({0, 0, kSize, kSize}, x, 2, text);
    });
  };
  const QImage plain = draw(false);
  const QImage mirrored = draw(true);
  ASSERT_FALSE(DarkPixels(plain).empty());
  EXPECT_EQ(plain, mirrored);
  EXPECT_NE(plain, plain.mirrored(true, false)) << "the probe text must not be symmetric";
}

TEST(CanvasTest, TextRectFillsWithSolidBrushAndClipsTheText) {
  const std::string text = "WWWWWWWW";
  const TRect r{5, 5, 15, 20};
  const QImage image = Render([&](TCanvas& canvas) {
    canvas.Brush().SetColor(clRed);
    canvas.Font().SetColor(clBlack);
    canvas.TextRect(r, 6, 6, text);
  });
  int red = 0;
  int dark = 0;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const QRgb p = image.pixel(x, y);
      if (!r.Contains(x, y)) {
        EXPECT_EQ(p, kWhite) << x << "," << y;
        continue;
      }
      red += p == qRgb(255, 0, 0);
      dark += qGray(p) < 100;
    }
  EXPECT_GT(red, r.Width() * r.Height() / 3);
  EXPECT_GT(dark, 0);
}

TEST(CanvasTest, ClearBrushTextKeepsTheBackground) {
  const QImage image = Render([](TCanvas& canvas) {
    canvas.Brush().SetStyle(TBrushStyle::Clear);
    canvas.Font().SetColor(clBlack);
    canvas.TextRect({0, 0, kSize, kSize}, 2, 2, "x");
  });
  int white = 0;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) white += image.pixel(x, y) == kWhite;
  EXPECT_GT(white, kSize * kSize * 9 / 10);
}

TEST(CanvasTest, ClipSaveAndRestore) {
  const QImage image = Render([](TCanvas& canvas) {
    canvas.Brush().SetColor(clBlack);
    canvas.Save();
    canvas.IntersectClipRect({0, 0, 2, 2});
    canvas.Brush().SetColor(clRed);
    canvas.FillRect({0, 0, 10, 10});
    canvas.Restore();
    canvas.FillRect({10, 0, 11, 1});  // black again, no longer clipped
  });
  EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(2, 2), kWhite);
  EXPECT_EQ(image.pixel(10, 0), kBlack);
}

TEST(CanvasTest, FocusRectInvertsSoThatDrawingTwiceRestores) {
  const QImage once = Render([](TCanvas& canvas) { canvas.DrawFocusRect({2, 2, 12, 8}); });
  const QImage twice = Render([](TCanvas& canvas) {
    canvas.DrawFocusRect({2, 2, 12, 8});
    canvas.DrawFocusRect({2, 2, 12, 8});
  });
  const std::vector<QPoint> dots = DarkPixels(once);
  // Dotted: about half of the 28 border pixels, and only on the border.
  EXPECT_GE(dots.size(), 12u);
  EXPECT_LE(dots.size(), 16u);
  for (QPoint p : dots)
    EXPECT_TRUE(p.x() == 2 || p.x() == 11 || p.y() == 2 || p.y() == 7) << p.x() << "," << p.y();
  EXPECT_TRUE(DarkPixels(twice).empty());
}

TEST(CanvasTest, ArcDrawsOnlyTheCounterClockwiseSweep) {
  // From the ray to the right round over the top to the ray to the left:
  // the upper half of the circle, nothing below the centre row.
  const QImage image = Render([](TCanvas& canvas) {
    canvas.Pen().SetColor(clBlack);
    canvas.Arc({10, 10, 31, 31}, {40, 20}, {0, 20});
  });
  const std::vector<QPoint> dark = DarkPixels(image);
  ASSERT_FALSE(dark.empty());
  for (QPoint p : dark) EXPECT_LE(p.y(), 21) << p.x() << "," << p.y();
  EXPECT_TRUE(std::any_of(dark.begin(), dark.end(), [](QPoint p) { return p.y() <= 11; }));
}

TEST(CanvasTest, ThemedGlyphsDrawInsideTheirRectangleOnly) {
  const TRect r{4, 4, 20, 22};
  auto render = [&](const std::function<void(TCanvas&)>& glyph) {
    const QImage image = Render(glyph);
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (!r.Contains(x, y)) {
          EXPECT_EQ(image.pixel(x, y), kWhite) << x << "," << y;
        }
    return image;
  };
  const QImage checked = render([&](TCanvas& c) { c.DrawCheckBox(r, true, gsNormal); });
  const QImage unchecked = render([&](TCanvas& c) { c.DrawCheckBox(r, false, gsNormal); });
  const QImage up = render([&](TCanvas& c) { c.DrawSpinButton(r, true, gsNormal); });
  const QImage down = render([&](TCanvas& c) { c.DrawSpinButton(r, false, gsNormal); });
  const QImage dropDown = render([&](TCanvas& c) { c.DrawDropDownButton(r, gsNormal); });
  EXPECT_NE(checked, unchecked);
  EXPECT_NE(up, down);
  EXPECT_FALSE(DarkPixels(dropDown).empty()) << "the arrow";
}

TEST(CanvasTest, DrawingOutsideAPaintInvalidatesItsRectangle) {
  ProbeControl control;
  control.resize(kSize, kSize);
  std::vector<bool> seen;
  control.OnPaintProbe = [&](TCanvas& canvas) {
    seen = {canvas.RectVisible({3, 3, 6, 6}), canvas.RectVisible({30, 30, 35, 35})};
  };
  ShowActive(control);
  ASSERT_FALSE(control.Canvas().Painting());
  seen.clear();
  control.Canvas().FillRect({3, 3, 6, 6});
  EXPECT_TRUE(WaitFor([&] { return !seen.empty(); }));
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(CanvasTest, HatchBrushesDrawDiagonalLinesOverWhatIsThere) {
  const QRgb red = qRgb(255, 0, 0);
  for (const TBrushStyle style : {TBrushStyle::FDiagonal, TBrushStyle::BDiagonal}) {
    const QImage image = Render([&](TCanvas& canvas) {
      canvas.Brush().SetColor(clRed);
      canvas.FillRect({0, 0, 20, 20});
      canvas.Brush().SetColor(clBlack);
      canvas.Brush().SetStyle(style);
      canvas.Pen().SetStyle(psClear);
      canvas.Rectangle({0, 0, 20, 20});
    });
    int lines = 0, kept = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) {
        lines += image.pixel(x, y) == kBlack;
        kept += image.pixel(x, y) == red;
      }
    EXPECT_GT(lines, 20) << int(style);
    EXPECT_GT(kept, 200) << "the gaps keep the red fill";
    EXPECT_EQ(lines + kept, 400);
    // Each line runs diagonally: a dark pixel's neighbour one step along the
    // line's direction is dark too.
    const int step = style == TBrushStyle::FDiagonal ? 1 : -1;
    for (int y = 1; y < 19; ++y)
      for (int x = 1; x < 19; ++x)
        if (image.pixel(x, y) == kBlack)
          EXPECT_EQ(image.pixel(x + step, y + 1), kBlack) << x << "," << y;
    for (int y = 20; y < kSize; ++y)
      EXPECT_EQ(image.pixel(30, y), kWhite) << "nothing outside the rectangle";
  }
}

}  // namespace
}  // namespace zar::test
