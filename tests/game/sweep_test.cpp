// Whole matches through the headless runner over every setting, checking the
// table's invariants after every move. ZOT_SWEEP_MATCHES sets the matches per
// setting (fewer under the sanitizers).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <utility>

#include "game/pacing.h"
#include "tools/sim/headless.h"

namespace {

int MatchesPerSetting() {
  const char* text = std::getenv("ZOT_SWEEP_MATCHES");
  const int n = text ? std::atoi(text) : 0;
  return n > 0 ? n : 1000;
}

// Every card once per deck: 108 in all, each code as often as the deck holds it.
void ExpectDeckInPlay(const GameTable& t) {
  int copies[55] = {};
  int total = 0;
  auto count = [&](const CardPile& pile) {
    for (int i = 0; i < PileCount(pile); ++i) {
      ++copies[pile.cards[i]];
      ++total;
    }
  };
  count(t.drawPile);
  count(t.discardPile);
  for (int seat = 0; seat < t.playerCount; ++seat) count(t.hands[seat]);
  ASSERT_EQ(total, 108);
  for (int code = 1; code <= 54; ++code) {
    ASSERT_EQ(copies[code], code >= 53 ? 4 : (FaceOf(code) == 0 ? 1 : 2)) << "code " << code;
  }
}

// The table events against the table as each is told: the hands' sizes as the events alone
// tell them (-1: not told this deal), the human's turn told and not yet taken, any disagreement.
struct Told { int cards[kSeatCount]; bool humanTurn, faulty; } told;

void CheckEvent(const TableEvent& e) {
  using K = TableEventKind;
  const GameTable& t = gameTable;
  int* cards = told.cards;
  if (e.kind == K::kDealt) told = Told{{-1, -1, -1, -1}, told.humanTurn, told.faulty};
  if (e.kind == K::kHand) cards[e.seat] = PileCount(t.hands[e.seat]);
  if (e.kind == K::kDrew || e.kind == K::kPenalty) cards[e.seat] += e.kind == K::kDrew ? e.card != kNoCard : e.count;
  if (e.kind == K::kPlayed) --cards[e.seat];
  bool agrees = e.kind != K::kHumanTurn || (!std::exchange(told.humanTurn, true) && t.currentPlayer == kHumanSeat);
  if (e.kind == K::kDealt || e.kind == K::kPlayed) {
    agrees &= e.card == PileTop(t.discardPile) && e.color == t.currentColor && e.direction == t.direction;
  }
  for (int seat = 0; seat < t.playerCount; ++seat) agrees &= cards[seat] < 0 || cards[seat] == PileCount(t.hands[seat]);
  told.faulty |= !agrees;
}

}  // namespace

TEST(Sweep, EveryMatchEndsWithInvariantsKept) {
  const int perSetting = MatchesPerSetting();
  long deals = 0;
  int longestDeal = 0;
  ListenAlong(CheckEvent);
  for (int players = 2; players <= 4; ++players) {
    for (const RuleVariant rules : {RuleVariant::kStandard, RuleVariant::kUntilPlayable}) {
      for (const MatchLength length : {MatchLength::kOneDeal, MatchLength::kToFiveHundred}) {
        for (int k = 0; k < perSetting; ++k) {
          const MatchSettings settings{1700000000 + k * 7919, players, rules, length};
          SCOPED_TRACE(testing::Message() << "seed " << settings.seed << " players " << players << " rules "
                                          << static_cast<int>(rules) << " length " << static_cast<int>(length));
          told = Told{{-1, -1, -1, -1}, false, false};
          SetUpTable(settings);
          DealRecord deal;
          BeginMatch(&deal);
          ++deals;
          const GameTable& t = gameTable;
          ASSERT_TRUE(t.dealActive);
          ASSERT_NO_FATAL_FAILURE(ExpectDeckInPlay(t));
          std::int32_t scores[kSeatCount] = {};
          int movesInDeal = 0;
          MoveRecord move;
          for (;;) {
            ASSERT_EQ(std::exchange(told.humanTurn, false), t.currentPlayer == kHumanSeat);
            const StepResult result = StepMove(&move);
            ASSERT_EQ(result, StepResult::kMoved);
            ASSERT_FALSE(told.faulty);
            ++movesInDeal;
            for (int seat = 0; seat < players; ++seat) {
              ASSERT_GE(t.matchScores[seat], scores[seat]);
              scores[seat] = t.matchScores[seat];
            }
            if (move.matchOver) break;
            ASSERT_TRUE(t.dealActive);
            ASSERT_LT(t.currentPlayer, t.playerCount);
            ASSERT_GT(PileCount(t.discardPile), 0);
            ASSERT_NO_FATAL_FAILURE(ExpectDeckInPlay(t));
            // The record agrees with the table it describes.
            if (!move.dealEnded) {
              ASSERT_EQ(move.color, t.currentColor);
              ASSERT_EQ(move.direction, t.direction);
              if (move.played) {
                ASSERT_EQ(move.card, PileTop(t.discardPile));
              }
              if (move.drew && !move.played && move.drawn != kNoCard) {
                ASSERT_EQ(move.drawn, PileTop(t.hands[move.seat]));
              }
            } else {
              ++deals;
              longestDeal = std::max(longestDeal, movesInDeal);
              movesInDeal = 0;
              ASSERT_TRUE(move.nextDeal);
              ASSERT_EQ(move.points[move.seat], 0);
            }
          }
          longestDeal = std::max(longestDeal, movesInDeal);
          ASSERT_FALSE(t.dealActive);
          ASSERT_FALSE(told.humanTurn);
          ASSERT_EQ(StepMove(&move), StepResult::kMatchOver);
          // A one-deal match is won by the human exactly when seat 0 went out.
          if (length == MatchLength::kOneDeal) {
            ASSERT_EQ(move.won, move.seat == 0);
          } else {
            ASSERT_EQ(move.won, t.matchScores[0] >= 500);
          }
        }
      }
    }
  }
  RecordProperty("deals", static_cast<int>(deals));
  RecordProperty("longest_deal_moves", longestDeal);
  EXPECT_LT(longestDeal, kMaxMovesPerDeal / 10);
}

// With every card but the top discard in the hands, a seat that cannot play
// passes; the runner reports a draw of 0 and a keep, and the game goes on.
TEST(Runner, NothingToDrawIsReportedAsAPass) {
  for (int mover : {0, 1}) {
    for (const RuleVariant rules : {RuleVariant::kStandard, RuleVariant::kUntilPlayable}) {
      SetUpTable(MatchSettings{42, 2, rules, MatchLength::kOneDeal});
      DealRecord deal;
      BeginMatch(&deal);
      GameTable& t = gameTable;
      const int other = 1 - mover;
      BuildDeck(gameTable.drawPile);  // red 1 on the discard pile, blue 3 and 4 for the mover, the rest to the other seat
      PileClear(t.discardPile);
      PilePush(t.discardPile, 28);
      PileClear(t.hands[mover]);
      PilePush(t.hands[mover], 4);
      PilePush(t.hands[mover], 5);
      PileClear(t.hands[other]);
      for (int i = 0; i < 108; ++i) {
        const CardCode c = t.drawPile.cards[i];
        if (c != 28 && c != 4 && c != 5) PilePush(t.hands[other], c);
      }
      PileClear(t.drawPile);
      t.currentColor = kRed;
      t.direction = 1;
      t.currentPlayer = static_cast<std::uint8_t>(mover);
      ArmTurnPacing();
      MoveRecord move;
      ASSERT_EQ(StepMove(&move), StepResult::kMoved);
      EXPECT_TRUE(move.drew);
      EXPECT_EQ(move.drawn, kNoCard);
      EXPECT_FALSE(move.played);
      EXPECT_EQ(move.turn, other);
      EXPECT_EQ(move.cue, IDW_CLICK);
      EXPECT_EQ(PileCount(t.hands[mover]), 2);
      ASSERT_EQ(StepMove(&move), StepResult::kMoved);  // the other seat holds Wilds and plays
      EXPECT_EQ(move.seat, other);
      EXPECT_TRUE(move.played);
    }
  }
}
