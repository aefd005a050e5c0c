// Gives a running Zot.exe thousands of random inputs the way a restless user
// would: presses on the hand, the draw pile and the table, menu commands other
// than Exit, the keys of keyboard play, and random answers to any open dialog.
// Checks that the window answers after every input and that Zot's memory, GDI
// objects and windows stay flat after a warm-up; prints the inputs by kind, the
// memory, the objects and the slowest answer. Inputs are window messages, so
// thousands fit in a minute.
//   zot_soak INPUTS SEED        exit 0 when every check passed
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <vector>

#include "check.h"
#include "zot_window.h"

// After windows.h, which check.h brings.
#include <psapi.h>
#include <winternl.h>

namespace {

// Growth of private bytes allowed from the end of the warm-up to the end:
// clean runs grew by 80 KB over the last 18,000 inputs of a long run and by up
// to 400 KB in a short one, where some dialogs first open after the warm-up.
// A long run while the About dialog left its card-back picture (10.7 KB)
// behind at every opening grew by 2.3 MB. (Wine reports no private bytes
// across processes: there soak_test.sh checks the process's anonymous
// resident memory against the same bound.)
constexpr SIZE_T kGrowthBound = 1024 * 1024;
// GDI objects the program made, more at the end than after the warm-up (both
// counted with no dialog open): clean runs ended with at most one more, when
// some dialog first opened after the warm-up. A dialog that leaves its picture
// behind adds one at every opening: 15 or 16 in the default run.
constexpr long kGdiGrowthBound = 3;
constexpr DWORD kAnswerTimeoutMs = 5000;
constexpr DWORD kGapMs = 15;
// Answers to one dialog before the soak insists on OK: some close with OK only.
constexpr int kAnswersBeforeOk = 8;
constexpr int kAnswersBeforeFail = 40;

// kWait: the main window was disabled with no dialog to answer yet, so nothing was sent.
enum Kind { kHand, kPile, kTable, kMenu, kKey, kButton, kEsc, kCloseBox, kWait, kKinds };
constexpr const char* kKindNames[kKinds] = {"hand", "pile", "table", "menu", "key", "button", "esc", "closebox",
                                            "wait"};
// Every command of the menu but Exit (40012): those that leave the match
// running, and those that start a new one, as F2 will.
constexpr WPARAM kQuietCommands[] = {40008, 40009, 40013, 40014, 40022};
constexpr WPARAM kRestartCommands[] = {40011, 40015, 40016, 40017, 40018, 40019, 40023, 40024};
constexpr WORD kPlayKeys[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_RETURN, VK_SPACE, 'D'};
// New matches per run, whatever its length: a long run lets deals and matches
// reach their ends (computer moves come a second apart), a short one still
// sees every kind of restart.
constexpr int kRestartsPerRun = 20;

template <typename T, std::size_t N>
T Pick(const T (&items)[N], int index) {
  return items[static_cast<std::size_t>(index) % N];
}

struct Memory {
  SIZE_T privateBytes = 0;
  SIZE_T workingSet = 0;
};

bool ReadMemory(HANDLE process, Memory* memory) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
    return false;
  }
  memory->privateBytes = counters.PrivateUsage;
  memory->workingSet = counters.WorkingSetSize;
  return true;
}

// What Zot holds of GDI and USER. Wine answers 0 to GetGuiResources; it keeps
// each process's GDI handles in a table of 2^16 entries of 24 bytes, laid out
// as on Windows and found as there through the process environment block,
// where a live entry has a nonzero kind (the stock objects are always there).
// Window DCs are not counted among the
// objects made: Wine caches one, with a region and a surface, for each window
// it paints at once, so their number follows the largest dialog yet shown.
// USER objects are counted as the windows of the process, which any process
// can list.
struct GuiObjects {
  long made = -1;  // bitmaps, brushes, pens, fonts, palettes, memory DCs
  long windowDcs = -1;
  long windows = 0;
};

struct GdiEntry {
  UINT64 object;
  ULONG owner;
  USHORT unique;
  UCHAR kind;
  UCHAR flags;
  UINT64 user;
};
static_assert(sizeof(GdiEntry) == 24);
constexpr std::size_t kGdiEntries = 0x10000;
constexpr std::size_t kPebGdiTable = 0xF8;  // PEB.GdiSharedHandleTable of a 64-bit process
constexpr UCHAR kWindowDc = 0x01, kRegion = 0x04, kSurface = 0x05;

void CountGdi(HANDLE process, GuiObjects* objects) {
  const DWORD total = GetGuiResources(process, GR_GDIOBJECTS);
  if (total != 0) {  // Windows: no kinds, every object counts
    objects->made = static_cast<long>(total);
    return;
  }
  PROCESS_BASIC_INFORMATION basic{};
  ULONG_PTR table = 0;
  static std::vector<GdiEntry> entries(kGdiEntries);
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
      !ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTable, &table,
                         sizeof table, nullptr) ||
      table == 0 ||
      !ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                         entries.size() * sizeof(GdiEntry), nullptr)) {
    return;
  }
  long made = 0, windowDcs = 0;
  for (const GdiEntry& entry : entries) {
    if (entry.kind == kWindowDc) ++windowDcs;
    if (entry.kind != 0 && entry.kind != kWindowDc && entry.kind != kRegion && entry.kind != kSurface) ++made;
  }
  if (made == 0) return;  // not a table of Zot's objects
  objects->made = made;
  objects->windowDcs = windowDcs;
}

struct WindowCount {
  DWORD pid;
  long count;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++reinterpret_cast<WindowCount*>(count)->count;
  return TRUE;
}

// A top-level window of the process, with its descendants.
BOOL CALLBACK CountTopWindow(HWND window, LPARAM count) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == reinterpret_cast<WindowCount*>(count)->pid) {
    CountWindow(window, count);
    EnumChildWindows(window, CountWindow, count);
  }
  return TRUE;
}

GuiObjects CountGuiObjects(HANDLE process, DWORD pid) {
  GuiObjects objects;
  CountGdi(process, &objects);
  WindowCount windows{pid, 0};
  EnumWindows(CountTopWindow, reinterpret_cast<LPARAM>(&windows));
  objects.windows = windows.count;
  return objects;
}

// Round trip of WM_NULL in microseconds, or -1 when the window does not answer.
long long AnswerMicros(HWND window) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)) return -1;
  QueryPerformanceCounter(&end);
  return (end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart;
}

// The open dialog, visible or still being shown: the soak must not press the
// table behind it (a user cannot reach a disabled window).
HWND OwnedDialog(HWND main) {
  for (HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); dialog != nullptr;
       dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) {
    if (GetWindow(dialog, GW_OWNER) == main) return dialog;
  }
  return nullptr;
}

std::vector<HWND> Buttons(HWND dialog) {
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
    if (zot_window::ClassName(child) == "Button" && IsWindowEnabled(child) && type != BS_GROUPBOX) {
      buttons.push_back(child);
    }
  }
  return buttons;
}

bool Click(HWND button) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) != 0;
}

// The previous answer may have closed the dialog since the soak found it: a
// click fails then, on a button already destroyed, and only then is that no fault.
bool Answered(HWND button) { return Click(button) || !IsWindow(button); }

bool TableFree(HWND main) { return OwnedDialog(main) == nullptr && IsWindowEnabled(main); }

// Opens each dialog of the Help menu once and closes it with OK, so that what
// a first opening makes for good (Wine's pictures of frames and scroll bars)
// is there before the warm-up's count.
bool OpenHelpDialogs(HWND main) {
  for (const WPARAM command : {40008, 40009, 40022}) {
    PostMessageW(main, WM_COMMAND, command, 0);
    HWND dialog = zot_window::OpenDialog(kAnswerTimeoutMs);
    if (dialog == nullptr || !RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) ||
        !Click(GetDlgItem(dialog, IDOK))) {
      return false;
    }
    for (int wait = 0; !TableFree(main); ++wait) {
      if (wait * kGapMs > kAnswerTimeoutMs) return false;
      Sleep(kGapMs);
    }
  }
  return true;
}

void PostKey(HWND window, WORD key) {
  const bool extended = key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END;
  const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16 |
                      (extended ? LPARAM{1} << 24 : 0);
  PostMessageW(window, WM_KEYDOWN, key, down);
  PostMessageW(window, WM_KEYUP, key, down | LPARAM{3} << 30);
}

struct Soak {
  std::mt19937 random;
  long long counts[kKinds] = {};
  HWND lastDialog = nullptr;
  int answersToDialog = 0;
  std::map<std::string, int> dialogsByTitle;
  int dialogsOpened = 0;

  int Below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }

  Kind AnswerDialog(HWND dialog) {
    if (dialog != lastDialog) {
      ++dialogsByTitle[zot_window::Text(dialog)];
      ++dialogsOpened;
    }
    answersToDialog = dialog == lastDialog ? answersToDialog + 1 : 1;
    lastDialog = dialog;
    CHECK(answersToDialog < kAnswersBeforeFail);
    const std::vector<HWND> buttons = Buttons(dialog);
    const int roll = Below(10);
    if (answersToDialog > kAnswersBeforeOk && GetDlgItem(dialog, IDOK) != nullptr) {
      CHECK(Answered(GetDlgItem(dialog, IDOK)));
      return kButton;
    }
    if (roll < 6 && !buttons.empty()) {
      CHECK(Answered(buttons[static_cast<std::size_t>(Below(static_cast<int>(buttons.size())))]));
      return kButton;
    }
    if (roll < 8) {
      PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
      return kEsc;
    }
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return kCloseBox;
  }

  void Press(HWND main, Kind kind) {
    const LPARAM at = kind == kHand   ? MAKELPARAM(Between(150, 450), Between(250, 340))
                      : kind == kPile ? MAKELPARAM(Between(230, 290), Between(125, 215))
                                      : MAKELPARAM(Between(0, 599), Between(0, 399));
    PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(main, WM_LBUTTONUP, 0, at);
  }

  // Mostly the hand and the draw pile, where play happens.
  Kind Send(HWND main, int inputs) {
    if (Below(inputs) < kRestartsPerRun) {
      const int which = Below(static_cast<int>(std::size(kRestartCommands)) + 1);
      if (which == 0) {
        PostKey(main, VK_F2);
        return kKey;
      }
      PostMessageW(main, WM_COMMAND, Pick(kRestartCommands, which - 1), 0);
      return kMenu;
    }
    const int roll = Below(100);
    const Kind kind = roll < 45 ? kHand : roll < 70 ? kPile : roll < 75 ? kTable : roll < 78 ? kMenu : kKey;
    if (kind == kMenu) {
      PostMessageW(main, WM_COMMAND, Pick(kQuietCommands, Below(100)), 0);
    } else if (kind == kKey) {
      PostKey(main, Pick(kPlayKeys, Below(100)));
    } else {
      Press(main, kind);
    }
    return kind;
  }
};

void PrintObjects(const GuiObjects& start, const GuiObjects& warm, const GuiObjects& end, int dialogs) {
  if (warm.made < 0 || end.made < 0) {
    std::printf("GDI objects not counted\n");
  } else {
    std::printf("GDI objects made: start %ld, warm %ld, end %ld (%+ld over %d dialogs opened since the warm-up)\n",
                start.made, warm.made, end.made, end.made - warm.made, dialogs);
  }
  if (end.windowDcs >= 0) std::printf("window DCs: %ld, %ld, %ld\n", start.windowDcs, warm.windowDcs, end.windowDcs);
  std::printf("windows: %ld, %ld, %ld\n", start.windows, warm.windows, end.windows);
}

void PrintMemory(const char* when, const Memory& memory) {
  std::printf("memory %-6s working set %.0f KB, private ", when, memory.workingSet / 1024.0);
  if (memory.privateBytes == 0) {
    std::printf("not reported\n");
  } else {
    std::printf("%.0f KB\n", memory.privateBytes / 1024.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int inputs = argc > 1 ? std::atoi(argv[1]) : 1000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
  std::printf("soak: %d inputs, seed %u\n", inputs, seed);
  const HWND main = zot_window::MainWindow();
  if (!CHECK(main != nullptr)) return check::Finish();
  DWORD pid = 0;
  GetWindowThreadProcessId(main, &pid);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  Memory start, warm, end;
  const bool haveMemory = CHECK(process != nullptr && ReadMemory(process, &start));
  CHECK(OpenHelpDialogs(main));
  const GuiObjects startObjects = CountGuiObjects(process, pid);
  GuiObjects warmObjects, endObjects;
  bool warmedUp = false;
  int dialogsAtWarm = 0;

  Soak soak;
  soak.random.seed(seed);
  long long slowest = 0;
  int slowestAt = 0;
  Kind previous = kHand, slowestKind = kHand;
  const DWORD began = GetTickCount();
  for (int i = 0; i < inputs; ++i) {
    // Answered only once Zot has handled the previous input, or sits in a
    // dialog's loop; its time is the previous input's answer.
    const long long answer = AnswerMicros(main);
    if (!CHECK(IsWindow(main) && answer >= 0)) {
      std::printf("no answer before input %d\n", i);
      break;
    }
    if (answer > slowest) {
      slowest = answer;
      slowestAt = i - 1;
      slowestKind = previous;
    }
    // Objects are counted with no dialog open (none opened while counting).
    if (!warmedUp && i >= inputs / 10 && TableFree(main)) {
      warmObjects = CountGuiObjects(process, pid);
      warmedUp = TableFree(main);
      if (warmedUp) {
        if (haveMemory) ReadMemory(process, &warm);
        dialogsAtWarm = soak.dialogsOpened;
        std::printf("warm-up done after %d inputs\n", i);
        std::fflush(stdout);
      }
    }
    // Table inputs only while the main window is enabled: a modal dialog
    // disables its owner, and Zot drops what its loop hands to the table
    // meanwhile (e2e_menu_dialogs checks that). A computer move already under
    // way may still open a dialog before Zot takes the input.
    HWND dialog = OwnedDialog(main);
    previous = dialog != nullptr ? soak.AnswerDialog(dialog) : IsWindowEnabled(main) ? soak.Send(main, inputs) : kWait;
    ++soak.counts[previous];
    Sleep(kGapMs);
  }
  CHECK(AnswerMicros(main) >= 0);
  // The last count, as the warm-up's, once the soak has answered the dialogs left open.
  bool settled = false;
  for (int k = 0; k < 4 * kAnswersBeforeFail && !settled && IsWindow(main); ++k) {
    HWND dialog = OwnedDialog(main);
    if (dialog == nullptr && IsWindowEnabled(main)) {
      endObjects = CountGuiObjects(process, pid);
      settled = TableFree(main);
    } else if (dialog != nullptr) {
      ++soak.counts[soak.AnswerDialog(dialog)];
    }
    Sleep(kGapMs);
  }
  const DWORD seconds = (GetTickCount() - began) / 1000;

  std::printf("inputs by kind:");
  for (int k = 0; k < kKinds; ++k) std::printf(" %s %lld", kKindNames[k], soak.counts[k]);
  std::printf("\ndialogs answered:");
  for (const auto& [title, count] : soak.dialogsByTitle) std::printf(" \"%s\" %d", title.c_str(), count);
  std::printf("\nslowest answer %.1f ms (after input %d, %s), %lu s in all\n", slowest / 1000.0, slowestAt,
              kKindNames[slowestKind], static_cast<unsigned long>(seconds));
  if (haveMemory && CHECK(ReadMemory(process, &end))) {
    PrintMemory("start", start);
    PrintMemory("warm", warm);
    PrintMemory("end", end);
    if (warm.privateBytes != 0) CHECK(end.privateBytes < warm.privateBytes + kGrowthBound);
  }
  PrintObjects(startObjects, warmObjects, endObjects, soak.dialogsOpened - dialogsAtWarm);
  if (CHECK(warmedUp && settled) && CHECK(warmObjects.made > 0 && endObjects.made > 0)) {
    CHECK(endObjects.made - warmObjects.made <= kGdiGrowthBound);
  }
  CHECK(endObjects.windows <= warmObjects.windows);
  if (process != nullptr) CloseHandle(process);
  return check::Finish();
}
