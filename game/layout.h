// Where the human's hand, the piles, the colour strip and the computer seats'
// fans lie on the 600 x 400 table, and which card a press hits. The drawing
// uses the same numbers, so what is hit and what a screen reader is told lies
// somewhere is what is seen.
#pragma once

constexpr int kCardWidth = 60;
constexpr int kCardHeight = 90;
constexpr int kHandTop = 250;
constexpr int kPileTop = 125;
constexpr int kDrawPileLeft = 230;
// The top seat's cards, and the idle table's cards there.
constexpr int kTopSeatTop = 10;

// A rectangle of the table, in table pixels; empty (w and h 0) for nothing.
struct TableRect {
  int x, y, w, h;
};

// The draw pile, the face-up top of the discard pile beside it, and under the
// piles the strip of the colour to match.
constexpr TableRect kDrawPile{kDrawPileLeft, kPileTop, kCardWidth, kCardHeight};
constexpr TableRect kDiscardPile{310, kPileTop, kCardWidth, kCardHeight};
constexpr TableRect kColorStrip{270, 210, 60, 20};

// Half the step between the human's cards, and the step between an opponent's
// face-down cards, for a hand of n cards: hands close up as they grow.
int FanSpacingUnit(int n);
// Left edge of card i in the human's hand of n cards.
int HandCardLeft(int n, int i);
// Card i of the human's hand of n cards, and the whole fan of them (empty when
// it holds none), as the opponents' below.
TableRect HandCard(int n, int i);
TableRect HandFan(int n);
// Index of the top-most card under (x, y) in the human's hand of n cards, or -1.
int HandCardAt(int n, int x, int y);
bool OnDrawPile(int x, int y);

// Card i of computer seat `seat`'s face-down fan of n cards at a table of
// `players`: of four, seat 1 sits left, 2 at the top, 3 right; of three, 1 left
// and 2 right; of two, 1 at the top. Empty for a seat not at the table.
TableRect OpponentCard(int players, int seat, int n, int i);
// The whole fan of that seat's n cards; empty when it holds none.
TableRect OpponentFan(int players, int seat, int n);
