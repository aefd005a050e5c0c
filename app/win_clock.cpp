// The two clocks the game reads, and how long the loop may sleep.
#include "app/win_shell.h"

#include <ctime>

#include "game/players.h"
#include "game/shell.h"
#include "game/table.h"

std::uint32_t CurrentTick() { return GetTickCount(); }

std::int64_t CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

DWORD PacingWaitMs(std::uint32_t now) {
  if (gameTable.computerTurnPending == 0) {
    return INFINITE;
  }
  // The test passes once more than the interval has gone: at interval + 1.
  const std::uint32_t elapsed = now - gameTable.lastTurnTick;
  return elapsed > kTurnIntervalMs ? 0 : kTurnIntervalMs + 1 - elapsed;
}
