// What may be played, the colour in force, turn order and the effect of a play.
#include "game/rules.h"

#include "game/events.h"
#include "game/table.h"

void SetColorFromCard(CardCode card) {
  if (IsColoured(card)) gameTable.currentColor = ColorOf(card);
}

bool IsPlayable(int seat, CardCode card) {
  const GameTable& t = gameTable;
  if (IsColoured(card)) {
    if (ColorOf(card) == t.currentColor) return true;
    // Face match needs a coloured top: after a wild only the named colour counts.
    const CardCode top = PileTop(t.discardPile);
    return IsColoured(top) && FaceOf(top) == FaceOf(card);
  }
  if (card == kWild) return true;
  if (card != kWildDrawFour) return false;
  // No bluffing: refused while the hand holds the colour in force.
  const CardPile& hand = t.hands[seat];
  for (int i = 0; hand.cards[i] != kNoCard; ++i) {
    if (IsColoured(hand.cards[i]) && ColorOf(hand.cards[i]) == t.currentColor) return false;
  }
  return true;
}

CardColor ChooseColor(int seat) {
  int counts[4] = {0, 0, 0, 0};
  const CardPile& hand = gameTable.hands[seat];
  for (int i = 0; hand.cards[i] != kNoCard; ++i) {
    if (IsColoured(hand.cards[i])) ++counts[ColorOf(hand.cards[i])];
  }
  CardColor best = kBlue;
  for (CardColor c = kGreen; c <= kYellow; ++c) {
    if (counts[c] > counts[best]) best = c;  // ties keep the lower colour
  }
  return best;
}

int NextPlayer(int seat) {
  int next = seat + gameTable.direction;
  if (next >= gameTable.playerCount) {
    next = 0;
  } else if (next < 0) {
    next = gameTable.playerCount - 1;
  }
  return next;
}

bool TurnPassesAfterDraw(CardCode drawn) { return drawn == kNoCard || !gameTable.drawUntilPlayable; }

static void NameColor(int seat) {
  gameTable.currentColor = seat == kHumanSeat ? AskColor(mainWindow) : ChooseColor(seat);
}

static int Penalize(int victim, int cards) {
  int taken = 0;
  for (int i = 0; i < cards; ++i) {
    if (DrawCard(victim) != kNoCard) ++taken;  // fewer when the stock is out
  }
  TellTable(TableEvent{TableEventKind::kPenalty, static_cast<std::int8_t>(victim), kNoCard, 0, 0,
                       static_cast<std::int8_t>(taken)});
  TellSeat(TableEventKind::kSkipped, victim);
  return NextPlayer(victim);
}

static int Skip(int victim) {
  TellSeat(TableEventKind::kSkipped, victim);
  return NextPlayer(victim);
}

bool PlayCard(int seat, int index, SoundCue* cue) {
  GameTable& t = gameTable;
  CardPile& hand = t.hands[seat];
  if (index < 0 || index >= PileCount(hand)) return false;
  const CardCode card = hand.cards[index];
  if (!IsPlayable(seat, card)) return false;

  // The card is on the discard pile and out of the hand before any dialog opens.
  PilePush(t.discardPile, card);
  PileRemoveAt(hand, index);
  SetColorFromCard(card);
  if (card == kWild || card == kWildDrawFour) NameColor(seat);
  // Told with the colour in force, before what the card does to the others.
  TellTable(TableEvent{TableEventKind::kPlayed, static_cast<std::int8_t>(seat), card, t.currentColor, t.direction, 0});

  SoundCue played = IDW_CLICK;
  int next = 0;
  if (card == kWild) {
    next = NextPlayer(seat);
    played = IDW_BOING;
  } else if (card == kWildDrawFour) {
    next = Penalize(NextPlayer(seat), 4);
    played = IDW_LOSE;
  } else {
    switch (FaceOf(card)) {
      case kFaceDrawTwo:
        next = Penalize(NextPlayer(seat), 2);
        played = IDW_BOING;
        break;
      case kFaceReverse:
        if (t.playerCount > 2) {
          t.direction = static_cast<std::int8_t>(-t.direction);
          TellTable(TableEvent{TableEventKind::kReversed, static_cast<std::int8_t>(seat), kNoCard, 0, t.direction, 0});
          next = NextPlayer(seat);
        } else {
          next = Skip(NextPlayer(seat));  // acts as a Skip between two
        }
        played = IDW_BOING;
        break;
      case kFaceSkip:
        next = Skip(NextPlayer(seat));
        played = IDW_BOING;
        break;
      default:
        next = NextPlayer(seat);
        break;
    }
  }
  t.currentPlayer = static_cast<std::uint8_t>(next);
  if (cue) *cue = played;
  return true;
}
