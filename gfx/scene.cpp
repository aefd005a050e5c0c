// The table scene: felt, then either the deal in progress or the idle table.
#include "gfx/scene.h"

#include "game/table_input.h"
#include "game/layout.h"
#include "game/table.h"
#include "gfx/framebuffer.h"
#include "gfx/sprite.h"

namespace {

constexpr int kFeltSize = 100;
constexpr int kArrowSize = 20;

// Slot 0 is the back, slots 1..54 the faces; anything else is not a card.
void BlitCard(int x, int y, int slot) {
  if (slot < 0 || slot >= kCardSpriteCount) return;
  BlitOpaque(x, y, cardSprites[slot], 0, 0, kCardWidth, kCardHeight);
}

void BlitBack(int x, int y) { BlitCard(x, y, 0); }

// A computer seat's hand, face down, fanned in card order.
void DrawOpponent(int players, int seat, const CardPile& hand) {
  const int n = PileCount(hand);
  for (int i = 0; i < n; ++i) {
    const TableRect card = OpponentCard(players, seat, n, i);
    if (card.w > 0) BlitBack(card.x, card.y);
  }
}

void DrawHumanHand(const CardPile& hand) {
  // The same places the presses are tested against.
  const int n = PileCount(hand);
  for (int i = 0; i < n; ++i) BlitCard(HandCardLeft(n, i), kHandTop, hand.cards[i]);
}

void FillRect(int x, int y, int w, int h, std::uint16_t pixel) {
  const FrameBuffer& frame = *frameBuffer;
  for (int row = y < 0 ? 0 : y; row < y + h && row < frame.height; ++row) {
    for (int col = x < 0 ? 0 : x; col < x + w && col < frame.width; ++col) {
      frame.pixels[frame.rowOffsets[row] + col] = pixel;
    }
  }
}

// The keyboard's selection: the whole outline of the chosen card, over the
// cards that cover part of it, so the card stands out wherever it lies.
void DrawSelection(const CardPile& hand, int index) {
  constexpr std::uint16_t kWhite = 0x7FFF;
  constexpr int kLine = 3;
  const int left = HandCardLeft(PileCount(hand), index) - kLine;
  const int top = kHandTop - kLine;
  const int w = kCardWidth + 2 * kLine;
  const int h = kCardHeight + 2 * kLine;
  FillRect(left, top, w, kLine, kWhite);
  FillRect(left, top + h - kLine, w, kLine, kWhite);
  FillRect(left, top, kLine, h, kWhite);
  FillRect(left + w - kLine, top, kLine, h, kWhite);
}

// Cells of the arrow atlas, named by where the arrow points.
struct Cell {
  int sx, sy;
};
constexpr Cell kUpLeft{1, 1};
constexpr Cell kUpRight{22, 1};
constexpr Cell kDownLeft{1, 22};
constexpr Cell kDownRight{22, 22};

struct ArrowPlace {
  int playerCount;
  int seat;
  int x, y;
  Cell cell;          // direction +1
  int otherX, otherY;
  Cell otherCell;     // any other direction
};

// The arrow sits on the mover's side of the piles and points at the next seat.
constexpr ArrowPlace kArrowPlaces[] = {
    {2, 0, 245, 220, kUpLeft, 335, 220, kUpRight},
    {3, 0, 245, 220, kUpLeft, 335, 220, kUpRight},
    {4, 0, 245, 220, kUpLeft, 335, 220, kUpRight},
    {2, 1, 335, 100, kDownRight, 245, 100, kDownLeft},
    {3, 1, 205, 80, kUpRight, 205, 150, kDownRight},
    {3, 2, 380, 150, kDownLeft, 380, 80, kUpLeft},
    {4, 1, 205, 125, kUpRight, 205, 195, kDownRight},
    {4, 2, 335, 100, kDownRight, 245, 100, kDownLeft},
    {4, 3, 380, 195, kDownLeft, 380, 125, kUpLeft},
};

void DrawTurnArrow(const GameTable& table) {
  for (const ArrowPlace& place : kArrowPlaces) {
    if (place.playerCount != table.playerCount || place.seat != table.currentPlayer) continue;
    if (table.direction == 1) {
      BlitKeyed(place.x, place.y, flowArrowSprite, place.cell.sx, place.cell.sy, kArrowSize,
                kArrowSize);
    } else {
      BlitKeyed(place.otherX, place.otherY, flowArrowSprite, place.otherCell.sx,
                place.otherCell.sy, kArrowSize, kArrowSize);
    }
    return;
  }
}

void DrawDealScene(const GameTable& table) {
  DrawHumanHand(table.hands[0]);
  const int selected = SelectedHandCard();
  if (selected >= 0) DrawSelection(table.hands[0], selected);
  if (PileCount(table.discardPile) >= 1) BlitCard(kDiscardPile.x, kDiscardPile.y, PileTop(table.discardPile));
  if (PileCount(table.drawPile) >= 1) BlitBack(kDrawPileLeft, kPileTop);
  if (table.currentColor >= 0 && table.currentColor <= 3) {
    BlitOpaque(kColorStrip.x, kColorStrip.y, colorBarSprite, 0, kColorStrip.h * table.currentColor, kColorStrip.w,
               kColorStrip.h);
  }
  for (int seat = 1; seat < kSeatCount; ++seat) DrawOpponent(table.playerCount, seat, table.hands[seat]);
  DrawTurnArrow(table);
}

// Seven face-down cards for every seat, whatever the piles hold.
void DrawIdleScene(int playerCount) {
  BlitBack(kDrawPileLeft, kPileTop);
  for (int k = 0; k < kHandSize; ++k) {
    BlitBack(210 + 20 * k, kHandTop);
    switch (playerCount) {
      case 2:
        BlitBack(240 + 10 * k, kTopSeatTop);
        break;
      case 3:
        BlitBack(40 + 10 * k, 80);
        BlitBack(435 + 10 * k, 80);
        break;
      case 4:
        BlitBack(10 + 10 * k, 125);
        BlitBack(240 + 10 * k, kTopSeatTop);
        BlitBack(465 + 10 * k, 125);
        break;
      default:
        break;
    }
  }
}

}  // namespace

void DrawTable() {
  if (frameBuffer == nullptr) return;
  for (int x = 0; x < kFrameWidth; x += kFeltSize) {
    for (int y = 0; y < kFrameHeight; y += kFeltSize) {
      BlitOpaque(x, y, feltSprite, 0, 0, kFeltSize, kFeltSize);
    }
  }
  if (gameTable.dealActive) {
    DrawDealScene(gameTable);
  } else {
    DrawIdleScene(gameTable.playerCount);
  }
}

void RenderTable(WindowHandle window) {
  if (frameBuffer == nullptr) return;
  DrawTable();
  PresentFrame(window);
}
