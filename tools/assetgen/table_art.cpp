#include "table_art.h"

#include "colour_marks.h"
#include "det_math.h"

namespace assetgen {

namespace {

constexpr int kFeltSize = 100;

double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// Value noise on a lattice of `cells` x `cells` that wraps at the tile's edges.
double WrappedNoise(int x, int y, int cells, std::uint32_t seed) {
  const int cell = kFeltSize / cells;
  const int ix = x / cell;
  const int iy = y / cell;
  const double fx = Smooth(static_cast<double>(x % cell) / cell);
  const double fy = Smooth(static_cast<double>(y % cell) / cell);
  auto at = [&](int cx, int cy) {
    const std::uint32_t h = HashPoint(static_cast<std::uint32_t>(cx % cells), static_cast<std::uint32_t>(cy % cells), seed);
    return static_cast<double>(h >> 8) / 16777216.0;
  };
  const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * fx;
  const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * fx;
  return top + (bottom - top) * fy;
}

void FillArrow(Canvas& canvas, Point cellCorner, int sx, int sy) {
  const double h = 0.70710678118654752;
  const Point d{sx * h, sy * h};    // pointing direction
  const Point n{sy * h, -sx * h};   // across the arrow
  const Point c{cellCorner.x + 10.0, cellCorner.y + 10.0};
  auto along = [&](double a, double b) { return Point{c.x + a * d.x + b * n.x, c.y + a * d.y + b * n.y}; };
  const std::vector<Point> head{along(7.7, 0.0), along(0.4, 5.7), along(0.4, -5.7)};
  const std::vector<std::vector<Point>> shaft{{along(-6.0, 0.0), along(1.5, 0.0)}};
  std::vector<Point> headEdge = head;
  headEdge.push_back(head.front());
  const Shape body = Union(Polygon(head), Strokes(shaft, 2.0));
  const Shape edge = Union(Strokes({headEdge}, 1.05), Strokes(shaft, 3.05));
  canvas.Fill(Union(body, edge), kGoldDark);
  canvas.Fill(body, kGold);
  // A paler ridge down the middle gives the arrow some relief.
  canvas.Fill(Strokes({{along(-5.2, 0.0), along(5.2, 0.0)}}, 0.7), Mix(kGold, kWhite, 2, 5));
}

}  // namespace

IndexedImage DrawFelt() {
  const Palette& palette = SharedPalette();
  IndexedImage image;
  image.width = kFeltSize;
  image.height = kFeltSize;
  for (int y = 0; y < kFeltSize; ++y) {
    for (int x = 0; x < kFeltSize; ++x) {
      // Mostly fine structure: broad blotches would repeat visibly across the 6 x 4 tiles.
      const double broad = 0.2 * WrappedNoise(x, y, 5, 11) + 0.4 * WrappedNoise(x, y, 10, 23) + 0.4 * WrappedNoise(x, y, 25, 37);
      const double grain = static_cast<double>(HashPoint(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 5) >> 8) / 16777216.0;
      // Fibres: faint diagonal streaks that wrap with the tile.
      const int diagonal = (x + 2 * y) % kFeltSize;
      const double fibre = static_cast<double>(HashPoint(static_cast<std::uint32_t>(diagonal / 2), 0, 71) >> 8) / 16777216.0;
      const double f = 0.935 + 0.07 * broad + 0.08 * (grain - 0.5) + 0.05 * (fibre - 0.5);
      const Rgb c{RoundToInt(kFeltBase.r * f), RoundToInt(kFeltBase.g * f), RoundToInt(kFeltBase.b * f)};
      image.pixels.push_back(Nearest(palette, c, true));
    }
  }
  return image;
}

IndexedImage DrawFlowArrows() {
  constexpr int kSize = 43;
  Canvas canvas(kSize, kSize, kBlack);
  FillArrow(canvas, {1, 1}, -1, -1);
  FillArrow(canvas, {22, 1}, 1, -1);
  FillArrow(canvas, {1, 22}, -1, 1);
  FillArrow(canvas, {22, 22}, 1, 1);
  const Palette& palette = SharedPalette();
  IndexedImage image;
  image.width = kSize;
  image.height = kSize;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool grid = x % 21 == 0 || y % 21 == 0;
      // Edge pixels take the arrow's own colour or none: a blend with the black
      // background would print as a dark fringe, or vanish as the key colour.
      const bool opaque = !grid && canvas.Coverage(x, y) * 8 >= Canvas::kScale * Canvas::kScale * 3;
      image.pixels.push_back(opaque ? Nearest(palette, canvas.PaintedPixel(x, y), true) : 0);
    }
  }
  return image;
}

IndexedImage DrawColourBar() {
  Canvas canvas(60, 80, kBlack);
  for (int k = 0; k < 4; ++k) {
    const Rgb c = kCardColours[static_cast<std::size_t>(k)];
    const double top = 20.0 * k;
    canvas.Fill(RoundRect(1.0, top + 1.5, 59.0, top + 18.5, 7.0), kWhite);
    const Shape inner = RoundRect(2.2, top + 2.7, 57.8, top + 17.3, 5.8);
    canvas.Paint(inner, [&](double, double y) {
      const double t = y - top;
      if (t < 6.0) return Mix(c, kWhite, 1, 3);  // a glossy upper band
      if (t < 7.5) return Mix(c, kWhite, 1, 6);
      if (t > 14.5) return Mix(c, kShadow, 2, 8);
      return c;
    });
    PaintColourMark(canvas, k, Placement{5.2, 0.0, {30.0, top + 10.0}});
  }
  return Quantize(canvas, SharedPalette());
}

}  // namespace assetgen
