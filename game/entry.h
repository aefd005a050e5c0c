// Everything a shell may call into the game: the other side of the seam whose
// game-to-shell half is game/shell.h. A program that hosts the game (Zot.exe,
// the page, the simulator) includes this, supplies game/shell.h, and needs
// nothing else of game/.
#pragma once

#include "game/dialog_fields.h"  // what the score and statistics dialogs show in each field
#include "game/events.h"         // SetTableObserver: the table's events as they happen
#include "game/human.h"          // the human's moves: play a card, draw
#include "game/table_input.h"    // presses, keys and the keyboard's selection
#include "game/layout.h"         // where the hand and the piles lie, for what a shell shows of them
#include "game/match.h"          // StartMatch
#include "game/pacing.h"         // the pacing test a main loop makes, OnTurnTimer
#include "game/saved_game.h"     // the game as text and back (the page keeps it between visits)
#include "game/settings.h"       // start-up and the menu's settings commands
#include "game/statistics.h"     // the record of matches the page keeps
#include "game/table_record.h"   // Table(), the record a shell reads to show it
