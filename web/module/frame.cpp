// The browser side of the drawing: the frame in plain memory, presented into
// the page's 600 x 400 canvas; the bitmaps come from the files embedded in the
// module (gfx/native/bitmap_files.cpp reads them).
#include <emscripten/emscripten.h>

#include <new>

#include "gfx/framebuffer.h"
#include "gfx/pixels.h"
#include "gfx/native/plain_frame.h"
#include "web/module/web_shell.h"

namespace {

// The canvas's picture, top row first, rebuilt at each present.
std::uint32_t* canvasPixels = nullptr;

EM_JS(void, zot_put_frame, (const void* rgba, int width, int height), {
  Module.page.putFrame(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height);
});

}  // namespace

bool PlatformCreateFrame(FrameBuffer& frame) {
  canvasPixels = new (std::nothrow) std::uint32_t[static_cast<std::size_t>(frame.width) * frame.height];
  return CreatePlainFrame(frame) && canvasPixels != nullptr;
}

void PlatformDestroyFrame(FrameBuffer& frame) {
  DestroyPlainFrame(frame);
  delete[] canvasPixels;
  canvasPixels = nullptr;
}

void PlatformPresentFrame(const FrameBuffer& frame, WindowHandle) {
  if (canvasPixels == nullptr) return;
  FrameRgba(frame, canvasPixels);
  zot_put_frame(canvasPixels, frame.width, frame.height);
}
