// What may be played, the colour in force, turn order and the effect of a play.
#include "game/rules.h"

#include "game/events.h"
#include "game/table.h"

void SetColorFromCard(CardCode card) {
  if (IsColoured(card)) gameTable.currentColor = ColorOf(card);
}

bool HouseRule(std::uint8_t rule) { return (gameTable.houseRules & rule) != 0; }

// Whether the hand of `seat` holds a coloured card of the colour in force.
static bool HoldsColorInForce(int seat) {
  const GameTable& t = gameTable;
  const CardPile& hand = t.hands[seat];
  for (int i = 0; hand.cards[i] != kNoCard; ++i) {
    if (IsColoured(hand.cards[i]) && ColorOf(hand.cards[i]) == t.currentColor) return true;
  }
  return false;
}

bool IsPlayable(int seat, CardCode card) {
  const GameTable& t = gameTable;
  if (t.pendingTotal > 0) {
    // A seat that owes answers only with a draw card on the stack: a Draw Two on
    // a Draw Two, a Wild Draw Four (never while the colour is held) on either.
    if (card == kWildDrawFour) return !HoldsColorInForce(seat);
    const CardCode top = PileTop(t.discardPile);
    return IsColoured(card) && FaceOf(card) == kFaceDrawTwo && IsColoured(top) && FaceOf(top) == kFaceDrawTwo;
  }
  if (IsColoured(card)) {
    if (ColorOf(card) == t.currentColor) return true;
    // Face match needs a coloured top: after a wild only the named colour counts.
    const CardCode top = PileTop(t.discardPile);
    return IsColoured(top) && FaceOf(top) == FaceOf(card);
  }
  if (card == kWild) return true;
  if (card != kWildDrawFour) return false;
  // No bluffing: refused while the hand holds the colour in force.
  return !HoldsColorInForce(seat);
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

int TakePendingTotal(int seat) {
  const int total = gameTable.pendingTotal;
  gameTable.pendingTotal = 0;
  return Penalize(seat, total);
}

void SwapChoices(int seat, int choices[kSeatCount - 1]) {
  const GameTable& t = gameTable;
  int n = 0;
  for (int other = NextPlayer(seat); other != seat; other = NextPlayer(other)) {
    // In the direction of play, each seat after those it has fewer cards than.
    int at = n++;
    while (at > 0 && PileCount(t.hands[other]) < PileCount(t.hands[choices[at - 1]])) {
      choices[at] = choices[at - 1];
      --at;
    }
    choices[at] = other;
  }
  for (; n < kSeatCount - 1; ++n) choices[n] = -1;
}

// A draw card's 2 or 4: on the stack with stacking on, where the next seat owes
// it (or takes it at once when the card went out), else taken by the next seat.
static int DrawCardPlayed(int seat, int cards) {
  GameTable& t = gameTable;
  const int victim = NextPlayer(seat);
  if (!HouseRule(kHouseStack)) return Penalize(victim, cards);
  t.pendingTotal += cards;
  TellTable(TableEvent{TableEventKind::kStacked, static_cast<std::int8_t>(victim), kNoCard, 0, 0,
                       static_cast<std::int8_t>(t.pendingTotal)});
  return PileCount(t.hands[seat]) == 0 ? TakePendingTotal(victim) : victim;
}

static void SwapHands(int seat) {
  GameTable& t = gameTable;
  int choices[kSeatCount - 1];
  SwapChoices(seat, choices);
  int other = choices[0];
  if (seat == kHumanSeat && choices[1] >= 0) {
    // An answer that is no other seat in play is read as the first offered.
    const int asked = AskSwapSeat(mainWindow);
    if (asked != seat && asked >= 1 && asked < t.playerCount) other = asked;
  }
  const CardPile held = t.hands[seat];
  t.hands[seat] = t.hands[other];
  t.hands[other] = held;
  TellTable(TableEvent{TableEventKind::kSwapped, static_cast<std::int8_t>(seat), kNoCard, 0, 0,
                       static_cast<std::int8_t>(other)});
}

static void PassHands() {
  GameTable& t = gameTable;
  CardPile passed[kSeatCount];
  for (int seat = 0; seat < t.playerCount; ++seat) passed[NextPlayer(seat)] = t.hands[seat];
  for (int seat = 0; seat < t.playerCount; ++seat) t.hands[seat] = passed[seat];
  TellTable(TableEvent{TableEventKind::kPassed, 0, kNoCard, 0, t.direction, 0});
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
    next = DrawCardPlayed(seat, 4);
    played = IDW_LOSE;
  } else {
    switch (FaceOf(card)) {
      case kFaceDrawTwo:
        next = DrawCardPlayed(seat, 2);
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
        // A 7 or a 0 that leaves the hand empty has nothing to give.
        if (HouseRule(kHouseSevenZero) && PileCount(hand) > 0) {
          if (FaceOf(card) == 7) SwapHands(seat);
          if (FaceOf(card) == 0) PassHands();
        }
        next = NextPlayer(seat);
        break;
    }
  }
  t.currentPlayer = static_cast<std::uint8_t>(next);
  if (cue) *cue = played;
  return true;
}
