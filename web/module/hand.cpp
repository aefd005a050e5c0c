// The human's hand as the page's buttons: presses on its cards and on the draw
// pile, and the cards' pictures.
#include <emscripten/emscripten.h>

#include <vector>

#include "game/entry.h"
#include "gfx/pixels.h"
#include "gfx/sprite.h"
#include "web/module/entry_points.h"
#include "web/module/web_shell.h"

EMSCRIPTEN_KEEPALIVE void zot_hand_card(int index) {
  if (!TableClosed()) OnHandCardButton(index);
}

EMSCRIPTEN_KEEPALIVE void zot_draw_pile() {
  if (!TableClosed()) OnDrawPileButton();
}

EMSCRIPTEN_KEEPALIVE void zot_say_zot() {
  if (!TableClosed()) SayZot();
}

// The card the player's focus is on is the selection.
EMSCRIPTEN_KEEPALIVE void zot_select_card(int index) {
  if (!TableClosed()) SelectHandCard(index);
}

EMSCRIPTEN_KEEPALIVE const std::uint32_t* zot_card_rgba(int code) {
  static std::vector<std::uint32_t> rgba;
  rgba = code >= 0 && code < kCardSpriteCount ? SpriteRgba(cardSprites[code]) : std::vector<std::uint32_t>();
  rgba.resize(static_cast<std::size_t>(kCardWidth) * kCardHeight);
  return rgba.data();
}
