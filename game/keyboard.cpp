// Keys on the table. Playing and drawing go through OnTableClick at a point of
// the card or the pile, so a key has the very legality, cues and dialogs of a press.
#include "game/keyboard.h"

#include "game/players.h"
#include "game/shell.h"
#include "game/table.h"

HandSelection handSelection{0, false};

namespace {

int Clamp(int index, int count) {
  if (index >= count) index = count - 1;
  return index < 0 ? 0 : index;
}

void Select(TableKey key, int count) {
  HandSelection& s = handSelection;
  int index = Clamp(s.index, count);
  switch (key) {
    case TableKey::kLeft: index = s.visible ? index - 1 : index; break;
    case TableKey::kRight: index = s.visible ? index + 1 : index; break;
    case TableKey::kFirst: index = 0; break;
    case TableKey::kLast: index = count - 1; break;
    default: break;
  }
  s.index = Clamp(index, count);
  s.visible = true;
}

}  // namespace

void OnTableKey(TableKey key) {
  const GameTable& t = gameTable;
  if (!t.dealActive) {
    // On the idle table Enter and Space start a match, as a press anywhere does.
    if (key == TableKey::kPlay) PressDrawPile();
    return;
  }
  const int count = PileCount(t.hands[kHumanSeat]);
  if (key == TableKey::kDraw) {
    PressDrawPile();
    return;
  }
  if (key == TableKey::kPlay && handSelection.visible && count > 0) {
    handSelection.index = Clamp(handSelection.index, count);
    PressHandCard(handSelection.index);
    return;
  }
  // Any other key, and the first Enter while nothing shows yet, only moves or
  // shows the selection: a card is never played unseen.
  if (count > 0) Select(key, count);
  RenderTable(mainWindow);
}

void OnTablePress(int x, int y) {
  HideHandSelection();
  OnTableClick(x, y);
}

void PressHandCard(int index) {
  const int count = PileCount(gameTable.hands[kHumanSeat]);
  if (index < 0 || index >= count) return;
  // Just inside the card's left edge: the part that the next card leaves
  // uncovered, even where the card lies outside the window.
  OnTableClick(HandCardLeft(count, index) + 1, kHandTop + 1);
}

void PressDrawPile() { OnTableClick(kDrawPileLeft + 1, kPileTop + 1); }

void HideHandSelection() { handSelection.visible = false; }

int SelectedHandCard() {
  const GameTable& t = gameTable;
  const int count = PileCount(t.hands[kHumanSeat]);
  if (!handSelection.visible || !t.dealActive || count == 0) return -1;
  return Clamp(handSelection.index, count);
}
