// Presses and keys on the table, as the page hands them over.
#include <emscripten/emscripten.h>

#include "game/entry.h"
#include "web/module/entry_points.h"
#include "web/module/web_shell.h"

EMSCRIPTEN_KEEPALIVE void zot_press(int x, int y) {
  if (!TableClosed()) OnTablePress(x, y);
}

// The table's keys as the page names them (KeyD for the letter D of the
// layout), as the Windows window takes them.
EMSCRIPTEN_KEEPALIVE void zot_key(const char* code, int repeat) {
  if (!TableClosed()) OnTableKeyCode(code, repeat != 0);
}
