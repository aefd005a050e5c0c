// Icon 101: a 32 x 32 and a 16 x 16 image, 16 colours each, with AND masks.
#include <gtest/gtest.h>

#include "asset_files.h"

namespace {

using namespace assets_test;

TEST(IconFile, HoldsThirtyTwoAndSixteenPixelImagesInSixteenColours) {
  const Bytes file = ReadAll(ResourcePath("zot.ico"));
  ASSERT_GE(file.size(), 6u + 2 * 16u);
  EXPECT_EQ(Le16(file, 0), 0u);
  EXPECT_EQ(Le16(file, 2), 1u);  // icon, not cursor
  ASSERT_EQ(Le16(file, 4), 2u);
  const int sizes[2] = {32, 16};
  std::size_t expectedOffset = 6 + 2 * 16;
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(sizes[i]);
    const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
    const std::uint32_t n = static_cast<std::uint32_t>(sizes[i]);
    EXPECT_EQ(file[entry], n);
    EXPECT_EQ(file[entry + 1], n);
    EXPECT_EQ(file[entry + 2], 16);  // colour count
    EXPECT_EQ(Le16(file, entry + 4), 1u);
    EXPECT_EQ(Le16(file, entry + 6), 4u);
    const std::uint32_t bytes = Le32(file, entry + 8);
    const std::uint32_t offset = Le32(file, entry + 12);
    EXPECT_EQ(offset, expectedOffset);  // images follow each other without gaps
    ASSERT_LE(static_cast<std::size_t>(offset) + bytes, file.size());
    expectedOffset = offset + bytes;

    // The image: an info header with doubled height, 16 palette entries,
    // 4-bit colour rows, then 1-bit mask rows, each row padded to 4 bytes.
    EXPECT_EQ(Le32(file, offset), 40u);
    EXPECT_EQ(Le32(file, offset + 4), n);
    EXPECT_EQ(Le32(file, offset + 8), 2 * n);
    EXPECT_EQ(Le16(file, offset + 12), 1u);
    EXPECT_EQ(Le16(file, offset + 14), 4u);
    EXPECT_EQ(Le32(file, offset + 16), 0u);
    const std::uint32_t colourRow = (n * 4 + 31) / 32 * 4;
    const std::uint32_t maskRow = (n + 31) / 32 * 4;
    EXPECT_EQ(bytes, 40 + 16 * 4 + (colourRow + maskRow) * n);

    // The mask leaves the desktop showing around the fan, not a square block.
    const std::size_t maskAt = offset + 40 + 16 * 4 + colourRow * n;
    int clear = 0;
    for (std::uint32_t y = 0; y < n; ++y) {
      for (std::uint32_t x = 0; x < n; ++x) clear += (file[maskAt + y * maskRow + x / 8] >> (7 - x % 8)) & 1;
    }
    EXPECT_GT(clear, static_cast<int>(n * n / 8));
    EXPECT_LT(clear, static_cast<int>(n * n * 3 / 4));
  }
  EXPECT_EQ(expectedOffset, file.size());
}

}  // namespace
