// Menu commands: settings, a new match, exit, the information dialogs and help.
#include "app/win_shell.h"

#include "game/entry.h"
#include "game/shell.h"
#include "resources/resource.h"
#include "words/words.h"

void SetMenuMarks(int markId, int clearId) {
  HMENU menu = GetMenu(static_cast<HWND>(mainWindow));
  CheckMenuItem(menu, static_cast<UINT>(markId), MF_BYCOMMAND | MF_CHECKED);
  CheckMenuItem(menu, static_cast<UINT>(clearId), MF_BYCOMMAND | MF_UNCHECKED);
}

HMENU LoadMainMenu() {
  HMENU menu = LoadMenuW(appInstance, MAKEINTRESOURCEW(InLanguage(IDR_MAIN_MENU)));
  for (const SettingCommand& command : kSettingCommands) {
    CheckMenuItem(menu, static_cast<UINT>(command.commandId),
                  MF_BYCOMMAND | (SettingCommandChecked(command.commandId) ? MF_CHECKED : MF_UNCHECKED));
  }
  EnableSayZot(menu);
  // The language item, named in the language it chooses, last on the settings
  // menu: added here, so that the original's menu template stays as it was.
  HMENU settings = GetSubMenu(menu, 1);
  AppendMenuW(settings, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(settings, MF_STRING, IDM_LANGUAGE, Utf16(Word(IDS_LANGUAGE_ITEM)).c_str());
  return menu;
}

namespace {

// The other language, at once: the menu is the language's own, the match goes on.
void SwitchLanguage(HWND window) {
  SetLanguage(CurrentLanguage() == Language::kArabic ? Language::kEnglish : Language::kArabic);
  HMENU old = GetMenu(window);
  SetMenu(window, LoadMainMenu());
  if (old != nullptr) DestroyMenu(old);
  DrawMenuBar(window);
}

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
    case IDM_LANGUAGE:
      SwitchLanguage(window);
      break;
    default:
      break;
  }
  if (CommandStartsMatch(commandId)) StartMatch();
  ShowTable();
}
