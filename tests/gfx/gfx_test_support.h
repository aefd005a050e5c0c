// Shared helpers of the drawing tests: bitmap bytes made in memory, sprites
// whose pixels tell which sprite (and where in it) a frame pixel came from,
// and frame access that does not go through the frame's own row table.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <vector>

#include "game/shell.h"
#include "game/table.h"
#include "gfx/sprite.h"

struct Rgb {
  std::uint8_t red, green, blue;
};

// An 8-bit bitmap resource: info header, palette, bottom-up rows padded to 4
// bytes. `index(x, y)` gives the palette index of picture pixel (x, y), y from
// the top. `paletteEntries` entries are stored; `colorsUsed` is written as is.
struct BitmapLayout {
  std::uint32_t headerSize = 40;
  std::uint32_t width = 4;
  std::uint32_t height = 2;
  std::uint16_t bitCount = 8;
  std::uint32_t colorsUsed = 0;
  int paletteEntries = 256;
  std::function<Rgb(int)> color = [](int i) {
    return Rgb{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
               static_cast<std::uint8_t>(i * 7)};
  };
  std::function<std::uint8_t(int, int)> index = [](int x, int y) {
    return static_cast<std::uint8_t>(x + 16 * y);
  };
  std::uint8_t padding = 0xEE;
};
std::vector<std::uint8_t> MakeBitmap(const BitmapLayout& layout);
std::uint16_t Pixel555(Rgb c);

// A sprite allocated the way the decoder allocates, filled by value(x, y).
Sprite* MakeSprite(int width, int height, const std::function<std::uint16_t(int, int)>& value);
std::uint16_t SpritePixel(const Sprite& sprite, int x, int y);

// Identity sprites: every pixel value is unique to its sprite and place.
//   felt (x, y)          0x5000 + 100 y + x
//   card slot k, col x   ((k + 1) << 8) | x          (all rows alike)
//   colour bar (x, y)    0x3800 + 60 y + x
//   arrow atlas (x, y)   0x7800 + 43 y + x, or 0 (transparent) where (x + y) % 3 == 0
void InstallIdentitySprites();
bool ArrowOpaqueAt(int x, int y);

struct Seen {
  enum Kind { kBlack, kFelt, kCard, kBar, kArrow, kOther } kind;
  int a;  // felt/bar/arrow: x in the sprite; card: slot
  int b;  // felt/bar/arrow: y in the sprite; card: column
  bool operator==(const Seen&) const = default;
};
void PrintTo(const Seen& seen, std::ostream* out);
Seen Identify(std::uint16_t value);
Seen SeenCard(int slot, int column);
Seen SeenFelt(int x, int y);  // felt at frame (x, y)

// Frame pixel (x, y) by the bottom-up layout itself, not through rowOffsets.
std::uint16_t FramePixel(int x, int y);
void FillFrame(std::uint16_t value);

void SetPile(CardPile& pile, std::initializer_list<int> cards);
void SetPile(CardPile& pile, const std::vector<int>& cards);
// n coloured card codes, distinct while n <= 54.
std::vector<int> DistinctCards(int n);

// The drawing tests' platform: frames in plain memory, presenting counted.
int PresentedFrameCount();
WindowHandle LastPresentedWindow();
