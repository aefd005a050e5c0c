#include "gfx/pixels.h"

#include "gfx/framebuffer.h"
#include "gfx/sprite.h"

std::uint8_t ExpandChannel(unsigned c) {
  c &= 31;
  return static_cast<std::uint8_t>((c << 3) | (c >> 2));
}

void Expand555(std::uint16_t pixel, std::uint8_t* rgb) {
  rgb[0] = ExpandChannel(pixel >> 10);
  rgb[1] = ExpandChannel(pixel >> 5);
  rgb[2] = ExpandChannel(pixel);
}

std::uint32_t PixelRgba(std::uint16_t pixel) {
  std::uint8_t rgb[3];
  Expand555(pixel, rgb);
  return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16) | 0xFF000000u;
}

std::vector<std::uint8_t> FrameRgb(const FrameBuffer& frame) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(frame.width) * frame.height * 3);
  std::uint8_t* out = rgb.data();
  for (int y = 0; y < frame.height; ++y) {
    const std::uint16_t* row = frame.pixels + frame.rowOffsets[y];
    for (int x = 0; x < frame.width; ++x, out += 3) Expand555(row[x], out);
  }
  return rgb;
}

void FrameRgba(const FrameBuffer& frame, std::uint32_t* out) {
  for (int y = 0; y < frame.height; ++y) {
    const std::uint16_t* row = frame.pixels + frame.rowOffsets[y];
    for (int x = 0; x < frame.width; ++x) *out++ = PixelRgba(row[x]);
  }
}

std::vector<std::uint32_t> SpriteRgba(const Sprite* sprite) {
  std::vector<std::uint32_t> rgba;
  if (sprite == nullptr || sprite->pixels == nullptr) return rgba;
  rgba.reserve(static_cast<std::size_t>(sprite->width) * sprite->height);
  for (int y = 0; y < sprite->height; ++y) {
    for (int x = 0; x < sprite->width; ++x) rgba.push_back(PixelRgba(sprite->pixels[sprite->rowOffsets[y] + x]));
  }
  return rgba;
}
