// The computer seats' fixed rule and the pacing that spaces their moves.
#include "game/events.h"
#include "game/match.h"
#include "game/players.h"
#include "game/rules.h"
#include "game/shell.h"
#include "game/table.h"

bool TurnPacingDue(std::uint32_t now) {
  // Unsigned 32-bit difference: stays right across the tick counter's wrap.
  return gameTable.computerTurnPending && static_cast<std::uint32_t>(now - gameTable.lastTurnTick) > kTurnIntervalMs;
}

std::int32_t TurnPacingWaitMs(std::uint32_t now) {
  if (!gameTable.computerTurnPending) return -1;
  // The test passes once more than the interval has gone: at interval + 1.
  const std::uint32_t elapsed = now - gameTable.lastTurnTick;
  return elapsed > kTurnIntervalMs ? 0 : static_cast<std::int32_t>(kTurnIntervalMs + 1 - elapsed);
}

void OnTurnTimer() {
  GameTable& t = gameTable;
  t.lastTurnTick = CurrentTick();  // the next interval counts from this tick
  if (t.currentPlayer == kHumanSeat || !t.dealActive) {
    DisarmTurnPacing();
    return;
  }
  ComputerTurn(t.currentPlayer);
  RenderTable(mainWindow);
}

void ComputerTurn(int seat) {
  GameTable& t = gameTable;
  CardPile& hand = t.hands[seat];

  // The playable card nearest the end of the hand: the most recently received.
  int chosen = -1;
  for (int i = 0; hand.cards[i] != kNoCard; ++i) {
    if (IsPlayable(seat, hand.cards[i])) chosen = i;
  }

  SoundCue cue = IDW_CLICK;
  if (chosen >= 0) {
    PlayCard(seat, chosen, &cue);
  } else {
    const CardCode drawn = DrawCard(seat);
    TellSeat(TableEventKind::kDrew, seat, drawn);
    if (drawn != kNoCard && IsPlayable(seat, drawn)) {
      PlayCard(seat, PileCount(hand) - 1, &cue);
    } else {
      TellSeat(TableEventKind::kKept, seat);
      // With nothing to draw the seat passes under both rules, or the deal would
      // stand still with this seat retrying for ever.
      if (drawn == kNoCard || !t.drawUntilPlayable) t.currentPlayer = static_cast<std::uint8_t>(NextPlayer(seat));
    }
  }

  const int left = PileCount(hand);
  if (left == 0) {
    EndDeal(seat);
    return;
  }
  if (left == 1) TellSeat(TableEventKind::kOneCard, seat);
  PlayCue(left == 1 ? IDW_ZOT : cue);
  if (t.dealActive && t.currentPlayer == kHumanSeat) TellSeat(TableEventKind::kHumanTurn, kHumanSeat);
}
