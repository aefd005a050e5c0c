#include <gtest/gtest.h>

#include <cstdint>

#include "game/statistics.h"
#include "tests/game/fake_shell.h"

namespace {

// S match started, d dealt, D drew, P played, W the human won, L a computer seat won.
void Feed(MatchStatistics& stats, const char* events) {
  for (const char* e = events; *e; ++e) {
    TableEvent event{};
    event.kind = *e == 'S'   ? TableEventKind::kMatchStarted
                 : *e == 'd' ? TableEventKind::kDealt
                 : *e == 'D' ? TableEventKind::kDrew
                 : *e == 'P' ? TableEventKind::kPlayed
                             : TableEventKind::kMatchEnded;
    event.seat = static_cast<std::int8_t>(*e == 'L' ? 2 : 0);
    CountTableEvent(stats, event);
  }
}

}  // namespace

TEST(Statistics, CountsMatchesFromTheirEvents) {
  constexpr std::uint32_t kMax = UINT32_MAX;
  const struct {
    int players;
    bool oneDeal;
    MatchTally start;  // and the streaks at start.won
    const char* events;
    MatchStatistics expected;  // the tally at [0][0], moved to the settings' own
  } cases[] = {
      {2, true, {}, "Sd", {}},
      {2, true, {}, "SdD", {{{{1, 0, 0}}}, 0, 0, 1}},
      {3, false, {}, "SdDPPdPDW", {{{{1, 1, 0}}}, 1, 1, 0}},
      {4, true, {}, "SdPPL", {{{{1, 0, 1}}}, 0, 0, 0}},
      {4, false, {}, "SdPWSdPWSdPL", {{{{3, 2, 1}}}, 0, 2, 0}},
      {3, true, {}, "SdW", {{{{1, 1, 0}}}, 1, 1, 0}},
      {2, false, {}, "SdPWSdSdPW", {{{{2, 2, 0}}}, 2, 2, 0}},   // left before its first move: not played
      {4, false, {}, "SdPWSdPSdPW", {{{{3, 2, 0}}}, 1, 1, 0}},  // left after it: played, the streak broken
      {3, true, {}, "SdPWSdPWSdPLSdPW", {{{{4, 3, 1}}}, 1, 2, 0}},
      // Counts stop at their largest value, and a result the tally has no room for is not counted.
      {2, true, {kMax, kMax - 1, 0}, "SdPWSdPW", {{{{kMax, kMax, 0}}}, kMax, kMax, 0}},
      {2, true, {kMax, 0, kMax}, "SdPL", {{{{kMax, 0, kMax}}}, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.events);
    ResetAll(c.players);
    gameTable.singleDealMatch = c.oneDeal;
    MatchStatistics stats{};
    const int players = c.players - 2, length = c.oneDeal ? 0 : 1;
    stats.tallies[players][length] = c.start;
    stats.currentStreak = stats.bestStreak = c.start.won;
    Feed(stats, c.events);
    MatchStatistics expected = c.expected;
    std::swap(expected.tallies[0][0], expected.tallies[players][length]);
    EXPECT_TRUE(stats == expected);
  }
}
