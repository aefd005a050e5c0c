// The manual: "Zot.hlp" beside the program when it opens, otherwise the
// program's own how to play, a dialog with the Arabic text from the module,
// drawn right to left by the text view below and scrolled by bar, wheel and keys.
// The system's edit control would wrap the text as left-to-right lines on some
// systems, so punctuation, quotes and the key names of mixed lines went astray.
#include "app/win_shell.h"

#include "app/win_access.h"

#include <shellapi.h>

#include <string>

#include "resources/resource.h"
#include "words/words.h"

namespace {

constexpr wchar_t kTextViewClass[] = L"ZotHelpText";

// The one help dialog's view: where it is scrolled to and how tall its text is.
struct TextView {
  int scroll;
  int contentHeight;
  int lineHeight;
};
TextView view{};

// The how-to-play text from the module, UTF-8 to UTF-16. Empty when the
// resource is missing.
std::wstring HelpText() {
  HRSRC found = FindResourceW(appInstance, MAKEINTRESOURCEW(InLanguage(IDR_HELP_TEXT)), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = found != nullptr ? LoadResource(appInstance, found) : nullptr;
  const char* bytes = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (bytes == nullptr) return {};
  return Utf16(std::string(bytes, SizeofResource(appInstance, found)));
}

UINT TextFormat() {
  return (CurrentLanguage() == Language::kArabic ? DT_RTLREADING : 0) | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
}

// Lines end at the right edge as the reader sees it: in a mirrored view (the
// dialog lays out right to left) that is the device context's left.
UINT Alignment(HDC dc) {
  return (GetLayout(dc) & LAYOUT_RTL) != 0 || CurrentLanguage() == Language::kEnglish ? DT_LEFT : DT_RIGHT;
}

// The text's area: the client less a margin of half a line on each side.
RECT TextArea(HWND window) {
  RECT area{};
  GetClientRect(window, &area);
  const int margin = view.lineHeight / 2;
  InflateRect(&area, -margin, -margin);
  return area;
}

// The view keeps its text as its window text, so WM_GETTEXT reads it too.
std::wstring ViewText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

// The furthest the view scrolls: its text's foot at the client's foot.
int LastScroll(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return view.contentHeight > client.bottom ? view.contentHeight - client.bottom : 0;
}

HFONT DialogFont(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0)); }

// Measures the text at the view's width and sets the scroll bar to match.
void Layout(HWND window) {
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, DialogFont(window));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  view.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  RECT area = TextArea(window);
  const int width = area.right - area.left;
  const std::wstring text = ViewText(window);
  RECT measured{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, TextFormat() | DT_CALCRECT);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  view.contentHeight = measured.bottom + view.lineHeight;  // and the two margins

  RECT client{};
  GetClientRect(window, &client);
  SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS, 0, view.contentHeight - 1,
                 static_cast<UINT>(client.bottom), 0, 0};
  const int last = LastScroll(window);
  view.scroll = view.scroll > last ? last : view.scroll;
  bar.nPos = view.scroll;
  SetScrollInfo(window, SB_VERT, &bar, TRUE);
}

void ScrollTo(HWND window, int position) {
  const int last = LastScroll(window);
  position = position < 0 ? 0 : (position > last ? last : position);
  if (position == view.scroll) return;
  view.scroll = position;
  SetScrollPos(window, SB_VERT, position, TRUE);
  InvalidateRect(window, nullptr, TRUE);
}

void OnTextPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ previous = SelectObject(dc, DialogFont(window));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  RECT area = TextArea(window);
  OffsetRect(&area, 0, -view.scroll);
  area.bottom = area.top + view.contentHeight;
  const std::wstring text = ViewText(window);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, TextFormat() | Alignment(dc));
  SelectObject(dc, previous);
  EndPaint(window, &paint);
}

// The scroll bar's own requests, the wheel and the keys, each in lines or pages.
void OnTextScroll(HWND window, int request) {
  RECT client{};
  GetClientRect(window, &client);
  const int page = client.bottom - view.lineHeight;
  switch (request) {
    case SB_LINEUP: ScrollTo(window, view.scroll - view.lineHeight); break;
    case SB_LINEDOWN: ScrollTo(window, view.scroll + view.lineHeight); break;
    case SB_PAGEUP: ScrollTo(window, view.scroll - page); break;
    case SB_PAGEDOWN: ScrollTo(window, view.scroll + page); break;
    case SB_TOP: ScrollTo(window, 0); break;
    case SB_BOTTOM: ScrollTo(window, view.contentHeight); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO bar{sizeof bar, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(window, SB_VERT, &bar);
      ScrollTo(window, bar.nTrackPos);
      break;
    }
    default: break;
  }
}

int KeyScrollRequest(WPARAM key) {
  switch (key) {
    case VK_UP: return SB_LINEUP;
    case VK_DOWN: return SB_LINEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_HOME: return SB_TOP;
    case VK_END: return SB_BOTTOM;
    default: return -1;
  }
}

LRESULT CALLBACK TextViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      view.scroll = 0;
      Layout(window);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_SIZE:
      Layout(window);
      return 0;
    case WM_PAINT:
      OnTextPaint(window);
      return 0;
    case WM_VSCROLL:
      OnTextScroll(window, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(window, view.scroll - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * view.lineHeight / WHEEL_DELTA);
      return 0;
    case WM_KEYDOWN:
      if (KeyScrollRequest(wParam) >= 0) OnTextScroll(window, KeyScrollRequest(wParam));
      return 0;
    case WM_GETDLGCODE:
      // The arrows scroll the text; Enter, Esc and Tab stay the dialog's.
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool RegisterTextView() {
  WNDCLASSW textClass{};
  textClass.lpfnWndProc = TextViewProc;
  textClass.hInstance = appInstance;
  textClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  textClass.lpszClassName = kTextViewClass;
  return RegisterClassW(&textClass) != 0;
}

}  // namespace

INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetDlgItemTextW(dialog, IDC_HELP_TEXT, HelpText().c_str());
    MakeDialogReadable(dialog, IDD_HELP);
    return TRUE;  // the focus goes to the text, so the keys scroll it at once
  }
  if (message == WM_COMMAND) {
    // OK, Esc and the close box all close the help.
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

namespace {

// The full name of file `name` in the program's own folder; empty when the
// system cannot say where the program is. The folder may be longer than
// MAX_PATH: the buffer grows until the name fits, up to the longest path.
std::wstring BesideProgram(const wchar_t* name) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
  const std::size_t folderEnd = path.find_last_of(L"\\/");
  if (folderEnd == std::wstring::npos) return {};
  return path.substr(0, folderEnd + 1) + name;
}

}  // namespace

void OpenManual(HWND owner) {
  // Only beside the program: a file of that name in the current folder is
  // whatever the folder the program was started from holds. Without the file
  // or a viewer for it (results of 32 or less), the own how to play opens.
  const std::wstring manual = BesideProgram(L"Zot.hlp");
  if (manual.empty() ||
      reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", manual.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) <= 32) {
    ShowHelp(owner);
  }
}

void ShowHelp(HWND owner) {
  static const bool registered = RegisterTextView();
  if (registered) ShowDialog(owner, IDD_HELP, HelpDialogProc);
}
