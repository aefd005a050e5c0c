// The one off-screen picture: 16-bit 5-5-5 pixels, rows stored bottom-up.
#pragma once

#include <cstdint>

#include "game/shell.h"

// Same layout as the platform's BITMAPINFOHEADER followed by one RGBQUAD, so the
// Windows side can hand it to the presentation call as it is.
struct BitmapInfoHeader {
  std::uint32_t size;
  std::int32_t width;
  std::int32_t height;
  std::uint16_t planes;
  std::uint16_t bitCount;
  std::uint32_t compression;
  std::uint32_t sizeImage;
  std::int32_t xPelsPerMeter;
  std::int32_t yPelsPerMeter;
  std::uint32_t clrUsed;
  std::uint32_t clrImportant;
};
struct BitmapInfo {
  BitmapInfoHeader header;
  std::uint32_t colors[1];
};
static_assert(sizeof(BitmapInfoHeader) == 40);

constexpr int kFrameWidth = 600;
constexpr int kFrameHeight = 400;

struct FrameBuffer {
  std::int32_t width;
  std::int32_t height;
  std::int32_t rowStep;          // -width: one row down the picture
  void* bits;                    // pixel memory as the platform hands it out
  std::uint16_t* pixels;         // the same memory; all drawing uses this
  std::int32_t* rowOffsets;      // per row y (from the top): index of its first pixel
  void* memoryDC;                // platform handles (null in the native build)
  BitmapInfo bitmapInfo;
  void* dibSection;
  void* previousBitmap;
};

extern FrameBuffer* frameBuffer;

void CreateFrameBuffer(int width, int height);
void DestroyFrameBuffer();
void PresentFrame(WindowHandle window);

// Platform seam, filled by the Windows shell or by plain memory natively.
// PlatformCreateFrame gets a FrameBuffer with width, height and bitmapInfo set and
// sets bits (all pixels 0) and the handles; false when no pixel memory was had.
// After a false result PlatformDestroyFrame is still called on the same frame,
// so it must release whatever part was made and skip the null handles.
bool PlatformCreateFrame(FrameBuffer& frame);
void PlatformDestroyFrame(FrameBuffer& frame);
void PlatformPresentFrame(const FrameBuffer& frame, WindowHandle window);
