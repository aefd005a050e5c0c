// The fans of the hands, and the hit tests of the human's presses.
#include "game/layout.h"

// Every twelve more cards the fans close up a step, so that a growing hand
// first spreads, then stays about the width it had: the human's fan of twelve is
// 280 px wide, of twenty-four 428, of thirty-six 480, on the 600 px table.
int FanSpacingUnit(int n) {
  if (n <= 12) return 10;
  if (n <= 24) return 8;
  if (n <= 36) return 6;
  return 4;
}

// Cards 2h apart, the fan centred on the table's middle (x 300) at the widest
// step and drifting right by a few pixels as it closes up.
int HandCardLeft(int n, int i) {
  const int h = FanSpacingUnit(n);
  return 300 - h * n - 2 * h + 2 * h * i;
}

TableRect HandCard(int n, int i) { return {HandCardLeft(n, i), kHandTop, kCardWidth, kCardHeight}; }

TableRect HandFan(int n) {
  if (n <= 0) return {0, 0, 0, 0};
  const int left = HandCardLeft(n, 0);
  return {left, kHandTop, HandCardLeft(n, n - 1) + kCardWidth - left, kCardHeight};
}

int HandCardAt(int n, int x, int y) {
  if (!(kHandTop < y && y < kHandTop + kCardHeight)) return -1;
  int hit = -1;
  // Later cards lie over earlier ones: the last that contains the point wins.
  for (int i = 0; i < n; ++i) {
    const int left = HandCardLeft(n, i);
    if (left < x && x < left + kCardWidth) hit = i;
  }
  return hit;
}

bool OnDrawPile(int x, int y) {
  return kDrawPileLeft < x && x < kDrawPileLeft + kCardWidth && kPileTop < y && y < kPileTop + kCardHeight;
}

namespace {

enum class Fan { kNone, kTop, kLeft4, kRight4, kLeft3, kRight3 };

Fan FanOf(int players, int seat) {
  constexpr Fan kFans[3][3] = {{Fan::kTop, Fan::kNone, Fan::kNone},
                               {Fan::kLeft3, Fan::kRight3, Fan::kNone},
                               {Fan::kLeft4, Fan::kTop, Fan::kRight4}};
  if (players < 2 || players > 4 || seat < 1 || seat > 3) return Fan::kNone;
  return kFans[players - 2][seat - 1];
}

}  // namespace

// The computer seats' backs lie u apart, half the human's step, since only
// their count matters. The top fan is centred over the piles; of four players,
// the side fans sit level with the piles, 10 px in from either edge (the right
// one grows leftwards, so its last card always ends 5 px plus a step from the
// edge); of three, the two fans sit higher and further in, on either side of
// the one at the top they replace.
TableRect OpponentCard(int players, int seat, int n, int i) {
  const int u = FanSpacingUnit(n);
  switch (FanOf(players, seat)) {
    case Fan::kTop: return {275 - n * (u / 2) + u * i, kTopSeatTop, kCardWidth, kCardHeight};
    case Fan::kLeft4: return {10 + u * i, 125, kCardWidth, kCardHeight};
    case Fan::kRight4: return {535 - u * n + u * i, 125, kCardWidth, kCardHeight};
    case Fan::kLeft3: return {40 + u * i, 80, kCardWidth, kCardHeight};
    case Fan::kRight3: return {505 - u * n + u * i, 80, kCardWidth, kCardHeight};
    case Fan::kNone: break;
  }
  return {0, 0, 0, 0};
}

TableRect OpponentFan(int players, int seat, int n) {
  if (n <= 0) return {0, 0, 0, 0};
  const TableRect first = OpponentCard(players, seat, n, 0);
  const TableRect last = OpponentCard(players, seat, n, n - 1);
  return {first.x, first.y, last.x + last.w - first.x, last.w == 0 ? 0 : first.h};
}
