// libFuzzer target: arbitrary bytes as a saved game. Whatever decodes must be of
// a version this build reads by its first line alone, write
// back as exactly the text it was read from, that text must decode to the same
// game, and the game restored and captured again must still be that game.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/saved_game.h"
#include "game/shell.h"
#include "tests/game/table_compare.h"

// The game sources compiled in here name the shell's clocks; nothing decoded reads them.
std::uint32_t CurrentTick() { return 0; }
std::int64_t CalendarSeconds() { return 0; }

namespace {

bool SameGame(const SavedGame& a, const SavedGame& b) {
  return SameTable(a.table, b.table) && a.randomState == b.randomState && a.pacingElapsedMs == b.pacingElapsedMs &&
         a.statistics == b.statistics;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  SavedGame game;
  const std::uint32_t version = SavedGameVersion(text);
  if (!DecodeSavedGame(text, &game)) return 0;
  if (version < kFirstSavedGameVersion || version > kSavedGameVersion) std::abort();
  const std::string written = EncodeSavedGame(game);
  SavedGame again;
  if (written != text || !DecodeSavedGame(written, &again) || !SameGame(game, again)) std::abort();

  // A pacing further along than a restore keeps comes back as due at once.
  RestoreGame(game, 0xFFFFFF00u);
  const SavedGame captured = CaptureGame(0xFFFFFF00u);
  if (game.pacingElapsedMs > kMaxRestoredPacingMs) game.pacingElapsedMs = kMaxRestoredPacingMs;
  if (!SameGame(game, captured)) std::abort();
  return 0;
}
