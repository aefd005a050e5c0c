// The main window at its monitor's scale: a 600 x 400 window of that scale,
// whose client area shows the table part a 600 x 400 window shows at 96 DPI,
// enlarged by the scale (or by the largest one that fits the work area).
#include "app/win_scale.h"
#include "app/win_shell.h"

namespace {

using DpiForWindowCall = UINT(WINAPI*)(HWND);
using AdjustForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Both calls are newer than the oldest systems Zot runs on, so they are looked
// up rather than imported.
template <typename Call>
Call User32Call(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  FARPROC found = user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
  return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(found));
}

int WindowDpi(HWND window) {
  if (const auto dpiForWindow = User32Call<DpiForWindowCall>("GetDpiForWindow")) {
    const UINT dpi = dpiForWindow(window);
    if (SaneDpi(static_cast<int>(dpi))) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return SaneDpi(dpi) ? dpi : kBaseDpi;
}

Size2 OuterSize(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

Size2 ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// The client size of a 600 x 400 window of this style with a menu at 96 DPI.
Size2 TableView(HWND window, int dpi, Size2 nonClient) {
  if (const auto adjust = User32Call<AdjustForDpiCall>("AdjustWindowRectExForDpi")) {
    RECT frame{0, 0, 0, 0};
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    if (adjust(&frame, style, TRUE, exStyle, kBaseDpi)) {
      return {kWindowWidth - (frame.right - frame.left), kWindowHeight - (frame.bottom - frame.top)};
    }
  }
  return {kWindowWidth - MulDiv(nonClient.width, kBaseDpi, dpi), kWindowHeight - MulDiv(nonClient.height, kBaseDpi, dpi)};
}

void FitToScale(HWND window, int dpi, const RECT* place) {
  RECT current{};
  GetWindowRect(window, &current);
  HMONITOR monitor = MonitorFromRect(place != nullptr ? place : &current, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  const RECT& work = info.rcWork;

  Size2 outer{kWindowWidth, kWindowHeight};
  if (dpi == kBaseDpi) {
    displayScale = DisplayScale{};
  } else {
    const Size2 outerNow = OuterSize(window);
    const Size2 clientNow = ClientSize(window);
    const Size2 nonClient{outerNow.width - clientNow.width, outerNow.height - clientNow.height};
    const Size2 view = TableView(window, dpi, nonClient);
    const int presentDpi =
        FittingDpi(dpi, view, nonClient, {work.right - work.left, work.bottom - work.top});
    displayScale = MakeDisplayScale(dpi, presentDpi);
    const Size2 want{ScaledLength(view.width, presentDpi), ScaledLength(view.height, presentDpi)};
    // Measured rather than computed: the menu bar's height depends on its font
    // and on whether its items wrap at this width.
    outer = {want.width + nonClient.width, want.height + nonClient.height};
    for (int pass = 0; pass < 3; ++pass) {
      SetWindowPos(window, nullptr, 0, 0, outer.width, outer.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      const Size2 got = ClientSize(window);
      if (got.width == want.width && got.height == want.height) break;
      outer.width += want.width - got.width;
      outer.height += want.height - got.height;
    }
    outer = OuterSize(window);
  }

  int x = 0;
  int y = 0;
  if (place != nullptr) {
    x = place->left;
    y = place->top;
  } else {
    // Centred as at 96 DPI, with the window's own size.
    const RECT& screen = info.rcMonitor;
    x = screen.left + ((screen.right - screen.left - outer.width) >> 1);
    y = screen.top + ((screen.bottom - screen.top - outer.height) >> 1);
  }
  if (x + outer.width > work.right) x = work.right - outer.width;
  if (y + outer.height > work.bottom) y = work.bottom - outer.height;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  SetWindowPos(window, nullptr, x, y, outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

void ScaleMainWindow(HWND window) {
  const int dpi = WindowDpi(window);
  // At 96 DPI the window stays exactly as it was made.
  if (dpi != kBaseDpi) FitToScale(window, dpi, nullptr);
}

void OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  // Any program may send the message: one with a DPI no monitor has changes nothing.
  if (SaneDpi(dpi)) FitToScale(window, dpi, suggested);
}
