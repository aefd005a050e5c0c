// The fixed 256-colour palette every bitmap shares, and nearest-colour lookup.
#pragma once

#include <array>
#include <cstdint>

namespace assetgen {

struct Rgb {
  int r;
  int g;
  int b;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kOutline{46, 46, 52};      // card edges; never pure black
constexpr Rgb kShadow{34, 34, 40};
constexpr Rgb kWildField{30, 30, 36};
constexpr Rgb kFeltBase{30, 112, 60};
constexpr Rgb kGold{246, 190, 40};
constexpr Rgb kGoldDark{92, 58, 12};
constexpr Rgb kBackRed{186, 24, 32};
constexpr Rgb kBackDark{44, 10, 16};

// Card colours in colour-code order: blue, green, red, yellow.
constexpr std::array<Rgb, 4> kCardColours{{{16, 96, 208}, {28, 158, 64}, {218, 36, 40}, {246, 200, 22}}};

using Palette = std::array<Rgb, 256>;

// Index 0 is pure black; no other entry has all components below 8, so only
// index 0 becomes the transparent key after the 5-5-5 conversion.
const Palette& SharedPalette();

Rgb Mix(Rgb a, Rgb b, int num, int den);

// Nearest entry of `palette`; `avoidZero` skips index 0 (for opaque pixels of keyed art).
std::uint8_t Nearest(const Palette& palette, Rgb c, bool avoidZero, int count = 256);

}  // namespace assetgen
