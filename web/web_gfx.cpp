// The browser side of the drawing: the frame in plain memory, presented into
// the page's 600 x 400 canvas; the bitmaps come from the files embedded in the
// module (gfx/native/bitmap_files.cpp reads them).
#include "web/web_gfx.h"

#include <emscripten/emscripten.h>

#include <new>

#include "gfx/framebuffer.h"
#include "gfx/sprite.h"
#include "tools/render/png_writer.h"

namespace {

// The canvas's picture, top row first, rebuilt at each present.
std::uint32_t* canvasPixels = nullptr;

EM_JS(void, zot_put_frame, (const void* rgba, int width, int height), {
  Zot.putFrame(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height);
});

}  // namespace

std::uint32_t PixelRgba(std::uint16_t pixel) {
  std::uint8_t rgb[3];
  Expand555(pixel, rgb);
  // Little-endian memory: R, G, B, A.
  return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16) | 0xFF000000u;
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

bool PlatformCreateFrame(FrameBuffer& frame) {
  const std::size_t count = static_cast<std::size_t>(frame.width) * frame.height;
  frame.bits = new (std::nothrow) std::uint16_t[count]();  // all black
  canvasPixels = new (std::nothrow) std::uint32_t[count];
  frame.memoryDC = nullptr;
  frame.dibSection = nullptr;
  frame.previousBitmap = nullptr;
  return frame.bits != nullptr && canvasPixels != nullptr;
}

void PlatformDestroyFrame(FrameBuffer& frame) {
  delete[] static_cast<std::uint16_t*>(frame.bits);
  delete[] canvasPixels;
  canvasPixels = nullptr;
  frame.bits = nullptr;
  frame.pixels = nullptr;
}

void PlatformPresentFrame(const FrameBuffer& frame, WindowHandle) {
  if (canvasPixels == nullptr) return;
  std::uint32_t* out = canvasPixels;
  for (int y = 0; y < frame.height; ++y) {
    const std::uint16_t* row = frame.pixels + frame.rowOffsets[y];
    for (int x = 0; x < frame.width; ++x) *out++ = PixelRgba(row[x]);
  }
  zot_put_frame(canvasPixels, frame.width, frame.height);
}
