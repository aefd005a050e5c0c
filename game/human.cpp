// The human's moves: play a card of the hand or draw, whichever way they were
// asked for; a press on the table is turned into one of them here.
#include "game/human.h"

#include "game/events.h"
#include "game/layout.h"
#include "game/match.h"
#include "game/rules.h"
#include "game/shell.h"
#include "game/pacing.h"
#include "game/table.h"
#include "game/zot_call.h"

namespace {

// Set while the drawn-card question is open: the move is still the human's.
bool askingDrawnCard = false;

void StartFromIdle() {
  StartMatch();
  ShowTable();
}

// Out of turn, a press only says whose turn it is; `pressed` is the card the
// press was on, if any.
bool HumansTurn(CardCode pressed) {
  const GameTable& t = gameTable;
  if (t.currentPlayer == kHumanSeat) return true;
  TellSeat(TableEventKind::kRefused, t.currentPlayer, pressed);
  ShowTable();
  return false;
}

void Refuse(CardCode pressed) {
  TellSeat(TableEventKind::kRefused, kHumanSeat, pressed);
  PlayCue(IDW_ERROR);
  ShowTable();
}

// The turn may still be the human's: a Skip, Reverse or draw card between two,
// or a draw that keeps the turn; the pacing's next tick then disarms.
void EndMove(SoundCue cue) {
  if (FinishMove(kHumanSeat, cue)) ArmTurnPacing();
  ShowTable();
}

}  // namespace

bool HandCardPlayable(int index) {
  const GameTable& t = gameTable;
  const CardPile& hand = t.hands[kHumanSeat];
  if (!t.dealActive || t.currentPlayer != kHumanSeat || index < 0 || index >= PileCount(hand)) return false;
  return IsPlayable(kHumanSeat, hand.cards[index]);
}

void PlayHandCard(int index) {
  const CardPile& hand = gameTable.hands[kHumanSeat];
  if (index < 0 || index >= PileCount(hand)) return;
  if (!gameTable.dealActive) {
    StartFromIdle();
    return;
  }
  const CardCode pressed = hand.cards[index];
  if (!HumansTurn(pressed)) return;
  SoundCue cue = IDW_CLICK;
  if (PlayCard(kHumanSeat, index, &cue)) {
    EndMove(cue);
  } else {
    Refuse(pressed);
  }
}

void DrawFromPile() {
  GameTable& t = gameTable;
  if (!t.dealActive) {
    StartFromIdle();
    return;
  }
  if (!HumansTurn(kNoCard)) return;
  if (t.pendingTotal > 0) {
    // Owing a stacked total, the draw pile takes it: the whole move.
    t.currentPlayer = static_cast<std::uint8_t>(TakePendingTotal(kHumanSeat));
    EndMove(IDW_CLICK);
    return;
  }
  const CardCode drawn = DrawCard(kHumanSeat);
  TellSeat(TableEventKind::kDrew, kHumanSeat, drawn);
  ShowTable();
  SoundCue cue = IDW_CLICK;
  bool played = false;
  // The drawn card may be played at once only where the turn would pass.
  if (TurnPassesAfterDraw(drawn)) {
    t.currentPlayer = static_cast<std::uint8_t>(NextPlayer(kHumanSeat));
    if (drawn != kNoCard && IsPlayable(kHumanSeat, drawn)) {
      askingDrawnCard = true;
      const bool play = AskPlayDrawnCard(mainWindow);
      askingDrawnCard = false;
      if (play) played = PlayCard(kHumanSeat, PileCount(t.hands[kHumanSeat]) - 1, &cue);
    }
  }
  if (!played) TellSeat(TableEventKind::kKept, kHumanSeat);
  EndMove(cue);
}

bool CanSayZot() { return ZotSayable(askingDrawnCard); }

void SayZot() {
  GameTable& t = gameTable;
  if (!t.dealActive || !HouseRule(kHouseSayZot)) return;
  const bool sayable = ZotSayable(askingDrawnCard);
  if (sayable) {
    // Said ahead of the last card, or late, before anyone caught it.
    t.zotCall = t.zotCall == kZotOwed ? kZotNone : kZotSaid;
    PlayCue(IDW_ZOT);
  }
  TellTable(TableEvent{TableEventKind::kSaidZot, kHumanSeat, kNoCard, 0, 0, static_cast<std::int8_t>(sayable)});
  if (!askingDrawnCard) ShowTable();
}

void OnTableClick(int x, int y) {
  const int index = HandCardAt(PileCount(gameTable.hands[kHumanSeat]), x, y);
  if (!gameTable.dealActive) {
    StartFromIdle();
  } else if (index >= 0) {
    PlayHandCard(index);
  } else if (OnDrawPile(x, y)) {
    DrawFromPile();
  } else if (HumansTurn(kNoCard)) {
    Refuse(kNoCard);
  }
}
