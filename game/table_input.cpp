// Keys, buttons and presses on the table, turned into the human's moves.
#include "game/table_input.h"

#include <cstring>

#include "game/shell.h"
#include "game/table.h"

HandSelection handSelection{0, false};

const TableKeyName kTableKeyNames[9] = {
    {TableKey::kLeft, 0x25 /* VK_LEFT */, "ArrowLeft"},  {TableKey::kRight, 0x27 /* VK_RIGHT */, "ArrowRight"},
    {TableKey::kFirst, 0x24 /* VK_HOME */, "Home"},      {TableKey::kLast, 0x23 /* VK_END */, "End"},
    {TableKey::kPlay, 0x0D /* VK_RETURN */, "Enter"},    {TableKey::kPlay, 0x0D /* VK_RETURN */, "NumpadEnter"},
    {TableKey::kPlay, 0x20 /* VK_SPACE */, "Space"},     {TableKey::kDraw, 'D', "KeyD"},
    {TableKey::kZot, 'Z', "KeyZ"},
};

namespace {

bool PressNamedKey(const TableKeyName* name, bool repeat) {
  if (name == nullptr) return false;
  const bool once = name->key == TableKey::kPlay || name->key == TableKey::kDraw || name->key == TableKey::kZot;
  if (!(once && repeat)) OnTableKey(name->key);
  return true;
}

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

bool OnTableVirtualKey(int virtualKey, bool repeat) {
  for (const TableKeyName& name : kTableKeyNames) {
    if (name.virtualKey == virtualKey) return PressNamedKey(&name, repeat);
  }
  return false;
}

bool OnTableKeyCode(const char* code, bool repeat) {
  for (const TableKeyName& name : kTableKeyNames) {
    if (std::strcmp(name.code, code) == 0) return PressNamedKey(&name, repeat);
  }
  return false;
}

void OnTableKey(TableKey key) {
  const GameTable& t = gameTable;
  if (key == TableKey::kZot) {
    SayZot();
    return;
  }
  if (!t.dealActive) {
    // On the idle table Enter and Space start a match, as a press anywhere does.
    if (key == TableKey::kPlay) DrawFromPile();
    return;
  }
  const int count = PileCount(t.hands[kHumanSeat]);
  if (key == TableKey::kDraw) {
    DrawFromPile();
    return;
  }
  if (key == TableKey::kPlay && handSelection.visible && count > 0) {
    handSelection.index = Clamp(handSelection.index, count);
    PlayHandCard(handSelection.index);
    return;
  }
  // Any other key, and the first Enter while nothing shows yet, only moves or
  // shows the selection: a card is never played unseen.
  if (count > 0) Select(key, count);
  ShowTable();
}

void OnTablePress(int x, int y) {
  HideHandSelection();
  OnTableClick(x, y);
}

void OnHandCardButton(int index) {
  HideHandSelection();
  PlayHandCard(index);
}

void OnDrawPileButton() {
  HideHandSelection();
  DrawFromPile();
}

void HideHandSelection() { handSelection.visible = false; }

void SelectHandCard(int index) {
  const int count = PileCount(gameTable.hands[kHumanSeat]);
  if (!gameTable.dealActive || count == 0) return;
  handSelection = HandSelection{Clamp(index, count), true};
  ShowTable();
}

int SelectedHandCard() {
  const GameTable& t = gameTable;
  const int count = PileCount(t.hands[kHumanSeat]);
  if (!handSelection.visible || !t.dealActive || count == 0) return -1;
  return Clamp(handSelection.index, count);
}
