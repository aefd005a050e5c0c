// What a screen reader keeping a copy of the table's tree is told after every
// change to the table: the children reordered, a line's new name, the hand's
// cards reordered, and the keyboard's selection as the focus.
#include "app/win_access.h"

#include <string>
#include <utility>
#include <vector>

#include "app/win_table_items.h"
#include "game/entry.h"
#include "game/shell.h"

namespace {

// What a reader was last told the table holds: the children's names (the
// announcement's told by its own events), the hand's cards, the selection.
struct Told {
  std::vector<std::string> names;
  std::vector<CardCode> hand;
  int selected = -1;
  CardCode selectedCard = kNoCard;
};
Told told;

}  // namespace

void TableChanged() { TellTableChanges(static_cast<HWND>(mainWindow)); }

void TellTableChanges(HWND window) {
  Told now;
  const Items items = TableItems();
  for (int i = 0; i < items.count; ++i) {
    now.names.push_back(items.item[i] == Item::kAnnouncement ? "" : ItemName(items.item[i]));
  }
  now.hand.assign(Hand().cards, Hand().cards + PileCount(Hand()));
  now.selected = SelectedHandCard();
  now.selectedCard = now.selected >= 0 ? Hand().cards[now.selected] : kNoCard;
  const Told was = std::exchange(told, now);
  if (window == nullptr) return;
  // A reader that keeps a copy of the tree renews what changed.
  if (now.names.size() != was.names.size()) NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
  for (std::size_t i = 0; i < now.names.size() && now.names.size() == was.names.size(); ++i) {
    const LONG id = static_cast<LONG>(i + 1);
    if (now.names[i] != was.names[i]) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, id);
  }
  if (now.hand != was.hand) NotifyWinEvent(EVENT_OBJECT_REORDER, window, kHandObjectId, CHILDID_SELF);
  if (now.selected == was.selected && now.selectedCard == was.selectedCard) return;
  if (now.selected >= 0) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window, kHandObjectId, now.selected + 1);
    NotifyWinEvent(EVENT_OBJECT_SELECTION, window, kHandObjectId, now.selected + 1);
  } else if (was.selected >= 0) {
    // The selection went (a mouse press, a new deal): the focus is the table's again.
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, CHILDID_SELF);
  }
}
