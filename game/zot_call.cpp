// Saying Zot: the human's obligation under the say-zot rule, and its price.
#include "game/zot_call.h"

#include "game/events.h"
#include "game/rules.h"
#include "game/table.h"

namespace {
constexpr int kUnsaidZotCards = 2;
}  // namespace

bool ZotSayable(bool askingDrawn) {
  const GameTable& t = gameTable;
  if (!t.dealActive || !HouseRule(kHouseSayZot)) return false;
  if (t.zotCall == kZotOwed) return true;
  const bool humansMove = t.currentPlayer == kHumanSeat || askingDrawn;
  return humansMove && t.zotCall == kZotNone && PileCount(t.hands[kHumanSeat]) == 2;
}

bool SettleZotCall(int left) {
  GameTable& t = gameTable;
  const bool said = t.zotCall == kZotSaid;
  t.zotCall = left == 1 && !said ? kZotOwed : kZotNone;
  return left == 1 && said;
}

void CatchUnsaidZot() {
  GameTable& t = gameTable;
  if (t.zotCall != kZotOwed) return;
  t.zotCall = kZotNone;
  int taken = 0;
  for (int i = 0; i < kUnsaidZotCards; ++i) {
    if (DrawCard(kHumanSeat) != kNoCard) ++taken;
  }
  TellTable(TableEvent{TableEventKind::kCaught, kHumanSeat, kNoCard, 0, 0, static_cast<std::int8_t>(taken)});
}
