// The human's presses on the table: play a card of the hand or draw.
#include "game/events.h"
#include "game/input.h"
#include "game/layout.h"
#include "game/match.h"
#include "game/rules.h"
#include "game/shell.h"
#include "game/table.h"

bool HandCardPlayable(int index) {
  const GameTable& t = gameTable;
  const CardPile& hand = t.hands[kHumanSeat];
  if (!t.dealActive || t.currentPlayer != kHumanSeat || index < 0 || index >= PileCount(hand)) return false;
  return IsPlayable(kHumanSeat, hand.cards[index]);
}

void OnTableClick(int x, int y) {
  GameTable& t = gameTable;
  if (!t.dealActive) {
    StartMatch();
    RenderTable(mainWindow);
    return;
  }
  CardPile& hand = t.hands[kHumanSeat];
  const int index = HandCardAt(PileCount(hand), x, y);
  const CardCode pressed = index >= 0 ? hand.cards[index] : kNoCard;
  if (t.currentPlayer != kHumanSeat) {
    TellSeat(TableEventKind::kRefused, t.currentPlayer, pressed);
    RenderTable(mainWindow);
    return;
  }

  SoundCue cue = IDW_CLICK;
  bool accepted = false;
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
    TellSeat(TableEventKind::kRefused, kHumanSeat, pressed);
    PlayCue(IDW_ERROR);
    RenderTable(mainWindow);
    return;
  }

  // The turn may still be the human's: a Skip, Reverse or draw card between
  // two, or a draw that keeps the turn; the pacing's next tick then disarms.
  if (FinishMove(kHumanSeat, cue)) ArmTurnPacing();
  RenderTable(mainWindow);
}
