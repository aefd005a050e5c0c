// The module's start, the two clocks and the pacing. The page calls into the
// module only while no dialog holds it suspended, and after every call asks
// zot_pacing_wait when to come back for a computer move.
#include <emscripten/emscripten.h>

#include "game/entry.h"
#include "game/shell.h"
#include "gfx/framebuffer.h"
#include "gfx/sprite.h"
#include "web/module/entry_points.h"
#include "web/module/web_shell.h"

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

bool TableClosed() { return closed; }

void CloseTable() {
  closed = true;
  DisarmTurnPacing();
  FreeSprites();
  DestroyFrameBuffer();
  mainWindow = nullptr;
}

namespace {

// The table as the program opens it: a frame, the pictures, the first drawing.
void OpenTable() {
  mainWindow = &canvasToken;
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  LoadSprites();
  ShowTable();
}

}  // namespace

// Back from Exit: the table as it was left, as a reload would bring it back.
EMSCRIPTEN_KEEPALIVE void zot_reopen() {
  if (!closed) return;
  closed = false;
  OpenTable();
  ResumeTurnPacing();
}

// The same test the Windows loop makes after every pass.
EMSCRIPTEN_KEEPALIVE void zot_turn_timer() {
  if (!closed && TurnPacingDue(CurrentTick())) OnTurnTimer();
}

EMSCRIPTEN_KEEPALIVE int zot_pacing_wait() { return closed ? -1 : TurnPacingWaitMs(CurrentTick()); }

int main() {
  StartUpTable();
  ListenToTable();
  OpenTable();
  ShowDialogPictures();
  return 0;
}
