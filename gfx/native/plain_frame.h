// Frame pixels in plain memory, for the platforms that present a frame by
// copying it (the page's canvas) or not at all (tools and tests).
#pragma once

struct FrameBuffer;

// Sets bits to width x height black pixels and the platform handles to null;
// false when no memory was had.
bool CreatePlainFrame(FrameBuffer& frame);
void DestroyPlainFrame(FrameBuffer& frame);
