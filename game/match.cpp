// Opening a match and a deal, closing a deal with scores and the match result.
#include "game/match.h"

#include "game/events.h"
#include "game/rules.h"
#include "game/shell.h"
#include "game/pacing.h"
#include "game/table.h"
#include "game/zot_call.h"

namespace {
// A count the menu never sets must not make the deal or the scoring run past the seats.
void KeepPlayerCountInRange() { gameTable.playerCount = PlayersInRange(gameTable.playerCount); }

// The match's cue, then its end told, then the dialog that says it.
void ShowMatchResult(int winner, bool won) {
  PlayCue(won ? IDW_CLAPS : IDW_LOSE);
  TellSeat(TableEventKind::kMatchEnded, winner);
  if (won) {
    ShowMatchWon(mainWindow);
  } else {
    ShowMatchLost(mainWindow);
  }
}
}  // namespace

void StartMatch() {
  KeepPlayerCountInRange();
  for (int seat = 0; seat < gameTable.playerCount; ++seat) gameTable.matchScores[seat] = 0;
  TellTable(TableEvent{TableEventKind::kMatchStarted, 0, kNoCard, 0, 0, 0});
  StartDeal();
}

void StartDeal() {
  GameTable& t = gameTable;
  KeepPlayerCountInRange();

  t.dealActive = 1;
  BuildDeck(t.drawPile);
  ShuffleDrawPile(t.drawPile);
  PileClear(t.discardPile);
  // Seven consecutive cards per seat, not dealt round by round.
  for (int seat = 0; seat < t.playerCount; ++seat) {
    PileClear(t.hands[seat]);
    for (int i = 0; i < kHandSize; ++i) DrawCard(seat);
  }

  PilePush(t.discardPile, DrawCard(-1));
  // A Wild Draw Four may not open the pile: cover it, and keep it underneath.
  while (PileTop(t.discardPile) == kWildDrawFour) {
    const CardCode next = DrawCard(-1);
    if (next == kNoCard) break;
    PilePush(t.discardPile, next);
  }

  const CardCode top = PileTop(t.discardPile);
  SetColorFromCard(top);
  t.currentPlayer = 0;
  t.direction = 1;
  t.pendingTotal = 0;
  t.zotCall = kZotNone;

  if (top == kWild) {
    PlayCue(IDW_BOING);
    ShowTable();  // the Wild is on view under the colour chooser
    t.currentColor = AskColor(mainWindow);
  } else if (IsColoured(top)) {
    switch (FaceOf(top)) {
      case kFaceDrawTwo:
        DrawCard(0);
        DrawCard(0);
        t.currentPlayer = static_cast<std::uint8_t>(NextPlayer(0));
        PlayCue(IDW_BOING);
        break;
      case kFaceReverse:
        t.direction = -1;  // even between two players
        t.currentPlayer = static_cast<std::uint8_t>(NextPlayer(0));
        PlayCue(IDW_BOING);
        break;
      case kFaceSkip:
        t.currentPlayer = static_cast<std::uint8_t>(NextPlayer(0));
        PlayCue(IDW_BOING);
        break;
      default:
        break;
    }
  }

  // Told once the deal is as it will be played, so a listener reads it whole.
  TellTable(TableEvent{TableEventKind::kDealt, static_cast<std::int8_t>(t.currentPlayer), top, t.currentColor,
                       t.direction, 0});
  for (int seat = 0; seat < t.playerCount; ++seat) TellSeat(TableEventKind::kHand, seat);
  if (t.currentPlayer == kHumanSeat) {
    TellSeat(TableEventKind::kHumanTurn, kHumanSeat);
  } else {
    ArmTurnPacing();
  }
}

bool FinishMove(int seat, SoundCue cue) {
  const GameTable& t = gameTable;
  const int left = PileCount(t.hands[seat]);
  if (left == 0) {
    EndDeal(seat);  // a following deal tells its own turn
    return false;
  }
  // Under say-zot the human's last card is told, and its cue played, when said.
  const bool saysOwn = seat == kHumanSeat && HouseRule(kHouseSayZot);
  const bool said = saysOwn && SettleZotCall(left);
  if (left == 1 && (!saysOwn || said)) TellSeat(TableEventKind::kOneCard, seat);
  PlayCue(left == 1 && !saysOwn ? IDW_ZOT : cue);
  if (t.dealActive && t.currentPlayer == kHumanSeat) TellSeat(TableEventKind::kHumanTurn, kHumanSeat);
  return true;
}

void EndDeal(int winner) {
  GameTable& t = gameTable;
  ShowTable();
  DisarmTurnPacing();
  PlayCue(winner == kHumanSeat ? IDW_CLAPS : IDW_LOSE);
  ScoreHands(winner);
  TellSeat(TableEventKind::kDealEnded, winner);
  ShowDealScores(mainWindow);

  if (t.singleDealMatch) {
    t.dealActive = 0;
    ShowMatchResult(winner, winner == kHumanSeat);
    return;
  }

  // The human is tested first; only seats now in play count.
  if (t.matchScores[kHumanSeat] >= kMatchTarget) {
    ShowMatchResult(winner, true);
    t.dealActive = 0;
    return;
  }
  for (int seat = 1; seat < t.playerCount; ++seat) {
    if (t.matchScores[seat] >= kMatchTarget) {
      ShowMatchResult(winner, false);
      t.dealActive = 0;
      return;
    }
  }
  StartDeal();
}
