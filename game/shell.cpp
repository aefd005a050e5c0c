// The cue names the game hands to PlayCue, and the main window handle the shell
// fills in. The shell operations themselves come from each program.
#include "game/shell.h"

const char IDW_BOING[] = "IDW_BOING";
const char IDW_CLAPS[] = "IDW_CLAPS";
const char IDW_CLICK[] = "IDW_CLICK";
const char IDW_ERROR[] = "IDW_ERROR";
const char IDW_LOSE[] = "IDW_LOSE";
const char IDW_ZOT[] = "IDW_ZOT";

WindowHandle mainWindow = nullptr;

void ShowTable() {
  RenderTable(mainWindow);
  TableChanged();
}
