// Card points, the random generator, the deck's fixed order and the shuffle.
#include "game/cards.h"

#include <cstdint>

#include "game/pile.h"
#include "game/shell.h"

std::uint32_t randomState = 1;

int CardPoints(int code) {
  if (code == kWild || code == kWildDrawFour) return 50;
  if (!IsColoured(code)) return 0;
  const CardFace face = FaceOf(code);
  return face <= 9 ? face : 20;
}

void SeedRandom() { randomState = static_cast<std::uint32_t>(CalendarSeconds()); }

int NextRandom() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 32767u);
}

// Maps the 15-bit r onto 1..n as r * 32769 * n / 2^30, truncated. Integers rather
// than floating point: a calendar second must deal the same cards in Zot.exe, the
// browser page, the simulator and the tests, and an exact product leaves no
// rounding for one compiler to do differently from another.
int RandomInRange(int n) {
  const std::int64_t r = NextRandom();
  return static_cast<int>(r * 32769 * n / (std::int64_t{1} << 30)) + 1;
}

void BuildDeck(CardPile& drawPile) {
  CardCode* out = drawPile.cards;
  int at = 0;
  // Action runs in the order Draw Two, Skip, Reverse (not code order).
  constexpr CardFace kActionOrder[] = {kFaceDrawTwo, kFaceSkip, kFaceReverse};
  for (const CardFace face : kActionOrder) {
    for (int color = 0; color < 4; ++color) {
      out[at++] = MakeCard(color, face);
      out[at++] = MakeCard(color, face);
    }
  }
  for (int i = 0; i < 4; ++i) out[at++] = kWild;
  for (int i = 0; i < 4; ++i) out[at++] = kWildDrawFour;
  for (int color = 0; color < 4; ++color) {
    out[at++] = MakeCard(color, 0);
    for (int face = 1; face <= 9; ++face) {
      out[at++] = MakeCard(color, face);
      out[at++] = MakeCard(color, face);
    }
  }
  out[at] = kNoCard;
}

void ShuffleDrawPile(CardPile& drawPile) {
  CardCode* cards = drawPile.cards;
  // Both positions lie below the count, so the swaps never change it.
  const int count = PileCount(drawPile);
  for (int i = 0; i < 200; ++i) {
    // On an empty pile both positions are 0: the end mark swaps with itself.
    const int a = RandomInRange(count) - 1;
    const int b = RandomInRange(count) - 1;
    const CardCode held = cards[a];
    cards[a] = cards[b];
    cards[b] = held;
  }
}
