// The record of matches played, won and lost that the page keeps across visits,
// counted from the table's events.
#pragma once

#include <cstdint>

#include "game/events.h"

struct MatchTally {
  std::uint32_t played, won, lost;  // won + lost <= played: a match under way or abandoned is neither
  friend bool operator==(const MatchTally&, const MatchTally&) = default;
};

struct MatchStatistics {
  MatchTally tallies[3][2];     // [playerCount - 2][0 one-deal, 1 to 500]
  std::uint32_t currentStreak;  // consecutive matches won, up to the last one ended
  std::uint32_t bestStreak;
  std::uint8_t matchCounted;    // the match under way already counts as played
  friend bool operator==(const MatchStatistics&, const MatchStatistics&) = default;
};

// The one record, like gameTable.
extern MatchStatistics matchStatistics;

// Counts one event into stats, in the tally of gameTable's player count and match
// length. A match counts as played at its first move (or at its end, had it none),
// once; its end counts won or lost; a new match started after the first move of
// the last breaks the streak. Counts stop at their largest value.
void CountTableEvent(MatchStatistics& stats, const TableEvent& event);
void ResetStatistics(MatchStatistics& stats);
