#include "card_art.h"

#include "colour_marks.h"
#include "det_math.h"
#include "glyphs.h"

namespace assetgen {

namespace {

constexpr Point kCentre{30.0, 45.0};
constexpr double kOvalTilt = 28.0;

// A symbol drawn as strokes plus solid polygons, in its own units.
struct Symbol {
  std::vector<std::vector<Point>> strokes;
  std::vector<std::vector<Point>> solids;
  double radius = 0.2;  // stroke radius in symbol units
};

Shape SymbolShape(const Symbol& symbol, const Placement& placement, double extra) {
  std::vector<std::vector<Point>> lines;
  for (const auto& line : symbol.strokes) {
    std::vector<Point> out;
    for (const Point p : line) out.push_back(placement.Apply(p));
    lines.push_back(out);
  }
  Shape shape = Strokes(lines, symbol.radius * placement.scale + extra);
  for (const auto& solid : symbol.solids) {
    std::vector<Point> corners;
    for (const Point p : solid) corners.push_back(placement.Apply(p));
    shape = Union(shape, Polygon(corners));
    if (extra > 0) {
      std::vector<Point> edge = corners;
      edge.push_back(corners.front());
      shape = Union(shape, Strokes({edge}, extra));
    }
  }
  return shape;
}

// Two curved arrows chasing each other around a circle of radius 1.
Symbol ReverseSymbol() {
  Symbol s;
  s.radius = 0.24;
  for (int half = 0; half < 2; ++half) {
    const double start = 190.0 + 180.0 * half;
    const double end = 318.0 + 180.0 * half;
    s.strokes.push_back(Arc({0, 0}, 1.0, 1.0, start, end, 20));
    const Point at{CosineDegrees(end), SineDegrees(end)};
    const Point tangent{-SineDegrees(end), CosineDegrees(end)};
    const Point radial{at.x, at.y};
    s.solids.push_back({{at.x + 0.7 * tangent.x, at.y + 0.7 * tangent.y},
                        {at.x + 0.52 * radial.x - 0.05 * tangent.x, at.y + 0.52 * radial.y - 0.05 * tangent.y},
                        {at.x - 0.52 * radial.x - 0.05 * tangent.x, at.y - 0.52 * radial.y - 0.05 * tangent.y}});
  }
  return s;
}

// Two straight arrows, one each way: the reverse sign where a curved one
// would blur into a ring at corner size.
Symbol SwapSymbol() {
  Symbol s;
  s.radius = 0.2;
  s.strokes.push_back({{-1.0, -0.5}, {0.5, -0.5}});
  s.strokes.push_back({{1.0, 0.5}, {-0.5, 0.5}});
  s.solids.push_back({{1.15, -0.5}, {0.35, -1.05}, {0.35, 0.05}});
  s.solids.push_back({{-1.15, 0.5}, {-0.35, -0.05}, {-0.35, 1.05}});
  return s;
}

// A circle with a slash across it.
Symbol SkipSymbol() {
  Symbol s;
  s.radius = 0.21;
  s.strokes.push_back(Arc({0, 0}, 1.0, 1.0, 0, 360, 48));
  s.strokes.push_back({{-0.7, 0.7}, {0.7, -0.7}});
  return s;
}

struct CardCanvas {
  Canvas canvas{kCardWidth, kCardHeight, kFeltBase};
  Shape field = RoundRect(3.0, 3.0, 57.0, 87.0, 3.2);
};

// Rounded white card with a dark edge and an inner field of `fieldColour`.
void PaintBlank(CardCanvas& card, Rgb fieldColour) {
  card.canvas.Fill(RoundRect(0.0, 0.0, 60.0, 90.0, 5.6), kOutline);
  card.canvas.Fill(RoundRect(1.0, 1.0, 59.0, 89.0, 4.6), kWhite);
  card.canvas.Fill(card.field, fieldColour);
}

// Solid shape with a dark outline and an offset shadow.
void PaintEmblem(CardCanvas& card, const Shape& body, const Shape& outline, Rgb colour, double shadow) {
  if (shadow > 0) card.canvas.Fill(Intersect(Shifted(outline, shadow, shadow), card.field), kShadow);
  card.canvas.Fill(outline, kOutline);
  card.canvas.Fill(body, colour);
}

// A top-left placement moved to the bottom-right corner and turned half round.
Placement HalfTurned(Placement p) {
  p.degrees += 180.0;
  p.origin = Point{kCardWidth - p.origin.x, kCardHeight - p.origin.y};
  return p;
}

// Both corner indices: top-left as given, bottom-right turned half round.
template <typename MakeShape>
void PaintIndices(CardCanvas& card, MakeShape make, Rgb colour) {
  for (int turn = 0; turn < 2; ++turn) {
    auto place = [turn](Placement p) { return turn == 1 ? HalfTurned(p) : p; };
    card.canvas.Fill(make(place, 0.7), kOutline);
    card.canvas.Fill(make(place, 0.0), colour);
  }
}

// Index placement: a glyph filling the corner column x 4..9.6.
constexpr double kIndexScale = 0.62;
constexpr Point kIndexOrigin{2.7, 3.4};
constexpr double kIndexStroke = 1.75;

void PaintDigitIndex(CardCanvas& card, char digit, Rgb colour) {
  const Glyph g = GlyphFor(digit);
  PaintIndices(card,
               [&](auto place, double extra) {
                 return GlyphShape(g, place(Placement{kIndexScale, 0.0, kIndexOrigin}), kIndexStroke, extra);
               },
               colour);
}

// "+" over a digit, for the draw cards' narrow corner.
void PaintPlusIndex(CardCanvas& card, char digit, Rgb colour) {
  const Glyph plus = GlyphFor('+');
  const Glyph number = GlyphFor(digit);
  PaintIndices(card,
               [&](auto place, double extra) {
                 return Union(GlyphShape(plus, place(Placement{0.5, 0.0, {3.0, 0.9}}), 1.8, extra),
                              GlyphShape(number, place(Placement{0.55, 0.0, {2.9, 7.7}}), 1.8, extra));
               },
               colour);
}

void PaintSymbolIndex(CardCanvas& card, Symbol symbol, double degrees, Rgb colour) {
  symbol.radius = 0.3;  // heavier strokes survive the small size
  PaintIndices(card,
               [&](auto place, double extra) {
                 return SymbolShape(symbol, place(Placement{3.25, degrees, {6.1, 8.3}}), extra);
               },
               colour);
}

// The colour's mark under each corner index, turned with it: in a fanned hand
// it shows in the same left strip as the index, below the tallest one (+2).
void PaintColourMarks(CardCanvas& card, int colour) {
  const Placement topLeft{4.4, 0.0, {8.2, 24.0}};
  PaintColourMark(card.canvas, colour, topLeft);
  PaintColourMark(card.canvas, colour, HalfTurned(topLeft));
}

Shape Oval() { return Ellipse(kCentre, 19.5, 37.0, kOvalTilt); }

void PaintCentreGlyphs(CardCanvas& card, const char* text, double scale, double stroke, Rgb colour) {
  // Centre the run of glyphs on the card.
  int n = 0;
  for (const char* c = text; *c; ++c) ++n;
  const double advance = 10.4;
  const Placement at = CentredAt(kCentre, scale, 0.0, advance * (n - 1) + kGlyphWidth, kGlyphHeight);
  const Shape body = TextShape(text, at, advance, stroke, 0.0);
  const Shape outline = TextShape(text, at, advance, stroke, 1.0);
  PaintEmblem(card, body, outline, colour, 1.6);
}

// Four colours in quarters of the tilted oval, edged in white.
void PaintFourColourOval(CardCanvas& card, Point centre, double rx, double ry, double edge) {
  card.canvas.Fill(Intersect(Ellipse(centre, rx + edge, ry + edge, kOvalTilt), card.field), kWhite);
  const Shape oval = Ellipse(centre, rx, ry, kOvalTilt);
  const Shape right = HalfPlane(centre, {1, 0});
  const Shape below = HalfPlane(centre, {0, 1});
  // Top-left red, top-right blue, bottom-left yellow, bottom-right green.
  card.canvas.Fill(oval, kCardColours[2]);
  card.canvas.Fill(Intersect(oval, Subtract(right, below)), kCardColours[0]);
  card.canvas.Fill(Intersect(oval, Subtract(below, right)), kCardColours[3]);
  card.canvas.Fill(Intersect(oval, Intersect(below, right)), kCardColours[1]);
}

}  // namespace

IndexedImage DrawColouredCard(int colour, int face) {
  const Rgb c = kCardColours[static_cast<std::size_t>(colour)];
  CardCanvas card;
  PaintBlank(card, c);
  card.canvas.Fill(Intersect(Oval(), card.field), kWhite);
  if (face <= 9) {
    const char digit = static_cast<char>('0' + face);
    const char text[2] = {digit, 0};
    PaintCentreGlyphs(card, text, 2.05, 1.45, c);
    if (face == 6 || face == 9) {
      // Underline tells a 6 from an upside-down 9.
      const double y = kCentre.y + 8.0 * 2.05 + 3.4;
      const Shape bar = Strokes({{{kCentre.x - 6.5, y}, {kCentre.x + 6.5, y}}}, 1.5);
      const Shape barOutline = Strokes({{{kCentre.x - 6.5, y}, {kCentre.x + 6.5, y}}}, 2.5);
      PaintEmblem(card, bar, barOutline, c, 1.6);
    }
    PaintDigitIndex(card, digit, kWhite);
  } else if (face == 10) {
    PaintCentreGlyphs(card, "+2", 1.55, 1.5, c);
    PaintPlusIndex(card, '2', kWhite);
  } else if (face == 11) {
    const Symbol s = ReverseSymbol();
    const Placement at{12.5, -35.0, kCentre};
    PaintEmblem(card, SymbolShape(s, at, 0.0), SymbolShape(s, at, 1.0), c, 1.6);
    PaintSymbolIndex(card, SwapSymbol(), 0.0, kWhite);
  } else {
    const Symbol s = SkipSymbol();
    const Placement at{13.0, 0.0, kCentre};
    PaintEmblem(card, SymbolShape(s, at, 0.0), SymbolShape(s, at, 1.0), c, 1.6);
    PaintSymbolIndex(card, s, 0.0, kWhite);
  }
  PaintColourMarks(card, colour);
  return Quantize(card.canvas, SharedPalette());
}

IndexedImage DrawWildCard(bool drawFour) {
  CardCanvas card;
  PaintBlank(card, kWildField);
  PaintFourColourOval(card, kCentre, 18.6, 36.0, 1.4);
  if (drawFour) {
    PaintCentreGlyphs(card, "+4", 1.55, 1.5, kWhite);
    PaintPlusIndex(card, '4', kWhite);
  } else {
    const double advance = 10.6;
    const Placement at = CentredAt(kCentre, 1.02, -62.0, advance * 3 + kGlyphWidth, kGlyphHeight);
    PaintEmblem(card, TextShape("WILD", at, advance, 1.45, 0.0), TextShape("WILD", at, advance, 1.45, 0.9), kWhite, 1.2);
    // A small four-colour oval in each corner.
    for (int turn = 0; turn < 2; ++turn) {
      const Point at2 = turn == 0 ? Point{6.7, 9.0} : Point{kCardWidth - 6.7, kCardHeight - 9.0};
      card.canvas.Fill(Ellipse(at2, 3.6, 6.2, kOvalTilt), kOutline);
      PaintFourColourOval(card, at2, 2.3, 4.6, 0.8);
    }
  }
  return Quantize(card.canvas, SharedPalette());
}

IndexedImage DrawCardBack() {
  CardCanvas card;
  PaintBlank(card, kBackDark);
  // A fine diamond lattice on the dark field, its lines one shape of one
  // colour (one clip for the vector image).
  std::vector<std::vector<Point>> lattice;
  for (int k = -12; k < 16; ++k) {
    const double x = 6.0 * k;
    lattice.push_back({{x, 0}, {x + 90, 90}});
    lattice.push_back({{x + 90, 0}, {x, 90}});
  }
  card.canvas.Fill(Intersect(Strokes(lattice, 0.35), card.field), Mix(kBackDark, kBackRed, 1, 3));
  card.canvas.Fill(Intersect(Ellipse(kCentre, 21.5, 39.0, kOvalTilt), card.field), kGold);
  card.canvas.Fill(Intersect(Ellipse(kCentre, 20.0, 37.5, kOvalTilt), card.field), kBackRed);
  const double advance = 11.2;
  const Placement at = CentredAt(kCentre, 1.45, -62.0, advance * 2 + kGlyphWidth, kGlyphHeight);
  PaintEmblem(card, TextShape("ZOT", at, advance, 1.5, 0.0), TextShape("ZOT", at, advance, 1.5, 1.1), kGold, 1.4);
  return Quantize(card.canvas, SharedPalette());
}

}  // namespace assetgen
