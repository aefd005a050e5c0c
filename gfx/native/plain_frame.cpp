#include "gfx/native/plain_frame.h"

#include <cstddef>
#include <new>

#include "gfx/framebuffer.h"

bool CreatePlainFrame(FrameBuffer& frame) {
  const std::size_t count = static_cast<std::size_t>(frame.width) * frame.height;
  frame.bits = new (std::nothrow) std::uint16_t[count]();  // all black
  frame.memoryDC = nullptr;
  frame.dibSection = nullptr;
  frame.previousBitmap = nullptr;
  return frame.bits != nullptr;
}

void DestroyPlainFrame(FrameBuffer& frame) {
  delete[] static_cast<std::uint16_t*>(frame.bits);
  frame.bits = nullptr;
  frame.pixels = nullptr;
}
