// Entry points the page calls, the two clocks and the pacing wait. The page
// calls into the module only while no dialog holds it suspended, and after
// every call asks zot_pacing_wait when to come back for a computer move.
#include <emscripten/emscripten.h>

#include "game/players.h"
#include "game/settings.h"
#include "game/shell.h"
#include "game/table.h"
#include "gfx/framebuffer.h"
#include "gfx/sprite.h"
#include "web/web_shell.h"

namespace {

// The canvas stands in for the main window; the game only passes it through.
int canvasToken = 0;
bool closed = false;

}  // namespace

std::uint32_t CurrentTick() {
  // performance.now(), wrapped to 32 bits like the Windows tick.
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}

EM_JS(double, zot_calendar_seconds, (), { return Math.floor(Date.now() / 1000); });

std::int64_t CalendarSeconds() { return static_cast<std::int64_t>(zot_calendar_seconds()); }

std::int32_t PacingWaitMs(std::uint32_t now) {
  if (gameTable.computerTurnPending == 0) return -1;
  // TurnPacingDue passes once more than the interval has gone: at interval + 1.
  const std::uint32_t elapsed = now - gameTable.lastTurnTick;
  return elapsed > kTurnIntervalMs ? 0 : static_cast<std::int32_t>(kTurnIntervalMs + 1 - elapsed);
}

void CloseTable() {
  closed = true;
  DisarmTurnPacing();
  FreeSprites();
  DestroyFrameBuffer();
  mainWindow = nullptr;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void zot_press(int x, int y) {
  if (!closed) OnTableClick(x, y);
}

EMSCRIPTEN_KEEPALIVE void zot_command(int commandId) {
  if (!closed) OnCommand(commandId);
}

// The same test the Windows loop makes after every pass.
EMSCRIPTEN_KEEPALIVE void zot_turn_timer() {
  if (!closed && TurnPacingDue(CurrentTick())) OnTurnTimer();
}

EMSCRIPTEN_KEEPALIVE int zot_pacing_wait() { return closed ? -1 : PacingWaitMs(CurrentTick()); }

}  // extern "C"

int main() {
  mainWindow = &canvasToken;
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  LoadSprites();
  StartUpTable();
  ShowMenuMarks();
  ShowDialogPicture();
  RenderTable(mainWindow);
  return 0;
}
