// Menu commands: settings, a new match, exit, the information dialogs and help.
#include "app/win_shell.h"

#include <shellapi.h>

#include "game/match.h"
#include "game/shell.h"
#include "game/table.h"
#include "resources/resource.h"

void SetMenuMarks(int markId, int clearId) {
  HMENU menu = GetMenu(static_cast<HWND>(mainWindow));
  CheckMenuItem(menu, static_cast<UINT>(markId), MF_BYCOMMAND | MF_CHECKED);
  CheckMenuItem(menu, static_cast<UINT>(clearId), MF_BYCOMMAND | MF_UNCHECKED);
}

namespace {

void SetMark(int id, bool marked) {
  CheckMenuItem(GetMenu(static_cast<HWND>(mainWindow)), static_cast<UINT>(id),
                MF_BYCOMMAND | (marked ? MF_CHECKED : MF_UNCHECKED));
}

// The three player-count items change together, always in id order.
void SetPlayerCount(int count) {
  gameTable.playerCount = count;
  SetMark(IDM_TWO_PLAYERS, count == 2);
  SetMark(IDM_THREE_PLAYERS, count == 3);
  SetMark(IDM_FOUR_PLAYERS, count == 4);
  StartMatch();
}

}  // namespace

void OnCommand(HWND window, int commandId) {
  switch (commandId) {
    case IDM_NEW_GAME:
      StartMatch();
      break;
    case IDM_EXIT:
      // The window goes when the loop dispatches WM_CLOSE, after the redraw below.
      PostMessageW(window, WM_CLOSE, 0, 0);
      break;
    case IDM_SOUND_ON:
      gameTable.soundOn = 1;
      SetMenuMarks(IDM_SOUND_ON, IDM_SOUND_OFF);
      break;
    case IDM_SOUND_OFF:
      gameTable.soundOn = 0;
      SetMenuMarks(IDM_SOUND_OFF, IDM_SOUND_ON);
      break;
    case IDM_TWO_PLAYERS:
      SetPlayerCount(2);
      break;
    case IDM_THREE_PLAYERS:
      SetPlayerCount(3);
      break;
    case IDM_FOUR_PLAYERS:
      SetPlayerCount(4);
      break;
    case IDM_STANDARD_RULES:
      gameTable.drawUntilPlayable = 0;
      SetMenuMarks(IDM_STANDARD_RULES, IDM_DRAW_UNTIL_PLAYABLE);
      StartMatch();
      break;
    case IDM_DRAW_UNTIL_PLAYABLE:
      gameTable.drawUntilPlayable = 1;
      SetMenuMarks(IDM_DRAW_UNTIL_PLAYABLE, IDM_STANDARD_RULES);
      StartMatch();
      break;
    case IDM_ONE_DEAL:
      gameTable.singleDealMatch = 1;
      SetMenuMarks(IDM_ONE_DEAL, IDM_PLAY_TO_500);
      StartMatch();
      break;
    case IDM_PLAY_TO_500:
      gameTable.singleDealMatch = 0;
      SetMenuMarks(IDM_PLAY_TO_500, IDM_ONE_DEAL);
      StartMatch();
      break;
    case IDM_ABOUT:
      ShowAbout(window);
      break;
    case IDM_CARD_POINTS:
      ShowCardPoints(window);
      break;
    case IDM_MANUAL:
      // No directory: the shell looks for the file in the current directory.
      ShellExecuteW(window, L"open", L"Zot.hlp", nullptr, nullptr, SW_SHOWNORMAL);
      break;
    default:
      break;
  }
  RenderTable(mainWindow);
}
