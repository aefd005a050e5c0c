// The whole game as the page keeps it between visits: written after every
// call that ended between moves, read back once when the page opens.
#include <emscripten/emscripten.h>

#include <string>

#include "game/keyboard.h"
#include "game/saved_game.h"
#include "game/shell.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* zot_save() {
  static std::string text;
  text = EncodeSavedGame(CaptureGame(CurrentTick()));
  return text.c_str();
}

// 1 when the saved game is in place; 0 when it could not be read, and the
// fresh table stays as it was.
EMSCRIPTEN_KEEPALIVE int zot_restore(const char* text) {
  SavedGame saved;
  if (text == nullptr || !DecodeSavedGame(text, &saved)) return 0;
  RestoreGame(saved, CurrentTick());
  HideHandSelection();
  RenderTable(mainWindow);
  return 1;
}

}  // extern "C"
