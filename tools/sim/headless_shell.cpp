// Shell operations for headless play: dialogs answer by the fixed human policy,
// cues and dialogs are noted for the runner, the clocks are simulated.
#include "tools/sim/headless_shell.h"

#include "game/human.h"
#include "game/rules.h"
#include "game/table.h"

HeadlessLog headlessLog;

void ResetStepLog() {
  headlessLog.cueCount = 0;
  headlessLog.matchResult = 0;
}

// The human names the colour the computer's rule would give for its hand.
CardColor AskColor(WindowHandle) { return ChooseColor(kHumanSeat); }
void TableChanged() {}

// The runner reads the scores from the deal's end as told.
void ShowDealScores(WindowHandle) {}
void ShowMatchWon(WindowHandle) { headlessLog.matchResult = 1; }
void ShowMatchLost(WindowHandle) { headlessLog.matchResult = -1; }

// Only asked when the drawn card is playable; the policy always plays it, saying
// Zot first when it is about to play from two cards.
bool AskPlayDrawnCard(WindowHandle) {
  if (headlessLog.saysZot && PileCount(gameTable.hands[kHumanSeat]) == 2) SayZot();
  return true;
}

// The seat the computer's rule would swap with.
int AskSwapSeat(WindowHandle) {
  int choices[kSeatCount - 1];
  SwapChoices(kHumanSeat, choices);
  return choices[0];
}

void PlayCue(SoundCue cue) {
  HeadlessLog& log = headlessLog;
  if (log.cueCount < static_cast<int>(sizeof log.cues / sizeof log.cues[0])) log.cues[log.cueCount] = cue;
  ++log.cueCount;
}

std::uint32_t CurrentTick() { return headlessLog.tick; }
std::int64_t CalendarSeconds() { return headlessLog.calendarSeconds; }
