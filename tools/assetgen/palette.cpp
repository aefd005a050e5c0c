#include "palette.h"

#include <cstdlib>

namespace assetgen {

Rgb Mix(Rgb a, Rgb b, int num, int den) {
  return Rgb{a.r + (b.r - a.r) * num / den, a.g + (b.g - a.g) * num / den, a.b + (b.b - a.b) * num / den};
}

namespace {

struct Builder {
  Palette colours{};
  int count = 0;
  void Add(Rgb c) {
    if (count >= 256) std::abort();  // a palette recipe that overflows is a bug
    if (c.r < 8 && c.g < 8 && c.b < 8 && count > 0) c = Rgb{8, 8, 8};
    colours[static_cast<std::size_t>(count++)] = c;
  }
  // Steps strictly between a and b (a and b themselves excluded).
  void Ramp(Rgb a, Rgb b, int steps) {
    for (int k = 1; k <= steps; ++k) Add(Mix(a, b, k, steps + 1));
  }
};

Palette BuildPalette() {
  Builder p;
  p.Add(kBlack);
  // Greys for white card borders against the dark outline.
  for (int i = 0; i < 28; ++i) {
    const int v = 12 + 243 * i / 27;
    p.Add(Rgb{v, v, v});
  }
  p.Add(kOutline);
  p.Add(kShadow);
  p.Add(kWildField);
  // Each card colour with tints toward white and shades toward the outline.
  for (const Rgb c : kCardColours) {
    p.Ramp(kWhite, c, 8);
    p.Add(c);
    p.Ramp(c, kShadow, 7);
    p.Ramp(c, kWildField, 2);
  }
  // Neighbouring card colours meet in the wild card's oval.
  for (int i = 0; i < 4; ++i) {
    for (int j = i + 1; j < 4; ++j) p.Ramp(kCardColours[static_cast<std::size_t>(i)], kCardColours[static_cast<std::size_t>(j)], 3);
  }
  // Felt greens, darker to lighter around the base, and felt against card edges.
  for (int i = 0; i < 22; ++i) p.Add(Rgb{14 + i * 2, 70 + i * 4, 34 + i * 5 / 2});
  p.Ramp(kFeltBase, kOutline, 4);
  // Gold for the arrows and the back's lettering.
  p.Ramp(kGoldDark, kGold, 9);
  p.Add(kGoldDark);
  p.Add(kGold);
  p.Ramp(kGold, kWhite, 4);
  p.Ramp(kGold, kBackRed, 3);
  // The back: deep reds.
  p.Ramp(kBackDark, kBackRed, 10);
  p.Add(kBackDark);
  p.Add(kBackRed);
  p.Ramp(kBackRed, kWhite, 3);
  p.Ramp(kBackDark, kShadow, 2);
  // A coarse cube for anything else.
  for (int r = 0; r < 4; ++r) {
    for (int g = 0; g < 4; ++g) {
      for (int b = 0; b < 4; ++b) {
        if (r + g + b == 0) continue;
        if (p.count < 256) p.Add(Rgb{r * 85, g * 85, b * 85});
      }
    }
  }
  while (p.count < 256) p.Add(Mix(kWhite, kShadow, 256 - p.count, 40));
  return p.colours;
}

}  // namespace

const Palette& SharedPalette() {
  static const Palette palette = BuildPalette();
  return palette;
}

std::uint8_t Nearest(const Palette& palette, Rgb c, bool avoidZero, int count) {
  int best = avoidZero ? 1 : 0;
  long bestDistance = -1;
  for (int i = avoidZero ? 1 : 0; i < count; ++i) {
    const Rgb& p = palette[static_cast<std::size_t>(i)];
    const long dr = p.r - c.r;
    const long dg = p.g - c.g;
    const long db = p.b - c.b;
    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace assetgen
