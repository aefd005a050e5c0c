// The computer seats with their pacing, and the human's presses on the table.
#pragma once

#include <cstdint>

constexpr std::uint32_t kTurnIntervalMs = 1000;

// Where the human's hand and the draw pile lie on the 600 x 400 table. The
// drawing uses the same numbers, so what is hit is what is seen.
constexpr int kCardWidth = 60;
constexpr int kCardHeight = 90;
constexpr int kHandTop = 250;
constexpr int kPileTop = 125;
constexpr int kDrawPileLeft = 230;

// True when the main loop should call OnTurnTimer now (armed, and more than the
// interval since lastTurnTick, unsigned 32-bit difference).
bool TurnPacingDue(std::uint32_t now);
void OnTurnTimer();
// Milliseconds from `now` until TurnPacingDue can pass (0: now), or -1 while the
// pacing is disarmed: how long a shell may sleep before it must test again.
std::int32_t TurnPacingWaitMs(std::uint32_t now);
void ComputerTurn(int seat);

// One left-button press at client coordinates (x, y).
void OnTableClick(int x, int y);

// Hit test of the human's hand as drawn: index of the top-most card under (x, y)
// in a hand of n cards, or -1.
int HandCardAt(int n, int x, int y);
// Half the step between the human's cards, and the step between an opponent's
// face-down cards, for a hand of n cards: hands close up as they grow.
int FanSpacingUnit(int n);
// Left edge of card i in the human's hand of n cards.
int HandCardLeft(int n, int i);
bool OnDrawPile(int x, int y);
