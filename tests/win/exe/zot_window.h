// Finding a running Zot.exe's window and its open dialog from another process
// in the same Wine prefix, and reading their texts (zot_probe, zot_soak).
#pragma once

#include <string>

#include "check.h"

namespace zot_window {

inline HWND MainWindow() { return FindWindowW(L"ZotClass", nullptr); }

// A visible dialog owned by the main window (any, when there is no window),
// waiting up to waitMs for one to open.
inline HWND OpenDialog(DWORD waitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND main = MainWindow();
    for (HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); dialog != nullptr;
         dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) {
      if (IsWindowVisible(dialog) && (main == nullptr || GetWindow(dialog, GW_OWNER) == main)) return dialog;
    }
    if (GetTickCount() - start >= waitMs) return nullptr;
    Sleep(50);
  }
}

inline std::string Text(HWND window) {
  wchar_t text[256] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length);
  return check::Utf8(text);
}

inline std::string ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return check::Utf8(name);
}

}  // namespace zot_window
