// The browser shell's own operations, shared between its files. The page
// (zot_page.js) calls the zot_* entry points; everything else the game needs
// comes through game/shell.h and the platform steps of gfx/.
#pragma once

#include <cstdint>

// Menu commands (web_menu.cpp): what the Windows menu does, the same ids.
void OnCommand(int commandId);

// Dialogs the menu opens (web_dialogs.cpp); the game's five are in game/shell.h.
void ShowAbout();
void ShowCardPoints();
void ShowManual();
void ShowStatistics();
// Hands the pictures the dialogs show to the page: the card back, and the
// colour bar whose strips stand beside the colour chooser's choices.
void ShowDialogPictures();

// The table as the human may know it (web_view.cpp): the view after every
// drawing, and the rules' events as they happen.
void ListenToTable();
void ShowTableView();

// The end of the page's program: no more moves, drawing or presses.
void CloseTable();
