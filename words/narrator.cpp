#include "words/narrator.h"

#include "game/cards.h"
#include "game/rules.h"
#include "game/table.h"
#include "resources/resource.h"
#include "words/house_words.h"
#include "words/names.h"
#include "words/words.h"

Narration narration;

const TableQueryKey kTableQueryKeys[3] = {
    {TableQuery::kMovesSinceYours, 'L'}, {TableQuery::kCounts, 'C'}, {TableQuery::kTop, 'T'}};

bool TableQueryOfLetter(char letter, TableQuery* query) {
  for (const TableQueryKey& key : kTableQueryKeys) {
    if (key.letter == letter) {
      *query = key.query;
      return true;
    }
  }
  return false;
}

namespace {

std::string Number(int n) { return std::to_string(n); }

// "أنت: 147، اللاعب الثاني: 0": each seat in play with a number of its own.
template <typename Each>
std::string SeatList(Each each) {
  std::string lines[kSeatCount];
  const int players = PlayersInRange(gameTable.playerCount);
  for (int seat = 0; seat < players; ++seat) lines[seat] = Say(IDS_SEAT_COUNT, {SeatName(seat), each(seat)});
  return ListOf(lines, players);
}

std::string ScoreList() {
  return SeatList([](int seat) { return Number(gameTable.matchScores[seat]); });
}

// The deal as it opens, in one sentence: the first discard, and what it did to
// the human or the colour named for it. Who moves first the next line says.
std::string DealPhrase(const TableEvent& e) {
  std::string effect;
  if (!IsColoured(e.card)) {
    effect = Say(IDS_SAY_DEAL_COLOR, {TheColorName(e.color)});
  } else {
    const CardFace face = FaceOf(e.card);
    const int id = face == kFaceDrawTwo ? IDS_SAY_DEAL_DRAW_TWO
                   : face == kFaceSkip  ? IDS_SAY_DEAL_SKIP
                   : face == kFaceReverse ? IDS_SAY_DEAL_REVERSE
                                          : 0;
    if (id != 0) effect = Word(id);
  }
  return Say(IDS_SAY_DEAL, {Number(narration.dealNumber), CardName(e.card), effect});
}

// Why a press of the human's did nothing, from the table as it is.
std::string RefusalPhrase(const TableEvent& e) {
  const GameTable& t = gameTable;
  if (e.seat != kHumanSeat) return Say(IDS_SAY_REFUSED_TURN, {SeatOrdinal(e.seat)});
  if (e.card == kNoCard) return Word(IDS_SAY_REFUSED_NOTHING);
  if (e.card == kWildDrawFour) return Say(IDS_SAY_REFUSED_HELD, {CardName(e.card), TheColorName(t.currentColor)});
  const std::string color = ColorName(t.currentColor);
  const CardCode top = PileTop(t.discardPile);
  if (!IsColoured(top)) return Say(IDS_SAY_REFUSED_COLOR, {CardName(e.card), color});
  const CardFace face = FaceOf(top);
  const std::string faceName = face <= 9 ? Say(IDS_FACE_NUMBER, {Number(face)}) : ActionName(face);
  return Say(IDS_SAY_REFUSED_MATCH, {CardName(e.card), color, faceName});
}

// The cards another seat drew in its move: "ورقة", "ورقتين", "3 أوراق".
std::string DrawnCount(int count) { return count == 1 ? Word(IDS_A_CARD) : CardCount(count, true); }

// A card played, with the draws before it and the call of one card left after it.
std::string PlayedPhrase(const TableEvent& e) {
  const bool you = e.seat == kHumanSeat;
  const bool wild = e.card == kWild || e.card == kWildDrawFour;
  const std::string who = SeatName(e.seat);
  const std::string card = CardName(e.card);
  std::string text;
  if (!you && narration.drawsHeld > 0) {
    const std::string played = wild ? Say(IDS_SAY_CHOSE, {card, TheColorName(e.color)}) : card;
    text = Say(IDS_SAY_DREW_PLAYED, {who, DrawnCount(narration.drawsHeld), played});
  } else if (wild) {
    text = you ? Say(IDS_SAY_WILD_YOU, {card, TheColorName(e.color)})
               : Say(IDS_SAY_WILD, {who, card, TheColorName(e.color)});
  } else {
    text = you ? Say(IDS_SAY_PLAYED_YOU, {card}) : Say(IDS_SAY_PLAYED, {who, card});
  }
  // Under the say-zot rule the human's call is the human's to make (and said when made).
  const bool called = !you || !HouseRule(kHouseSayZot) || gameTable.zotCall == kZotSaid;
  if (PileCount(gameTable.hands[e.seat]) == 1 && called) text += Word(you ? IDS_SAY_ONE_CARD_YOU : IDS_SAY_ONE_CARD);
  return text;
}

// Whether the human can tell it is their turn from what was just said: the
// seat before them in the direction of play moved as it would, the deal's
// opening said so, or they drew and must draw again.
bool TurnFollows() {
  const Narration& n = narration;
  if (n.turnSaid) return true;
  if (n.lastMover == kHumanSeat) return n.humanDrew;
  return n.lastMover >= 0 && NextPlayer(n.lastMover) == kHumanSeat;
}

std::string Phrase(const TableEvent& e) {
  const GameTable& t = gameTable;
  Narration& n = narration;
  const bool you = e.seat == kHumanSeat;
  const std::string who = SeatName(e.seat);
  switch (e.kind) {
    case TableEventKind::kMatchStarted:
      return Say(IDS_SAY_MATCH, {Number(PlayersInRange(t.playerCount))});
    case TableEventKind::kDealt:
      return DealPhrase(e);
    case TableEventKind::kHand: {
      // The other hands are as many as the human's: the human's line says it.
      if (!you) return "";
      n.turnSaid = t.currentPlayer == kHumanSeat;
      return HumanHandPhrase(n.turnSaid ? IDS_SAY_HAND_YOUR_TURN : IDS_SAY_HAND_YOU);
    }
    case TableEventKind::kDrew:
      if (you) {
        n.lastMover = kHumanSeat;
        n.humanDrew = true;
        return e.card == kNoCard ? Word(IDS_SAY_DREW_NONE_YOU) : Say(IDS_SAY_DREW_YOU, {CardName(e.card)});
      }
      if (e.card == kNoCard) return Say(IDS_SAY_DREW_NONE, {who});
      // Another seat's draws are said with what it did next, in one line.
      ++n.drawsHeld;
      n.lastDrawn = e.card;
      return "";
    case TableEventKind::kPlayed: {
      std::string text = PlayedPhrase(e);
      n.drawsHeld = 0;
      n.lastMover = e.seat;
      n.humanDrew = false;
      n.turnSaid = false;
      return text;
    }
    case TableEventKind::kPenalty:
      // The card played says what it does to another seat, but a stacked total
      // is taken as a move of its own; the human hears its own hand grow.
      if (you) return Say(IDS_SAY_PENALTY_YOU, {CardCount(e.count, true)});
      if (!n.totalOwed) return "";
      n.totalOwed = false;
      n.lastMover = e.seat;
      return Say(IDS_SAY_DREW, {who, DrawnCount(e.count)});
    case TableEventKind::kSkipped:
    case TableEventKind::kReversed:
    case TableEventKind::kOneCard:
      // Said by the card played, and the call of one card left with it.
      return "";
    case TableEventKind::kKept: {
      n.lastMover = e.seat;
      // The human heard the card drawn; a seat that drew nothing was said so;
      // a seat that draws again says its draws once its turn is over.
      if (you || n.drawsHeld == 0 || !TurnPassesAfterDraw(n.lastDrawn)) return "";
      const int drawn = n.drawsHeld;
      n.drawsHeld = 0;
      return Say(IDS_SAY_DREW, {who, DrawnCount(drawn)});
    }
    case TableEventKind::kHumanTurn: {
      const bool follows = TurnFollows();
      n.turnSaid = false;
      return follows ? "" : Word(IDS_SAY_YOUR_TURN);
    }
    case TableEventKind::kDealEnded: {
      int won = 0;
      for (int seat = 0; seat < PlayersInRange(t.playerCount); ++seat) won += t.handPoints[seat];
      return you ? Say(IDS_SAY_DEAL_WON_YOU, {PointCount(won, true), ScoreList()})
                 : Say(IDS_SAY_DEAL_WON, {who, PointCount(won, true), ScoreList()});
    }
    case TableEventKind::kMatchEnded:
      return Word(you ? IDS_SAY_MATCH_WON : IDS_SAY_MATCH_LOST);
    case TableEventKind::kRefused:
      return RefusalPhrase(e);
    case TableEventKind::kStacked:
    case TableEventKind::kSwapped:
    case TableEventKind::kPassed:
    case TableEventKind::kSaidZot:
    case TableEventKind::kCaught:
      if (e.kind == TableEventKind::kStacked) n.totalOwed = true;
      return HouseRulePhrase(e);
  }
  return "";
}

}  // namespace

std::string NarrateEvent(const TableEvent& event) {
  Narration& n = narration;
  switch (event.kind) {
    case TableEventKind::kMatchStarted:
      n = Narration{};
      break;
    case TableEventKind::kDealt:
      ++n.dealNumber;
      n.dealWinner = -1;
      n.drawsHeld = 0;
      n.lastMover = -1;
      n.turnSaid = false;
      break;
    case TableEventKind::kDealEnded:
      n.dealWinner = event.seat;
      break;
    case TableEventKind::kPlayed:
    case TableEventKind::kDrew:
      if (event.seat == kHumanSeat) n.sinceYourMove.clear();
      break;
    default:
      break;
  }
  std::string text = Phrase(event);
  // A refusal is no move: it is said, and not said again with the moves; nor is
  // a Zot that was not to be said.
  const bool noMove = event.kind == TableEventKind::kRefused || (event.kind == TableEventKind::kSaidZot && !event.count);
  if (!text.empty() && !noMove) n.sinceYourMove.push_back(text);
  return text;
}

std::string HumanHandPhrase(int stringId) {
  const CardPile& hand = gameTable.hands[kHumanSeat];
  std::string names[kPileCapacity];
  const int count = PileCount(hand);
  for (int i = 0; i < count; ++i) names[i] = CardName(hand.cards[i]);
  return Say(stringId, {CardCount(count), ListOf(names, count)});
}

std::string SeatLine(int seat) {
  return Say(IDS_SEAT_COUNT, {SeatName(seat), CardCount(PileCount(gameTable.hands[seat]))});
}

TableLines DescribeTable() {
  const GameTable& t = gameTable;
  if (!t.dealActive) return {Word(IDS_STATUS_IDLE), "", "", ""};
  TableLines lines;
  const int winner = narration.dealWinner;
  if (winner >= 0) {
    lines.turn = winner == kHumanSeat ? Word(IDS_STATUS_DEAL_WON_YOU) : Say(IDS_STATUS_DEAL_WON, {SeatName(winner)});
  } else if (t.currentPlayer == kHumanSeat) {
    lines.turn = Say(IDS_STATUS_TURN_YOU, {DirectionName(t.direction)});
  } else {
    lines.turn = Say(IDS_STATUS_TURN, {SeatOrdinal(t.currentPlayer), DirectionName(t.direction)});
  }
  if (winner < 0) lines.turn += OwedTotalLine();
  lines.top = Say(IDS_STATUS_TOP, {CardName(PileTop(t.discardPile)), TheColorName(t.currentColor)});
  const std::string seats = SeatList([](int seat) { return CardCount(PileCount(gameTable.hands[seat])); });
  const int pile = PileCount(t.drawPile);
  lines.counts = pile == 0 ? Say(IDS_STATUS_PILE_EMPTY, {seats}) : Say(IDS_STATUS_COUNTS, {seats, CardCount(pile)});
  lines.scores = Say(IDS_STATUS_SCORES, {ScoreList()});
  return lines;
}

std::string AnswerQuery(TableQuery query) {
  const TableLines lines = DescribeTable();
  switch (query) {
    case TableQuery::kMovesSinceYours: {
      const std::vector<std::string>& moves = narration.sinceYourMove;
      if (moves.empty()) return Word(IDS_SAY_NO_MOVES);
      std::string all;
      for (const std::string& line : moves) (all += all.empty() ? "" : " ") += line;
      return Say(IDS_SAY_LAST_MOVES, {all});
    }
    case TableQuery::kCounts:
      return lines.counts.empty() ? lines.turn : lines.counts;
    case TableQuery::kTop:
      return lines.top.empty() ? lines.turn : lines.top;
  }
  return "";
}
