// Menu commands: settings, a new match, exit, the information dialogs and help.
#include "app/win_shell.h"

#include <initializer_list>

#include "game/entry.h"
#include "game/shell.h"
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

// The marks of a settings command just applied: the chosen item first, then
// its partner; the three player-count items change together, in id order.
void UpdateMarks(int commandId) {
  switch (commandId) {
    case IDM_SOUND_ON: SetMenuMarks(IDM_SOUND_ON, IDM_SOUND_OFF); break;
    case IDM_SOUND_OFF: SetMenuMarks(IDM_SOUND_OFF, IDM_SOUND_ON); break;
    case IDM_STANDARD_RULES: SetMenuMarks(IDM_STANDARD_RULES, IDM_DRAW_UNTIL_PLAYABLE); break;
    case IDM_DRAW_UNTIL_PLAYABLE: SetMenuMarks(IDM_DRAW_UNTIL_PLAYABLE, IDM_STANDARD_RULES); break;
    case IDM_ONE_DEAL: SetMenuMarks(IDM_ONE_DEAL, IDM_PLAY_TO_500); break;
    case IDM_PLAY_TO_500: SetMenuMarks(IDM_PLAY_TO_500, IDM_ONE_DEAL); break;
    default:
      for (int id : {IDM_TWO_PLAYERS, IDM_THREE_PLAYERS, IDM_FOUR_PLAYERS}) SetMark(id, SettingCommandChecked(id));
      break;
  }
}

}  // namespace

void OnCommand(HWND window, int commandId) {
  // A setting is assigned first, then its marks change, then the match restarts.
  if (ApplySettingCommand(commandId)) UpdateMarks(commandId);
  switch (commandId) {
    case IDM_EXIT:
      // The window goes when the loop dispatches WM_CLOSE, after the redraw below.
      PostMessageW(window, WM_CLOSE, 0, 0);
      break;
    case IDM_ABOUT:
      ShowAbout(window);
      break;
    case IDM_CARD_POINTS:
      ShowCardPoints(window);
      break;
    case IDM_MANUAL:
      OpenManual(window);
      break;
    default:
      break;
  }
  if (CommandStartsMatch(commandId)) StartMatch();
  RenderTable(mainWindow);
}
