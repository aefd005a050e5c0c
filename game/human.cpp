// The human's presses on the table: play a card of the hand or draw.
#include "game/events.h"
#include "game/match.h"
#include "game/players.h"
#include "game/rules.h"
#include "game/shell.h"
#include "game/table.h"

int FanSpacingUnit(int n) {
  if (n <= 12) return 10;
  if (n <= 24) return 8;
  if (n <= 36) return 6;
  return 4;
}

int HandCardLeft(int n, int i) {
  const int h = FanSpacingUnit(n);
  return 300 - h * n - 2 * h + 2 * h * i;
}

int HandCardAt(int n, int x, int y) {
  if (!(kHandTop < y && y < kHandTop + kCardHeight)) return -1;
  int hit = -1;
  // Later cards lie over earlier ones: the last that contains the point wins.
  for (int i = 0; i < n; ++i) {
    const int left = HandCardLeft(n, i);
    if (left < x && x < left + kCardWidth) hit = i;
  }
  return hit;
}

bool OnDrawPile(int x, int y) {
  return kDrawPileLeft < x && x < kDrawPileLeft + kCardWidth && kPileTop < y && y < kPileTop + kCardHeight;
}

void OnTableClick(int x, int y) {
  GameTable& t = gameTable;
  if (!t.dealActive) {
    StartMatch();
    RenderTable(mainWindow);
    return;
  }
  if (t.currentPlayer != kHumanSeat) {
    RenderTable(mainWindow);
    return;
  }

  CardPile& hand = t.hands[kHumanSeat];
  SoundCue cue = IDW_CLICK;
  bool accepted = false;

  const int index = HandCardAt(PileCount(hand), x, y);
  if (index >= 0) accepted = PlayCard(kHumanSeat, index, &cue);

  // The place of the draw pile counts even while the pile is empty: DrawCard
  // refills it from the discard pile, and when no card can be had at all the
  // press passes the turn, so the human is never left without a move.
  if (!accepted && OnDrawPile(x, y)) {
    accepted = true;
    const CardCode drawn = DrawCard(kHumanSeat);
    TellSeat(TableEventKind::kDrew, kHumanSeat, drawn);
    RenderTable(mainWindow);
    cue = IDW_CLICK;
    bool played = false;
    if (drawn == kNoCard || !t.drawUntilPlayable) {
      t.currentPlayer = static_cast<std::uint8_t>(NextPlayer(kHumanSeat));
      if (drawn != kNoCard && IsPlayable(kHumanSeat, drawn) && AskPlayDrawnCard(mainWindow)) {
        played = PlayCard(kHumanSeat, PileCount(hand) - 1, &cue);
      }
    }
    if (!played) TellSeat(TableEventKind::kKept, kHumanSeat);
  }

  if (!accepted) {
    PlayCue(IDW_ERROR);
    RenderTable(mainWindow);
    return;
  }

  const int left = PileCount(hand);
  if (left == 0) {
    EndDeal(kHumanSeat);  // a following deal tells its own turn
  } else {
    if (left == 1) TellSeat(TableEventKind::kOneCard, kHumanSeat);
    PlayCue(left == 1 ? IDW_ZOT : cue);
    ArmTurnPacing();
    // Still the human's: a Skip, Reverse or draw card between two, or a draw that keeps the turn.
    if (t.currentPlayer == kHumanSeat) TellSeat(TableEventKind::kHumanTurn, kHumanSeat);
  }
  RenderTable(mainWindow);
}
