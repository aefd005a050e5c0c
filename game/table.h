// The one record of game state, and the moves of cards it makes. Only the
// game writes it; a shell reads it through Table() (game/entry.h).
#pragma once

#include "game/table_record.h"

extern GameTable gameTable;

// Seat 0..3: top of the draw pile to the end of that hand; seat -1: taken and only
// returned. Refills an empty draw pile from the discard pile first. 0 when no card.
CardCode DrawCard(int seat);
// Counts the hands in play into handPoints and credits the winner.
void ScoreHands(int winner);
