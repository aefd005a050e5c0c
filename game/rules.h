// Legality, colour in force, turn order and playing a card.
#pragma once

#include "game/cards.h"
#include "game/shell.h"

#include "game/table_record.h"

void SetColorFromCard(CardCode card);
// Whether the house rule `rule` (a kHouse* bit) is on.
bool HouseRule(std::uint8_t rule);
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
// A seat that owes the stacked total takes it (fewer when the stock runs out)
// and loses its turn: that is its whole move. Returns the seat to move next.
int TakePendingTotal(int seat);
