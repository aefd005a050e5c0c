// Menu commands: settings, a new match, exit, the information dialogs and help.
#include <emscripten/emscripten.h>

#include "game/entry.h"
#include "game/shell.h"
#include "resources/resource.h"
#include "web/module/entry_points.h"
#include "web/module/web_shell.h"

namespace {

EM_JS(void, zot_close_page, (), { Module.page.closePage(); });

// The house rules' dialog: a change starts a new match, once the player lets
// it throw away the one in progress.
void ChooseHouseRules() {
  const int rules = AskHouseRules();
  if (rules < 0 || rules == Table().houseRules) return;
  if (Table().dealActive && !AskNewMatch()) return;
  ApplyHouseRules(rules);
  StartMatch();
  ShowTable();
}

void OnCommand(int commandId) {
  if (commandId == IDM_HOUSE_RULES) {
    ChooseHouseRules();
    return;
  }
  // A match in progress is not thrown away unasked: on a no, nothing changes,
  // the setting included.
  if (CommandStartsMatch(commandId) && Table().dealActive && !AskNewMatch()) return;
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
  ShowTable();
  // Exit: the table goes after this command's redraw, as the window does.
  if (commandId == IDM_EXIT) {
    CloseTable();
    zot_close_page();
  }
}

}  // namespace

EMSCRIPTEN_KEEPALIVE void zot_command(int commandId) {
  if (!TableClosed()) OnCommand(commandId);
}

// The page asks after each call for the marks of the menu's settings items.
EMSCRIPTEN_KEEPALIVE int zot_setting_mark(int commandId) { return SettingCommandChecked(commandId) ? 1 : 0; }
