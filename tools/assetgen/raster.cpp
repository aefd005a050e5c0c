#include "raster.h"

#include <algorithm>
#include <cmath>

#include "det_math.h"

namespace assetgen {

Point Placement::Apply(Point p) const {
  const double c = CosineDegrees(degrees);
  const double s = SineDegrees(degrees);
  return Point{origin.x + scale * (c * p.x - s * p.y), origin.y + scale * (s * p.x + c * p.y)};
}

Placement CentredAt(Point centre, double scale, double degrees, double width, double height) {
  Placement p{scale, degrees, {0.0, 0.0}};
  const Point middle = p.Apply(Point{width / 2, height / 2});
  p.origin = Point{centre.x - middle.x, centre.y - middle.y};
  return p;
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return Shape{{x0, y0, x1, y1}, [=](double x, double y) {
                 if (x < x0 || x > x1 || y < y0 || y > y1) return false;
                 const double cx = std::clamp(x, x0 + radius, x1 - radius);
                 const double cy = std::clamp(y, y0 + radius, y1 - radius);
                 const double dx = x - cx;
                 const double dy = y - cy;
                 return dx * dx + dy * dy <= radius * radius;
               }};
}

Shape RotatedRoundRect(Point centre, double width, double height, double radius, double degrees) {
  const double c = CosineDegrees(degrees);
  const double s = SineDegrees(degrees);
  const Shape local = RoundRect(-width / 2, -height / 2, width / 2, height / 2, radius);
  const double reach = Root(width * width + height * height) / 2;
  return Shape{{centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach},
               [=](double x, double y) {
                 const double dx = x - centre.x;
                 const double dy = y - centre.y;
                 return local.inside(c * dx + s * dy, -s * dx + c * dy);
               }};
}

Shape Ellipse(Point centre, double rx, double ry, double degrees) {
  const double c = CosineDegrees(degrees);
  const double s = SineDegrees(degrees);
  const double reach = std::max(rx, ry);
  return Shape{{centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach},
               [=](double x, double y) {
                 const double dx = x - centre.x;
                 const double dy = y - centre.y;
                 const double u = (c * dx + s * dy) / rx;
                 const double v = (-s * dx + c * dy) / ry;
                 return u * u + v * v <= 1.0;
               }};
}

Shape Ring(Point centre, double outer, double inner) {
  return Shape{{centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer},
               [=](double x, double y) {
                 const double dx = x - centre.x;
                 const double dy = y - centre.y;
                 const double d = dx * dx + dy * dy;
                 return d <= outer * outer && d >= inner * inner;
               }};
}

Shape Strokes(const std::vector<std::vector<Point>>& lines, double radius) {
  struct Segment {
    Point a, b;
  };
  std::vector<Segment> segments;
  Box bounds{1e9, 1e9, -1e9, -1e9};
  for (const auto& line : lines) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      const Point p = line[i];
      bounds.x0 = std::min(bounds.x0, p.x - radius);
      bounds.y0 = std::min(bounds.y0, p.y - radius);
      bounds.x1 = std::max(bounds.x1, p.x + radius);
      bounds.y1 = std::max(bounds.y1, p.y + radius);
      segments.push_back(Segment{p, i + 1 < line.size() ? line[i + 1] : p});
    }
  }
  return Shape{bounds, [segments, radius](double x, double y) {
                 const double r2 = radius * radius;
                 for (const Segment& s : segments) {
                   const double vx = s.b.x - s.a.x;
                   const double vy = s.b.y - s.a.y;
                   const double wx = x - s.a.x;
                   const double wy = y - s.a.y;
                   const double len2 = vx * vx + vy * vy;
                   double t = len2 > 0 ? (wx * vx + wy * vy) / len2 : 0.0;
                   t = std::clamp(t, 0.0, 1.0);
                   const double dx = wx - t * vx;
                   const double dy = wy - t * vy;
                   if (dx * dx + dy * dy <= r2) return true;
                 }
                 return false;
               }};
}

Shape Polygon(const std::vector<Point>& corners) {
  Box bounds{1e9, 1e9, -1e9, -1e9};
  for (const Point p : corners) {
    bounds.x0 = std::min(bounds.x0, p.x);
    bounds.y0 = std::min(bounds.y0, p.y);
    bounds.x1 = std::max(bounds.x1, p.x);
    bounds.y1 = std::max(bounds.y1, p.y);
  }
  return Shape{bounds, [corners](double x, double y) {
                 bool in = false;
                 const std::size_t n = corners.size();
                 for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                   const Point a = corners[i];
                   const Point b = corners[j];
                   if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
                 }
                 return in;
               }};
}

Shape Union(Shape a, Shape b) {
  const Box box{std::min(a.bounds.x0, b.bounds.x0), std::min(a.bounds.y0, b.bounds.y0),
                std::max(a.bounds.x1, b.bounds.x1), std::max(a.bounds.y1, b.bounds.y1)};
  return Shape{box, [a, b](double x, double y) { return a.inside(x, y) || b.inside(x, y); }};
}

Shape Intersect(Shape a, Shape b) {
  const Box box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
                std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
  return Shape{box, [a, b](double x, double y) { return a.inside(x, y) && b.inside(x, y); }};
}

Shape Subtract(Shape a, Shape b) {
  return Shape{a.bounds, [a, b](double x, double y) { return a.inside(x, y) && !b.inside(x, y); }};
}

Shape Shifted(Shape s, double dx, double dy) {
  return Shape{{s.bounds.x0 + dx, s.bounds.y0 + dy, s.bounds.x1 + dx, s.bounds.y1 + dy},
               [s, dx, dy](double x, double y) { return s.inside(x - dx, y - dy); }};
}

Shape HalfPlane(Point through, Point normal) {
  return Shape{{-1e6, -1e6, 1e6, 1e6}, [=](double x, double y) {
                 return (x - through.x) * normal.x + (y - through.y) * normal.y >= 0.0;
               }};
}

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      samples_(static_cast<std::size_t>(width * height * kScale * kScale), background),
      painted_(static_cast<std::size_t>(width * height * kScale * kScale), 0) {}

void Canvas::Fill(const Shape& shape, Rgb colour) {
  Paint(shape, [colour](double, double) { return colour; });
}

void Canvas::Paint(const Shape& shape, const std::function<Rgb(double, double)>& colourAt) {
  const int sw = width_ * kScale;
  const int sh = height_ * kScale;
  const int i0 = std::max(0, static_cast<int>(std::floor(shape.bounds.x0 * kScale)) - 1);
  const int j0 = std::max(0, static_cast<int>(std::floor(shape.bounds.y0 * kScale)) - 1);
  const int i1 = std::min(sw, static_cast<int>(std::ceil(shape.bounds.x1 * kScale)) + 1);
  const int j1 = std::min(sh, static_cast<int>(std::ceil(shape.bounds.y1 * kScale)) + 1);
  for (int j = j0; j < j1; ++j) {
    const double y = (j + 0.5) / kScale;
    for (int i = i0; i < i1; ++i) {
      const double x = (i + 0.5) / kScale;
      if (!shape.inside(x, y)) continue;
      const std::size_t at = static_cast<std::size_t>(j * sw + i);
      samples_[at] = colourAt(x, y);
      painted_[at] = 1;
    }
  }
}

Rgb Canvas::Pixel(int x, int y) const {
  int r = 0, g = 0, b = 0;
  const int sw = width_ * kScale;
  for (int j = 0; j < kScale; ++j) {
    for (int i = 0; i < kScale; ++i) {
      const Rgb& s = samples_[static_cast<std::size_t>((y * kScale + j) * sw + x * kScale + i)];
      r += s.r;
      g += s.g;
      b += s.b;
    }
  }
  constexpr int n = kScale * kScale;
  return Rgb{(r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n};
}

int Canvas::Coverage(int x, int y) const {
  int n = 0;
  const int sw = width_ * kScale;
  for (int j = 0; j < kScale; ++j) {
    for (int i = 0; i < kScale; ++i) n += painted_[static_cast<std::size_t>((y * kScale + j) * sw + x * kScale + i)];
  }
  return n;
}

Rgb Canvas::PaintedPixel(int x, int y) const {
  int r = 0, g = 0, b = 0, n = 0;
  const int sw = width_ * kScale;
  for (int j = 0; j < kScale; ++j) {
    for (int i = 0; i < kScale; ++i) {
      const std::size_t at = static_cast<std::size_t>((y * kScale + j) * sw + x * kScale + i);
      if (!painted_[at]) continue;
      r += samples_[at].r;
      g += samples_[at].g;
      b += samples_[at].b;
      ++n;
    }
  }
  if (n == 0) return kBlack;
  return Rgb{(r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n};
}

std::vector<Point> Arc(Point centre, double rx, double ry, double fromDegrees, double toDegrees, int steps) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    const double a = fromDegrees + (toDegrees - fromDegrees) * i / steps;
    points.push_back(Point{centre.x + rx * CosineDegrees(a), centre.y + ry * SineDegrees(a)});
  }
  return points;
}

}  // namespace assetgen
