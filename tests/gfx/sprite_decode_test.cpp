#include <gtest/gtest.h>

#include <memory>

#include "gfx/sprite.h"
#include "gfx_test_support.h"

namespace {

// Decodes from a heap block of exactly the given length, so the sanitizer sees
// any read past the end.
struct Decoded {
  Sprite sprite{};
  bool ok = false;
  explicit Decoded(const std::vector<std::uint8_t>& bytes, std::size_t length) {
    auto block = std::make_unique<std::uint8_t[]>(length == 0 ? 1 : length);
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length), block.get());
    ok = DecodeSprite(sprite, block.get(), length);
  }
  explicit Decoded(const std::vector<std::uint8_t>& bytes) : Decoded(bytes, bytes.size()) {}
  ~Decoded() { DestroySprite(sprite); }
  std::uint16_t At(int x, int y) const { return SpritePixel(sprite, x, y); }
};

void ExpectNoPixels(const Decoded& d) {
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.sprite.pixels, nullptr);
  EXPECT_EQ(d.sprite.rowOffsets, nullptr);
}

TEST(PaletteConversion, KeepsTheTopFiveBitsRedHighest) {
  const Rgb colors[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255},
                        {7, 7, 7},   {8, 16, 24}, {0x87, 0x43, 0xF9}};
  BitmapLayout layout;
  layout.width = 7;
  layout.height = 1;
  layout.color = [&](int i) { return i < 7 ? colors[i] : Rgb{1, 2, 3}; };
  layout.index = [](int x, int) { return static_cast<std::uint8_t>(x); };
  Decoded d(MakeBitmap(layout));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.At(0, 0), 0x7C00);
  EXPECT_EQ(d.At(1, 0), 0x03E0);
  EXPECT_EQ(d.At(2, 0), 0x001F);
  EXPECT_EQ(d.At(3, 0), 0x7FFF);
  EXPECT_EQ(d.At(4, 0), 0);  // all components below 8: black, so transparent when keyed
  EXPECT_EQ(d.At(5, 0), (1 << 10) | (2 << 5) | 3);
  EXPECT_EQ(d.At(6, 0), (0x10 << 10) | (0x08 << 5) | 0x1F);
}

TEST(DecodeSprite, TopRowComesFromTheLastStoredRow) {
  BitmapLayout layout;
  layout.width = 8;
  layout.height = 5;
  Decoded d(MakeBitmap(layout));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.sprite.width, 8);
  EXPECT_EQ(d.sprite.height, 5);
  EXPECT_EQ(d.sprite.rowStep, 8);
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(d.sprite.rowOffsets[y], 8 * y);
    for (int x = 0; x < 8; ++x) ASSERT_EQ(d.At(x, y), Pixel555(layout.color(x + 16 * y))) << x << "," << y;
  }
}

TEST(DecodeSprite, RowsArePaddedToFourBytes) {
  // 43 wide reads 44-byte rows; 60 and 100 wide read rows of exactly that many
  // bytes, and a resource that ends with the last row is complete.
  for (std::uint32_t width : {1u, 2u, 3u, 43u, 60u, 100u}) {
    BitmapLayout layout;
    layout.width = width;
    layout.height = 3;
    layout.index = [](int x, int y) { return static_cast<std::uint8_t>((x * 5 + y * 3) % 200); };
    layout.padding = 0xFF;
    const auto bytes = MakeBitmap(layout);
    EXPECT_EQ(bytes.size(), 40 + 1024 + 3 * ((width + 3) / 4 * 4));
    Decoded d(bytes);
    ASSERT_TRUE(d.ok) << width;
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < static_cast<int>(width); ++x) {
        ASSERT_EQ(d.At(x, y), Pixel555(layout.color((x * 5 + y * 3) % 200))) << width << ": " << x << "," << y;
      }
    }
  }
}

TEST(DecodeSprite, ZeroColoursUsedMeansAFull256EntryPalette) {
  BitmapLayout layout;
  layout.colorsUsed = 0;
  layout.index = [](int x, int y) { return static_cast<std::uint8_t>(250 + x + y); };
  Decoded d(MakeBitmap(layout));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.At(0, 0), Pixel555(layout.color(250)));
  EXPECT_EQ(d.At(3, 1), Pixel555(layout.color(254)));
}

TEST(DecodeSprite, ShortPaletteMovesThePixelsUpAndLeavesLaterEntriesBlack) {
  BitmapLayout layout;
  layout.colorsUsed = 2;
  layout.paletteEntries = 2;
  layout.color = [](int i) { return i == 0 ? Rgb{255, 0, 0} : Rgb{0, 0, 255}; };
  layout.index = [](int x, int) { return static_cast<std::uint8_t>(x == 3 ? 200 : x % 2); };
  Decoded d(MakeBitmap(layout));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.At(0, 0), 0x7C00);
  EXPECT_EQ(d.At(1, 0), 0x001F);
  EXPECT_EQ(d.At(2, 1), 0x7C00);
  EXPECT_EQ(d.At(3, 0), 0);  // index beyond the colour count
}

TEST(DecodeSprite, LargerHeaderMovesThePalette) {
  BitmapLayout layout;
  layout.headerSize = 108;
  Decoded d(MakeBitmap(layout));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.At(2, 1), Pixel555(layout.color(18)));
}

TEST(DecodeSprite, SizesAreTheLow16BitsOfTheHeaderFields) {
  BitmapLayout layout;
  auto bytes = MakeBitmap(layout);
  bytes[6] = 0x01;   // width 0x00010004
  bytes[11] = 0x80;  // height 0x80000002
  Decoded d(bytes);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.sprite.width, 4);
  EXPECT_EQ(d.sprite.height, 2);
}

TEST(DecodeSprite, OtherBitCountsGiveASizedSpriteWithoutPixels) {
  for (std::uint16_t bits : {1, 4, 16, 24, 32, 0, 0x108}) {
    BitmapLayout layout;
    layout.width = 60;
    layout.height = 90;
    layout.bitCount = bits;
    Decoded d(MakeBitmap(layout));
    ExpectNoPixels(d);
    EXPECT_EQ(d.sprite.width, 60) << bits;
    EXPECT_EQ(d.sprite.height, 90) << bits;
  }
}

TEST(DecodeSprite, MoreThan256ColoursIsRefused) {
  for (std::uint32_t used : {257u, 1000u, 0xFFFFFFFFu}) {
    BitmapLayout layout;
    layout.colorsUsed = used;
    Decoded d(MakeBitmap(layout));
    ExpectNoPixels(d);
  }
  BitmapLayout exact;
  exact.colorsUsed = 256;
  EXPECT_TRUE(Decoded(MakeBitmap(exact)).ok);
}

TEST(DecodeSprite, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
  BitmapLayout layout;
  layout.width = 43;
  layout.height = 4;
  const auto bytes = MakeBitmap(layout);
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    Decoded d(bytes, length);
    ASSERT_FALSE(d.ok) << length;
    ASSERT_EQ(d.sprite.pixels, nullptr) << length;
  }
  EXPECT_TRUE(Decoded(bytes).ok);
  Sprite sprite{};
  EXPECT_FALSE(DecodeSprite(sprite, nullptr, 4096));
}

TEST(DecodeSprite, HeaderSizeMustLieInsideTheResource) {
  for (std::uint32_t headerSize : {0u, 12u, 39u, 5000u, 0xFFFFFFF0u}) {
    auto bytes = MakeBitmap(BitmapLayout{});
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(headerSize >> (8 * i));
    Decoded d(bytes);
    ExpectNoPixels(d);
  }
}

TEST(DecodeSprite, EmptyOrAbsurdSizesGiveNoPixels) {
  for (auto [w, h] : {std::pair{0u, 5u}, {5u, 0u}, {0u, 0u}}) {
    BitmapLayout layout;
    layout.width = w;
    layout.height = h;
    Decoded d(MakeBitmap(layout));
    ExpectNoPixels(d);
  }
  // A claim of 65535 x 65535 over a few bytes must fail on the length, before
  // any allocation of that size.
  auto bytes = MakeBitmap(BitmapLayout{});
  for (int i : {4, 5, 8, 9}) bytes[i] = 0xFF;
  Decoded d(bytes);
  ExpectNoPixels(d);
}

TEST(DecodeSprite, DecodingAgainReplacesThePixels) {
  BitmapLayout big;
  big.width = 60;
  big.height = 90;
  const auto first = MakeBitmap(big);
  Sprite sprite{};
  ASSERT_TRUE(DecodeSprite(sprite, first.data(), first.size()));
  BitmapLayout bad;
  bad.bitCount = 4;
  const auto second = MakeBitmap(bad);
  EXPECT_FALSE(DecodeSprite(sprite, second.data(), second.size()));
  EXPECT_EQ(sprite.pixels, nullptr);  // the old pixels were released, not kept
  DestroySprite(sprite);
}

}  // namespace
