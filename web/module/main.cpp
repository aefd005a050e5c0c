// Entry points the page calls, the two clocks and the pacing wait. The page
// calls into the module only while no dialog holds it suspended, and after
// every call asks zot_pacing_wait when to come back for a computer move.
#include <emscripten/emscripten.h>

#include <cstring>
#include <vector>

#include "game/keyboard.h"
#include "game/players.h"
#include "game/settings.h"
#include "game/shell.h"
#include "game/table.h"
#include "gfx/framebuffer.h"
#include "gfx/pixels.h"
#include "gfx/sprite.h"
#include "resources/resource.h"
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

void CloseTable() {
  closed = true;
  DisarmTurnPacing();
  FreeSprites();
  DestroyFrameBuffer();
  mainWindow = nullptr;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void zot_press(int x, int y) {
  if (!closed) OnTablePress(x, y);
}

// The buttons of the hand and the draw pile: presses on those places.
EMSCRIPTEN_KEEPALIVE void zot_hand_card(int index) {
  if (closed) return;
  HideHandSelection();
  PressHandCard(index);
}

EMSCRIPTEN_KEEPALIVE void zot_draw_pile() {
  if (closed) return;
  HideHandSelection();
  PressDrawPile();
}

// The picture of card `code` (0 the back) for the hand's buttons, RGBA, 60 x 90.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* zot_card_rgba(int code) {
  static std::vector<std::uint32_t> rgba;
  rgba = code >= 0 && code < kCardSpriteCount ? SpriteRgba(cardSprites[code]) : std::vector<std::uint32_t>();
  rgba.resize(static_cast<std::size_t>(kCardWidth) * kCardHeight);
  return rgba.data();
}

// The table's keys as the page names them (KeyD for the letter D of the
// layout), as the Windows window takes them; held-down play and draw keys do
// not repeat, and F2 is the New game command.
EMSCRIPTEN_KEEPALIVE void zot_key(const char* code, int repeat) {
  if (closed) return;
  const auto is = [code](const char* name) { return std::strcmp(code, name) == 0; };
  if (is("ArrowLeft")) OnTableKey(TableKey::kLeft);
  else if (is("ArrowRight")) OnTableKey(TableKey::kRight);
  else if (is("Home")) OnTableKey(TableKey::kFirst);
  else if (is("End")) OnTableKey(TableKey::kLast);
  else if (is("Enter") || is("NumpadEnter") || is("Space")) {
    if (!repeat) OnTableKey(TableKey::kPlay);
  } else if (is("KeyD")) {
    if (!repeat) OnTableKey(TableKey::kDraw);
  } else if (is("F2")) {
    OnCommand(IDM_NEW_GAME);
  }
}

EMSCRIPTEN_KEEPALIVE void zot_command(int commandId) {
  if (!closed) OnCommand(commandId);
}

// The same test the Windows loop makes after every pass.
EMSCRIPTEN_KEEPALIVE void zot_turn_timer() {
  if (!closed && TurnPacingDue(CurrentTick())) OnTurnTimer();
}

EMSCRIPTEN_KEEPALIVE int zot_pacing_wait() { return closed ? -1 : TurnPacingWaitMs(CurrentTick()); }

}  // extern "C"

int main() {
  mainWindow = &canvasToken;
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  LoadSprites();
  StartUpTable();
  ListenToTable();
  ShowDialogPictures();
  RenderTable(mainWindow);
  return 0;
}
