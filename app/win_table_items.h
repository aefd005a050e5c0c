// The table's children as a screen reader meets them, read off the table at
// the moment they are asked for: which there are, where each lies and what it
// is called, in words/'s words.
#pragma once

#include "app/win_shell.h"

#include <string>

#include "game/layout.h"
#include "game/table_record.h"

enum class Item { kHand, kDrawPile, kTop, kSeat1, kSeat2, kSeat3, kTurn, kScores, kAnnouncement, kNone };

// The children now, child id i being items[i - 1]: the idle table has only the
// empty hand, the draw pile (a press there starts a match), how to start and
// the announcement.
struct Items {
  Item item[9];
  int count = 0;
};

Items TableItems();
// The item of child id `id` (kNone for none), and the child id of `item` (0).
Item ItemOf(long id);
long IdOf(Item item);
// The computer seat (1..3) of a seat's item.
int SeatOf(Item item);
const CardPile& Hand();
TableRect CardRect(int index);
TableRect HandRect();
// The part of the table the client area shows: the table itself, and where
// the lines that tell of the whole table are.
TableRect ShownTable(HWND window);
// Where the item lies on the table; the lines that tell of the whole table lie
// over the part the window shows.
TableRect ItemRect(HWND window, Item item);
// What each child is called now: its thing, or its line of the table in words.
std::string ItemName(Item item);
bool Contains(const TableRect& r, int x, int y);
// The focus is the window's while it has the keyboard: on the selected card,
// else on the table.
bool HasFocus(HWND window);
// A screen point as the table pixel shown there; false outside the client area.
bool TablePointAt(HWND window, LONG x, LONG y, int* tableX, int* tableY);
