// A pile of cards and the moves of cards on it: the draw and discard piles and
// every hand are piles. Below the deck and the table, so both can use it.
#pragma once

#include "game/cards.h"

constexpr int kPileCapacity = kDeckSize + 1;  // 108 cards and the end mark

// Up to 108 codes, bottom first, ended by 0. The last card is the top.
struct CardPile {
  CardCode cards[kPileCapacity];
};

int PileCount(const CardPile& pile);
CardCode PileTop(const CardPile& pile);          // 0 when empty
void PilePush(CardPile& pile, CardCode card);
CardCode PileTakeTop(CardPile& pile);            // 0 when empty
void PileRemoveAt(CardPile& pile, int index);    // later cards close up in order
void PileClear(CardPile& pile);
