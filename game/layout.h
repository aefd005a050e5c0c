// Where the human's hand and the draw pile lie on the 600 x 400 table, and which
// card a press hits. The drawing uses the same numbers, so what is hit is what
// is seen.
#pragma once

constexpr int kCardWidth = 60;
constexpr int kCardHeight = 90;
constexpr int kHandTop = 250;
constexpr int kPileTop = 125;
constexpr int kDrawPileLeft = 230;

// Half the step between the human's cards, and the step between an opponent's
// face-down cards, for a hand of n cards: hands close up as they grow.
int FanSpacingUnit(int n);
// Left edge of card i in the human's hand of n cards.
int HandCardLeft(int n, int i);
// Index of the top-most card under (x, y) in the human's hand of n cards, or -1.
int HandCardAt(int n, int x, int y);
bool OnDrawPile(int x, int y);
