#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "det_math.h"

namespace assetgen {

namespace {

// A coordinate to one decimal, in the least characters that say it: a tenth of
// a card's unit is a third of a device pixel on the largest card a screen shows.
std::string Num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  if (s == "-0") return "0";
  // "0.5" as ".5": SVG reads a number that starts at its point.
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  return s;
}

// Tenths, as Num writes them.
long Tenths(double v) { return std::lround(v * 10); }
std::string Steps(long tenths) { return Num(static_cast<double>(tenths) / 10); }

// The first point, then each step from the one before as the rounded points
// lie: a glyph's strokes read the same wherever it is placed, which packs small.
std::string Path(const std::vector<Point>& points) {
  std::string d;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const long x = Tenths(points[i].x), y = Tenths(points[i].y);
    if (i == 0) {
      d += "M" + Steps(x) + " " + Steps(y) + (points.size() > 1 ? "l" : "");
    } else {
      const long dx = x - Tenths(points[i - 1].x), dy = y - Tenths(points[i - 1].y);
      const std::string step = Steps(dx) + (dy < 0 ? "" : " ") + Steps(dy);
      d += (i > 1 && dx >= 0 ? " " : "") + step;
    }
  }
  return d;
}

// Masks are named in the order they are made, one series for the whole run,
// so the designs can share one document.
int nextMask = 0;

// `a` where the mask `cover` (white shows, black hides, over `ground`) allows it.
std::string Masked(const std::string& a, const std::string& ground, const std::string& cover) {
  const std::string id = "m" + std::to_string(nextMask++);
  return "<mask id=\"" + id + "\" maskUnits=\"userSpaceOnUse\" x=\"-999\" y=\"-999\" width=\"1998\" height=\"1998\">" +
         ground + cover + "</mask><g mask=\"url(#" + id + ")\">" + a + "</g>";
}

}  // namespace

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
               },
               "<rect x=\"" + Num(x0) + "\" y=\"" + Num(y0) + "\" width=\"" + Num(x1 - x0) + "\" height=\"" + Num(y1 - y0) +
                   "\" rx=\"" + Num(radius) + "\"/>"};
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
               },
               "<g transform=\"translate(" + Num(centre.x) + " " + Num(centre.y) + ") rotate(" + Num(degrees) + ")\">" +
                   local.svg + "</g>"};
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
               },
               "<ellipse cx=\"" + Num(centre.x) + "\" cy=\"" + Num(centre.y) + "\" rx=\"" + Num(rx) + "\" ry=\"" + Num(ry) +
                   (degrees != 0.0 ? "\" transform=\"rotate(" + Num(degrees) + " " + Num(centre.x) + " " + Num(centre.y) + ")" : "") +
                   "\"/>"};
}

Shape Ring(Point centre, double outer, double inner) {
  return Shape{{centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer},
               [=](double x, double y) {
                 const double dx = x - centre.x;
                 const double dy = y - centre.y;
                 const double d = dx * dx + dy * dy;
                 return d <= outer * outer && d >= inner * inner;
               },
               "<circle cx=\"" + Num(centre.x) + "\" cy=\"" + Num(centre.y) + "\" r=\"" + Num((outer + inner) / 2) +
                   "\" fill=\"none\" stroke=\"currentColor\" stroke-width=\"" + Num(outer - inner) + "\"/>"};
}

Shape Strokes(const std::vector<std::vector<Point>>& lines, double radius) {
  struct Segment {
    Point a, b;
  };
  std::vector<Segment> segments;
  Box bounds{1e9, 1e9, -1e9, -1e9};
  // A line of one point is a dot: a round cap on a line of no length.
  std::string d;
  for (const auto& line : lines) {
    d += Path(line.size() == 1 ? std::vector<Point>{line[0], line[0]} : line);
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
               },
               "<path d=\"" + d + "\" fill=\"none\" stroke=\"currentColor\" stroke-width=\"" + Num(2 * radius) +
                   "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>"};
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
               },
               "<path d=\"" + Path(corners) + "Z\" fill-rule=\"evenodd\"/>"};
}

Shape Union(Shape a, Shape b) {
  const Box box{std::min(a.bounds.x0, b.bounds.x0), std::min(a.bounds.y0, b.bounds.y0),
                std::max(a.bounds.x1, b.bounds.x1), std::max(a.bounds.y1, b.bounds.y1)};
  return Shape{box, [a, b](double x, double y) { return a.inside(x, y) || b.inside(x, y); }, a.svg + b.svg};
}

Shape Intersect(Shape a, Shape b) {
  const Box box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
                std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
  return Shape{box, [a, b](double x, double y) { return a.inside(x, y) && b.inside(x, y); },
               Masked(a.svg, "", "<g color=\"#fff\" fill=\"#fff\">" + b.svg + "</g>")};
}

Shape Subtract(Shape a, Shape b) {
  return Shape{a.bounds, [a, b](double x, double y) { return a.inside(x, y) && !b.inside(x, y); },
               Masked(a.svg, "<rect x=\"-999\" y=\"-999\" width=\"1998\" height=\"1998\" fill=\"#fff\"/>",
                      "<g color=\"#000\" fill=\"#000\">" + b.svg + "</g>")};
}

Shape Shifted(Shape s, double dx, double dy) {
  return Shape{{s.bounds.x0 + dx, s.bounds.y0 + dy, s.bounds.x1 + dx, s.bounds.y1 + dy},
               [s, dx, dy](double x, double y) { return s.inside(x - dx, y - dy); },
               "<g transform=\"translate(" + Num(dx) + " " + Num(dy) + ")\">" + s.svg + "</g>"};
}

Shape HalfPlane(Point through, Point normal) {
  return Shape{{-1e6, -1e6, 1e6, 1e6}, [=](double x, double y) {
                 return (x - through.x) * normal.x + (y - through.y) * normal.y >= 0.0;
               },
               // The side the normal points to, as a square far larger than any picture.
               "<path d=\"" + Path({through, {through.x - 999 * normal.y, through.y + 999 * normal.x},
                                      {through.x - 999 * normal.y + 999 * normal.x, through.y + 999 * normal.x + 999 * normal.y},
                                      {through.x + 999 * normal.y + 999 * normal.x, through.y - 999 * normal.x + 999 * normal.y},
                                      {through.x + 999 * normal.y, through.y - 999 * normal.x}}) + "Z\"/>"};
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
  const Box& b = shape.bounds;
  const Rgb middle = colourAt((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2);
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%02x%02x%02x", middle.r & 255, middle.g & 255, middle.b & 255);
  svg_ += std::string("<g color=\"") + colour + "\" fill=\"" + colour + "\">" + shape.svg + "</g>";
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
