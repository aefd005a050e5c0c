#include "glyphs.h"

namespace assetgen {

namespace {

std::vector<Point> Line(std::initializer_list<Point> points) { return std::vector<Point>(points); }

Glyph Rotated180(Glyph g) {
  for (auto& line : g.strokes) {
    for (Point& p : line) p = Point{kGlyphWidth - p.x, kGlyphHeight - p.y};
  }
  return g;
}

Glyph Six() {
  Glyph g;
  g.strokes.push_back(Arc({5.0, 10.9}, 3.9, 4.0, 0, 360, 40));
  g.strokes.push_back(Arc({9.4, 10.9}, 8.3, 9.9, 258, 180, 24));
  return g;
}

}  // namespace

Glyph GlyphFor(char c) {
  Glyph g;
  switch (c) {
    case '0':
      g.strokes.push_back(Arc({5.0, 8.0}, 3.9, 6.9, 0, 360, 48));
      break;
    case '1':
      g.strokes.push_back(Line({{2.2, 4.2}, {5.6, 1.1}, {5.6, 14.9}}));
      g.strokes.push_back(Line({{2.4, 14.9}, {8.6, 14.9}}));
      break;
    case '2': {
      auto top = Arc({5.0, 5.0}, 3.9, 3.9, 165, 390, 30);
      top.push_back({1.1, 14.9});
      top.push_back({9.0, 14.9});
      g.strokes.push_back(top);
      break;
    }
    case '3':
      g.strokes.push_back(Arc({5.0, 4.6}, 3.6, 3.5, 200, 450, 30));
      g.strokes.push_back(Arc({5.0, 11.3}, 3.9, 3.7, 270, 520, 30));
      break;
    case '4':
      g.strokes.push_back(Line({{7.0, 14.9}, {7.0, 1.1}, {1.0, 10.8}, {9.4, 10.8}}));
      break;
    case '5': {
      auto body = Line({{8.6, 1.1}, {2.6, 1.1}, {2.0, 7.4}});
      const auto bowl = Arc({5.0, 10.6}, 4.0, 4.3, 228, 500, 32);
      body.insert(body.end(), bowl.begin(), bowl.end());
      g.strokes.push_back(body);
      break;
    }
    case '6':
      return Six();
    case '7':
      g.strokes.push_back(Line({{1.0, 1.1}, {9.0, 1.1}, {4.2, 14.9}}));
      break;
    case '8':
      g.strokes.push_back(Arc({5.0, 4.5}, 3.3, 3.4, 0, 360, 36));
      g.strokes.push_back(Arc({5.0, 11.2}, 3.9, 3.7, 0, 360, 40));
      break;
    case '9':
      return Rotated180(Six());
    case '+':
      g.strokes.push_back(Line({{5.0, 3.2}, {5.0, 12.8}}));
      g.strokes.push_back(Line({{0.8, 8.0}, {9.2, 8.0}}));
      break;
    case 'D': {
      auto d = Line({{4.0, 1.1}, {1.4, 1.1}, {1.4, 14.9}, {4.0, 14.9}});
      const auto bowl = Arc({4.0, 8.0}, 4.8, 6.9, 90, -90, 24);
      d.insert(d.end(), bowl.begin(), bowl.end());
      g.strokes.push_back(d);
      break;
    }
    case 'I':
      g.strokes.push_back(Line({{5.0, 1.1}, {5.0, 14.9}}));
      g.strokes.push_back(Line({{2.6, 1.1}, {7.4, 1.1}}));
      g.strokes.push_back(Line({{2.6, 14.9}, {7.4, 14.9}}));
      break;
    case 'L':
      g.strokes.push_back(Line({{1.6, 1.1}, {1.6, 14.9}, {9.0, 14.9}}));
      break;
    case 'O':
      g.strokes.push_back(Arc({5.0, 8.0}, 4.1, 6.9, 0, 360, 48));
      break;
    case 'T':
      g.strokes.push_back(Line({{0.8, 1.1}, {9.2, 1.1}}));
      g.strokes.push_back(Line({{5.0, 1.1}, {5.0, 14.9}}));
      break;
    case 'W':
      g.strokes.push_back(Line({{0.2, 1.1}, {2.6, 14.9}, {5.0, 5.0}, {7.4, 14.9}, {9.8, 1.1}}));
      break;
    case 'Z':
      g.strokes.push_back(Line({{1.0, 1.1}, {9.0, 1.1}, {1.0, 14.9}, {9.0, 14.9}}));
      break;
    default:
      break;
  }
  return g;
}

Shape GlyphShape(const Glyph& glyph, const Placement& placement, double radius, double extra) {
  std::vector<std::vector<Point>> placed;
  for (const auto& line : glyph.strokes) {
    std::vector<Point> out;
    for (const Point p : line) out.push_back(placement.Apply(p));
    placed.push_back(out);
  }
  return Strokes(placed, radius * placement.scale + extra);
}

Shape TextShape(const char* text, const Placement& placement, double advance, double radius, double extra) {
  std::vector<std::vector<Point>> placed;
  int i = 0;
  for (const char* c = text; *c; ++c, ++i) {
    const Glyph g = GlyphFor(*c);
    for (const auto& line : g.strokes) {
      std::vector<Point> out;
      for (const Point p : line) out.push_back(placement.Apply(Point{p.x + advance * i, p.y}));
      placed.push_back(out);
    }
  }
  return Strokes(placed, radius * placement.scale + extra);
}

}  // namespace assetgen
