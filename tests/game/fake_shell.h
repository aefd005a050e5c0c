// A recording stand-in for the shell: notes every redraw, dialog and cue in order,
// answers the dialogs from scripts, and lets tests set the clocks.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/table.h"
#include "tests/game/table_compare.h"

struct FakeShell {
  std::vector<std::string> events;  // "render", "AskColor", "DealScores", "MatchWon",
                                    // "MatchLost", "AskDrawn", or the cue name
  bool hearTable = false;           // table events too, e.g. "deal SEAT CARD COLOR", "take SEAT COUNT"
  std::deque<int> colorAnswers;     // AskColor picks the next; none: colour unchanged
  std::deque<bool> drawnAnswers;    // AskPlayDrawnCard; none: declined
  std::deque<int> seatAnswers;      // AskSwapSeat; none: -1, no seat
  std::uint32_t tick = 0;
  std::int64_t calendarSeconds = 0;
  GameTable atLastDialog{};         // the table as the last dialog saw it
};

extern FakeShell fakeShell;

// Fresh table as window creation leaves it (with the generator at 1) and an
// empty record.
void ResetAll(int players = 4);
std::vector<std::string> Events(const char* only = nullptr);  // all, or only those named
int Count(const char* event);

// Sets the generator so that the next NextRandom() returns r.
void SetNextRandom(int r);
