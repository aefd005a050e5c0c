// Counting matches from the table's events.
#include "game/statistics.h"

#include <cstdint>

#include "game/table.h"

MatchStatistics matchStatistics;

namespace {

void AddOne(std::uint32_t& count) {
  if (count != UINT32_MAX) ++count;
}

// The tally of the settings in force.
MatchTally& TallyInPlay(MatchStatistics& stats) {
  const GameTable& t = gameTable;
  return stats.tallies[PlayersInRange(t.playerCount) - 2][t.singleDealMatch ? 0 : 1];
}

void CountPlayed(MatchStatistics& stats) {
  if (stats.matchCounted) return;
  AddOne(TallyInPlay(stats).played);
  stats.matchCounted = 1;
}

void CountResult(MatchStatistics& stats, bool won) {
  CountPlayed(stats);
  stats.matchCounted = 0;
  MatchTally& tally = TallyInPlay(stats);
  // Once played has stopped at its largest value there may be no room left for a
  // result; the record stays consistent (won + lost <= played, the streak no longer
  // than the wins) rather than exact.
  const bool room = std::uint64_t{tally.won} + tally.lost < tally.played;
  if (!won) {
    if (room) ++tally.lost;
    stats.currentStreak = 0;
    return;
  }
  if (!room) return;
  ++tally.won;
  AddOne(stats.currentStreak);
  if (stats.currentStreak > stats.bestStreak) stats.bestStreak = stats.currentStreak;
}

}  // namespace

void CountTableEvent(MatchStatistics& stats, const TableEvent& event) {
  switch (event.kind) {
    case TableEventKind::kMatchStarted:
      // The last match was left after its first move: abandoned, it breaks the streak.
      if (stats.matchCounted) stats.currentStreak = 0;
      stats.matchCounted = 0;
      break;
    case TableEventKind::kDrew:
    case TableEventKind::kPlayed:
      CountPlayed(stats);
      break;
    case TableEventKind::kMatchEnded:
      CountResult(stats, event.seat == kHumanSeat);
      break;
    default:
      break;
  }
}

void ResetStatistics(MatchStatistics& stats) { stats = MatchStatistics{}; }
