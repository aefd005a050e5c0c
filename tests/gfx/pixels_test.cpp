// The one conversion from 5-5-5 pixels to 8-bit channels.
#include "gfx/pixels.h"

#include <gtest/gtest.h>

namespace {

TEST(Pixels, ChannelsExpandAsTheScreenShowsThem) {
  EXPECT_EQ(ExpandChannel(0), 0);
  EXPECT_EQ(ExpandChannel(1), 8);
  EXPECT_EQ(ExpandChannel(16), 132);
  EXPECT_EQ(ExpandChannel(31), 255);
  std::uint8_t rgb[3];
  Expand555(0x7C00 | (16 << 5) | 3, rgb);
  EXPECT_EQ(rgb[0], 255);
  EXPECT_EQ(rgb[1], 132);
  EXPECT_EQ(rgb[2], 24);
  // The canvas takes R, G, B, A bytes in memory order.
  EXPECT_EQ(PixelRgba(0x7C00 | (16 << 5) | 3), 0xFF1884FFu);
}

}  // namespace
