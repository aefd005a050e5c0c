// Saves of real tables come back exactly and play on as the original; broken,
// foreign and impossible saves are refused.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/saved_game.h"
#include "tests/game/table_compare.h"
#include "tools/sim/headless.h"
#include "tools/sim/headless_shell.h"

namespace {

const MatchStatistics kRecord{{{{0, 0, 0}, {0, 0, 0}}, {{0, 0, 0}, {9, 4, 3}}, {{2, 1, 1}, {0, 0, 0}}}, 2, 3, 1};

// Equal in all the game reads: neither the hands of seats out of play nor the stamp of a disarmed pacing.
bool SameGame(const GameTable& a, GameTable b) {
  for (int seat = b.playerCount; seat < kSeatCount; ++seat) b.hands[seat] = a.hands[seat];
  if (!b.computerTurnPending) b.lastTurnTick = a.lastTurnTick;
  return SameTable(a, b);
}

// The table now and after each move to the end of the match, one started on an idle table.
std::vector<GameTable> PlayOn() {
  DealRecord deal;
  MoveRecord move;
  if (!gameTable.dealActive) BeginMatch(&deal);
  std::vector<GameTable> tables{gameTable};
  while (StepMove(&move) == StepResult::kMoved) tables.push_back(gameTable);
  return tables;
}

void MoveAll(CardPile& from, CardPile& to) {
  while (PileCount(from) > 0) PilePush(to, PileTakeTop(from));
}

}  // namespace

TEST(SavedGame, RealTablesComeBackAndPlayOnAsBefore) {
  // -2: a deal just opened after a match of four (stale hands out of play); -1: idle at start-up;
  // else moves made into a match (400: mostly past its end).
  int owing = 0, zot = 0;  // saves made with a total owed, with a Zot said or owed
  for (const int moves : {-2, -1, 0, 30, 400}) {
    for (int k = 0; k < 12; ++k) {
      // House rules in every combination, none on in a third of the settings; the human says Zot in half.
      const auto house = static_cast<std::uint8_t>(k % 3 == 0 ? 0 : k % 7 + 1);
      const MatchSettings settings{1700000000 + moves * 31 + k, 2 + k % 3, static_cast<RuleVariant>(k / 3 % 2),
                                   static_cast<MatchLength>(k / 6), house, k % 2 == 0};
      SCOPED_TRACE(testing::Message() << "moves " << moves << " setting " << k);
      SetUpTable(settings);
      DealRecord deal;
      MoveRecord move;
      if (moves == -2) {
        gameTable.playerCount = 4;
        PlayOn();
        gameTable.playerCount = settings.players;
      }
      if (moves != -1) BeginMatch(&deal);
      for (int i = 0; i < moves && StepMove(&move) == StepResult::kMoved; ++i) continue;
      // Thirty moves in, on to a total owed (stacking, even k) or a last card unsaid (say-zot forgotten, odd k).
      const bool toOwing = (house & kHouseStack) && k % 2 == 0;
      const bool toZot = (house & kHouseSayZot) && k % 2 == 1;
      while (moves == 30 && ((toOwing && gameTable.pendingTotal == 0) || (toZot && gameTable.zotCall == kZotNone)) &&
             StepMove(&move) == StepResult::kMoved) {
      }
      matchStatistics = kRecord;
      const std::uint32_t now = headlessLog.tick;
      const std::uint32_t random = randomState;
      const GameTable before = gameTable;
      owing += before.pendingTotal > 0;
      zot += before.zotCall != kZotNone;
      const std::string text = EncodeSavedGame(CaptureGame(now));
      // Without house rules, the save of every build before them.
      EXPECT_EQ(text.substr(0, 11), house ? "zot-save 2\n" : "zot-save 1\n");
      const std::vector<GameTable> after = PlayOn();

      SetUpTable(settings);  // as a new page finds it
      headlessLog.tick = now;
      ResetStatistics(matchStatistics);
      SavedGame saved;
      ASSERT_TRUE(DecodeSavedGame(text, &saved)) << text;
      RestoreGame(saved, now);
      EXPECT_TRUE(SameGame(before, gameTable));
      EXPECT_EQ(randomState, random);
      EXPECT_TRUE(matchStatistics == kRecord);
      const std::vector<GameTable> replayed = PlayOn();
      ASSERT_EQ(replayed.size(), after.size());
      for (std::size_t i = 0; i < after.size(); ++i) ASSERT_TRUE(SameGame(after[i], replayed[i])) << "move " << i;
    }
  }
  EXPECT_GT(owing, 0);
  EXPECT_GT(zot, 0);
}

TEST(SavedGame, PacingResumesWhereItStood) {
  const struct {
    std::uint32_t since;  // ms since armed at the save; disarmed when -1
    std::int32_t saved;
    std::uint32_t stamp;  // lastTurnTick restored at tick 7
  } cases[] = {{~0u, -1, 7}, {0, 0, 7}, {1000, 1000, 7 - 1000u}, {1001, 1001, 7 - 1001u},
               {0x90000000u, INT32_MAX, 7 - 1001u}};
  for (const auto& c : cases) {
    SetUpTable(MatchSettings{});
    gameTable.computerTurnPending = c.saved >= 0;
    gameTable.lastTurnTick = 5000 - c.since;
    SavedGame saved;
    ASSERT_TRUE(DecodeSavedGame(EncodeSavedGame(CaptureGame(5000)), &saved));
    EXPECT_EQ(saved.pacingElapsedMs, c.saved);
    RestoreGame(saved, 7);
    EXPECT_EQ(gameTable.computerTurnPending, c.saved >= 0);
    EXPECT_EQ(gameTable.lastTurnTick, c.stamp);
    EXPECT_EQ(TurnPacingDue(7), c.saved > 1000);
  }
}

TEST(SavedGame, BrokenForeignOrImpossibleSavesAreRefused) {
  SetUpTable(MatchSettings{1700000123, 3, RuleVariant::kStandard, MatchLength::kToFiveHundred});
  DealRecord deal;
  MoveRecord move;
  BeginMatch(&deal);
  for (int i = 0; i < 30; ++i) StepMove(&move);
  ASSERT_TRUE(gameTable.dealActive);
  matchStatistics = kRecord;
  const SavedGame good = CaptureGame(headlessLog.tick);
  const std::string text = EncodeSavedGame(good);
  SavedGame out;
  ASSERT_TRUE(DecodeSavedGame(text, &out)) << text;

  const struct {
    const char* name;
    void (*edit)(SavedGame& g);
    const char* from = nullptr;  // then this text replaced
    const char* to = nullptr;
  } cases[] = {
      {"another version", nullptr, "zot-save 1", "zot-save 3"},
      {"house rules' version without them", nullptr, "zot-save 1", "zot-save 2"},
      {"house fields in version 1", [](SavedGame& g) { g.table.houseRules = kHouseStack; }, "zot-save 2", "zot-save 1"},
      {"house 8", [](SavedGame& g) { g.table.houseRules = kHouseRulesAll; }, "house 7", "house 8"},
      {"house 0", [](SavedGame& g) { g.table.houseRules = kHouseStack; }, "house 1", "house 0"},
      {"total without stacking", [](SavedGame& g) { g.table.houseRules = kHouseSayZot; g.table.pendingTotal = 2; }},
      {"total over the deck's", [](SavedGame& g) { g.table.houseRules = kHouseStack; g.table.pendingTotal = 33; }},
      {"Zot without its rule", [](SavedGame& g) { g.table.houseRules = kHouseStack; g.table.zotCall = kZotSaid; }},
      {"Zot owed for many cards", [](SavedGame& g) { g.table.houseRules = kHouseSayZot; g.table.zotCall = kZotOwed; }},
      {"trailing garbage", nullptr, "\nend\n", "\nend\nx"},
      {"duplicated field", nullptr, "\nsound 1", "\nsound 1\nsound 1"},
      {"unknown field", nullptr, "\nsound 1", "\nsound 1\nloud 1"},
      {"missing field", nullptr, "\nsound 1", ""},
      {"sign", nullptr, "players 3", "players +3"},
      {"leading zero", nullptr, "players 3", "players 03"},
      {"wraps to 2", nullptr, "streak 2", "streak 4294967298"},
      {"five players", [](SavedGame& g) { g.table.playerCount = 5; g.table.dealActive = 0; }},
      {"one player", [](SavedGame& g) {
         g.table.playerCount = 1;
         g.table.currentPlayer = 0;
         MoveAll(g.table.hands[1], g.table.hands[0]);
         MoveAll(g.table.hands[2], g.table.hands[0]); }},
      {"turn of no seat", [](SavedGame& g) { g.table.currentPlayer = 3; }},
      {"direction 0 in a deal", [](SavedGame& g) { g.table.direction = 0; }},
      {"direction 0, dealt", [](SavedGame& g) { g.table.direction = g.table.dealActive = 0; }},
      {"direction 2", [](SavedGame& g) { g.table.direction = 2; }},
      {"turn 256", [](SavedGame& g) { g.table.currentPlayer = 0; }, "\nturn 0\n", "\nturn 256\n"},
      {"flag 2", [](SavedGame& g) { g.table.soundOn = 2; }},
      {"colour 4", [](SavedGame& g) { g.table.currentColor = 4; }},
      {"hand points", [](SavedGame& g) { g.table.handPoints[3] = 1241; }},
      {"match score", [](SavedGame& g) { g.table.matchScores[1] = 1740; }},
      {"pacing -2", [](SavedGame& g) { g.pacingElapsedMs = -2; }},
      {"card doubled", [](SavedGame& g) { PilePush(g.table.hands[1], g.table.hands[2].cards[0]); }},
      {"card missing", [](SavedGame& g) { PileTakeTop(g.table.drawPile); }},
      {"card changed", [](SavedGame& g) { g.table.drawPile.cards[0] = g.table.drawPile.cards[0] % 54 + 1; }},
      {"hand out of play", [](SavedGame& g) { g.table.hands[3] = g.table.hands[1]; }},
      {"empty hand in a deal", [](SavedGame& g) { MoveAll(g.table.hands[1], g.table.drawPile); }},
      {"no discard in a deal", [](SavedGame& g) { MoveAll(g.table.discardPile, g.table.drawPile); }},
      {"won > played", [](SavedGame& g) { g.statistics.tallies[0][0] = {1, 1, 1}; }},
      {"streak > best", [](SavedGame& g) { g.statistics.currentStreak = 4; }},
      {"best > won", [](SavedGame& g) { g.statistics.bestStreak = 6; }},
      {"counted 2", [](SavedGame& g) { g.statistics.matchCounted = 2; }},
  };
  for (const auto& c : cases) {
    SavedGame broken = good;
    if (c.edit) c.edit(broken);
    std::string bad = EncodeSavedGame(broken);
    const std::size_t at = c.from ? bad.find(c.from) : 0;
    ASSERT_NE(at, std::string::npos) << c.name;
    if (c.from) bad.replace(at, std::strlen(c.from), c.to);
    out.randomState = 12345;
    EXPECT_FALSE(DecodeSavedGame(bad, &out)) << c.name;
    EXPECT_EQ(out.randomState, 12345u) << c.name;
  }
  // Cut anywhere, down to right before the end mark: every field there, the end mark not.
  for (const std::size_t cut : {std::size_t{0}, std::size_t{10}, text.size() / 2, text.size() - 4, text.size() - 1}) {
    EXPECT_FALSE(DecodeSavedGame(std::string_view(text).substr(0, cut), &out)) << "cut at " << cut;
  }
}

TEST(SavedGame, VersionIsReadFromTheFirstLineAlone) {
  const std::pair<std::string, std::uint32_t> cases[] = {{"zot-save 2\n" + std::string(3 << 20, '\0'), 2},
      {"zot-save 4294967295\n", 4294967295u}, {"zot-save 4294967296\n", 0}, {"zot-save 02\n", 0}, {"zot-save 2", 0},
      {"zot-save 2 \n", 0}, {" zot-save 2\n", 0}};
  for (const auto& [text, version] : cases) EXPECT_EQ(SavedGameVersion(text), version) << text.substr(0, 24);
}
