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
// Hands the card back, as the dialogs show it, to the page.
void ShowDialogPicture();

// The end of the page's program: no more moves, drawing or presses.
void CloseTable();
