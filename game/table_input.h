// The human's input on the table: presses of a mouse or a finger, buttons and
// keys. A selection moves along the hand by keys; keys and buttons ask for the
// same moves (game/human.h) a press on the card or the pile does.
#pragma once

#include <cstdint>

#include "game/human.h"

// A mouse or touch press at (x, y) on the table: the selection goes, then the
// press acts (OnTableClick). Every shell hands its presses here.
void OnTablePress(int x, int y);
// A button that stands for card `index` of the hand or for the draw pile was
// pressed (the page's large hand, a screen reader's default action): the
// selection goes, as with any press, then the move is made.
void OnHandCardButton(int index);
void OnDrawPileButton();

enum class TableKey : std::uint8_t {
  kLeft,   // selection one card to the left
  kRight,  // one card to the right
  kFirst,  // first card of the hand
  kLast,   // last card
  kPlay,   // the selected card, as a press on it (on the idle table: a new match)
  kDraw,   // the draw pile, as a press on it
  kZot,    // says Zot, under the say-zot house rule (SayZot)
};

// The table's keys as the platforms name them: the Windows virtual-key code and
// the browser's KeyboardEvent.code, which names the key's place (the page maps
// a layout's letter D to "KeyD" itself).
struct TableKeyName {
  TableKey key;
  int virtualKey;
  const char* code;
};
extern const TableKeyName kTableKeyNames[9];

// A key press named either way, `repeat` set for the auto-repeat of a held key;
// false when the key is not one of the table's. Held-down play and draw keys do
// not repeat: one press, one move.
bool OnTableVirtualKey(int virtualKey, bool repeat);
bool OnTableKeyCode(const char* code, bool repeat);
void OnTableKey(TableKey key);

// The selection shows only once a key has been pressed, so a match played with the
// mouse alone looks exactly as it would without keys; a mouse press hides it.
struct HandSelection {
  int index;     // card of the human's hand; kept within the hand when used
  bool visible;
};

extern HandSelection handSelection;

void HideHandSelection();
// The selection shown on card `index` of the human's hand (kept within it), as
// when a key has moved it there; for a shell whose player put its focus there.
void SelectHandCard(int index);
// The index of the selected card while the selection shows and a deal is on,
// else -1.
int SelectedHandCard();
