// What the headless shell saw during one step (internal to the runner).
#pragma once

#include <cstdint>

#include "game/shell.h"

struct HeadlessLog {
  std::int64_t calendarSeconds;
  std::uint32_t tick;
  // Per step:
  int cueCount;
  SoundCue cues[8];
  int matchResult;  // the match dialog: +1 won, -1 lost, 0 none
  bool saysZot;     // the policy's Zot: said before a play from a hand of two cards
};

extern HeadlessLog headlessLog;

void ResetStepLog();
