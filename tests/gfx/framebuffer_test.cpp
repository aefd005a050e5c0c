#include "gfx/framebuffer.h"

#include <gtest/gtest.h>

#include "gfx/native/native_platform.h"
#include "gfx/scene.h"
#include "gfx/sprite.h"
#include "gfx_test_support.h"

namespace {

struct FrameBufferTest : ::testing::Test {
  void TearDown() override { DestroyFrameBuffer(); }
};

TEST_F(FrameBufferTest, FreshFrameIsBlackWithBottomUpRowTable) {
  CreateFrameBuffer(600, 400);
  ASSERT_NE(frameBuffer, nullptr);
  EXPECT_EQ(frameBuffer->width, 600);
  EXPECT_EQ(frameBuffer->height, 400);
  EXPECT_EQ(frameBuffer->rowStep, -600);
  EXPECT_EQ(frameBuffer->pixels, frameBuffer->bits);
  EXPECT_EQ(frameBuffer->rowOffsets[0], 239400);
  EXPECT_EQ(frameBuffer->rowOffsets[399], 0);
  for (int y = 0; y < 400; ++y) ASSERT_EQ(frameBuffer->rowOffsets[y], (399 - y) * 600) << y;
  for (int i = 0; i < 600 * 400; ++i) ASSERT_EQ(frameBuffer->pixels[i], 0) << i;
}

TEST_F(FrameBufferTest, HeaderDescribesA16BitBottomUpBitmap) {
  CreateFrameBuffer(600, 400);
  ASSERT_NE(frameBuffer, nullptr);
  const BitmapInfoHeader& h = frameBuffer->bitmapInfo.header;
  EXPECT_EQ(h.size, 40u);
  EXPECT_EQ(h.width, 600);
  EXPECT_EQ(h.height, 400);  // positive: bottom-up
  EXPECT_EQ(h.planes, 1);
  EXPECT_EQ(h.bitCount, 16);
  EXPECT_EQ(h.compression, 0u);
  EXPECT_EQ(h.sizeImage, 0u);
  EXPECT_EQ(h.xPelsPerMeter, 0);
  EXPECT_EQ(h.yPelsPerMeter, 0);
  EXPECT_EQ(h.clrUsed, 0u);
  EXPECT_EQ(h.clrImportant, 0u);
}

TEST_F(FrameBufferTest, TopLeftIsElement239400AndBottomLeftElement0) {
  CreateFrameBuffer(600, 400);
  ASSERT_NE(frameBuffer, nullptr);
  Sprite* dot = MakeSprite(2, 2, [](int x, int y) { return static_cast<std::uint16_t>(1 + x + 2 * y); });
  BlitOpaque(0, 0, dot, 0, 0, 2, 2);
  EXPECT_EQ(frameBuffer->pixels[239400], 1);      // (0, 0)
  EXPECT_EQ(frameBuffer->pixels[239401], 2);      // (1, 0)
  EXPECT_EQ(frameBuffer->pixels[238800], 3);      // (0, 1): one row down is -600
  BlitOpaque(0, 397, dot, 0, 0, 2, 2);            // rows 397, 398 (399 is never drawn)
  EXPECT_EQ(frameBuffer->pixels[1200], 1);
  EXPECT_EQ(frameBuffer->pixels[600], 3);
  EXPECT_EQ(frameBuffer->pixels[0], 0);
  DestroySprite(*dot);
  delete dot;
}

TEST_F(FrameBufferTest, UnusableSizesLeaveNoFrameBuffer) {
  for (auto [w, h] : {std::pair{0, 400}, {600, 0}, {-600, 400}, {600, -400}, {601, 400}, {70000, 2}}) {
    CreateFrameBuffer(w, h);
    EXPECT_EQ(frameBuffer, nullptr) << w << " x " << h;
  }
}

TEST_F(FrameBufferTest, SecondCreateKeepsTheFirstFrame) {
  CreateFrameBuffer(600, 400);
  FrameBuffer* first = frameBuffer;
  CreateFrameBuffer(200, 100);
  EXPECT_EQ(frameBuffer, first);
  EXPECT_EQ(frameBuffer->width, 600);
}

TEST_F(FrameBufferTest, DestroyClearsTheGlobalAndToleratesRepeats) {
  CreateFrameBuffer(600, 400);
  DestroyFrameBuffer();
  EXPECT_EQ(frameBuffer, nullptr);
  DestroyFrameBuffer();
  EXPECT_EQ(frameBuffer, nullptr);
}

TEST_F(FrameBufferTest, PresentHandsTheFrameToTheGivenWindow) {
  int window = 0;
  const int before = PresentedFrameCount();
  PresentFrame(&window);  // no frame buffer yet: nothing to present
  EXPECT_EQ(PresentedFrameCount(), before);
  CreateFrameBuffer(600, 400);
  PresentFrame(&window);
  EXPECT_EQ(PresentedFrameCount(), before + 1);
  EXPECT_EQ(LastPresentedWindow(), &window);
}

}  // namespace
