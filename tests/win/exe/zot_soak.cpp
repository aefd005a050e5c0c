// Gives a running Zot.exe thousands of random inputs the way a restless user
// would: presses on the hand, the draw pile and the table, menu commands other
// than Exit, the keys of keyboard play, and random answers to any open dialog.
// Checks that the window answers after every input and that Zot's memory stays
// flat after a warm-up; prints the inputs by kind, the memory and the slowest
// answer. Inputs are window messages, so thousands fit in a minute.
//   zot_soak INPUTS SEED        exit 0 when every check passed
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <vector>

#include "check.h"
#include "zot_window.h"

// After windows.h, which check.h brings.
#include <psapi.h>

namespace {

// Growth of private bytes allowed from the end of the warm-up to the end:
// clean runs grew by 80 KB over the last 18,000 inputs of a long run and by up
// to 400 KB in a short one, where some dialogs first open after the warm-up.
// A long run while the About dialog left its card-back picture (10.7 KB)
// behind at every opening grew by 2.3 MB. (Wine reports no private bytes
// across processes: there soak_test.sh checks the process's anonymous
// resident memory against the same bound.)
constexpr SIZE_T kGrowthBound = 1024 * 1024;
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

  int Below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }

  Kind AnswerDialog(HWND dialog) {
    if (dialog != lastDialog) ++dialogsByTitle[zot_window::Text(dialog)];
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
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  Memory start, warm, end;
  const bool haveMemory = CHECK(process != nullptr && ReadMemory(process, &start));

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
    if (i == inputs / 10) {
      if (haveMemory) ReadMemory(process, &warm);
      std::printf("warm-up done\n");
      std::fflush(stdout);
    }
    // Table inputs only while the main window is enabled: a modal dialog
    // disables its owner, and its loop would hand a posted input to the table
    // inside the dialog, which no player can do. A computer move already under
    // way may still open a dialog before Zot takes the input.
    HWND dialog = OwnedDialog(main);
    previous = dialog != nullptr ? soak.AnswerDialog(dialog) : IsWindowEnabled(main) ? soak.Send(main, inputs) : kWait;
    ++soak.counts[previous];
    Sleep(kGapMs);
  }
  CHECK(AnswerMicros(main) >= 0);
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
  if (process != nullptr) CloseHandle(process);
  return check::Finish();
}
