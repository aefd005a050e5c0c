// The computer seats' fixed rule.
#pragma once

// One move of computer seat `seat`: its last playable card in hand order (owing
// a stacked total, its last stacking card, else it takes the total), or a card
// drawn and played if it can be. A last card the human left unsaid is caught first.
void ComputerTurn(int seat);
