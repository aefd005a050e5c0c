// Icon 101: a fan of three cards, 32 x 32 and 16 x 16, 16 colours each.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

std::vector<std::uint8_t> BuildIcon();

}  // namespace assetgen
