// Opening a match and a deal, closing a deal with scores and the match result.
#include "game/match.h"

#include "game/rules.h"
#include "game/shell.h"
#include "game/table.h"

namespace {
// Seats index fixed arrays of four: a count the menu never sets must not make the
// deal or the scoring run past them.
void KeepPlayerCountInRange() {
  GameTable& t = gameTable;
  if (t.playerCount < 2) t.playerCount = 2;
  if (t.playerCount > kSeatCount) t.playerCount = kSeatCount;
}
}  // namespace

void StartMatch() {
  KeepPlayerCountInRange();
  for (int seat = 0; seat < gameTable.playerCount; ++seat) gameTable.matchScores[seat] = 0;
  StartDeal();
}

void StartDeal() {
  GameTable& t = gameTable;
  KeepPlayerCountInRange();

  t.dealActive = 1;
  BuildDeck();
  ShuffleDrawPile();
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

  if (top == kWild) {
    PlayCue(IDW_BOING);
    RenderTable(mainWindow);  // the Wild is on view under the colour chooser
    AskColor(mainWindow);
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

  if (t.currentPlayer != kHumanSeat) ArmTurnPacing();
}

void EndDeal(int winner) {
  GameTable& t = gameTable;
  RenderTable(mainWindow);
  DisarmTurnPacing();
  PlayCue(winner == kHumanSeat ? IDW_CLAPS : IDW_LOSE);
  ScoreHands(winner);
  ShowDealScores(mainWindow);

  if (t.singleDealMatch) {
    t.dealActive = 0;
    if (winner == kHumanSeat) {
      PlayCue(IDW_CLAPS);
      ShowMatchWon(mainWindow);
    } else {
      PlayCue(IDW_LOSE);
      ShowMatchLost(mainWindow);
    }
    return;
  }

  // The human is tested first; only seats now in play count.
  if (t.matchScores[kHumanSeat] >= kMatchTarget) {
    PlayCue(IDW_CLAPS);
    ShowMatchWon(mainWindow);
    t.dealActive = 0;
    return;
  }
  for (int seat = 1; seat < t.playerCount; ++seat) {
    if (t.matchScores[seat] >= kMatchTarget) {
      PlayCue(IDW_LOSE);
      ShowMatchLost(mainWindow);
      t.dealActive = 0;
      return;
    }
  }
  StartDeal();
}
