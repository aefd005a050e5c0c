#include "colour_marks.h"

#include "det_math.h"

namespace assetgen {

namespace {

constexpr double kOutlineWidth = 0.7;  // as the corner indices' outline

// Corners in mark units, about 2 x 2 around the origin (the circle is r = 0.86), each
// silhouette sized to look as heavy as the others at 10 px.
std::vector<Point> MarkCorners(int colour) {
  switch (colour) {
    case 1:  // triangle, point up
      return {{0.0, -0.98}, {1.02, 0.8}, {-1.02, 0.8}};
    case 2:  // square
      return {{-0.88, -0.88}, {0.88, -0.88}, {0.88, 0.88}, {-0.88, 0.88}};
    default: {  // five-pointed star, point up; fat arms stay a star at this size
      std::vector<Point> corners;
      for (int k = 0; k < 10; ++k) {
        const double radius = k % 2 == 0 ? 1.1 : 0.52;
        const double degrees = -90.0 + 36.0 * k;
        corners.push_back({radius * CosineDegrees(degrees), 0.1 + radius * SineDegrees(degrees)});
      }
      return corners;
    }
  }
}

}  // namespace

Shape ColourMark(int colour, const Placement& at, double extra) {
  if (colour == 0) return Ellipse(at.origin, 0.86 * at.scale + extra, 0.86 * at.scale + extra, 0.0);
  std::vector<Point> corners;
  for (const Point p : MarkCorners(colour)) corners.push_back(at.Apply(p));
  Shape shape = Polygon(corners);
  if (extra > 0) {
    std::vector<Point> edge = corners;
    edge.push_back(corners.front());
    shape = Union(shape, Strokes({edge}, extra));
  }
  return shape;
}

void PaintColourMark(Canvas& canvas, int colour, const Placement& at) {
  canvas.Fill(ColourMark(colour, at, kOutlineWidth), kOutline);
  canvas.Fill(ColourMark(colour, at, 0.0), kWhite);
}

}  // namespace assetgen
