// The two clocks the game reads, and how long the loop may sleep.
#include "app/win_shell.h"

#include <ctime>

#include "game/entry.h"
#include "game/shell.h"

std::uint32_t CurrentTick() { return GetTickCount(); }

std::int64_t CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

DWORD PacingWaitMs(std::uint32_t now) {
  const std::int32_t wait = TurnPacingWaitMs(now);
  return wait < 0 ? INFINITE : static_cast<DWORD>(wait);
}
