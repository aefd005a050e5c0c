#include "tools/render/png_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <string>

#include "tools/render/deflate.h"

namespace {

std::uint32_t BigEndian(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) |
         b[at + 3];
}

TEST(PngWriter, ChecksumsMatchTheirKnownValues) {
  const char* digits = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(digits), 9), 0xCBF43926u);
  const char* word = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(word), 9), 0x11E60398u);
  EXPECT_EQ(Adler32(nullptr, 0), 1u);
}

TEST(PngWriter, LargeImagesSplitIntoStoredBlocksThatHoldEveryScanline) {
  const int width = 200, height = 120;  // 72120 bytes of scanlines: two stored blocks
  std::vector<std::uint8_t> rgb(width * height * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
  const std::vector<std::uint8_t> png = EncodePng(width, height, rgb);

  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  // Chunks: IHDR, IDAT, IEND, each with a correct CRC.
  std::size_t at = 8;
  std::vector<std::string> types;
  std::vector<std::uint8_t> idat;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = BigEndian(png, at);
    ASSERT_LE(at + 12 + length, png.size());
    types.emplace_back(reinterpret_cast<const char*>(&png[at + 4]), 4);
    EXPECT_EQ(BigEndian(png, at + 8 + length), Crc32(&png[at + 4], 4 + length)) << types.back();
    if (types.back() == "IHDR") {
      EXPECT_EQ(BigEndian(png, at + 8), 200u);
      EXPECT_EQ(BigEndian(png, at + 12), 120u);
      EXPECT_EQ(png[at + 16], 8);  // bits per channel
      EXPECT_EQ(png[at + 17], 2);  // RGB
    }
    if (types.back() == "IDAT") idat.assign(png.begin() + at + 8, png.begin() + at + 8 + length);
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

  // zlib: header, stored blocks (LEN, ~LEN), final flag on the last only, Adler-32.
  ASSERT_GE(idat.size(), 6u);
  EXPECT_EQ((idat[0] * 256 + idat[1]) % 31, 0);
  std::vector<std::uint8_t> raw;
  std::size_t p = 2;
  int blocks = 0;
  bool final = false;
  while (!final) {
    ASSERT_LE(p + 5, idat.size());
    final = idat[p] == 1;
    EXPECT_TRUE(idat[p] == 0 || idat[p] == 1);
    const unsigned len = idat[p + 1] | (idat[p + 2] << 8);
    const unsigned nlen = idat[p + 3] | (idat[p + 4] << 8);
    EXPECT_EQ(len ^ 0xFFFFu, nlen);
    ASSERT_LE(p + 5 + len, idat.size());
    raw.insert(raw.end(), idat.begin() + p + 5, idat.begin() + p + 5 + len);
    p += 5 + len;
    ++blocks;
  }
  EXPECT_EQ(blocks, 2);
  ASSERT_EQ(p + 4, idat.size());
  EXPECT_EQ(BigEndian(idat, p), Adler32(raw.data(), raw.size()));
  ASSERT_EQ(raw.size(), static_cast<std::size_t>(height * (1 + width * 3)));
  for (int y = 0; y < height; ++y) {
    ASSERT_EQ(raw[y * (1 + width * 3)], 0) << "filter byte of row " << y;
    ASSERT_EQ(std::memcmp(&raw[y * (1 + width * 3) + 1], &rgb[y * width * 3], width * 3), 0) << y;
  }
}

}  // namespace

namespace {

// The deflate of the kept icons: zlib reads back every kind of input, runs
// longer than the longest match, repeats as far back as the window reaches
// and beyond it, and bytes that never repeat.
TEST(PngWriter, DeflatedStreamsInflateToTheirInput) {
  std::vector<std::vector<std::uint8_t>> inputs = {{}, {7}, {1, 2}, std::vector<std::uint8_t>(1000, 0)};
  std::vector<std::uint8_t> mixed;
  std::uint32_t seed = 1;
  for (int i = 0; i < 200000; ++i) {
    seed = seed * 1103515245u + 12345u;
    // Stretches of noise, runs and copies of what came 40000 or 300 bytes before.
    const int kind = (i / 5000) % 4;
    mixed.push_back(kind == 0 ? static_cast<std::uint8_t>(seed >> 24)
                    : kind == 1 ? 0x5A
                    : kind == 2 && mixed.size() > 40000 ? mixed[mixed.size() - 40000]
                    : mixed.size() > 300 ? mixed[mixed.size() - 300] : 3);
  }
  inputs.push_back(mixed);
  for (const std::vector<std::uint8_t>& input : inputs) {
    SCOPED_TRACE(input.size());
    const std::vector<std::uint8_t> packed = ZlibDeflate(input);
    std::vector<std::uint8_t> back(input.size() + 1);
    uLongf length = back.size();
    ASSERT_EQ(uncompress(back.data(), &length, packed.data(), packed.size()), Z_OK);
    back.resize(length);
    EXPECT_EQ(back, input);
  }
  EXPECT_LT(ZlibDeflate(inputs[3]).size(), 40u);  // a run is a few matches
}

}  // namespace
