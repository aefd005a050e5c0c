// Formats each table event as one trace line.
#include "tools/sim/trace.h"

#include "game/table.h"

namespace {

void PrintCards(std::FILE* out, const CardPile& pile) {
  if (pile.cards[0] == kNoCard) {
    std::fputc('-', out);
    return;
  }
  for (int i = 0; i < kPileCapacity && pile.cards[i] != kNoCard; ++i) {
    std::fprintf(out, i ? ",%d" : "%d", pile.cards[i]);
  }
}

void PrintInts(std::FILE* out, const std::int32_t* values, int count) {
  for (int i = 0; i < count; ++i) std::fprintf(out, i ? ",%d" : "%d", static_cast<int>(values[i]));
}

}  // namespace

void PrintTableEvent(std::FILE* out, const TableEvent& e, std::int64_t seed, int dealNumber) {
  const GameTable& t = gameTable;
  const int seat = e.seat;
  switch (e.kind) {
    case TableEventKind::kMatchStarted:
      std::fprintf(out, "match seed=%lld players=%d rules=%s length=%s\n", static_cast<long long>(seed),
                   static_cast<int>(t.playerCount), t.drawUntilPlayable ? "until-playable" : "standard",
                   t.singleDealMatch ? "one-deal" : "to-500");
      return;
    case TableEventKind::kDealt:
      std::fprintf(out, "deal n=%d discard=", dealNumber);
      PrintCards(out, t.discardPile);
      std::fprintf(out, " color=%d dir=%d turn=%d\n", e.color, e.direction, seat);
      return;
    case TableEventKind::kHand:
      std::fprintf(out, "hand seat=%d cards=", seat);
      PrintCards(out, t.hands[seat]);
      std::fputc('\n', out);
      return;
    case TableEventKind::kDrew:
      std::fprintf(out, "draw seat=%d card=%d\n", seat, e.card);
      return;
    case TableEventKind::kPlayed:
      std::fprintf(out, "play seat=%d card=%d color=%d\n", seat, e.card, e.color);
      return;
    case TableEventKind::kPenalty:
      std::fprintf(out, "take seat=%d cards=%d\n", seat, e.count);
      return;
    case TableEventKind::kSkipped:
      std::fprintf(out, "skip seat=%d\n", seat);
      return;
    case TableEventKind::kReversed:
      std::fprintf(out, "reverse dir=%d\n", e.direction);
      return;
    case TableEventKind::kKept:
      std::fprintf(out, "keep seat=%d\n", seat);
      return;
    case TableEventKind::kOneCard:
      std::fprintf(out, "zot seat=%d\n", seat);
      return;
    case TableEventKind::kHumanTurn:
      std::fprintf(out, "turn seat=%d\n", seat);
      return;
    case TableEventKind::kDealEnded:
      std::fprintf(out, "end winner=%d points=", seat);
      PrintInts(out, t.handPoints, t.playerCount);
      std::fprintf(out, " scores=");
      PrintInts(out, t.matchScores, t.playerCount);
      std::fputc('\n', out);
      return;
    case TableEventKind::kMatchEnded:
      std::fprintf(out, "over result=%s\n", seat == kHumanSeat ? "won" : "lost");
      return;
  }
}
