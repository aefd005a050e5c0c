// The felt tile, the turn-arrow atlas and the colour strips.
#pragma once

#include "indexed_image.h"

namespace assetgen {

IndexedImage DrawFelt();       // 100 x 100, tiles without seams
IndexedImage DrawFlowArrows();  // 43 x 43 atlas, index 0 wherever the blit must leave the table showing
IndexedImage DrawColourBar();   // 60 x 80: blue, green, red, yellow strips of 20 rows

}  // namespace assetgen
