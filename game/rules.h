// Legality, colour in force, turn order and playing a card.
#pragma once

#include "game/cards.h"
#include "game/shell.h"

void SetColorFromCard(CardCode card);
bool IsPlayable(int seat, CardCode card);
CardColor ChooseColor(int seat);

int NextPlayer(int seat);
// Whether a seat's turn passes after it drew `drawn` (kNoCard: none could be had)
// and did not play it: unless the seats keep drawing until they can play and a
// card came. With nothing to draw the seat passes under both rules, or the deal
// would stand still with that seat trying for ever.
bool TurnPassesAfterDraw(CardCode drawn);
// Plays card `index` of hands[seat] with its effect. False (and nothing changed,
// cue untouched) when the card may not be played.
bool PlayCard(int seat, int index, SoundCue* cue);
