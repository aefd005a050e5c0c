// The game record, drawing a card and scoring.
#include "game/table.h"

#include <cstring>

#include "game/shell.h"

GameTable gameTable;

const GameTable& Table() { return gameTable; }

int PlayersInRange(int playerCount) {
  return playerCount < 2 ? 2 : (playerCount > kSeatCount ? kSeatCount : playerCount);
}

CardCode DrawCard(int seat) {
  GameTable& t = gameTable;
  if (PileCount(t.drawPile) == 0) {
    // Refill: everything under the top discard goes back, shuffled; the card to
    // match and the colour in force stay.
    const CardCode held = PileTakeTop(t.discardPile);
    std::memcpy(t.drawPile.cards, t.discardPile.cards, sizeof t.drawPile.cards);
    ShuffleDrawPile(t.drawPile);
    PileClear(t.discardPile);
    if (held != kNoCard) PilePush(t.discardPile, held);
  }
  const CardCode card = PileTakeTop(t.drawPile);
  if (card == kNoCard || seat < 0) return card;
  PilePush(t.hands[seat], card);
  return card;
}

void ScoreHands(int winner) {
  GameTable& t = gameTable;
  for (int seat = 0; seat < t.playerCount; ++seat) {
    std::int32_t points = 0;
    const CardPile& hand = t.hands[seat];
    for (int i = 0; hand.cards[i] != kNoCard; ++i) points += CardPoints(hand.cards[i]);
    t.handPoints[seat] = points;
    if (seat != winner) t.matchScores[winner] += points;
  }
}
