// The whole game as the page keeps it between visits: written after every
// call that ended between moves, read back once when the page opens. The save
// comes back as bytes the page copies into a buffer of the saved game's limit,
// so nothing longer ever enters the module, and a NUL inside reads as the
// fuzzer reads it.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "game/entry.h"
#include "game/shell.h"
#include "web/module/entry_points.h"

namespace {

char saveBuffer[kMaxSavedGameBytes];

}  // namespace

EMSCRIPTEN_KEEPALIVE const char* zot_save() {
  static std::string text;
  text = EncodeSavedGame(CaptureGame(CurrentTick()));
  return text.c_str();
}

EMSCRIPTEN_KEEPALIVE char* zot_restore_buffer() { return saveBuffer; }

// A newer version is told from its first line, which the buffer holds however
// long the save; a longer save of this version is no save of it.
EMSCRIPTEN_KEEPALIVE int zot_restore(int size) {
  const std::string_view text(saveBuffer, static_cast<std::size_t>(std::clamp(size, 0, int{kMaxSavedGameBytes})));
  if (SavedGameVersion(text) > kSavedGameVersion) return kRestoreNewer;
  SavedGame saved;
  if (size < 0 || static_cast<std::size_t>(size) > kMaxSavedGameBytes || !DecodeSavedGame(text, &saved)) {
    return kRestoreUnreadable;
  }
  RestoreGame(saved, CurrentTick());
  HideHandSelection();
  ShowTable();
  return kRestored;
}
