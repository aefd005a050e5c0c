// libFuzzer target: arbitrary bytes as a bitmap resource, decoded and blitted.
// Any read or write out of bounds, any undefined behaviour, a pixel with bit 15
// set, or a write to the frame's last column or row stops the run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "gfx/framebuffer.h"
#include "gfx/sprite.h"

namespace {

bool EdgesStillBlack() {
  const FrameBuffer& f = *frameBuffer;
  for (int y = 0; y < f.height; ++y) {
    if (f.pixels[f.rowOffsets[y] + f.width - 1] != 0) return false;
  }
  for (int x = 0; x < f.width; ++x) {
    if (f.pixels[f.rowOffsets[f.height - 1] + x] != 0) return false;
  }
  return true;
}

// Places taken from the input itself so the fuzzer steers them too.
int Coordinate(const std::uint8_t* data, std::size_t size, std::size_t at, int span) {
  if (size == 0) return 0;
  const int byte = data[(at * 131) % size];
  return byte * span / 255 - span / 4;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    CreateFrameBuffer(kFrameWidth, kFrameHeight);
    return frameBuffer != nullptr;
  }();
  if (!ready) std::abort();

  Sprite sprite{};
  if (DecodeSprite(sprite, data, size)) {
    const std::size_t count = static_cast<std::size_t>(sprite.width) * sprite.height;
    for (std::size_t i = 0; i < count; ++i) {
      if (sprite.pixels[i] & 0x8000) std::abort();
    }
    const int x = Coordinate(data, size, 1, 800);
    const int y = Coordinate(data, size, 2, 560);
    BlitOpaque(x, y, &sprite, 0, 0, sprite.width, sprite.height);
    BlitKeyed(kFrameWidth - x, kFrameHeight - y, &sprite, 0, 0, sprite.width, sprite.height);
    // The table's own rectangles, whatever size the sprite turned out to be.
    BlitOpaque(x, y, &sprite, 0, 0, 100, 100);
    BlitOpaque(y, x, &sprite, 0, 40, 60, 20);
    BlitKeyed(x, y, &sprite, 22, 22, 20, 20);
    BlitKeyed(540, 310, &sprite, 1, 22, 20, 20);
    BlitOpaque(-x, -y, &sprite, Coordinate(data, size, 3, 80), Coordinate(data, size, 4, 80),
               Coordinate(data, size, 5, 200), Coordinate(data, size, 6, 200));
  }
  DestroySprite(sprite);
  if (!EdgesStillBlack()) std::abort();
  return 0;
}
