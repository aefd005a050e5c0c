// The hand's fan and the hit tests of the human's presses.
#include "game/layout.h"

int FanSpacingUnit(int n) {
  if (n <= 12) return 10;
  if (n <= 24) return 8;
  if (n <= 36) return 6;
  return 4;
}

int HandCardLeft(int n, int i) {
  const int h = FanSpacingUnit(n);
  return 300 - h * n - 2 * h + 2 * h * i;
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
