// Frame pixels in plain memory; presenting only records that it happened.
#include "gfx/framebuffer.h"
#include "gfx/native/native_platform.h"
#include "gfx/native/plain_frame.h"

namespace {
int presentedFrames = 0;
WindowHandle lastWindow = nullptr;
}  // namespace

bool PlatformCreateFrame(FrameBuffer& frame) { return CreatePlainFrame(frame); }

void PlatformDestroyFrame(FrameBuffer& frame) { DestroyPlainFrame(frame); }

void PlatformPresentFrame(const FrameBuffer&, WindowHandle window) {
  ++presentedFrames;
  lastWindow = window;
}

int PresentedFrameCount() { return presentedFrames; }
WindowHandle LastPresentedWindow() { return lastWindow; }
