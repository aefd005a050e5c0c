// Icon 101: a fan of three cards, 32 x 32 and 16 x 16, 16 colours each; and
// the same fan as the page's app icons, PNG pictures of any size.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

std::vector<std::uint8_t> BuildIcon();
// Clear around the fan, or (maskable) the fan smaller on the felt to the edges.
std::vector<std::uint8_t> BuildAppIcon(int size, bool maskable);

}  // namespace assetgen
