// Opening matches and deals, ending moves and deals.
#pragma once

#include "game/shell.h"

void StartMatch();
void StartDeal();
void EndDeal(int winner);
// The end of every move of `seat` that `cue` sounds: an emptied hand ends the
// deal; otherwise a last card is told, the cue plays (the zot cue for a last
// card) and the human's turn is told when it has come. False when the deal ended.
bool FinishMove(int seat, SoundCue cue);
