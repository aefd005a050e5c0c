// The frame's and the sprites' 5-5-5 pixels as screens and picture files take
// them: eight bits a channel. The page's canvas, the picture tools and the
// tests all convert here, so what they show is the same to the last bit.
#pragma once

#include <cstdint>
#include <vector>

struct FrameBuffer;
struct Sprite;

// One 5-bit channel to 8 bits as (c << 3) | (c >> 2): 0 -> 0, 16 -> 132, 31 -> 255.
std::uint8_t ExpandChannel(unsigned c);
// A 5-5-5 pixel to red, green, blue.
void Expand555(std::uint16_t pixel, std::uint8_t* rgb);
// A 5-5-5 pixel as R, G, B, A bytes in little-endian memory order, alpha 255.
std::uint32_t PixelRgba(std::uint16_t pixel);

// The whole frame, top row first: 3 bytes a pixel, or RGBA into `out` (width x height).
std::vector<std::uint8_t> FrameRgb(const FrameBuffer& frame);
void FrameRgba(const FrameBuffer& frame, std::uint32_t* out);
// A loaded sprite's pixels as RGBA, top row first; empty when it has none.
std::vector<std::uint32_t> SpriteRgba(const Sprite* sprite);
