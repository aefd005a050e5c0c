// The game record, pile operations, drawing a card, scoring and the pacing switch.
#include "game/table.h"

#include <cstring>

#include "game/shell.h"

GameTable gameTable;

int PlayersInRange(int playerCount) {
  return playerCount < 2 ? 2 : (playerCount > kSeatCount ? kSeatCount : playerCount);
}

int PileCount(const CardPile& pile) {
  const void* end = std::memchr(pile.cards, kNoCard, kPileCapacity);
  return end ? static_cast<int>(static_cast<const CardCode*>(end) - pile.cards) : kPileCapacity;
}

CardCode PileTop(const CardPile& pile) {
  const int count = PileCount(pile);
  return count > 0 ? pile.cards[count - 1] : kNoCard;
}

void PilePush(CardPile& pile, CardCode card) {
  const int count = PileCount(pile);
  // Only 108 cards exist, so a full pile means a caller bug; never write past the block.
  if (count >= kDeckSize) return;
  pile.cards[count] = card;
  pile.cards[count + 1] = kNoCard;
}

CardCode PileTakeTop(CardPile& pile) {
  const int count = PileCount(pile);
  if (count == 0) return kNoCard;
  const CardCode card = pile.cards[count - 1];
  pile.cards[count - 1] = kNoCard;
  return card;
}

void PileRemoveAt(CardPile& pile, int index) {
  const int count = PileCount(pile);
  if (index < 0 || index >= count) return;
  // The last copy moves the end mark down.
  for (int j = index; j < count; ++j) pile.cards[j] = pile.cards[j + 1];
}

void PileClear(CardPile& pile) { pile.cards[0] = kNoCard; }

CardCode DrawCard(int seat) {
  GameTable& t = gameTable;
  if (PileCount(t.drawPile) == 0) {
    // Refill: everything under the top discard goes back, shuffled; the card to
    // match and the colour in force stay.
    const CardCode held = PileTakeTop(t.discardPile);
    std::memcpy(t.drawPile.cards, t.discardPile.cards, sizeof t.drawPile.cards);
    ShuffleDrawPile();
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

void ArmTurnPacing() {
  gameTable.computerTurnPending = 1;
  gameTable.lastTurnTick = CurrentTick();
}

void DisarmTurnPacing() { gameTable.computerTurnPending = 0; }
