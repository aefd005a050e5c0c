// The frame buffer's portable part: header, row table and row step. The pixel
// memory and the presentation are the platform's (PlatformCreateFrame etc.).
#include "gfx/framebuffer.h"

#include <new>

FrameBuffer* frameBuffer = nullptr;

namespace {

// Rows must fill whole 4-byte units for the presentation format, and every
// pixel index must fit the signed 32-bit row table.
bool UsableSize(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  if (width % 2 != 0) return false;
  return width <= 0x7FFF && height <= 0x7FFF;
}

}  // namespace

void CreateFrameBuffer(int width, int height) {
  if (frameBuffer != nullptr || !UsableSize(width, height)) return;

  auto* frame = new (std::nothrow) FrameBuffer{};
  if (frame == nullptr) return;
  frame->width = width;
  frame->height = height;

  BitmapInfoHeader& header = frame->bitmapInfo.header;
  header.size = sizeof(BitmapInfoHeader);
  header.width = width;
  header.height = height;  // positive: rows stored bottom-up
  header.planes = 1;
  header.bitCount = 16;
  header.compression = 0;  // BI_RGB: 5-5-5 pixels

  // Without pixel memory or a row table nothing could be drawn safely, so the
  // frame buffer is not made at all; RenderTable then does nothing.
  frame->rowOffsets = new (std::nothrow) std::int32_t[height];
  if (frame->rowOffsets == nullptr) {
    delete frame;
    return;
  }
  if (!PlatformCreateFrame(*frame) || frame->bits == nullptr) {
    PlatformDestroyFrame(*frame);
    delete[] frame->rowOffsets;
    delete frame;
    return;
  }
  frame->pixels = static_cast<std::uint16_t*>(frame->bits);
  for (int y = 0; y < height; ++y) frame->rowOffsets[y] = (height - 1 - y) * width;
  frame->rowStep = -width;
  frameBuffer = frame;
}

void DestroyFrameBuffer() {
  FrameBuffer* frame = frameBuffer;
  if (frame == nullptr) return;
  frameBuffer = nullptr;
  PlatformDestroyFrame(*frame);
  delete[] frame->rowOffsets;
  delete frame;
}

void PresentFrame(WindowHandle window) {
  if (frameBuffer == nullptr) return;
  PlatformPresentFrame(*frameBuffer, window);
}
