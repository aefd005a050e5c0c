#include <gtest/gtest.h>

#include "gfx/framebuffer.h"
#include "gfx/sprite.h"
#include "gfx_test_support.h"

namespace {

constexpr std::uint16_t kBackground = 0x2AAA;

struct BlitTest : ::testing::Test {
  Sprite* card = nullptr;
  Sprite* tile = nullptr;
  void SetUp() override {
    CreateFrameBuffer(600, 400);
    ASSERT_NE(frameBuffer, nullptr);
    FillFrame(kBackground);
    card = MakeSprite(60, 90, [](int x, int y) { return static_cast<std::uint16_t>(1 + x + 60 * y); });
    tile = MakeSprite(100, 100, [](int x, int y) { return static_cast<std::uint16_t>(1 + x + 100 * y); });
  }
  void TearDown() override {
    for (Sprite* s : {card, tile}) {
      DestroySprite(*s);
      delete s;
    }
    DestroyFrameBuffer();
  }
  // Frame pixels that differ from the background, as a bounding box.
  struct Box {
    int left = 600, top = 400, right = -1, bottom = -1, count = 0;
  };
  static Box Written() {
    Box b;
    for (int y = 0; y < 400; ++y) {
      for (int x = 0; x < 600; ++x) {
        if (FramePixel(x, y) == kBackground) continue;
        b.left = std::min(b.left, x);
        b.right = std::max(b.right, x);
        b.top = std::min(b.top, y);
        b.bottom = std::max(b.bottom, y);
        ++b.count;
      }
    }
    return b;
  }
};

TEST_F(BlitTest, LeftEdgeCutsExactlyAndShiftsTheSource) {
  BlitOpaque(-10, 0, card, 0, 0, 60, 90);
  const Box b = Written();
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.right, 49);
  EXPECT_EQ(b.top, 0);
  EXPECT_EQ(b.bottom, 89);
  EXPECT_EQ(b.count, 50 * 90);
  EXPECT_EQ(FramePixel(0, 0), SpritePixel(*card, 10, 0));
  EXPECT_EQ(FramePixel(49, 89), SpritePixel(*card, 59, 89));
}

TEST_F(BlitTest, TopEdgeCutsExactlyAndShiftsTheSource) {
  BlitOpaque(100, -30, card, 0, 0, 60, 90);
  const Box b = Written();
  EXPECT_EQ(b.top, 0);
  EXPECT_EQ(b.bottom, 59);
  EXPECT_EQ(b.count, 60 * 60);
  EXPECT_EQ(FramePixel(100, 0), SpritePixel(*card, 0, 30));
}

TEST_F(BlitTest, RightAndBottomEdgesCutOnePixelShort) {
  BlitOpaque(540, 310, card, 0, 0, 60, 90);
  const Box b = Written();
  EXPECT_EQ(b.left, 540);
  EXPECT_EQ(b.right, 598);
  EXPECT_EQ(b.top, 310);
  EXPECT_EQ(b.bottom, 398);
  EXPECT_EQ(b.count, 59 * 89);
  EXPECT_EQ(FramePixel(598, 398), SpritePixel(*card, 58, 88));
}

TEST_F(BlitTest, FeltTileInTheCornerWritesA99By99Block) {
  BlitOpaque(500, 300, tile, 0, 0, 100, 100);
  const Box b = Written();
  EXPECT_EQ(b.right - b.left + 1, 99);
  EXPECT_EQ(b.bottom - b.top + 1, 99);
  EXPECT_EQ(b.count, 99 * 99);
  for (int i = 0; i < 400; ++i) ASSERT_EQ(FramePixel(599, i), kBackground);
  for (int i = 0; i < 600; ++i) ASSERT_EQ(FramePixel(i, 399), kBackground);
}

TEST_F(BlitTest, AllFourEdgesAtOnce) {
  Sprite* huge = MakeSprite(700, 500, [](int x, int y) { return static_cast<std::uint16_t>(1 + (x + y) % 1000); });
  BlitOpaque(-50, -40, huge, 0, 0, 700, 500);
  const Box b = Written();
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.top, 0);
  EXPECT_EQ(b.right, 598);
  EXPECT_EQ(b.bottom, 398);
  EXPECT_EQ(b.count, 599 * 399);
  EXPECT_EQ(FramePixel(0, 0), SpritePixel(*huge, 50, 40));
  DestroySprite(*huge);
  delete huge;
}

TEST_F(BlitTest, RectanglesLeftWithNothingDrawNothing) {
  const struct {
    int x, y, w, h;
  } cases[] = {
      {599, 0, 60, 90},  {700, 0, 60, 90},   {0, 399, 60, 90}, {0, 450, 60, 90},
      {-60, 0, 60, 90},  {-100, 0, 60, 90},  {0, -90, 60, 90}, {10, 10, 0, 90},
      {10, 10, 60, 0},   {10, 10, -5, 90},   {10, 10, 60, -1},
      {-2147483647, 0, 60, 90}, {0, 0, 2147483647, -2147483647},
  };
  for (const auto& c : cases) {
    BlitOpaque(c.x, c.y, card, 0, 0, c.w, c.h);
    BlitKeyed(c.x, c.y, card, 0, 0, c.w, c.h);
    ASSERT_EQ(Written().count, 0) << c.x << "," << c.y << " " << c.w << "x" << c.h;
  }
  BlitOpaque(598, 398, card, 0, 0, 60, 90);  // the last pixel a blit may reach
  EXPECT_EQ(Written().count, 1);
}

TEST_F(BlitTest, OddWidthsCopyExactlyTheirPixels) {
  for (int w : {1, 3, 59}) {
    FillFrame(kBackground);
    BlitOpaque(10, 20, card, 0, 0, w, 2);
    EXPECT_EQ(Written().count, 2 * w) << w;
    EXPECT_EQ(FramePixel(10 + w - 1, 21), SpritePixel(*card, w - 1, 1));
    EXPECT_EQ(FramePixel(10 + w, 20), kBackground);
  }
}

TEST_F(BlitTest, InnerSourceRectangle) {
  BlitOpaque(200, 100, card, 7, 11, 13, 17);
  const Box b = Written();
  EXPECT_EQ(b.count, 13 * 17);
  EXPECT_EQ(FramePixel(200, 100), SpritePixel(*card, 7, 11));
  EXPECT_EQ(FramePixel(212, 116), SpritePixel(*card, 19, 27));
}

TEST_F(BlitTest, KeyedLeavesBlackOutOnAllRows) {
  // A 20 x 20 cell with transparent pixels in every row, first and last too.
  Sprite* atlas = MakeSprite(43, 43, [](int x, int y) {
    return static_cast<std::uint16_t>((x + y) % 3 == 0 ? 0 : 0x7000 + x + 43 * y);
  });
  BlitKeyed(300, 200, atlas, 22, 22, 20, 20);
  int drawn = 0;
  for (int dy = 0; dy < 20; ++dy) {
    for (int dx = 0; dx < 20; ++dx) {
      const std::uint16_t source = SpritePixel(*atlas, 22 + dx, 22 + dy);
      const std::uint16_t expected = source == 0 ? kBackground : source;
      ASSERT_EQ(FramePixel(300 + dx, 200 + dy), expected) << dx << "," << dy;
      drawn += source != 0;
    }
  }
  EXPECT_EQ(Written().count, drawn);
  EXPECT_NE(FramePixel(301, 219), kBackground);  // row 20 of 20 drawn: (23, 41) is opaque
  DestroySprite(*atlas);
  delete atlas;
}

TEST_F(BlitTest, KeyedClipsLikeOpaque) {
  BlitKeyed(540, 310, card, 0, 0, 60, 90);
  const Box b = Written();
  EXPECT_EQ(b.right, 598);
  EXPECT_EQ(b.bottom, 398);
  EXPECT_EQ(b.count, 59 * 89);
  BlitKeyed(-10, -20, card, 0, 0, 60, 90);
  EXPECT_EQ(FramePixel(0, 0), SpritePixel(*card, 10, 20));
}

TEST_F(BlitTest, MissingSpritesOrFrameDrawNothing) {
  BlitOpaque(10, 10, nullptr, 0, 0, 60, 90);
  BlitKeyed(10, 10, nullptr, 0, 0, 60, 90);
  Sprite empty{60, 90, 60, nullptr, nullptr};  // as a failed load leaves it
  BlitOpaque(10, 10, &empty, 0, 0, 60, 90);
  BlitKeyed(10, 10, &empty, 0, 0, 60, 90);
  EXPECT_EQ(Written().count, 0);
  DestroyFrameBuffer();
  BlitOpaque(10, 10, card, 0, 0, 60, 90);  // no frame: no crash, no write
  BlitKeyed(10, 10, card, 0, 0, 60, 90);
}

TEST_F(BlitTest, SourceIsKeptInsideASmallerSprite) {
  // A bitmap smaller than the caller's rectangle is drawn only as far as it goes.
  Sprite* small = MakeSprite(30, 25, [](int x, int y) { return static_cast<std::uint16_t>(1 + x + 30 * y); });
  BlitOpaque(100, 100, small, 0, 0, 60, 90);
  Box b = Written();
  EXPECT_EQ(b.count, 30 * 25);
  EXPECT_EQ(b.right, 129);
  EXPECT_EQ(b.bottom, 124);
  FillFrame(kBackground);
  BlitKeyed(100, 100, small, 22, 22, 20, 20);
  b = Written();
  EXPECT_EQ(b.count, 8 * 3);
  EXPECT_EQ(FramePixel(100, 100), SpritePixel(*small, 22, 22));
  FillFrame(kBackground);
  BlitOpaque(100, 100, small, -5, -3, 10, 10);  // source corner outside: destination moves with it
  b = Written();
  EXPECT_EQ(b.left, 105);
  EXPECT_EQ(b.top, 103);
  EXPECT_EQ(b.count, 5 * 7);
  EXPECT_EQ(FramePixel(105, 103), SpritePixel(*small, 0, 0));
  DestroySprite(*small);
  delete small;
}

}  // namespace
