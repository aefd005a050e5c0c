// The computer seats' fixed rule.
#pragma once

// One move of computer seat `seat`: its last playable card in hand order, or a
// card drawn and played if it can be.
void ComputerTurn(int seat);
