// Every function the page calls in the module, each defined in the file named
// like the page script that calls it. The build reads this list to write the
// page's table of them (web/make/facts.cpp), so the page cannot name one that
// is not here.
#pragma once

#include <cstdint>

extern "C" {

// main.cpp: the pacing test of the Windows loop, and how long until it passes
// (-1: no computer move is due).
void zot_turn_timer();
int zot_pacing_wait();
// Back to the table after Exit.
void zot_reopen();

// input.cpp: a press at table coordinates; a key as the browser's
// KeyboardEvent.code names it, with 1 for a held key's repeat.
void zot_press(int x, int y);
void zot_key(const char* code, int repeat);

// hand.cpp: a press on card `index` of the human's hand, or on the draw pile;
// the picture of card `code` (0 the back), RGBA, kCardWidth x kCardHeight.
void zot_hand_card(int index);
void zot_draw_pile();
void zot_select_card(int index);
// The "Zot!" button by the hand, under the say-zot house rule.
void zot_say_zot();
const std::uint32_t* zot_card_rgba(int code);

// menu.cpp: a menu command, and the mark of a settings item (1 checked).
void zot_command(int commandId);
int zot_setting_mark(int commandId);

// language.cpp: the words in English (1) or Arabic (0) from now on.
void zot_language(int english);

// store.cpp: the whole game as text, and back: the page copies at most
// kMaxSavedGameBytes of the save's bytes into zot_restore_buffer(), then calls
// zot_restore with the save's whole size in bytes.
const char* zot_save();
char* zot_restore_buffer();
int zot_restore(int size);

}  // extern "C"

// What zot_restore made of the save: put in place; unreadable (the fresh
// table stays as it was); of a newer version than this build's, which the
// page must not write over.
constexpr int kRestoreUnreadable = 0;
constexpr int kRestored = 1;
constexpr int kRestoreNewer = 2;
