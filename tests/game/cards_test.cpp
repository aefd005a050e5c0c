#include <gtest/gtest.h>

#include <bit>
#include <map>

#include "game/cards.h"
#include "game/table.h"
#include "tests/game/fake_shell.h"

TEST(Generator, SequenceFromUnseededStateAndSeeding) {
  ResetAll();
  for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(NextRandom(), expected);
  fakeShell.calendarSeconds = 0x100000005LL;  // truncated to 32 bits
  SeedRandom();
  EXPECT_EQ(randomState, 5u);
}

TEST(Generator, RandomInRangeBoundaries) {
  const struct { int r, n, expected; } cases[] = {
      {0, 108, 1}, {16383, 108, 54}, {16384, 108, 55}, {32766, 108, 108}, {32767, 108, 108},
      {0, 1, 1},   {32767, 1, 1},    {32767, 0, 1},    {20000, 0, 1},
  };
  for (const auto& c : cases) {
    SetNextRandom(c.r);
    EXPECT_EQ(RandomInRange(c.n), c.expected) << "r=" << c.r << " n=" << c.n;
  }
}

// The integer formula must give what the products with the single-precision
// constant give when carried out exactly (here in double precision).
TEST(Generator, RandomInRangeMatchesFloatProducts) {
  const float scale = std::bit_cast<float>(0x38000100u);
  for (int n : {2, 7, 25, 61, 107, 108}) {
    for (int r = 0; r <= 32767; ++r) {
      SetNextRandom(r);
      const int expected = static_cast<int>(static_cast<double>(r) * scale * n) + 1;
      ASSERT_EQ(RandomInRange(n), expected) << "r=" << r << " n=" << n;
    }
  }
}

TEST(Deck, FixedOrderAndComposition) {
  ResetAll();
  BuildDeck(gameTable.drawPile);
  const std::vector<int> deck = Cards(gameTable.drawPile);
  ASSERT_EQ(deck.size(), 108u);
  const std::vector<int> actions(deck.begin(), deck.begin() + 32);
  EXPECT_EQ(actions, (std::vector<int>{11, 11, 24, 24, 37, 37, 50, 50, 13, 13, 26, 26, 39, 39, 52, 52,
                                       12, 12, 25, 25, 38, 38, 51, 51, 53, 53, 53, 53, 54, 54, 54, 54}));
  EXPECT_EQ(deck[32], 1);   // blue 0 once, then 1..9 twice
  EXPECT_EQ(deck[33], 2);
  EXPECT_EQ(deck[51], 14);
  EXPECT_EQ(deck[107], 49);
  std::map<int, int> copies;
  for (int c : deck) ++copies[c];
  for (int code = 1; code <= 54; ++code) {
    const int expected = code >= 53 ? 4 : (IsColoured(code) && FaceOf(code) == 0 ? 1 : 2);
    EXPECT_EQ(copies[code], expected) << code;
  }
}

TEST(Deck, ShuffleFromUnseededState) {
  ResetAll();
  BuildDeck(gameTable.drawPile);
  ShuffleDrawPile(gameTable.drawPile);
  const std::vector<int> pile = Cards(gameTable.drawPile);
  ASSERT_EQ(pile.size(), 108u);
  EXPECT_EQ(std::vector<int>(pile.rbegin(), pile.rbegin() + 5), (std::vector<int>{15, 14, 28, 4, 50}));
  EXPECT_EQ(std::vector<int>(pile.begin(), pile.begin() + 5), (std::vector<int>{17, 12, 49, 8, 24}));

  // The first transposition is positions 0 and 60, and every call takes 400 numbers.
  randomState = 1;
  EXPECT_EQ(RandomInRange(108) - 1, 0);
  EXPECT_EQ(RandomInRange(108) - 1, 60);
  randomState = 1;
  for (int i = 0; i < 400; ++i) NextRandom();
  const std::uint32_t after400 = randomState;
  randomState = 1;
  PileClear(gameTable.drawPile);
  ShuffleDrawPile(gameTable.drawPile);
  EXPECT_EQ(PileCount(gameTable.drawPile), 0);
  EXPECT_EQ(randomState, after400);
}

TEST(Cards, PointsColoursAndFaces) {
  const struct { int code, points; } cases[] = {{1, 0},   {2, 1},   {10, 9},  {11, 20}, {13, 20},
                                                {14, 0},  {53, 50}, {54, 50}, {0, 0},   {55, 0}};
  for (const auto& c : cases) EXPECT_EQ(CardPoints(c.code), c.points) << c.code;
  EXPECT_EQ(ColorOf(40), kYellow);
  EXPECT_EQ(FaceOf(40), 0);
  EXPECT_EQ(ColorOf(39), kRed);
  EXPECT_EQ(FaceOf(39), kFaceSkip);
  EXPECT_EQ(ColorOf(52), kYellow);
  EXPECT_EQ(FaceOf(52), kFaceSkip);
}
