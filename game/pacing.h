// The pacing that spaces the computer seats' moves a little over a second
// apart, so the human can follow the play.
#pragma once

#include <cstdint>

constexpr std::uint32_t kTurnIntervalMs = 1000;

// The switch: armed (from now) after a move the computers answer, disarmed
// when the turn is the human's or the table goes.
void ArmTurnPacing();
void DisarmTurnPacing();
// True when the main loop should call OnTurnTimer now (armed, and more than the
// interval since lastTurnTick, unsigned 32-bit difference).
bool TurnPacingDue(std::uint32_t now);
// Milliseconds from `now` until TurnPacingDue can pass (0: now), or -1 while the
// pacing is disarmed: how long a shell may sleep before it must test again.
std::int32_t TurnPacingWaitMs(std::uint32_t now);
// One computer move for the seat to move, or the pacing disarmed when the turn
// has come back to the human.
void OnTurnTimer();
// After the table was closed and opened again: a computer's move that was due
// is due again.
void ResumeTurnPacing();
