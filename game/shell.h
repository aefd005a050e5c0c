// What the game calls on the outside world. Each program supplies these at link
// time: the Windows shell (app/), the drawing (gfx/ for RenderTable), the headless
// simulator (tools/) and the tests' recording fakes. The game never looks inside
// a window handle; it only passes mainWindow through.
#pragma once

#include <cstdint>

#include "game/cards.h"

using WindowHandle = void*;
// The name of one WAVE resource, e.g. "IDW_CLICK".
using SoundCue = const char*;

extern const char IDW_BOING[];
extern const char IDW_CLAPS[];
extern const char IDW_CLICK[];
extern const char IDW_ERROR[];
extern const char IDW_LOSE[];
extern const char IDW_ZOT[];

// The main window, or null where there is none (set by the shell once created).
extern WindowHandle mainWindow;

void RenderTable(WindowHandle window);          // draws and shows the whole table
void TableChanged();                            // what describes the table in words looks again
CardColor AskColor(WindowHandle owner);         // the colour chosen (opens on the colour in force)
void ShowDealScores(WindowHandle owner);
void ShowMatchWon(WindowHandle owner);
void ShowMatchLost(WindowHandle owner);
bool AskPlayDrawnCard(WindowHandle owner);      // true: play the card just drawn
// The seat the human swaps hands with for a 7 (SwapChoices, game/rules.h, in
// the order offered); asked only when there are two or more to choose from.
int AskSwapSeat(WindowHandle owner);
void PlayCue(SoundCue cue);                     // async; silent unless soundOn

std::uint32_t CurrentTick();                    // milliseconds, wraps at 2^32
std::int64_t CalendarSeconds();                 // seconds since 1970-01-01 UTC

// After a change to the table: drawn, then described again. A window that only
// needs repainting calls RenderTable alone.
void ShowTable();
