// The window procedure and the handlers of the main window's messages.
#include "app/win_access.h"
#include "app/win_scale.h"
#include "app/win_shell.h"

#include "game/entry.h"
#include "game/shell.h"
#include "gfx/framebuffer.h"
#include "gfx/sprite.h"

void OnCreate() {
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  LoadSprites();
  // The defaults agree with the marks menu 171 carries from the start.
  StartUpTable();
  ListenToTable();
}

void OnDestroy() {
  StopListening();
  FreeSprites();
  DestroyFrameBuffer();
  // No computer move may run once the sprites and the frame are gone.
  DisarmTurnPacing();
  PostQuitMessage(0);
}

// The whole scene, whatever the update region; no BeginPaint/EndPaint.
void OnPaint(HWND window) {
  RenderTable(window);
  ValidateRect(window, nullptr);
}

// The table's keys and the keys that say it again; anything else goes on to
// the system (menu mnemonics, Alt+F4).
bool OnKeyDown(WPARAM key, LPARAM flags) {
  const bool repeat = (flags & (1 << 30)) != 0;
  return OnTableVirtualKey(static_cast<int>(key), repeat) || OnSayAgainKey(key, flags);
}

namespace {

// What acts on the table: menu commands, presses, keys and a screen reader's
// default actions.
bool IsTableInput(UINT message) {
  return message == WM_COMMAND || message == kAccessPressMessage ||
         (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A dialog's loop dispatches what is posted to the table too, though the
  // table is disabled: another program's command, press or key, or a reader's
  // default action posted before the dialog opened, would start a move inside
  // the one waiting for the dialog's answer. Dropped, as the page drops calls
  // while a dialog holds the game.
  if (DialogOpen() && IsTableInput(message)) return 0;
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam));
      return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam, lParam)) return 0;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_LBUTTONDOWN:
      // Client coordinates, each a signed 16-bit value.
      OnTablePress(TableX(static_cast<short>(LOWORD(lParam))), TableY(static_cast<short>(HIWORD(lParam))));
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(window, LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_GETOBJECT:
      return OnGetObject(window, wParam, lParam);
    case kAccessPressMessage:
      OnAccessPress(wParam, lParam);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
