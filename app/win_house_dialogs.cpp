// The house rules' two dialogs: the three switches, and the seat a 7 swaps
// hands with. Their controls read by their own texts, as the other dialogs'.
#include "app/win_shell.h"

#include "app/win_access.h"

#include "game/entry.h"
#include "game/shell.h"
#include "resources/resource.h"
#include "words/narrator.h"
#include "words/words.h"

namespace {

constexpr int kSwitches[3] = {IDC_HOUSE_STACK, IDC_HOUSE_SEVEN_ZERO, IDC_HOUSE_SAY_ZOT};
constexpr std::uint8_t kSwitchRules[3] = {kHouseStack, kHouseSevenZero, kHouseSayZot};
constexpr int kSwapSeats = IDC_SWAP_SEAT_LAST - IDC_SWAP_SEAT_FIRST + 1;
static_assert(kSwapSeats == kSeatCount - 1, "a radio for every other seat");

// The seats the swap dialog offers, set as it opens.
int offered[kSeatCount - 1];

// Opens on the rules in force; OK answers with those checked, Cancel and Esc with -1.
INT_PTR CALLBACK HouseRulesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    for (int i = 0; i < 3; ++i) {
      const bool on = (Table().houseRules & kSwitchRules[i]) != 0;
      SendDlgItemMessageW(dialog, kSwitches[i], BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    MakeDialogReadable(dialog, static_cast<int>(lParam));
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    INT_PTR rules = 0;
    for (int i = 0; i < 3; ++i) {
      if (IsChecked(dialog, kSwitches[i])) rules |= kSwitchRules[i];
    }
    EndDialog(dialog, LOWORD(wParam) == IDOK ? rules : -1);
    return TRUE;
  }
  return FALSE;
}

// Each other seat with its number of cards, fewest first, the first marked;
// a radio with no seat is hidden. Only OK leaves.
INT_PTR CALLBACK SwapSeatDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    for (int i = 0; i < kSwapSeats; ++i) {
      HWND radio = GetDlgItem(dialog, IDC_SWAP_SEAT_FIRST + i);
      if (offered[i] < 0) {
        ShowWindow(radio, SW_HIDE);
        continue;
      }
      SetWindowTextW(radio, Utf16(SeatLine(offered[i])).c_str());
      SendMessageW(radio, BM_SETCHECK, i == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    MakeDialogReadable(dialog, static_cast<int>(lParam));
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    INT_PTR chosen = offered[0];
    for (int i = 0; i < kSwapSeats; ++i) {
      if (offered[i] >= 0 && IsChecked(dialog, IDC_SWAP_SEAT_FIRST + i)) chosen = offered[i];
    }
    EndDialog(dialog, chosen);
    return TRUE;
  }
  return message == WM_COMMAND;
}

}  // namespace

int AskHouseRules(HWND owner) {
  const INT_PTR rules = ShowDialog(owner, IDD_HOUSE_RULES, HouseRulesDialogProc);
  return rules >= 0 && rules <= kHouseRulesAll ? static_cast<int>(rules) : -1;
}

// A dialog that could not be shown answers with the first seat offered.
int AskSwapSeat(WindowHandle owner) {
  SwapChoices(kHumanSeat, offered);
  const INT_PTR chosen = ShowDialog(static_cast<HWND>(owner), IDD_SWAP_SEAT, SwapSeatDialogProc);
  return chosen >= 0 && chosen < kSeatCount ? static_cast<int>(chosen) : offered[0];
}

void EnableSayZot(HMENU menu) {
  const bool on = (Table().houseRules & kHouseSayZot) != 0;
  EnableMenuItem(menu, IDM_SAY_ZOT, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void ShowSayZotCommand(HWND window) {
  EnableSayZot(GetMenu(window));
  DrawMenuBar(window);
}
