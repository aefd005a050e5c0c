// Frame pixels in plain memory; presenting only records that it happened.
#include <cstddef>
#include <new>

#include "gfx/framebuffer.h"
#include "gfx/native/native_platform.h"

namespace {
int presentedFrames = 0;
WindowHandle lastWindow = nullptr;
}  // namespace

bool PlatformCreateFrame(FrameBuffer& frame) {
  const std::size_t count = static_cast<std::size_t>(frame.width) * frame.height;
  frame.bits = new (std::nothrow) std::uint16_t[count]();  // all black
  frame.memoryDC = nullptr;
  frame.dibSection = nullptr;
  frame.previousBitmap = nullptr;
  return frame.bits != nullptr;
}

void PlatformDestroyFrame(FrameBuffer& frame) {
  delete[] static_cast<std::uint16_t*>(frame.bits);
  frame.bits = nullptr;
  frame.pixels = nullptr;
}

void PlatformPresentFrame(const FrameBuffer&, WindowHandle window) {
  ++presentedFrames;
  lastWindow = window;
}

int PresentedFrameCount() { return presentedFrames; }
WindowHandle LastPresentedWindow() { return lastWindow; }
