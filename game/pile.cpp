// The pile operations: a pile is its cards up to the end mark.
#include "game/pile.h"

#include <cstring>

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
