// The whole game as the page keeps it between visits: written after every
// call that ended between moves, read back once when the page opens.
#include <emscripten/emscripten.h>

#include <string>

#include "game/entry.h"
#include "game/shell.h"
#include "web/module/entry_points.h"

EMSCRIPTEN_KEEPALIVE const char* zot_save() {
  static std::string text;
  text = EncodeSavedGame(CaptureGame(CurrentTick()));
  return text.c_str();
}

// 0 when the text could not be read: the fresh table stays as it was.
EMSCRIPTEN_KEEPALIVE int zot_restore(const char* text) {
  SavedGame saved;
  if (text == nullptr || !DecodeSavedGame(text, &saved)) return 0;
  RestoreGame(saved, CurrentTick());
  HideHandSelection();
  ShowTable();
  return 1;
}
