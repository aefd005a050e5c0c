// Entry point, the main window and the message loop.
#include "app/win_scale.h"
#include "app/win_shell.h"

#include <objbase.h>

#include "game/entry.h"
#include "game/shell.h"
#include "resources/resource.h"

HINSTANCE appInstance = nullptr;

namespace {

constexpr wchar_t kClassName[] = L"ZotClass";

using DefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);

// Every DLL loaded from here on (winmm and oleacc at their first call, and
// what the system's own DLLs load) comes from the system folder, never from
// the program's or the current one. Looked up: Windows 7 has the call only
// with an update.
void LoadDllsFromSystemOnly() {
  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  FARPROC found = kernel32 != nullptr ? GetProcAddress(kernel32, "SetDefaultDllDirectories") : nullptr;
  if (found != nullptr) {
    reinterpret_cast<DefaultDllDirectoriesCall>(reinterpret_cast<void (*)()>(found))(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
}

}  // namespace

bool CreateMainWindow() {
  WNDCLASSW windowClass{};
  windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = appInstance;
  windowClass.hIcon = LoadIconW(appInstance, MAKEINTRESOURCEW(IDI_ZOT));
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = kClassName;
  if (RegisterClassW(&windowClass) == 0) {
    return false;
  }

  // Arithmetic shifts: a screen narrower than the window puts its edge left of 0.
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) >> 1;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) >> 1;

  // WM_CREATE, and with it OnCreate, runs inside this call, before mainWindow is set.
  HWND window = CreateWindowExW(0, kClassName, L"Zot", WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                                kWindowWidth, kWindowHeight, nullptr, nullptr, appInstance, nullptr);
  mainWindow = window;
  if (window == nullptr) {
    return false;
  }
  SetMenu(window, LoadMainMenu());
  ScaleMainWindow(window);
  // The table's objects as it opens: a screen reader is told of changes from here.
  TableChanged();
  return true;
}

// At most one message per pass, and the pacing test after every pass, so a
// computer move fires on the first pass after its interval.
int RunMessageLoop() {
  HACCEL accelerators = LoadAcceleratorsW(appInstance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  for (;;) {
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        return static_cast<int>(message.wParam);
      }
      NoteLoopMessage(message);
      // F2 and the other accelerators become menu commands here.
      if (TranslateAcceleratorW(static_cast<HWND>(mainWindow), accelerators, &message) == 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    } else {
      WaitForWork();
    }
    const std::uint32_t now = CurrentTick();
    if (TurnPacingDue(now)) {
      NoteComputerTurn(now);
      OnTurnTimer();
    }
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  LoadDllsFromSystemOnly();
  appInstance = instance;
  // COM carries the table's accessible objects to a screen reader (WM_GETOBJECT).
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // Without a window nothing would ever post WM_QUIT, so the loop is not entered.
  const int code = CreateMainWindow() ? RunMessageLoop() : 1;
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}
