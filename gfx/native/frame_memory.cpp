// Frame pixels in plain memory. There is no window to copy them to: whoever
// wants the picture reads the frame buffer itself.
#include "gfx/framebuffer.h"
#include "gfx/native/plain_frame.h"

bool PlatformCreateFrame(FrameBuffer& frame) { return CreatePlainFrame(frame); }

void PlatformDestroyFrame(FrameBuffer& frame) { DestroyPlainFrame(frame); }

void PlatformPresentFrame(const FrameBuffer&, WindowHandle) {}
