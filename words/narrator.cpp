#include "words/narrator.h"

#include "game/cards.h"
#include "game/table.h"
#include "resources/resource.h"
#include "words/house_words.h"
#include "words/names.h"
#include "words/words.h"

Narration narration{0, -1, {}};

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

// "أنت: 147، اللاعب 2: 0": each seat in play with a number of its own.
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

// The deal as it opens, and what its first discard did to the human.
std::string DealPhrase(const TableEvent& e) {
  std::string text = Say(IDS_SAY_DEAL, {Number(narration.dealNumber), CardName(e.card), ColorName(e.color),
                                        DirectionName(e.direction)});
  if (IsColoured(e.card)) {
    const CardFace face = FaceOf(e.card);
    const int effect = face == kFaceDrawTwo ? IDS_SAY_DEAL_DRAW_TWO
                       : face == kFaceSkip  ? IDS_SAY_DEAL_SKIP
                       : face == kFaceReverse ? IDS_SAY_DEAL_REVERSE
                                              : 0;
    if (effect != 0) (text += ' ') += Word(effect);
  }
  if (e.seat != kHumanSeat) (text += ' ') += Say(IDS_SAY_DEAL_FIRST, {SeatName(e.seat)});
  return text;
}

// Why a press of the human's did nothing, from the table as it is.
std::string RefusalPhrase(const TableEvent& e) {
  const GameTable& t = gameTable;
  if (e.seat != kHumanSeat) return Say(IDS_SAY_REFUSED_TURN, {Number(e.seat + 1)});
  if (e.card == kNoCard) return Word(IDS_SAY_REFUSED_NOTHING);
  const std::string color = ColorName(t.currentColor);
  if (e.card == kWildDrawFour) return Say(IDS_SAY_REFUSED_HELD, {CardName(e.card), color});
  const CardCode top = PileTop(t.discardPile);
  if (!IsColoured(top)) return Say(IDS_SAY_REFUSED_COLOR, {CardName(e.card), color});
  const CardFace face = FaceOf(top);
  const std::string faceName = face <= 9 ? Say(IDS_FACE_NUMBER, {Number(face)}) : ActionName(face);
  return Say(IDS_SAY_REFUSED_MATCH, {CardName(e.card), color, faceName});
}

std::string Phrase(const TableEvent& e) {
  const GameTable& t = gameTable;
  const bool you = e.seat == kHumanSeat;
  const std::string who = SeatName(e.seat);
  switch (e.kind) {
    case TableEventKind::kMatchStarted:
      return Say(IDS_SAY_MATCH, {Number(PlayersInRange(t.playerCount))});
    case TableEventKind::kDealt:
      return DealPhrase(e);
    case TableEventKind::kHand: {
      if (!you) return SeatLine(e.seat) + ".";
      const CardPile& hand = t.hands[kHumanSeat];
      std::string names[kPileCapacity];
      const int n = PileCount(hand);
      for (int i = 0; i < n; ++i) names[i] = CardName(hand.cards[i]);
      return Say(IDS_SAY_HAND_YOU, {CardCount(n), ListOf(names, n)});
    }
    case TableEventKind::kDrew:
      if (e.card == kNoCard) return Say(IDS_SAY_DREW_NONE, {who});
      // Another seat's drawn card stays hidden: only that it drew.
      return you ? Say(IDS_SAY_DREW_YOU, {CardName(e.card)}) : Say(IDS_SAY_DREW, {who});
    case TableEventKind::kPlayed:
      if (e.card == kWild || e.card == kWildDrawFour) {
        return you ? Say(IDS_SAY_WILD_YOU, {CardName(e.card), ColorName(e.color)})
                   : Say(IDS_SAY_WILD, {who, CardName(e.card), ColorName(e.color)});
      }
      return you ? Say(IDS_SAY_PLAYED_YOU, {CardName(e.card)}) : Say(IDS_SAY_PLAYED, {who, CardName(e.card)});
    case TableEventKind::kPenalty:
      return you ? Say(IDS_SAY_PENALTY_YOU, {CardCount(e.count, true)})
                 : Say(IDS_SAY_PENALTY, {who, CardCount(e.count, true)});
    case TableEventKind::kSkipped:
      return you ? Word(IDS_SAY_SKIPPED_YOU) : Say(IDS_SAY_SKIPPED, {who});
    case TableEventKind::kReversed:
      return Say(IDS_SAY_REVERSED, {DirectionName(e.direction)});
    case TableEventKind::kKept:
      return you ? Word(IDS_SAY_KEPT_YOU) : Say(IDS_SAY_KEPT, {who});
    case TableEventKind::kOneCard:
      return you ? Word(IDS_SAY_ONE_CARD_YOU) : Say(IDS_SAY_ONE_CARD, {who});
    case TableEventKind::kHumanTurn:
      return Word(IDS_SAY_YOUR_TURN);
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
      return HouseRulePhrase(e);
  }
  return "";
}

}  // namespace

std::string NarrateEvent(const TableEvent& event) {
  Narration& n = narration;
  switch (event.kind) {
    case TableEventKind::kMatchStarted:
      n = Narration{0, -1, {}};
      break;
    case TableEventKind::kDealt:
      ++n.dealNumber;
      n.dealWinner = -1;
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
    lines.turn = Say(IDS_STATUS_TURN, {Number(t.currentPlayer + 1), DirectionName(t.direction)});
  }
  if (winner < 0) lines.turn += OwedTotalLine();
  lines.top = Say(IDS_STATUS_TOP, {CardName(PileTop(t.discardPile)), ColorName(t.currentColor)});
  const std::string seats = SeatList([](int seat) { return CardCount(PileCount(gameTable.hands[seat])); });
  lines.counts = Say(IDS_STATUS_COUNTS, {seats, CardCount(PileCount(t.drawPile))});
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
