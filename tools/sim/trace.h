// The simulator's trace: one line per table event, with the values the event and
// the table hold at that moment.
#pragma once

#include <cstdint>
#include <cstdio>

#include "game/events.h"

// `seed` names the match on its first line; `dealNumber` counts the match's deals so far.
void PrintTableEvent(std::FILE* out, const TableEvent& event, std::int64_t seed, int dealNumber);
