// The Windows side of the drawing: the frame as a DIB section in a memory DC,
// its presentation, and the bitmap resources of the module.
#include "app/win_scale.h"
#include "app/win_shell.h"

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
