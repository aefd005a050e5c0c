// Saying Zot under the say-zot house rule: when the human may say it, what its
// move's end makes of it, and the next seat catching a last card left unsaid.
#pragma once

// Whether SayZot (game/human.h) would say it now: the human's move with two
// cards in hand (`askingDrawn`: inside the drawn-card question), or a last card
// left unsaid that no seat has caught yet.
bool ZotSayable(bool askingDrawn);
// The end of a human move that left `left` cards: true when a last card was
// said; a last card left unsaid is owed until the next seat moves.
bool SettleZotCall(int left);
// Before another seat moves: a last card the human left unsaid costs two cards
// (fewer when the stock runs out).
void CatchUnsaidZot();
