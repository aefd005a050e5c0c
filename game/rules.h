// Legality, colour in force, turn order and playing a card.
#pragma once

#include "game/cards.h"
#include "game/shell.h"

void SetColorFromCard(CardCode card);
bool IsPlayable(int seat, CardCode card);
CardColor ChooseColor(int seat);

int NextPlayer(int seat);
// Plays card `index` of hands[seat] with its effect. False (and nothing changed,
// cue untouched) when the card may not be played.
bool PlayCard(int seat, int index, SoundCue* cue);
