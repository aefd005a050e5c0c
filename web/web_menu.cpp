// Menu commands: settings, a new match, exit, the information dialogs and help.
#include <emscripten/emscripten.h>

#include "game/match.h"
#include "game/settings.h"
#include "game/shell.h"
#include "resources/resource.h"
#include "web/web_shell.h"

namespace {

constexpr int kSettingItems[] = {IDM_SOUND_ON,       IDM_SOUND_OFF,           IDM_TWO_PLAYERS,
                                 IDM_THREE_PLAYERS,  IDM_FOUR_PLAYERS,        IDM_STANDARD_RULES,
                                 IDM_DRAW_UNTIL_PLAYABLE, IDM_ONE_DEAL,       IDM_PLAY_TO_500};

EM_JS(void, zot_set_mark, (int commandId, int checked), { Zot.setMark(commandId, checked != 0); });
EM_JS(void, zot_close_page, (), { Zot.closePage(); });

}  // namespace

void ShowMenuMarks() {
  for (int id : kSettingItems) zot_set_mark(id, SettingCommandChecked(id) ? 1 : 0);
}

void OnCommand(int commandId) {
  // A setting is assigned first, then its marks change, then the match restarts.
  if (ApplySettingCommand(commandId)) ShowMenuMarks();
  switch (commandId) {
    case IDM_ABOUT: ShowAbout(); break;
    case IDM_CARD_POINTS: ShowCardPoints(); break;
    case IDM_MANUAL: ShowManual(); break;
    default: break;
  }
  if (CommandStartsMatch(commandId)) StartMatch();
  RenderTable(mainWindow);
  // Exit: the table goes after this command's redraw, as the window does.
  if (commandId == IDM_EXIT) {
    CloseTable();
    zot_close_page();
  }
}
