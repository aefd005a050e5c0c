// One shape per card colour, drawn beside the colour wherever it shows, so the
// colours tell apart without colour vision: blue circle, green triangle, red
// square, yellow star.
#pragma once

#include "raster.h"

namespace assetgen {

// The mark of `colour` (0..3) centred on `at.origin`, about 2 * `at.scale`
// pixels across; `extra` widens it by that much all round, for its outline.
Shape ColourMark(int colour, const Placement& at, double extra);

// White inside a dark outline, as the corner indices are drawn.
void PaintColourMark(Canvas& canvas, int colour, const Placement& at);

}  // namespace assetgen
