// A supersampled drawing surface: shapes are filled by testing sample points,
// then every pixel averages its samples so edges come out anti-aliased. Each
// shape also carries itself as SVG, so a canvas writes the same design as a
// vector image too: the page draws it at the screen's own resolution.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "palette.h"

namespace assetgen {

struct Point {
  double x;
  double y;
};

struct Box {
  double x0, y0, x1, y1;
};

// A region of the picture in pixel coordinates; `svg` the same region as SVG
// elements painted in currentColor.
struct Shape {
  Box bounds;
  std::function<bool(double, double)> inside;
  std::string svg;
};

// Rotation by `degrees` (clockwise on screen, y down), uniform scale and a shift.
struct Placement {
  double scale = 1.0;
  double degrees = 0.0;
  Point origin{0.0, 0.0};
  Point Apply(Point p) const;
};

// The placement that puts the middle of a box of `width` x `height` units at `centre`.
Placement CentredAt(Point centre, double scale, double degrees, double width, double height);

Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
Shape RotatedRoundRect(Point centre, double width, double height, double radius, double degrees);
Shape Ellipse(Point centre, double rx, double ry, double degrees);
Shape Ring(Point centre, double outer, double inner);
// Every point within `radius` of one of the polylines.
Shape Strokes(const std::vector<std::vector<Point>>& lines, double radius);
// Even-odd fill of a closed polygon.
Shape Polygon(const std::vector<Point>& corners);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Shifted(Shape s, double dx, double dy);
// Half-planes, for splitting a shape into quarters.
Shape HalfPlane(Point through, Point normal);

class Canvas {
 public:
  static constexpr int kScale = 4;  // samples per pixel along each axis

  Canvas(int width, int height, Rgb background);
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(const Shape& shape, Rgb colour);
  // Colour chosen per sample by position (gradients).
  void Paint(const Shape& shape, const std::function<Rgb(double, double)>& colourAt);

  // Average colour of pixel (x, y) and how many of its samples were painted.
  Rgb Pixel(int x, int y) const;
  int Coverage(int x, int y) const;
  // Average of only the painted samples of pixel (x, y).
  Rgb PaintedPixel(int x, int y) const;
  // Everything filled so far as SVG elements, in the order painted; a Paint's
  // shading in the colour at the middle of its shape.
  const std::string& Svg() const { return svg_; }

 private:
  int width_;
  int height_;
  std::vector<Rgb> samples_;
  std::vector<unsigned char> painted_;
  std::string svg_;
};

// Polyline helpers in glyph units.
std::vector<Point> Arc(Point centre, double rx, double ry, double fromDegrees, double toDegrees, int steps);

}  // namespace assetgen
