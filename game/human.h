// What the human means to do at the table, however it was said: a press on the
// table (OnTableClick hit-tests, then calls these), a key, a button of the
// page's hand, a screen reader's default action, the simulator's policy. Each
// has the legality, cues and dialogs of the move itself; none depends on where
// the cards lie.
#pragma once

// Play card `index` of the human's hand; an index outside the hand does nothing.
// On the idle table, as any press there, a new match.
void PlayHandCard(int index);
// Draw from the draw pile (when the pile is empty it is refilled, and with no card
// to be had at all the turn passes, so the human always has a move). On the idle
// table a new match.
void DrawFromPile();
// Under the say-zot house rule, says "Zot!": on the human's move with two cards
// in hand (the drawn-card question included), or after a move that left one card
// until the next seat moves. At any other time it only says so; with the rule off
// it does nothing. (Owing a stacked total, DrawFromPile takes it.)
void SayZot();
// Whether SayZot would say it now (for a shell that shows the command only then).
bool CanSayZot();
// Whether PlayHandCard(index) would play the card now: the human's turn in a
// deal, and a card the rules allow.
bool HandCardPlayable(int index);

// One left-button press at table coordinates (x, y): on the idle table a new
// match, else the card or pile under it, and anywhere else a refused press.
void OnTableClick(int x, int y);
