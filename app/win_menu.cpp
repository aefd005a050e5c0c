// Menu commands: settings, a new match, exit, the information dialogs and help.
#include "app/win_shell.h"

#include "game/entry.h"
#include "game/shell.h"
#include "resources/resource.h"

void SetMenuMarks(int markId, int clearId) {
  HMENU menu = GetMenu(static_cast<HWND>(mainWindow));
  CheckMenuItem(menu, static_cast<UINT>(markId), MF_BYCOMMAND | MF_CHECKED);
  CheckMenuItem(menu, static_cast<UINT>(clearId), MF_BYCOMMAND | MF_UNCHECKED);
}

namespace {

// The marks of a settings command just applied: the chosen item marked, each
// other item of its setting cleared.
void UpdateMarks(int commandId) {
  const SettingCommand* chosen = FindSettingCommand(commandId);
  if (chosen == nullptr) return;
  for (const SettingCommand& other : kSettingCommands) {
    if (other.setting == chosen->setting && other.commandId != commandId) SetMenuMarks(commandId, other.commandId);
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
    case IDM_SAY_ZOT:
      SayZot();
      break;
    case IDM_HOUSE_RULES: {
      // A change starts a new match, as the other rule settings do.
      const int rules = AskHouseRules(window);
      if (rules >= 0 && ApplyHouseRules(rules)) {
        ShowSayZotCommand(window);
        StartMatch();
      }
      break;
    }
    default:
      break;
  }
  if (CommandStartsMatch(commandId)) StartMatch();
  ShowTable();
}
