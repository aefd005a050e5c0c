// Writes the page's module of the game's facts ("zot-facts"): the table's and a
// card's size, the card codes the page names, the table's keys, the names of
// the table's events, every entry point of the module with the types the page
// passes it, the saved game's limit and what a restore made of a save, and the
// felt's colour the page paints before the first frame (and the app's theme
// colour). Read from the C++ itself at build time, so the page never
// restates them; a page script that names anything else does not build.
//   node facts.js > zot_facts.js
#include <cstdio>
#include <type_traits>

#include "game/cards.h"
#include "game/events.h"
#include "game/table_input.h"
#include "game/layout.h"
#include "game/saved_game.h"
#include "gfx/framebuffer.h"
#include "tools/assetgen/palette.h"
#include "web/module/entry_points.h"
#include "words/narrator.h"

namespace {

void Constant(const char* name, int value) { std::printf("export const %s = %d;\n", name, value); }

// How the page hands a value of type T to the module, or takes one back (ccall's names).
template <typename T>
const char* PageType() {
  if constexpr (std::is_void_v<T>) return "null";
  if constexpr (std::is_same_v<T, const char*>) return "'string'";
  return "'number'";  // integers, and pointers into the module's memory
}

// export const name = [name, result, [arguments]], from the declaration alone:
// the module's code is not linked here.
template <typename Function>
struct EntryPoint;
template <typename Result, typename... Arguments>
struct EntryPoint<Result(Arguments...)> {
  static void Print(const char* name) {
    std::printf("export const %s = ['%s', %s, [", name, name, PageType<Result>());
    const char* separator = "";
    ((std::printf("%s%s", separator, PageType<Arguments>()), separator = ", "), ...);
    std::printf("]];\n");
  }
};
// The name as written is the function's own.
#define ZOT_ENTRY_POINT(function) EntryPoint<decltype(function)>::Print(#function)

// The event kinds by the names the C++ gives them, valued as the module writes them.
struct EventKindName {
  TableEventKind kind;
  const char* name;
};
constexpr EventKindName kEventKinds[] = {
    {TableEventKind::kMatchStarted, "kMatchStarted"}, {TableEventKind::kDealt, "kDealt"},
    {TableEventKind::kHand, "kHand"},                 {TableEventKind::kDrew, "kDrew"},
    {TableEventKind::kPlayed, "kPlayed"},             {TableEventKind::kPenalty, "kPenalty"},
    {TableEventKind::kSkipped, "kSkipped"},           {TableEventKind::kReversed, "kReversed"},
    {TableEventKind::kKept, "kKept"},                 {TableEventKind::kOneCard, "kOneCard"},
    {TableEventKind::kHumanTurn, "kHumanTurn"},       {TableEventKind::kDealEnded, "kDealEnded"},
    {TableEventKind::kMatchEnded, "kMatchEnded"},     {TableEventKind::kRefused, "kRefused"},
    {TableEventKind::kStacked, "kStacked"},           {TableEventKind::kSwapped, "kSwapped"},
    {TableEventKind::kPassed, "kPassed"},             {TableEventKind::kSaidZot, "kSaidZot"},
    {TableEventKind::kCaught, "kCaught"},
};
static_assert(sizeof kEventKinds / sizeof kEventKinds[0] == kTableEventKinds, "every event kind has its name here");

}  // namespace

int main() {
  std::printf("// Written at build time by web/make/facts.cpp from the game's C++: not to be edited.\n");
  Constant("kFrameWidth", kFrameWidth);
  Constant("kFrameHeight", kFrameHeight);
  Constant("kCardWidth", kCardWidth);
  Constant("kCardHeight", kCardHeight);
  // What the opening hand's fan leaves uncovered of each card: the narrowest
  // target a finger meets on the table (later hands only close up).
  Constant("kHandCardStrip", HandCardLeft(kHandSize, 1) - HandCardLeft(kHandSize, 0));
  Constant("kCardBack", 0);
  Constant("kWild", kWild);
  Constant("kWildDrawFour", kWildDrawFour);
  Constant("kMaxSavedGameBytes", kMaxSavedGameBytes);
  Constant("kRestored", kRestored);
  Constant("kRestoreUnreadable", kRestoreUnreadable);
  Constant("kRestoreNewer", kRestoreNewer);
  std::printf("export const kFeltColour = '#%02x%02x%02x';\n", assetgen::kFeltBase.r, assetgen::kFeltBase.g,
              assetgen::kFeltBase.b);

  std::printf("export const kTableKeyCodes = [");
  for (const TableKeyName& key : kTableKeyNames) std::printf("%s'%s'", &key == kTableKeyNames ? "" : ", ", key.code);
  std::printf("];\n");
  std::printf("export const kQueryKeyCodes = [");
  for (const TableQueryKey& key : kTableQueryKeys) {
    std::printf("%s'Key%c'", &key == kTableQueryKeys ? "" : ", ", key.letter);
  }
  std::printf("];\n");

  for (const EventKindName& kind : kEventKinds) {
    std::printf("export const %s = '%s';\n", kind.name, TableEventName(kind.kind));
  }

  ZOT_ENTRY_POINT(zot_turn_timer);
  ZOT_ENTRY_POINT(zot_pacing_wait);
  ZOT_ENTRY_POINT(zot_reopen);
  ZOT_ENTRY_POINT(zot_press);
  ZOT_ENTRY_POINT(zot_key);
  ZOT_ENTRY_POINT(zot_hand_card);
  ZOT_ENTRY_POINT(zot_draw_pile);
  ZOT_ENTRY_POINT(zot_select_card);
  ZOT_ENTRY_POINT(zot_say_zot);
  ZOT_ENTRY_POINT(zot_card_rgba);
  ZOT_ENTRY_POINT(zot_command);
  ZOT_ENTRY_POINT(zot_setting_mark);
  ZOT_ENTRY_POINT(zot_language);
  ZOT_ENTRY_POINT(zot_save);
  ZOT_ENTRY_POINT(zot_restore_buffer);
  ZOT_ENTRY_POINT(zot_restore);
  return 0;
}
