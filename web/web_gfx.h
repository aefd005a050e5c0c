// Pixels as the canvas takes them: 5-5-5 expanded to 8-bit RGBA.
#pragma once

#include <cstdint>
#include <vector>

struct Sprite;

// One 5-5-5 pixel as RGBA bytes in memory order, alpha 255.
std::uint32_t PixelRgba(std::uint16_t pixel);
// A loaded sprite's pixels, top row first; empty when it has none.
std::vector<std::uint32_t> SpriteRgba(const Sprite* sprite);
