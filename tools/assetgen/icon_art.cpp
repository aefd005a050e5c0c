#include "icon_art.h"

#include "indexed_image.h"
#include "palette.h"
#include "raster.h"
#include "tools/render/png_writer.h"

namespace assetgen {

namespace {

// Sixteen colours; index 0 is what the mask's transparent pixels hold.
Palette IconPalette() {
  Palette p{};
  const Rgb colours[16] = {kBlack,          kWhite,          kOutline,        {150, 150, 156},
                           kCardColours[0], {8, 48, 120},    kCardColours[1], {12, 84, 34},
                           kCardColours[2], {120, 16, 20},   kCardColours[3], {150, 112, 8},
                           kBackRed,        kGold,           {214, 214, 220}, {90, 90, 98}};
  for (int i = 0; i < 16; ++i) p[static_cast<std::size_t>(i)] = colours[i];
  for (int i = 16; i < 256; ++i) p[static_cast<std::size_t>(i)] = kBlack;
  return p;
}

struct IconImage {
  int size;
  std::vector<std::uint8_t> colour;  // top row first, palette indices 0..15
  std::vector<std::uint8_t> clear;   // 1 where the desktop shows through
};

// The fan on a square of `size` pixels, drawn at `art` of its full size about
// the middle (1: the window icon's own fan, filling the square).
IconImage DrawFan(int size, double art = 1.0) {
  const double k = size / 32.0 * art;
  const double shift = size / 2.0 * (1.0 - art);
  Canvas canvas(size, size, kBlack);
  // Strokes of a pixel at the window icon's size, and thicker when smaller.
  const double edge = size <= 16 ? 1.1 : size <= 32 ? 1.0 : k;
  struct CardPose {
    Point centre;
    double degrees;
    Rgb colour;
  };
  const CardPose poses[3] = {{{9.6, 17.2}, -22.0, kCardColours[2]},
                             {{16.0, 14.6}, 0.0, kCardColours[3]},
                             {{22.4, 17.2}, 22.0, kCardColours[0]}};
  for (const CardPose& pose : poses) {
    const Point centre{shift + pose.centre.x * k, shift + pose.centre.y * k};
    const double w = 14.0 * k;
    const double h = 21.0 * k;
    canvas.Fill(RotatedRoundRect(centre, w, h, 2.4 * k, pose.degrees), kOutline);
    canvas.Fill(RotatedRoundRect(centre, w - 2 * edge, h - 2 * edge, 1.8 * k, pose.degrees), kWhite);
    canvas.Fill(RotatedRoundRect(centre, w - 2 * edge - 2.2 * k, h - 2 * edge - 2.2 * k, 1.2 * k, pose.degrees),
                pose.colour);
    if (size > 16 && pose.degrees > 0) canvas.Fill(Ellipse(centre, 3.0 * k, 6.0 * k, pose.degrees + 28.0), kWhite);
  }
  const Palette palette = IconPalette();
  IconImage image{size, {}, {}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool solid = canvas.Coverage(x, y) * 2 >= Canvas::kScale * Canvas::kScale;
      image.colour.push_back(solid ? Nearest(palette, canvas.PaintedPixel(x, y), true, 16) : 0);
      image.clear.push_back(solid ? 0 : 1);
    }
  }
  return image;
}

// One icon image: info header (height doubled for the mask), palette, 4-bit rows, mask rows.
std::vector<std::uint8_t> EncodeIconImage(const IconImage& image) {
  const Palette palette = IconPalette();
  const int n = image.size;
  const std::uint32_t colourRow = ((static_cast<std::uint32_t>(n) * 4 + 31) / 32) * 4;
  const std::uint32_t maskRow = ((static_cast<std::uint32_t>(n) + 31) / 32) * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(n));
  Put32(out, static_cast<std::uint32_t>(2 * n));
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, (colourRow + maskRow) * static_cast<std::uint32_t>(n));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 16);
  Put32(out, 0);
  for (int i = 0; i < 16; ++i) {
    const Rgb& c = palette[static_cast<std::size_t>(i)];
    out.push_back(static_cast<std::uint8_t>(c.b));
    out.push_back(static_cast<std::uint8_t>(c.g));
    out.push_back(static_cast<std::uint8_t>(c.r));
    out.push_back(0);
  }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(colourRow, 0);
    for (int x = 0; x < n; ++x) {
      const std::uint8_t v = image.colour[static_cast<std::size_t>(y * n + x)];
      row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? v << 4 : v);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskRow, 0);
    for (int x = 0; x < n; ++x) {
      if (image.clear[static_cast<std::size_t>(y * n + x)]) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> BuildAppIcon(int size, bool maskable) {
  // Launchers cut a maskable icon to their own shape, keeping at least the
  // circle of 80 % of its width: the fan goes inside it, on the felt.
  const IconImage image = DrawFan(size, maskable ? 0.66 : 1.0);
  Palette palette = IconPalette();
  if (maskable) palette[0] = kFeltBase;
  std::vector<std::uint8_t> rgb;
  for (int i = 0; i < 16; ++i) {
    const Rgb& c = palette[static_cast<std::size_t>(i)];
    rgb.insert(rgb.end(), {static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g), static_cast<std::uint8_t>(c.b)});
  }
  return EncodePalettePng(size, size, rgb, image.colour, maskable ? -1 : 0);
}

std::vector<std::uint8_t> BuildIcon() {
  const std::vector<std::uint8_t> large = EncodeIconImage(DrawFan(32));
  const std::vector<std::uint8_t> small = EncodeIconImage(DrawFan(16));
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, 2);
  std::uint32_t offset = 6 + 2 * 16;
  for (const auto* image : {&large, &small}) {
    const int n = image == &large ? 32 : 16;
    out.push_back(static_cast<std::uint8_t>(n));
    out.push_back(static_cast<std::uint8_t>(n));
    out.push_back(16);  // colours
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 4);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(image->size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(image->size());
  }
  out.insert(out.end(), large.begin(), large.end());
  out.insert(out.end(), small.begin(), small.end());
  return out;
}

}  // namespace assetgen
