// The display scale's arithmetic and its one state.
#include "app/win_scale.h"

#include "gfx/framebuffer.h"

DisplayScale displayScale;

int ScaledLength(int tableLength, int dpi) { return (tableLength * dpi + kBaseDpi / 2) / kBaseDpi; }

int TableFromClient(int client, int presentedLength, int frameLength) {
  // The table pixel under the client pixel's centre, a tie going to the lower.
  const long long scaled = (2LL * client + 1) * frameLength - 1;
  const long long per = 2LL * presentedLength;
  // Floor, also for presses left of or above the client area (a captured mouse).
  long long table = scaled / per;
  if (scaled % per != 0 && scaled < 0) --table;
  return static_cast<int>(table);
}

int ClientFromTable(int table, int presentedLength, int frameLength) {
  // The least client c with TableFromClient(c) >= table: 2c F >= 2 P table + 1 - F.
  const long long above = 2LL * presentedLength * table + 1 - frameLength;
  const long long per = 2LL * frameLength;
  // Division truncates toward zero, which is the ceiling for a negative quotient.
  long long client = above / per;
  if (above % per != 0 && above > 0) ++client;
  return static_cast<int>(client);
}

int FittingDpi(int dpi, Size2 view, Size2 nonClient, Size2 workArea) {
  const int smallest = dpi < kBaseDpi ? dpi : kBaseDpi;
  for (int fit = dpi; fit > smallest; --fit) {
    if (ScaledLength(view.width, fit) + nonClient.width <= workArea.width &&
        ScaledLength(view.height, fit) + nonClient.height <= workArea.height) {
      return fit;
    }
  }
  return smallest;
}

DisplayScale MakeDisplayScale(int dpi, int presentDpi) {
  return {dpi, presentDpi, ScaledLength(kFrameWidth, presentDpi), ScaledLength(kFrameHeight, presentDpi)};
}

int TableX(int clientX) { return TableFromClient(clientX, displayScale.presentedWidth, kFrameWidth); }
int TableY(int clientY) { return TableFromClient(clientY, displayScale.presentedHeight, kFrameHeight); }
