// Presses and keys on the table, as the page hands them over.
#include <emscripten/emscripten.h>

#include <cstring>

#include "game/entry.h"
#include "web/module/entry_points.h"
#include "web/module/web_shell.h"
#include "words/narrator.h"

EMSCRIPTEN_KEEPALIVE void zot_press(int x, int y) {
  if (!TableClosed()) OnTablePress(x, y);
}

// The table's keys as the page names them (KeyD for the letter D of the
// layout), as the Windows window takes them.
// "KeyL", "KeyC" and "KeyT" say the table again.
EMSCRIPTEN_KEEPALIVE void zot_key(const char* code, int repeat) {
  if (TableClosed() || OnTableKeyCode(code, repeat != 0)) return;
  TableQuery query;
  if (std::strncmp(code, "Key", 3) == 0 && code[4] == '\0' && TableQueryOfLetter(code[3], &query)) SayAgain(query);
}
