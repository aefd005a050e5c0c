// The display scale: the 600 x 400 frame is drawn once and presented enlarged
// by the window's scale, and presses are mapped back to table pixels. Plain
// arithmetic, so the tests can check it without a window.
#pragma once

#include "gfx/framebuffer.h"

// The main window's outer size at 96 DPI, frame, caption and menu bar
// included: its client area is smaller than the table it shows.
constexpr int kWindowWidth = 600;
constexpr int kWindowHeight = 400;

// A scale is written as the DPI it presents at: 96 is 1:1, 192 is twice.
constexpr int kBaseDpi = 96;

// The DPIs a window is shown at. The system offers 100 % to 500 %; half of 96
// and twice 480 leave room for custom settings, while a DPI of 0 (a press
// would divide by a table 0 pixels wide) or one that makes the table tens of
// thousands of pixels wide is no monitor's. A DPI outside is not believed,
// whether the system answered it or a message brought it.
constexpr int kLeastDpi = 48;
constexpr int kMostDpi = 960;
constexpr bool SaneDpi(int dpi) { return dpi >= kLeastDpi && dpi <= kMostDpi; }

struct DisplayScale {
  int dpi = kBaseDpi;             // of the monitor the window is on
  int presentDpi = kBaseDpi;      // what the frame is enlarged by; lower than dpi when that would not fit
  int presentedWidth = kFrameWidth;    // the whole frame on the client area, from its top-left corner
  int presentedHeight = kFrameHeight;
};

extern DisplayScale displayScale;

// A table length at a scale, to the nearest pixel (exact at whole multiples).
int ScaledLength(int tableLength, int dpi);

// The table pixel the presentation shows at client pixel `client` along an
// axis where `frameLength` table pixels are presented as `presentedLength`:
// the inverse of GDI's nearest-neighbour stretch, which takes the table pixel
// under the client pixel's centre (the lower one on a tie).
int TableFromClient(int client, int presentedLength, int frameLength);
// Its inverse for edges: the first client pixel that shows table pixel `table`
// or one after it, so a table rectangle maps to exactly the client pixels that
// show it (what a screen reader is told an object covers).
int ClientFromTable(int table, int presentedLength, int frameLength);

struct Size2 {
  int width;
  int height;
};

// The largest scale, at most `dpi`, at which a client area of `view` (the table
// part that shows, in table pixels) scaled up, plus the window's non-client
// size, fits `workArea`; the aspect stays. Never below kBaseDpi (or `dpi`, if lower).
int FittingDpi(int dpi, Size2 view, Size2 nonClient, Size2 workArea);

// The state for presenting at `presentDpi` on a monitor of `dpi`.
DisplayScale MakeDisplayScale(int dpi, int presentDpi);

// A press on the client area as table coordinates, under displayScale.
int TableX(int clientX);
int TableY(int clientY);
