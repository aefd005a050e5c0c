// The browser shell's own operations, shared between the module's files. The
// page calls the entry points of entry_points.h; everything else the game needs
// comes through game/shell.h and the platform steps of gfx/. The module calls
// back into the page through Module.page, the page's object of callbacks.
#pragma once

#include <cstdint>

// Dialogs the menu opens (dialogs.cpp); the game's six are in game/shell.h.
void ShowAbout();
void ShowCardPoints();
void ShowManual();
void ShowStatistics();
// Whether the player lets a new match throw away the one in progress.
bool AskNewMatch();
// The house rules the player chose (kHouse* bits), or -1 when cancelled.
int AskHouseRules();
// Hands the pictures the dialogs show to the page: the card back, and the
// colour bar whose strips stand beside the colour chooser's choices.
void ShowDialogPictures();

// The table as the human may know it (view.cpp): the view after every change
// (TableChanged) and event, and the rules' events as they happen.
void ListenToTable();
void ShowTableView();
// The reply of a key that says the table again.
enum class TableQuery : std::uint8_t;
void SayAgain(TableQuery query);

// The end of the page's program (main.cpp): no more moves, drawing or presses.
void CloseTable();
bool TableClosed();
