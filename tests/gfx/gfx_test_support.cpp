#include "gfx_test_support.h"

#include "gfx/framebuffer.h"
#include "gfx/native/plain_frame.h"

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> MakeBitmap(const BitmapLayout& layout) {
  const std::size_t rowLength = (layout.width + 3) & ~3u;
  const std::size_t paletteBytes = 4 * static_cast<std::size_t>(layout.paletteEntries);
  std::vector<std::uint8_t> out(layout.headerSize + paletteBytes + rowLength * layout.height, 0);
  PutU32(out, 0, layout.headerSize);
  PutU32(out, 4, layout.width);
  PutU32(out, 8, layout.height);
  out[12] = 1;
  out[14] = static_cast<std::uint8_t>(layout.bitCount);
  out[15] = static_cast<std::uint8_t>(layout.bitCount >> 8);
  PutU32(out, 32, layout.colorsUsed);
  for (int i = 0; i < layout.paletteEntries; ++i) {
    const Rgb c = layout.color(i);
    const std::size_t at = layout.headerSize + 4 * static_cast<std::size_t>(i);
    out[at] = c.blue;
    out[at + 1] = c.green;
    out[at + 2] = c.red;
    out[at + 3] = 0x99;  // reserved byte, must be ignored
  }
  const std::size_t rows = layout.headerSize + paletteBytes;
  for (std::uint32_t stored = 0; stored < layout.height; ++stored) {
    const int y = static_cast<int>(layout.height - 1 - stored);
    for (std::size_t x = 0; x < rowLength; ++x) {
      out[rows + stored * rowLength + x] =
          x < layout.width ? layout.index(static_cast<int>(x), y) : layout.padding;
    }
  }
  return out;
}

std::uint16_t Pixel555(Rgb c) {
  return static_cast<std::uint16_t>(((c.red >> 3) << 10) | ((c.green >> 3) << 5) | (c.blue >> 3));
}

Sprite* MakeSprite(int width, int height, const std::function<std::uint16_t(int, int)>& value) {
  auto* sprite = new Sprite{width, height, width, nullptr, nullptr};
  sprite->pixels = new std::uint16_t[static_cast<std::size_t>(width) * height];
  sprite->rowOffsets = new std::int32_t[height];
  for (int y = 0; y < height; ++y) {
    sprite->rowOffsets[y] = y * width;
    for (int x = 0; x < width; ++x) sprite->pixels[y * width + x] = value(x, y);
  }
  return sprite;
}

std::uint16_t SpritePixel(const Sprite& sprite, int x, int y) {
  return sprite.pixels[y * sprite.width + x];
}

bool ArrowOpaqueAt(int x, int y) { return (x + y) % 3 != 0; }

void InstallIdentitySprites() {
  feltSprite = MakeSprite(100, 100, [](int x, int y) {
    return static_cast<std::uint16_t>(0x5000 + 100 * y + x);
  });
  flowArrowSprite = MakeSprite(43, 43, [](int x, int y) {
    return static_cast<std::uint16_t>(ArrowOpaqueAt(x, y) ? 0x7800 + 43 * y + x : 0);
  });
  colorBarSprite = MakeSprite(60, 80, [](int x, int y) {
    return static_cast<std::uint16_t>(0x3800 + 60 * y + x);
  });
  for (int k = 0; k < kCardSpriteCount; ++k) {
    cardSprites[k] = MakeSprite(60, 90, [k](int x, int) {
      return static_cast<std::uint16_t>(((k + 1) << 8) | x);
    });
  }
}

Seen Identify(std::uint16_t v) {
  if (v == 0) return {Seen::kBlack, 0, 0};
  if (v >= 0x7800 && v < 0x7800 + 43 * 43) return {Seen::kArrow, (v - 0x7800) % 43, (v - 0x7800) / 43};
  if (v >= 0x5000 && v < 0x5000 + 100 * 100) return {Seen::kFelt, (v - 0x5000) % 100, (v - 0x5000) / 100};
  if (v >= 0x3800 && v < 0x3800 + 60 * 80) return {Seen::kBar, (v - 0x3800) % 60, (v - 0x3800) / 60};
  if (v >= 0x100 && (v >> 8) <= kCardSpriteCount && (v & 0xFF) < 60) {
    return {Seen::kCard, (v >> 8) - 1, v & 0xFF};
  }
  return {Seen::kOther, v, 0};
}

void PrintTo(const Seen& seen, std::ostream* out) {
  static const char* const kinds[] = {"black", "felt", "card", "bar", "arrow", "other"};
  *out << kinds[seen.kind] << "(" << seen.a << ", " << seen.b << ")";
}

Seen SeenCard(int slot, int column) { return {Seen::kCard, slot, column}; }
Seen SeenFelt(int x, int y) { return {Seen::kFelt, x % 100, y % 100}; }

std::uint16_t FramePixel(int x, int y) {
  return frameBuffer->pixels[(frameBuffer->height - 1 - y) * frameBuffer->width + x];
}

void FillFrame(std::uint16_t value) {
  const int count = frameBuffer->width * frameBuffer->height;
  for (int i = 0; i < count; ++i) frameBuffer->pixels[i] = value;
}

void SetPile(CardPile& pile, const std::vector<int>& cards) {
  std::size_t i = 0;
  for (int c : cards) pile.cards[i++] = static_cast<CardCode>(c);
  pile.cards[i] = kNoCard;
}

void SetPile(CardPile& pile, std::initializer_list<int> cards) {
  SetPile(pile, std::vector<int>(cards));
}

std::vector<int> DistinctCards(int n) {
  std::vector<int> cards;
  for (int i = 0; i < n; ++i) cards.push_back(1 + i % 54);
  return cards;
}

namespace {
int presentedFrames = 0;
WindowHandle lastWindow = nullptr;
}  // namespace

// In place of the tools' plain-memory platform, which presents nowhere.
bool PlatformCreateFrame(FrameBuffer& frame) { return CreatePlainFrame(frame); }
void PlatformDestroyFrame(FrameBuffer& frame) { DestroyPlainFrame(frame); }
void PlatformPresentFrame(const FrameBuffer&, WindowHandle window) {
  ++presentedFrames;
  lastWindow = window;
}

int PresentedFrameCount() { return presentedFrames; }
WindowHandle LastPresentedWindow() { return lastWindow; }
