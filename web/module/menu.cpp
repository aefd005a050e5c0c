// Menu commands: settings, a new match, exit, the information dialogs and help.
#include <emscripten/emscripten.h>

#include "game/match.h"
#include "game/settings.h"
#include "game/shell.h"
#include "resources/resource.h"
#include "web/web_shell.h"

namespace {

EM_JS(void, zot_close_page, (), { Zot.closePage(); });

}  // namespace

// The page asks after each call for the marks of the menu's settings items.
extern "C" EMSCRIPTEN_KEEPALIVE int zot_setting_mark(int commandId) { return SettingCommandChecked(commandId) ? 1 : 0; }

void OnCommand(int commandId) {
  // A setting is assigned first; the page shows its marks when the call returns.
  ApplySettingCommand(commandId);
  switch (commandId) {
    case IDM_ABOUT: ShowAbout(); break;
    case IDM_CARD_POINTS: ShowCardPoints(); break;
    case IDM_MANUAL: ShowManual(); break;
    case IDM_STATISTICS: ShowStatistics(); break;
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
