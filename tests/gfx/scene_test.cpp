#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "game/table_input.h"
#include "game/layout.h"
#include "game/table.h"
#include "gfx/framebuffer.h"
#include "gfx/native/native_platform.h"
#include "gfx/scene.h"
#include "gfx/sprite.h"
#include "gfx_test_support.h"

namespace {

struct SceneTest : ::testing::Test {
  void SetUp() override {
    CreateFrameBuffer(600, 400);
    ASSERT_NE(frameBuffer, nullptr);
    InstallIdentitySprites();
    gameTable = GameTable{};
    handSelection = HandSelection{};
  }
  void TearDown() override {
    FreeSprites();
    DestroyFrameBuffer();
    gameTable = GameTable{};
  }
  // A deal in progress with nothing on the table but what a test adds: no piles,
  // no strip, and the arrow where it hides nothing (below the piles).
  static void BareDeal(int players) {
    gameTable.dealActive = 1;
    gameTable.playerCount = players;
    gameTable.currentPlayer = 0;
    gameTable.direction = 1;
    gameTable.currentColor = -1;
  }
  static Seen At(int x, int y) { return Identify(FramePixel(x, y)); }
  static std::vector<std::uint16_t> Frame() {
    return std::vector<std::uint16_t>(frameBuffer->pixels, frameBuffer->pixels + 600 * 400);
  }
};

// A fanned hand as drawn: every card's left edge shows the card's column 0 at
// row y, the last card shows all 60 columns, felt lies beyond both ends.
void ExpectFan(int y, const std::vector<int>& slots, int first, int step) {
  const int n = static_cast<int>(slots.size());
  for (int i = 0; i < n; ++i) {
    const int left = first + step * i;
    if (left >= 0 && left <= 598) {
      ASSERT_EQ(Identify(FramePixel(left, y)), SeenCard(slots[i], 0)) << "card " << i << " of " << n;
    }
  }
  const int last = first + step * (n - 1);
  if (last + 59 <= 598) {
    EXPECT_EQ(Identify(FramePixel(last + 59, y)), SeenCard(slots[n - 1], 59)) << n;
    EXPECT_EQ(Identify(FramePixel(last + 60, y)).kind, Seen::kFelt) << n;
  }
  if (first >= 1) {
    EXPECT_EQ(Identify(FramePixel(first - 1, y)).kind, Seen::kFelt) << n;
  }
}

std::vector<int> Backs(int n) { return std::vector<int>(static_cast<std::size_t>(n), 0); }

struct FanCase {
  int n, first, step;
};

TEST_F(SceneTest, HumanHandIsFannedTwoUnitsApart) {
  const FanCase cases[] = {{1, 270, 20},  {7, 210, 20},  {12, 160, 20}, {13, 180, 16},
                           {24, 92, 16},  {25, 138, 12}, {36, 72, 12},  {37, 144, 8}};
  for (const FanCase& c : cases) {
    BareDeal(2);
    const std::vector<int> cards = DistinctCards(c.n);
    SetPile(gameTable.hands[0], cards);
    DrawTable();
    ExpectFan(300, cards, c.first, c.step);
    const int x = c.first;
    EXPECT_EQ(At(x, 249).kind, Seen::kFelt);
    EXPECT_EQ(At(x, 250), SeenCard(cards[0], 0));
    EXPECT_EQ(At(x, 339), SeenCard(cards[0], 0));
    EXPECT_EQ(At(x, 340).kind, Seen::kFelt);
  }
}

TEST_F(SceneTest, HugeHumanHandsAreCutAtTheFrameEdges) {
  BareDeal(2);
  std::vector<int> cards = DistinctCards(64);  // last card at 540: cut at column 598
  SetPile(gameTable.hands[0], cards);
  DrawTable();
  EXPECT_EQ(At(540, 300), SeenCard(cards[63], 0));
  EXPECT_EQ(At(598, 300), SeenCard(cards[63], 58));
  EXPECT_EQ(FramePixel(599, 300), 0);

  cards = DistinctCards(74);  // first card at -4: cut at x = 0
  SetPile(gameTable.hands[0], cards);
  DrawTable();
  EXPECT_EQ(At(0, 300), SeenCard(cards[0], 4));

  cards = DistinctCards(80);  // first at -28, last at 604: not drawn at all
  SetPile(gameTable.hands[0], cards);
  DrawTable();
  EXPECT_EQ(At(598, 300), SeenCard(cards[78], 2));
  EXPECT_EQ(At(0, 300), SeenCard(cards[3], 4));

  cards = DistinctCards(108);  // cards 0..10 lie wholly left of the frame
  SetPile(gameTable.hands[0], cards);
  DrawTable();
  EXPECT_EQ(At(0, 300), SeenCard(cards[17], 4));
  for (int y : {0, 250, 300, 339, 398}) EXPECT_EQ(FramePixel(599, y), 0);
  for (int x : {0, 300, 598}) EXPECT_EQ(FramePixel(x, 399), 0);
}

// The keyboard's selection: a 3-pixel white ring round the selected card, over
// the cards beside it, and no other white; none while hidden or on the idle table.
TEST_F(SceneTest, SelectionRingsTheSelectedCardOverItsNeighbours) {
  const struct {
    bool visible, deal;
    int index, left;  // the selected card's left edge; -1: no ring
  } cases[] = {{true, true, 2, 250}, {true, true, 6, 330}, {false, true, 2, -1}, {true, false, 2, -1}};
  for (const auto& c : cases) {
    gameTable = GameTable{};
    BareDeal(2);
    gameTable.dealActive = c.deal;
    SetPile(gameTable.hands[0], DistinctCards(7));  // lefts 210 + 20 i
    handSelection = {c.index, c.visible};
    DrawTable();
    for (int x = 0; x < 600; ++x) {
      for (int y = 0; y < 400; ++y) {
        const bool ring = c.left >= 0 && x >= c.left - 3 && x < c.left + 63 && y >= 247 && y < 343 &&
                          !(x >= c.left && x < c.left + 60 && y >= 250 && y < 340);
        ASSERT_EQ(FramePixel(x, y) == 0x7FFF, ring) << x << "," << y << ", card " << c.index;
      }
    }
  }
}

TEST_F(SceneTest, CardCodesOutsideTheSpriteTableAreSkipped) {
  BareDeal(2);
  SetPile(gameTable.hands[0], {5, 60, -3, 7});  // lefts 240, 260, 280, 300
  DrawTable();
  EXPECT_EQ(At(260, 300), SeenCard(5, 20));
  EXPECT_EQ(At(280, 300), SeenCard(5, 40));
  EXPECT_EQ(At(300, 300), SeenCard(7, 0));
}

TEST_F(SceneTest, TopSeatIsCentredWithHalfUnits) {
  const FanCase cases[] = {{7, 240, 10},  {12, 215, 10}, {13, 223, 8}, {24, 179, 8},
                           {25, 200, 6},  {36, 167, 6},  {37, 201, 4}, {60, 155, 4}};
  for (int players : {2, 4}) {
    for (const FanCase& c : cases) {
      BareDeal(players);
      SetPile(gameTable.hands[players == 2 ? 1 : 2], DistinctCards(c.n));
      DrawTable();
      ExpectFan(50, Backs(c.n), c.first, c.step);
    }
  }
}

TEST_F(SceneTest, SideSeatsOfFourPlayers) {
  const FanCase left[] = {{7, 10, 10}, {12, 10, 10}, {13, 10, 8}, {24, 10, 8},
                          {25, 10, 6}, {36, 10, 6},  {37, 10, 4}};
  const FanCase right[] = {{7, 465, 10}, {12, 415, 10}, {13, 431, 8}, {24, 343, 8},
                           {25, 385, 6}, {36, 319, 6},  {37, 387, 4}};
  for (int k = 0; k < 7; ++k) {
    BareDeal(4);
    SetPile(gameTable.hands[1], DistinctCards(left[k].n));
    DrawTable();
    ExpectFan(170, Backs(left[k].n), left[k].first, left[k].step);
    BareDeal(4);
    SetPile(gameTable.hands[1], {});
    SetPile(gameTable.hands[3], DistinctCards(right[k].n));
    DrawTable();
    ExpectFan(170, Backs(right[k].n), right[k].first, right[k].step);
  }
}

TEST_F(SceneTest, SideSeatsOfThreePlayers) {
  const FanCase left[] = {{7, 40, 10}, {12, 40, 10}, {13, 40, 8}, {24, 40, 8},
                          {25, 40, 6}, {36, 40, 6},  {37, 40, 4}};
  const FanCase right[] = {{7, 435, 10}, {12, 385, 10}, {13, 401, 8}, {24, 313, 8},
                           {25, 355, 6}, {36, 289, 6},  {37, 357, 4}};
  for (int k = 0; k < 7; ++k) {
    BareDeal(3);
    SetPile(gameTable.hands[1], DistinctCards(left[k].n));
    SetPile(gameTable.hands[2], {});
    DrawTable();
    ExpectFan(100, Backs(left[k].n), left[k].first, left[k].step);
    SetPile(gameTable.hands[1], {});
    SetPile(gameTable.hands[2], DistinctCards(right[k].n));
    DrawTable();
    ExpectFan(100, Backs(right[k].n), right[k].first, right[k].step);
  }
}

TEST_F(SceneTest, SeatsFollowThePlayerCount) {
  // Every hand holds cards; only the seats in play are drawn, at their places.
  for (int players : {2, 3, 4, 1, 5}) {
    BareDeal(players);
    for (int s = 1; s < 4; ++s) SetPile(gameTable.hands[s], DistinctCards(7));
    DrawTable();
    const bool top = players == 2 || players == 4;
    EXPECT_EQ(At(240, 50) == SeenCard(0, 0), top) << players;
    EXPECT_EQ(At(40, 100) == SeenCard(0, 0), players == 3) << players;
    EXPECT_EQ(At(435, 100) == SeenCard(0, 0), players == 3) << players;
    EXPECT_EQ(At(10, 170) == SeenCard(0, 0), players == 4) << players;
    EXPECT_EQ(At(465, 170) == SeenCard(0, 0), players == 4) << players;
  }
}

TEST_F(SceneTest, EmptyHandsAndPilesShowTheFelt) {
  BareDeal(4);
  DrawTable();
  for (int x = 0; x < 599; ++x) {
    for (int y = 0; y < 399; ++y) {
      const Seen s = At(x, y);
      if (s.kind == Seen::kArrow) continue;
      ASSERT_EQ(s, SeenFelt(x, y)) << x << "," << y;
    }
  }
}

TEST_F(SceneTest, PilesShowTheDiscardTopAndABackForTheStock) {
  BareDeal(2);
  SetPile(gameTable.discardPile, {5, 18, 30});
  SetPile(gameTable.drawPile, {11});
  DrawTable();
  EXPECT_EQ(At(310, 170), SeenCard(30, 0));
  EXPECT_EQ(At(369, 214), SeenCard(30, 59));
  EXPECT_EQ(At(370, 170).kind, Seen::kFelt);
  EXPECT_EQ(At(230, 125), SeenCard(0, 0));
  EXPECT_EQ(At(289, 214), SeenCard(0, 59));
  EXPECT_EQ(At(229, 170).kind, Seen::kFelt);
  EXPECT_EQ(At(230, 124).kind, Seen::kFelt);

  SetPile(gameTable.drawPile, {});
  DrawTable();
  EXPECT_EQ(At(230, 170), SeenFelt(230, 170));
  EXPECT_EQ(At(310, 170), SeenCard(30, 0));
}

TEST_F(SceneTest, ColourStripShowsTheStripOfTheColourInForce) {
  for (int color = 0; color < 4; ++color) {
    BareDeal(2);
    SetPile(gameTable.drawPile, {11});
    gameTable.currentColor = static_cast<CardColor>(color);
    DrawTable();
    for (int dy = 0; dy < 20; ++dy) {
      for (int dx = 0; dx < 60; ++dx) {
        ASSERT_EQ(At(270 + dx, 210 + dy), (Seen{Seen::kBar, dx, 20 * color + dy})) << color;
      }
    }
    EXPECT_EQ(At(269, 220).kind, Seen::kFelt);
    EXPECT_EQ(At(330, 220).kind, Seen::kFelt);
    EXPECT_EQ(At(300, 230).kind, Seen::kFelt);
    EXPECT_EQ(At(280, 209), SeenCard(0, 50));  // the strip lies over the stock's foot
  }
}

TEST_F(SceneTest, ColourOutsideTheFourDrawsNoStrip) {
  for (int color : {-1, 4, 127, -128}) {
    BareDeal(2);
    gameTable.currentColor = static_cast<CardColor>(color);
    DrawTable();
    for (int x = 0; x < 600; ++x) {
      for (int y = 0; y < 400; ++y) ASSERT_NE(At(x, y).kind, Seen::kBar) << color;
    }
  }
}

struct ArrowCase {
  int players, seat, direction, x, y, cellX, cellY;
};

int CountArrowPixels() {
  int count = 0;
  for (int x = 0; x < 600; ++x) {
    for (int y = 0; y < 400; ++y) count += Identify(FramePixel(x, y)).kind == Seen::kArrow;
  }
  return count;
}

TEST_F(SceneTest, TurnArrowByPlayerCountSeatAndDirection) {
  const ArrowCase cases[] = {
      {2, 0, 1, 245, 220, 1, 1},    {2, 0, -1, 335, 220, 22, 1},  {3, 0, 1, 245, 220, 1, 1},
      {3, 0, -1, 335, 220, 22, 1},  {4, 0, 1, 245, 220, 1, 1},    {4, 0, -1, 335, 220, 22, 1},
      {2, 1, 1, 335, 100, 22, 22},  {2, 1, -1, 245, 100, 1, 22},  {3, 1, 1, 205, 80, 22, 1},
      {3, 1, -1, 205, 150, 22, 22}, {3, 2, 1, 380, 150, 1, 22},   {3, 2, -1, 380, 80, 1, 1},
      {4, 1, 1, 205, 125, 22, 1},   {4, 1, -1, 205, 195, 22, 22}, {4, 2, 1, 335, 100, 22, 22},
      {4, 2, -1, 245, 100, 1, 22},  {4, 3, 1, 380, 195, 1, 22},   {4, 3, -1, 380, 125, 1, 1},
      {4, 3, 0, 380, 125, 1, 1},    {2, 1, 0, 245, 100, 1, 22},  // direction 0: the "other" column
  };
  for (const ArrowCase& c : cases) {
    BareDeal(c.players);
    gameTable.currentPlayer = static_cast<std::uint8_t>(c.seat);
    gameTable.direction = static_cast<std::int8_t>(c.direction);
    DrawTable();
    int opaque = 0;
    for (int dy = 0; dy < 20; ++dy) {
      for (int dx = 0; dx < 20; ++dx) {
        const int ax = c.cellX + dx, ay = c.cellY + dy;
        const Seen expected = ArrowOpaqueAt(ax, ay) ? Seen{Seen::kArrow, ax, ay} : SeenFelt(c.x + dx, c.y + dy);
        ASSERT_EQ(At(c.x + dx, c.y + dy), expected)
            << c.players << " players, seat " << c.seat << ", direction " << c.direction;
        opaque += ArrowOpaqueAt(ax, ay);
      }
    }
    EXPECT_EQ(CountArrowPixels(), opaque) << "one arrow, no grid lines";
  }
}

TEST_F(SceneTest, NoArrowForSeatsOutOfPlay) {
  const struct {
    int players, seat;
  } cases[] = {{2, 2}, {2, 3}, {3, 3}, {4, 4}, {1, 0}, {5, 0}, {0, 0}, {4, 255}};
  for (const auto& c : cases) {
    for (int direction : {1, -1}) {
      BareDeal(c.players);
      gameTable.currentPlayer = static_cast<std::uint8_t>(c.seat);
      gameTable.direction = static_cast<std::int8_t>(direction);
      DrawTable();
      EXPECT_EQ(CountArrowPixels(), 0) << c.players << " players, seat " << c.seat;
    }
  }
}

TEST_F(SceneTest, ArrowIsDrawnLastWithCardsShowingThroughItsBackground) {
  BareDeal(4);
  SetPile(gameTable.hands[1], DistinctCards(20));  // u = 8: last card spans 162..221, rows 125..214
  gameTable.currentPlayer = 1;
  gameTable.direction = -1;  // down-right cell at (205, 195)
  DrawTable();
  for (int dy = 0; dy < 20; ++dy) {
    for (int dx = 0; dx <= 16; ++dx) {
      const int ax = 22 + dx, ay = 22 + dy;
      const Seen expected = ArrowOpaqueAt(ax, ay) ? Seen{Seen::kArrow, ax, ay} : SeenCard(0, 205 + dx - 162);
      ASSERT_EQ(At(205 + dx, 195 + dy), expected) << dx << "," << dy;
    }
  }
}

TEST_F(SceneTest, LongOpponentHandsLieOverThePilesAndStrip) {
  BareDeal(4);
  SetPile(gameTable.drawPile, {11});
  SetPile(gameTable.discardPile, {12});
  gameTable.currentColor = 1;
  SetPile(gameTable.hands[1], DistinctCards(52));  // u = 4: last card at 214, reaching 273
  DrawTable();
  EXPECT_EQ(At(250, 170), SeenCard(0, 36));   // over the draw pile
  EXPECT_EQ(At(272, 212), SeenCard(0, 58));   // over the colour strip
  EXPECT_EQ(At(274, 212).kind, Seen::kBar);
}

TEST_F(SceneTest, IdleSceneDealsSevenBacksToEverySeat) {
  gameTable.playerCount = 4;
  DrawTable();
  ExpectFan(300, Backs(7), 210, 20);   // the human's, face down
  ExpectFan(170, Backs(7), 10, 10);    // left
  ExpectFan(50, Backs(7), 240, 10);    // top
  ExpectFan(170, Backs(7), 465, 10);   // right
  EXPECT_EQ(At(230, 125), SeenCard(0, 0));  // stock
  EXPECT_EQ(At(310, 170).kind, Seen::kFelt);  // no discard
  EXPECT_EQ(At(300, 220).kind, Seen::kFelt);  // no strip
  EXPECT_EQ(CountArrowPixels(), 0);

  gameTable.playerCount = 3;
  DrawTable();
  ExpectFan(100, Backs(7), 40, 10);
  ExpectFan(100, Backs(7), 435, 10);
  EXPECT_EQ(At(240, 50).kind, Seen::kFelt);

  gameTable.playerCount = 2;
  DrawTable();
  ExpectFan(50, Backs(7), 240, 10);
  EXPECT_EQ(At(10, 170).kind, Seen::kFelt);
  EXPECT_EQ(At(40, 100).kind, Seen::kFelt);
}

TEST_F(SceneTest, IdleSceneIgnoresPilesAndHands) {
  std::vector<std::vector<std::uint16_t>> byCount;
  for (int players : {2, 3, 4, 0, 5}) {
    gameTable = GameTable{};
    gameTable.playerCount = players;
    DrawTable();
    const auto plain = Frame();

    for (int s = 0; s < 4; ++s) SetPile(gameTable.hands[s], DistinctCards(10 + 5 * s));
    SetPile(gameTable.discardPile, {5, 54});
    SetPile(gameTable.drawPile, DistinctCards(30));
    gameTable.currentColor = 2;
    gameTable.currentPlayer = 1;
    gameTable.direction = -1;
    gameTable.matchScores[0] = 420;
    DrawTable();
    EXPECT_EQ(Frame(), plain) << players << " players";
    byCount.push_back(plain);
  }
  EXPECT_NE(byCount[0], byCount[1]);
  EXPECT_NE(byCount[1], byCount[2]);
  EXPECT_NE(byCount[0], byCount[2]);
  EXPECT_EQ(byCount[3], byCount[4]);  // no seat beyond the human's for 0 or 5
}

TEST_F(SceneTest, FeltCoversEverythingButTheLastColumnAndRow) {
  FillFrame(0x1234);
  for (int i = 0; i < 600; ++i) frameBuffer->pixels[frameBuffer->rowOffsets[399] + i] = 0;
  for (int y = 0; y < 400; ++y) frameBuffer->pixels[frameBuffer->rowOffsets[y] + 599] = 0;
  BareDeal(2);
  gameTable.currentPlayer = 3;  // out of play: no arrow
  DrawTable();
  for (int x = 0; x < 599; ++x) {
    for (int y = 0; y < 399; ++y) ASSERT_EQ(At(x, y), SeenFelt(x, y)) << x << "," << y;
  }
  for (int y = 0; y < 400; ++y) ASSERT_EQ(FramePixel(599, y), 0);
  for (int x = 0; x < 600; ++x) ASSERT_EQ(FramePixel(x, 399), 0);
}

TEST_F(SceneTest, LastColumnAndRowStayBlackOverManyRedraws) {
  for (int round = 0; round < 30; ++round) {
    gameTable.dealActive = round % 3 != 0;
    gameTable.playerCount = 2 + round % 3;
    gameTable.currentPlayer = static_cast<std::uint8_t>(round % 4);
    gameTable.direction = round % 2 ? 1 : -1;
    gameTable.currentColor = static_cast<CardColor>(round % 4);
    for (int s = 0; s < 4; ++s) SetPile(gameTable.hands[s], DistinctCards((round * 7 + s * 13) % 108));
    SetPile(gameTable.drawPile, DistinctCards(round));
    SetPile(gameTable.discardPile, DistinctCards(round % 5 + 1));
    RenderTable(nullptr);
  }
  for (int y = 0; y < 400; ++y) ASSERT_EQ(FramePixel(599, y), 0) << y;
  for (int x = 0; x < 600; ++x) ASSERT_EQ(FramePixel(x, 399), 0) << x;
}

TEST_F(SceneTest, RenderTableDrawsPresentsAndChangesNoState) {
  BareDeal(3);
  SetPile(gameTable.hands[0], DistinctCards(9));
  SetPile(gameTable.hands[1], DistinctCards(4));
  SetPile(gameTable.discardPile, {40});
  gameTable.currentColor = 3;
  unsigned char before[sizeof(GameTable)];
  std::memcpy(before, &gameTable, sizeof before);
  int window = 0;
  const int presented = PresentedFrameCount();
  RenderTable(&window);
  EXPECT_EQ(PresentedFrameCount(), presented + 1);
  EXPECT_EQ(LastPresentedWindow(), &window);
  EXPECT_EQ(At(310, 170), SeenCard(40, 0));
  EXPECT_EQ(std::memcmp(before, &gameTable, sizeof before), 0);
}

TEST_F(SceneTest, RenderTableWithoutAFrameBufferDoesNothing) {
  DestroyFrameBuffer();
  const int presented = PresentedFrameCount();
  BareDeal(4);
  RenderTable(nullptr);
  DrawTable();
  EXPECT_EQ(PresentedFrameCount(), presented);
}

TEST_F(SceneTest, MissingSpritesAreLeftOut) {
  BareDeal(2);
  SetPile(gameTable.hands[0], {5});
  SetPile(gameTable.drawPile, {11});
  DestroySprite(*cardSprites[0]);  // the back failed to load; its slot stays
  DestroySprite(*cardSprites[5]);
  delete cardSprites[5];
  cardSprites[5] = nullptr;        // the face could not even be allocated
  SetPile(gameTable.discardPile, {6});
  DrawTable();
  EXPECT_EQ(At(280, 300).kind, Seen::kFelt);
  EXPECT_EQ(At(230, 170).kind, Seen::kFelt);
  EXPECT_EQ(At(310, 170), SeenCard(6, 0));

  FreeSprites();
  FillFrame(0x1234);
  DrawTable();
  for (int i = 0; i < 600 * 400; ++i) ASSERT_EQ(frameBuffer->pixels[i], 0x1234);
}

}  // namespace
