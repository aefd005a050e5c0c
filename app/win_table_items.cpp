// The table's children for a reader: read off the table when asked.
#include "app/win_table_items.h"

#include "app/win_access.h"
#include "app/win_scale.h"
#include "resources/resource.h"
#include "words/names.h"
#include "words/narrator.h"
#include "words/words.h"

Items TableItems() {
  Items items;
  auto add = [&items](Item item) { items.item[items.count++] = item; };
  add(Item::kHand);
  add(Item::kDrawPile);
  if (Table().dealActive) {
    add(Item::kTop);
    for (int seat = 1; seat < PlayersInRange(Table().playerCount); ++seat) {
      add(static_cast<Item>(static_cast<int>(Item::kSeat1) + seat - 1));
    }
  }
  add(Item::kTurn);
  if (Table().dealActive) add(Item::kScores);
  add(Item::kAnnouncement);
  return items;
}

Item ItemOf(long id) {
  const Items items = TableItems();
  return id >= 1 && id <= items.count ? items.item[id - 1] : Item::kNone;
}

long IdOf(Item item) {
  const Items items = TableItems();
  for (int i = 0; i < items.count; ++i) {
    if (items.item[i] == item) return i + 1;
  }
  return 0;
}

int SeatOf(Item item) { return static_cast<int>(item) - static_cast<int>(Item::kSeat1) + 1; }

const CardPile& Hand() { return Table().hands[kHumanSeat]; }

TableRect CardRect(int index) { return HandCard(PileCount(Hand()), index); }
TableRect HandRect() { return HandFan(PileCount(Hand())); }

TableRect ShownTable(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {0, 0, TableX(client.right - 1) + 1, TableY(client.bottom - 1) + 1};
}

TableRect ItemRect(HWND window, Item item) {
  switch (item) {
    case Item::kHand: return HandRect();
    case Item::kDrawPile: return kDrawPile;
    case Item::kTop: return kDiscardPile;
    case Item::kSeat1:
    case Item::kSeat2:
    case Item::kSeat3: {
      const int seat = SeatOf(item);
      return OpponentFan(Table().playerCount, seat, PileCount(Table().hands[seat]));
    }
    default: return ShownTable(window);  // the lines that tell of the whole table
  }
}

std::string ItemName(Item item) {
  const TableLines lines = DescribeTable();
  switch (item) {
    case Item::kHand: return Word(IDS_HAND);
    case Item::kDrawPile: return Word(IDS_DRAW_PILE);
    case Item::kTop: return lines.top;
    case Item::kSeat1:
    case Item::kSeat2:
    case Item::kSeat3: return SeatLine(SeatOf(item));
    case Item::kTurn: return lines.turn;
    case Item::kScores: return lines.scores;
    case Item::kAnnouncement: {
      const std::string* newest = PhraseOf(NewestPhraseId());
      return newest != nullptr ? *newest : "";
    }
    case Item::kNone: break;
  }
  return "";
}

bool Contains(const TableRect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

bool HasFocus(HWND window) { return GetFocus() == window; }

bool TablePointAt(HWND window, LONG x, LONG y, int* tableX, int* tableY) {
  POINT point{x, y};
  ScreenToClient(window, &point);
  RECT client{};
  GetClientRect(window, &client);
  if (!PtInRect(&client, point)) return false;
  *tableX = TableX(point.x);
  *tableY = TableY(point.y);
  return true;
}
