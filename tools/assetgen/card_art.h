// The 60 x 90 card pictures: the back and the 54 faces.
#pragma once

#include "indexed_image.h"

namespace assetgen {

constexpr int kCardWidth = 60;
constexpr int kCardHeight = 90;

// colour 0..3 (blue, green, red, yellow), face 0..12 (0-9, Draw Two, Reverse, Skip).
IndexedImage DrawColouredCard(int colour, int face);
IndexedImage DrawWildCard(bool drawFour);
IndexedImage DrawCardBack();

}  // namespace assetgen
