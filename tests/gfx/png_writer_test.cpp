#include "tools/render/png_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <map>
#include <string>

namespace {

std::uint32_t BigEndian(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) |
         b[at + 3];
}

// The chunks of a PNG by type, in their order, each checked against its CRC;
// IDAT holds the scanlines as zlib inflates them.
struct Chunks {
  std::vector<std::string> order;
  std::map<std::string, std::vector<std::uint8_t>> data;
};

Chunks ReadChunks(const std::vector<std::uint8_t>& png, std::size_t rawSize) {
  Chunks chunks;
  EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = BigEndian(png, at);
    if (at + 12 + length > png.size()) break;
    const std::string type(reinterpret_cast<const char*>(&png[at + 4]), 4);
    EXPECT_EQ(BigEndian(png, at + 8 + length), crc32(0, &png[at + 4], 4 + length)) << type;
    chunks.order.push_back(type);
    chunks.data[type].assign(png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                             png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  std::vector<std::uint8_t> raw(rawSize + 1);
  uLongf length = raw.size();
  const std::vector<std::uint8_t>& packed = chunks.data["IDAT"];
  EXPECT_EQ(uncompress(raw.data(), &length, packed.data(), packed.size()), Z_OK);
  raw.resize(length);
  chunks.data["IDAT"] = raw;
  return chunks;
}

TEST(PngWriter, RgbPicturesHoldEveryScanlineUnfiltered) {
  const int width = 200, height = 120;
  std::vector<std::uint8_t> rgb(width * height * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
  const std::size_t stride = 1 + width * 3;
  Chunks png = ReadChunks(EncodePng(width, height, rgb), stride * height);
  EXPECT_EQ(png.order, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  EXPECT_EQ(png.data["IHDR"], (std::vector<std::uint8_t>{0, 0, 0, 200, 0, 0, 0, 120, 8, 2, 0, 0, 0}));
  const std::vector<std::uint8_t>& raw = png.data["IDAT"];
  ASSERT_EQ(raw.size(), stride * height);
  for (int y = 0; y < height; ++y) {
    ASSERT_EQ(raw[y * stride], 0) << "filter byte of row " << y;
    ASSERT_EQ(std::memcmp(&raw[y * stride + 1], &rgb[y * width * 3], width * 3), 0) << y;
  }
}

// The kept icons: four bits a pixel, two to a byte, high nibble first (an odd
// width leaves the last low nibble 0), the clear entry the only one not opaque.
TEST(PngWriter, PalettePicturesPackTwoPixelsAByte) {
  const std::vector<std::uint8_t> palette = {0, 0, 0, 255, 255, 255, 10, 20, 30};
  const std::vector<std::uint8_t> indices = {0, 1, 2, 2, 1, 0};  // 3 x 2
  Chunks png = ReadChunks(EncodePalettePng(3, 2, palette, indices, 1), 2 * 3);
  EXPECT_EQ(png.order, (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
  EXPECT_EQ(png.data["IHDR"], (std::vector<std::uint8_t>{0, 0, 0, 3, 0, 0, 0, 2, 4, 3, 0, 0, 0}));
  EXPECT_EQ(png.data["PLTE"], palette);
  EXPECT_EQ(png.data["tRNS"], (std::vector<std::uint8_t>{255, 0}));
  EXPECT_EQ(png.data["IDAT"], (std::vector<std::uint8_t>{0, 0x01, 0x20, 0, 0x21, 0x00}));
  EXPECT_EQ(ReadChunks(EncodePalettePng(3, 2, palette, indices, -1), 6).order,
            (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
}

}  // namespace
