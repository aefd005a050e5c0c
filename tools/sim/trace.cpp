// Formats each table event as one trace line.
#include "tools/sim/trace.h"

#include "game/settings.h"
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
  std::fputs(TableEventName(e.kind), out);
  switch (e.kind) {
    case TableEventKind::kMatchStarted:
      std::fprintf(out, " seed=%lld players=%d rules=%s length=%s", static_cast<long long>(seed),
                   static_cast<int>(t.playerCount), t.drawUntilPlayable ? "until-playable" : "standard",
                   t.singleDealMatch ? "one-deal" : "to-500");
      if (t.houseRules != 0) {
        std::fputs(" house=", out);
        const char* separator = "";
        for (const auto& [rule, name] : kHouseRuleNames) {
          if (t.houseRules & rule) std::fprintf(out, "%s%s", separator, name), separator = ",";
        }
      }
      break;
    case TableEventKind::kDealt:
      std::fprintf(out, " n=%d discard=", dealNumber);
      PrintCards(out, t.discardPile);
      std::fprintf(out, " color=%d dir=%d turn=%d", e.color, e.direction, seat);
      break;
    case TableEventKind::kHand:
      std::fprintf(out, " seat=%d cards=", seat);
      PrintCards(out, t.hands[seat]);
      break;
    case TableEventKind::kDrew:
      std::fprintf(out, " seat=%d card=%d", seat, e.card);
      break;
    case TableEventKind::kPlayed:
      std::fprintf(out, " seat=%d card=%d color=%d", seat, e.card, e.color);
      break;
    case TableEventKind::kPenalty:
    case TableEventKind::kStacked:
    case TableEventKind::kCaught:
      std::fprintf(out, " seat=%d cards=%d", seat, e.count);
      break;
    case TableEventKind::kReversed:
    case TableEventKind::kPassed:
      std::fprintf(out, " dir=%d", e.direction);
      break;
    case TableEventKind::kSwapped:
      std::fprintf(out, " seat=%d with=%d", seat, e.count);
      break;
    case TableEventKind::kDealEnded:
      std::fprintf(out, " winner=%d points=", seat);
      PrintInts(out, t.handPoints, t.playerCount);
      std::fprintf(out, " scores=");
      PrintInts(out, t.matchScores, t.playerCount);
      break;
    case TableEventKind::kMatchEnded:
      std::fprintf(out, " result=%s", seat == kHumanSeat ? "won" : "lost");
      break;
    case TableEventKind::kRefused:
      std::fprintf(out, " seat=%d card=%d", seat, e.card);
      break;
    case TableEventKind::kSaidZot:
      std::fprintf(out, e.count ? " seat=%d" : " seat=%d not-now", seat);
      break;
    default:  // skip, keep, zot, turn: the seat alone
      std::fprintf(out, " seat=%d", seat);
      break;
  }
  std::fputc('\n', out);
}
