// The Windows side of the drawing: the frame as a DIB section in a memory DC,
// its presentation, the colour chooser's strips, and the bitmap resources of the module.
#include "app/win_access.h"
#include "app/win_scale.h"
#include "app/win_shell.h"

#include <algorithm>

#include "gfx/framebuffer.h"
#include "gfx/sprite.h"

static_assert(sizeof(BitmapInfoHeader) == sizeof(BITMAPINFOHEADER));
static_assert(sizeof(BitmapInfo) == sizeof(BITMAPINFO));

bool PlatformCreateFrame(FrameBuffer& frame) {
  HDC memoryDC = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(memoryDC, reinterpret_cast<const BITMAPINFO*>(&frame.bitmapInfo), DIB_RGB_COLORS,
                                     &bits, nullptr, 0);
  frame.memoryDC = memoryDC;
  frame.dibSection = section;
  frame.bits = bits;
  if (section == nullptr || bits == nullptr) {
    frame.previousBitmap = nullptr;
    return false;
  }
  frame.previousBitmap = SelectObject(memoryDC, section);
  PatBlt(memoryDC, 0, 0, frame.width, frame.height, BLACKNESS);
  // GDI may batch the fill; the blits write the pixels directly from now on.
  GdiFlush();
  return true;
}

void PlatformDestroyFrame(FrameBuffer& frame) {
  HDC memoryDC = static_cast<HDC>(frame.memoryDC);
  if (memoryDC != nullptr && frame.previousBitmap != nullptr) {
    SelectObject(memoryDC, static_cast<HGDIOBJ>(frame.previousBitmap));
  }
  if (frame.dibSection != nullptr) {
    DeleteObject(static_cast<HGDIOBJ>(frame.dibSection));
  }
  if (memoryDC != nullptr) {
    DeleteDC(memoryDC);
  }
  frame.memoryDC = nullptr;
  frame.dibSection = nullptr;
  frame.previousBitmap = nullptr;
  frame.bits = nullptr;
}

void DrawFrameScaled(HDC dc, const FrameBuffer& frame) {
  // Nearest neighbour at every scale: whole multiples stay pixel-sharp, and a
  // press maps back to exactly the table pixel shown under it.
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, 0, 0, displayScale.presentedWidth, displayScale.presentedHeight, 0, 0, frame.width, frame.height,
                frame.pixels, reinterpret_cast<const BITMAPINFO*>(&frame.bitmapInfo), DIB_RGB_COLORS, SRCCOPY);
}

void DrawColorStrip(HDC dc, const RECT& box, int color) {
  const Sprite* bar = colorBarSprite;
  if (bar == nullptr || bar->pixels == nullptr || color < 0 || color > 3) return;
  const int width = bar->width;
  const int height = bar->height / 4;
  const int boxWidth = static_cast<int>(box.right - box.left);
  const int boxHeight = static_cast<int>(box.bottom - box.top);
  // Whole multiples only: the chooser shows the strip pixel for pixel, as the table does.
  const int scale = std::max(1, std::min(boxWidth / width, boxHeight / height));
  // The one strip as a top-down DIB of its own: no doubt about which rows GDI takes.
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 16, BI_RGB, 0, 0, 0, 0, 0};
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, box.left + (boxWidth - width * scale) / 2, box.top + (boxHeight - height * scale) / 2,
                width * scale, height * scale, 0, 0, width, height, bar->pixels + bar->rowOffsets[height * color],
                &info, DIB_RGB_COLORS, SRCCOPY);
}

void PlatformPresentFrame(const FrameBuffer& frame, WindowHandle window) {
  HWND target = static_cast<HWND>(window);
  HDC dc = GetDC(target);
  DrawFrameScaled(dc, frame);
  ReleaseDC(target, dc);
  ValidateRect(target, nullptr);
}

bool OpenBitmapResource(ModuleHandle module, const char* name, ResourceBytes* out) {
  HMODULE source = static_cast<HMODULE>(module);
  HRSRC found = FindResourceA(source, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  if (found == nullptr) {
    return false;
  }
  HGLOBAL loaded = LoadResource(source, found);
  if (loaded == nullptr) {
    return false;
  }
  const void* bytes = LockResource(loaded);
  if (bytes == nullptr) {
    return false;
  }
  out->data = static_cast<const std::uint8_t*>(bytes);
  out->size = SizeofResource(source, found);
  out->handle = loaded;
  return true;
}

void CloseBitmapResource(ResourceBytes* resource) {
  if (resource->handle != nullptr) {
    FreeResource(static_cast<HGLOBAL>(resource->handle));
  }
  resource->data = nullptr;
  resource->size = 0;
  resource->handle = nullptr;
}

ModuleHandle SpriteModule() { return appInstance; }
