// The computer seats' fixed rule.
#include "game/computer.h"

#include "game/events.h"
#include "game/match.h"
#include "game/rules.h"
#include "game/shell.h"
#include "game/table.h"
#include "game/zot_call.h"

void ComputerTurn(int seat) {
  GameTable& t = gameTable;
  CardPile& hand = t.hands[seat];
  CatchUnsaidZot();

  // The playable card nearest the end of the hand: the most recently received.
  int chosen = -1;
  for (int i = 0; hand.cards[i] != kNoCard; ++i) {
    if (IsPlayable(seat, hand.cards[i])) chosen = i;
  }

  SoundCue cue = IDW_CLICK;
  if (chosen >= 0) {
    PlayCard(seat, chosen, &cue);
  } else if (t.pendingTotal > 0) {
    t.currentPlayer = static_cast<std::uint8_t>(TakePendingTotal(seat));
  } else {
    const CardCode drawn = DrawCard(seat);
    TellSeat(TableEventKind::kDrew, seat, drawn);
    if (drawn != kNoCard && IsPlayable(seat, drawn)) {
      PlayCard(seat, PileCount(hand) - 1, &cue);
    } else {
      TellSeat(TableEventKind::kKept, seat);
      if (TurnPassesAfterDraw(drawn)) t.currentPlayer = static_cast<std::uint8_t>(NextPlayer(seat));
    }
  }
  FinishMove(seat, cue);
}
