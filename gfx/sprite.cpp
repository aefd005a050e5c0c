// Bitmap resources decoded into 16-bit sprites, the sprite table, and the two
// clipped blits into the frame buffer.
#include "gfx/sprite.h"

#include <cstring>
#include <new>

#include "gfx/framebuffer.h"

const char* const kSpriteNames[kSpriteCount] = {
#define ZOT_BITMAP(name) #name,
#include "resources/bitmaps.inc"
#undef ZOT_BITMAP
};
// One name a sprite: a shorter list would leave the last names null.
enum : int {
#define ZOT_BITMAP(name) kListed_##name,
#include "resources/bitmaps.inc"
#undef ZOT_BITMAP
  kListedBitmaps
};
static_assert(kListedBitmaps == kSpriteCount, "every sprite's bitmap is listed, and only those");

Sprite* feltSprite = nullptr;
Sprite* flowArrowSprite = nullptr;
Sprite* colorBarSprite = nullptr;
Sprite* cardSprites[kCardSpriteCount] = {};

namespace {

constexpr std::size_t kHeaderFieldsEnd = 36;     // through "colours used"
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaxPaletteColors = 256;
// Far above any of the game's bitmaps (at most 100 x 100); keeps every pixel
// index inside the signed 32-bit row table.
constexpr std::size_t kMaxSpritePixels = std::size_t{1} << 24;

std::uint32_t ReadU32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint16_t ConvertColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<std::uint16_t>(((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3));
}

// Where each sprite of the load order goes.
Sprite** SlotOf(int index) {
  switch (index) {
    case 0: return &feltSprite;
    case 1: return &flowArrowSprite;
    case 2: return &colorBarSprite;
    default: return &cardSprites[index - 3];
  }
}

void FreeSlot(Sprite*& slot) {
  if (slot == nullptr) return;
  DestroySprite(*slot);
  delete slot;
  slot = nullptr;
}

// The blit rectangle after clipping; false when nothing is left to draw.
struct BlitArea {
  int x, y, sx, sy, w, h;
};

bool ClipBlit(const FrameBuffer& frame, const Sprite& sprite, int x, int y, int sx, int sy,
              int w, int h, BlitArea* out) {
  // 64-bit so that no argument can overflow the arithmetic.
  std::int64_t dx = x, dy = y, srcX = sx, srcY = sy, cw = w, ch = h;
  const std::int64_t fw = frame.width, fh = frame.height;
  if (dx < 0) {
    cw += dx;
    srcX -= dx;
    dx = 0;
  }
  if (dy < 0) {
    ch += dy;
    srcY -= dy;
    dy = 0;
  }
  // The right and bottom cuts stop one pixel short of the edge: no blit ever
  // writes the frame's last column or last row.
  if (dx + cw >= fw) cw = fw - dx - 1;
  if (dy + ch >= fh) ch = fh - dy - 1;
  if (ch < 1 || cw < 1) return false;

  // Keep the source inside the sprite too, moving the destination with it, so
  // that a bitmap smaller than its callers expect cannot be read past its end.
  if (srcX < 0) {
    cw += srcX;
    dx -= srcX;
    srcX = 0;
  }
  if (srcY < 0) {
    ch += srcY;
    dy -= srcY;
    srcY = 0;
  }
  if (srcX + cw > sprite.width) cw = sprite.width - srcX;
  if (srcY + ch > sprite.height) ch = sprite.height - srcY;
  if (ch < 1 || cw < 1) return false;

  *out = BlitArea{static_cast<int>(dx),   static_cast<int>(dy), static_cast<int>(srcX),
                  static_cast<int>(srcY), static_cast<int>(cw), static_cast<int>(ch)};
  return true;
}

bool CanDraw(const Sprite* sprite) {
  return sprite != nullptr && sprite->pixels != nullptr && sprite->rowOffsets != nullptr &&
         frameBuffer != nullptr && frameBuffer->pixels != nullptr &&
         frameBuffer->rowOffsets != nullptr;
}

}  // namespace

bool DecodeSprite(Sprite& sprite, const std::uint8_t* bytes, std::size_t length) {
  DestroySprite(sprite);
  sprite.width = 0;
  sprite.height = 0;
  sprite.rowStep = 0;
  if (bytes == nullptr || length < kHeaderFieldsEnd) return false;

  const std::uint32_t headerSize = ReadU32(bytes);
  const std::uint32_t width = ReadU32(bytes + 4) & 0xFFFF;
  const std::uint32_t height = ReadU32(bytes + 8) & 0xFFFF;
  const std::uint16_t bitCount = ReadU16(bytes + 14);
  const std::uint32_t colorsUsed = ReadU32(bytes + 32);

  // A palette starting inside the info header, or past the end, means the
  // bytes are not the bitmap they claim to be.
  if (headerSize < kInfoHeaderSize || headerSize > length) return false;

  sprite.width = static_cast<std::int32_t>(width);
  sprite.height = static_cast<std::int32_t>(height);
  sprite.rowStep = static_cast<std::int32_t>(width);

  if (bitCount != 8) return false;
  // An 8-bit index reaches 256 entries at most. A larger count cannot be a
  // true palette, and the pixel offset it implies cannot be trusted either, so
  // such a bitmap is refused rather than clamped.
  const std::uint32_t colorCount = colorsUsed == 0 ? kMaxPaletteColors : colorsUsed;
  if (colorCount > kMaxPaletteColors) return false;
  if (width == 0 || height == 0) return false;
  if (std::size_t{width} * height > kMaxSpritePixels) return false;

  const std::size_t rowLength = (std::size_t{width} + 3) & ~std::size_t{3};
  std::size_t remaining = length - headerSize;
  if (std::size_t{colorCount} * 4 > remaining) return false;
  remaining -= std::size_t{colorCount} * 4;
  if (rowLength * height > remaining) return false;

  // Entries past the colour count stay 0 (black), never undefined.
  std::uint16_t palette[kMaxPaletteColors] = {};
  const std::uint8_t* entry = bytes + headerSize;
  for (std::uint32_t i = 0; i < colorCount; ++i, entry += 4) {
    palette[i] = ConvertColor(entry[2], entry[1], entry[0]);
  }

  const std::size_t pixelCount = std::size_t{width} * height;
  auto* pixels = new (std::nothrow) std::uint16_t[pixelCount];
  auto* rowOffsets = new (std::nothrow) std::int32_t[height];
  if (pixels == nullptr || rowOffsets == nullptr) {
    // Half a sprite could be drawn through a missing row table: keep neither.
    delete[] pixels;
    delete[] rowOffsets;
    return false;
  }

  const std::uint8_t* rows = bytes + headerSize + std::size_t{colorCount} * 4;
  for (std::uint32_t y = 0; y < height; ++y) {
    rowOffsets[y] = static_cast<std::int32_t>(y * width);
    const std::uint8_t* source = rows + (height - 1 - y) * rowLength;  // bottom-up
    std::uint16_t* target = pixels + std::size_t{y} * width;
    for (std::uint32_t x = 0; x < width; ++x) target[x] = palette[source[x]];
  }
  sprite.pixels = pixels;
  sprite.rowOffsets = rowOffsets;
  return true;
}

Sprite* LoadSprite(Sprite* sprite, ModuleHandle module, const char* name) {
  if (sprite == nullptr || name == nullptr) return sprite;
  ResourceBytes resource{};
  if (!OpenBitmapResource(module, name, &resource)) return sprite;
  DecodeSprite(*sprite, resource.data, resource.size);
  CloseBitmapResource(&resource);
  return sprite;
}

void DestroySprite(Sprite& sprite) {
  delete[] sprite.pixels;
  delete[] sprite.rowOffsets;
  sprite.pixels = nullptr;
  sprite.rowOffsets = nullptr;
}

void LoadSprites() {
  const ModuleHandle module = SpriteModule();
  for (int i = 0; i < kSpriteCount; ++i) {
    Sprite*& slot = *SlotOf(i);
    FreeSlot(slot);  // a second load replaces, never leaks
    slot = new (std::nothrow) Sprite{};
    if (slot != nullptr) LoadSprite(slot, module, kSpriteNames[i]);
  }
}

void FreeSprites() {
  // Cleared as they go, so a stray redraw after this finds empty slots and
  // draws nothing instead of reading freed memory.
  FreeSlot(flowArrowSprite);
  FreeSlot(feltSprite);
  FreeSlot(colorBarSprite);
  for (Sprite*& slot : cardSprites) FreeSlot(slot);
}

void BlitOpaque(int x, int y, const Sprite* sprite, int sx, int sy, int w, int h) {
  if (!CanDraw(sprite)) return;
  BlitArea area;
  if (!ClipBlit(*frameBuffer, *sprite, x, y, sx, sy, w, h, &area)) return;

  std::uint16_t* target = frameBuffer->pixels + frameBuffer->rowOffsets[area.y] + area.x;
  const std::uint16_t* source = sprite->pixels + sprite->rowOffsets[area.sy] + area.sx;
  const std::size_t blockBytes = static_cast<std::size_t>(area.w / 2) * 4;
  const bool oddPixel = (area.w & 1) != 0;
  for (int row = 0; row < area.h; ++row) {
    // One block per row: whole 4-byte units, then the last 2 bytes if any.
    std::memcpy(target, source, blockBytes);
    if (oddPixel) target[area.w - 1] = source[area.w - 1];
    target += frameBuffer->rowStep;
    source += sprite->rowStep;
  }
}

void BlitKeyed(int x, int y, const Sprite* sprite, int sx, int sy, int w, int h) {
  if (!CanDraw(sprite)) return;
  BlitArea area;
  if (!ClipBlit(*frameBuffer, *sprite, x, y, sx, sy, w, h, &area)) return;

  std::uint16_t* target = frameBuffer->pixels + frameBuffer->rowOffsets[area.y] + area.x;
  const std::uint16_t* source = sprite->pixels + sprite->rowOffsets[area.sy] + area.sx;
  for (int row = 0; row < area.h; ++row) {
    for (int i = 0; i < area.w; ++i) {
      if (source[i] != 0) target[i] = source[i];  // black is transparent
    }
    target += frameBuffer->rowStep;
    source += sprite->rowStep;
  }
}
