// What the headless shell saw during one step (internal to the runner).
#pragma once

#include <cstdint>

#include "game/cards.h"
#include "game/shell.h"
#include "game/table.h"

struct HeadlessLog {
  std::int64_t calendarSeconds;
  std::uint32_t tick;
  // Per step:
  int cueCount;
  SoundCue cues[8];
  bool scoresShown;
  int cuesBeforeScores;
  // The table as ShowDealScores found it: scored, before any next deal.
  CardCode lastPlayed;
  CardColor color;
  std::int8_t direction;
  std::uint8_t turn;
  std::int32_t points[kSeatCount];
  std::int32_t scores[kSeatCount];
  int matchResult;  // +1 won, -1 lost, 0 still on
};

extern HeadlessLog headlessLog;

void ResetStepLog();
