// Looks at a running Zot.exe from another process in the same Wine prefix, the
// way a user's eyes and hands would: finds its window and dialogs, reads their
// texts, presses buttons, sends menu commands. Window messages cross processes.
//   zot_probe window                 class, title, style, sizes, client origin
//   zot_probe dialog [WAIT_MS]       the open dialog's title and controls
//   zot_probe nodialog               exit 0 when no dialog is open
//   zot_probe press ID               clicks button ID of the open dialog
//   zot_probe esc                    sends Esc to the open dialog
//   zot_probe closebox               the open dialog's close box (SC_CLOSE)
//   zot_probe command ID             sends menu command ID to the main window
//   zot_probe keys VK[,VK..]         key presses (virtual-key codes) where Zot's keyboard focus is:
//                                    the main window, or the open dialog's control
//   zot_probe close                  posts WM_CLOSE to the main window
//   zot_probe click X Y              posts a left press at client pixel X, Y to the main window
//   zot_probe dpi N                  sends WM_DPICHANGED with DPI N (no suggested place), as any program may
//   zot_probe glyphs                 per font the menu and dialogs use: Arabic letters it lacks
#include <cstdio>
#include <cstdlib>
#include <string>

#include "check.h"
#include "zot_window.h"

namespace {

using zot_window::ClassName;
using zot_window::MainWindow;
using zot_window::OpenDialog;
using zot_window::Text;

int ShowWindowInfo() {
  HWND window = MainWindow();
  if (window == nullptr) {
    std::printf("no window\n");
    return 1;
  }
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("class=%s\ntitle=%s\nstyle=0x%08lx\nexstyle=0x%08lx\nouter=%ldx%ld\nclient=%ldx%ld\norigin=%ld,%ld\n",
              ClassName(window).c_str(), Text(window).c_str(),
              static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
              static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)), outer.right - outer.left,
              outer.bottom - outer.top, client.right, client.bottom, origin.x, origin.y);
  std::printf("classstyle=0x%lx\n", static_cast<unsigned long>(GetClassLongW(window, GCL_STYLE)));
  std::printf("screen=%dx%d\nposition=%ld,%ld\nmenu=%d\nenabled=%d\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN), outer.left, outer.top, GetMenu(window) != nullptr ? 1 : 0,
              IsWindowEnabled(window) ? 1 : 0);
  return 0;
}

int ShowDialog(DWORD waitMs) {
  HWND dialog = OpenDialog(waitMs);
  if (dialog == nullptr) {
    std::printf("no dialog\n");
    return 1;
  }
  std::printf("title=%s\n", Text(dialog).c_str());
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    std::printf("control id=%d class=%s text=%s\n", static_cast<short>(GetDlgCtrlID(child)), ClassName(child).c_str(),
                Text(child).c_str());
  }
  return 0;
}

// Letters of the menu titles and dialog texts that a font must draw, or Wine
// shows boxes in their place.
int ShowMissingGlyphs() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const wchar_t* faces[] = {metrics.lfMenuFont.lfFaceName, L"MS Sans Serif", L"MS Shell Dlg"};
  const wchar_t kArabic[] = L"ملف أعدادات تعليمات موافق أختر اللون كيف تلعب الزوت";
  HDC dc = CreateCompatibleDC(nullptr);
  int missingAll = 0;
  for (const wchar_t* face : faces) {
    LOGFONTW font = metrics.lfMenuFont;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ previous = SelectObject(dc, handle);
    WORD glyphs[64] = {};
    const int length = lstrlenW(kArabic);
    GetGlyphIndicesW(dc, kArabic, length, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    int missing = 0;
    for (int i = 0; i < length; ++i) missing += glyphs[i] == 0xFFFF ? 1 : 0;
    std::printf("font=%s missing=%d\n", check::Utf8(face).c_str(), missing);
    missingAll += missing;
    SelectObject(dc, previous);
    DeleteObject(handle);
  }
  DeleteDC(dc);
  return missingAll == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string verb = argc > 1 ? argv[1] : "";
  const int number = argc > 2 ? std::atoi(argv[2]) : 0;
  if (verb == "window") return ShowWindowInfo();
  if (verb == "dialog") return ShowDialog(argc > 2 ? static_cast<DWORD>(number) : 0);
  if (verb == "glyphs") return ShowMissingGlyphs();
  if (verb == "nodialog") return OpenDialog(0) == nullptr ? 0 : 1;
  if (verb == "press" || verb == "esc" || verb == "closebox") {
    HWND dialog = OpenDialog(5000);
    if (dialog == nullptr) return 1;
    if (verb == "esc") return PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0) ? 0 : 1;
    if (verb == "closebox") return PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    HWND button = GetDlgItem(dialog, number);
    if (button == nullptr) return 1;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) ? 0 : 1;
  }
  HWND window = MainWindow();
  if (window == nullptr) return 1;
  if (verb == "command") return PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(number), 0) ? 0 : 1;
  if (verb == "close") return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  if (verb == "click" && argc > 3) {
    const LPARAM at = MAKELPARAM(number, std::atoi(argv[3]));
    return PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageW(window, WM_LBUTTONUP, 0, at) ? 0 : 1;
  }
  if (verb == "dpi") {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(number, number), 0, SMTO_ABORTIFHUNG, 5000, &result)
               ? 0 : 1;
  }
  if (verb == "keys" && argc > 2) {
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &focus) && focus.hwndFocus != nullptr) {
      window = focus.hwndFocus;
    }
    // Through the queue, as a keyboard would: accelerators apply on the way.
    for (const char* key = argv[2]; *key != '\0';) {
      char* end = nullptr;
      const auto code = static_cast<WPARAM>(std::strtol(key, &end, 0));
      if (end == key) return 2;
      if (!PostMessageW(window, WM_KEYDOWN, code, 1) || !PostMessageW(window, WM_KEYUP, code, 0xC0000001)) return 1;
      key = *end == ',' ? end + 1 : end;
    }
    return 0;
  }
  std::printf("usage: zot_probe window|dialog [ms]|nodialog|press ID|esc|command ID|keys VK,..|close|click X Y|\n"
              "       dpi N\n");
  return 2;
}
