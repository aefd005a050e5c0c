// Play by keyboard: a selection that moves along the human's hand, and keys that
// act exactly as a press on the selected card or on the draw pile would.
#pragma once

#include <cstdint>

enum class TableKey : std::uint8_t {
  kLeft,   // selection one card to the left
  kRight,  // one card to the right
  kFirst,  // first card of the hand
  kLast,   // last card
  kPlay,   // the selected card, as a press on it (on the idle table: a new match)
  kDraw,   // the draw pile, as a press on it
};

// The selection shows only once a key has been pressed, so a match played with the
// mouse alone looks exactly as it would without keys; a mouse press hides it.
struct HandSelection {
  int index;     // card of the human's hand; kept within the hand when used
  bool visible;
};

extern HandSelection handSelection;

void OnTableKey(TableKey key);
// A mouse or touch press at (x, y) on the table: the selection goes, then the
// press acts (OnTableClick). Every shell hands its presses here.
void OnTablePress(int x, int y);
// A press on card `index` of the human's hand or on the draw pile, made for a
// key or a button: the very legality, cues and dialogs of a press there.
void PressHandCard(int index);
void PressDrawPile();
void HideHandSelection();
// The index of the selected card while the selection shows and a deal is on,
// else -1.
int SelectedHandCard();
