// Hand-made stroke shapes for the digits, "+" and the few letters the art uses.
// Glyphs live in a box 10 units wide and 16 tall, y down.
#pragma once

#include <vector>

#include "raster.h"

namespace assetgen {

struct Glyph {
  std::vector<std::vector<Point>> strokes;
};

constexpr double kGlyphWidth = 10.0;
constexpr double kGlyphHeight = 16.0;

// '0'..'9', '+', and the letters D I L O T W Z. Unknown characters are empty.
Glyph GlyphFor(char c);

// The glyph's strokes placed on the picture, `radius` in glyph units, widened by `extra` pixels.
Shape GlyphShape(const Glyph& glyph, const Placement& placement, double radius, double extra);

// A row of glyphs, `advance` units apart, as one shape.
Shape TextShape(const char* text, const Placement& placement, double advance, double radius, double extra);

}  // namespace assetgen
