// The pacing test the shells make, and the computer move it lets through.
#include "game/pacing.h"

#include "game/computer.h"
#include "game/shell.h"
#include "game/table.h"

void ArmTurnPacing() {
  gameTable.computerTurnPending = 1;
  gameTable.lastTurnTick = CurrentTick();
}

void DisarmTurnPacing() { gameTable.computerTurnPending = 0; }

bool TurnPacingDue(std::uint32_t now) {
  // Unsigned 32-bit difference: stays right across the tick counter's wrap.
  return gameTable.computerTurnPending && static_cast<std::uint32_t>(now - gameTable.lastTurnTick) > kTurnIntervalMs;
}

std::int32_t TurnPacingWaitMs(std::uint32_t now) {
  if (!gameTable.computerTurnPending) return -1;
  // The test passes once more than the interval has gone: at interval + 1.
  const std::uint32_t elapsed = now - gameTable.lastTurnTick;
  return elapsed > kTurnIntervalMs ? 0 : static_cast<std::int32_t>(kTurnIntervalMs + 1 - elapsed);
}

void OnTurnTimer() {
  GameTable& t = gameTable;
  t.lastTurnTick = CurrentTick();  // the next interval counts from this tick
  if (t.currentPlayer == kHumanSeat || !t.dealActive) {
    DisarmTurnPacing();
    return;
  }
  ComputerTurn(t.currentPlayer);
  ShowTable();
}

void ResumeTurnPacing() {
  if (gameTable.dealActive && gameTable.currentPlayer != kHumanSeat) ArmTurnPacing();
}
