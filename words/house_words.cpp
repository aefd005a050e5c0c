#include "words/house_words.h"

#include "game/table.h"
#include "resources/resource.h"
#include "words/names.h"
#include "words/narrator.h"
#include "words/words.h"

namespace {

// The human's hand by name: after a swap or a pass the human has seen it.
std::string HandNow() { return HumanHandPhrase(IDS_SAY_HAND_NOW); }

// The seat that played the draw card `owing` now owes for: the one before it.
int StackingSeat(int owing) {
  const GameTable& t = gameTable;
  const int players = PlayersInRange(t.playerCount);
  return ((owing - (t.direction < 0 ? -1 : 1)) % players + players) % players;
}

}  // namespace

std::string HouseRulePhrase(const TableEvent& e) {
  const bool you = e.seat == kHumanSeat;
  switch (e.kind) {
    case TableEventKind::kStacked: {
      const int by = StackingSeat(e.seat);
      const std::string total = CardCount(e.count, true);
      if (you) return Say(IDS_SAY_STACKED_YOU, {SeatName(by), total});
      if (by == kHumanSeat) return Say(IDS_SAY_STACKED_BY_YOU, {SeatName(e.seat), total});
      return Say(IDS_SAY_STACKED, {SeatName(by), SeatName(e.seat), total});
    }
    case TableEventKind::kSwapped:
      if (you) return Say(IDS_SAY_SWAPPED_YOU, {SeatName(e.count)}) + ' ' + HandNow();
      if (e.count == kHumanSeat) return Say(IDS_SAY_SWAPPED_WITH_YOU, {SeatName(e.seat)}) + ' ' + HandNow();
      return Say(IDS_SAY_SWAPPED, {SeatName(e.seat), SeatName(e.count)});
    case TableEventKind::kPassed:
      return Say(IDS_SAY_PASSED, {DirectionName(e.direction)}) + ' ' + HandNow();
    case TableEventKind::kSaidZot:
      return Word(e.count != 0 ? IDS_SAY_ZOT_YOU : IDS_SAY_ZOT_NOT_NOW);
    case TableEventKind::kCaught:
      return Say(IDS_SAY_CAUGHT, {CardCount(e.count, true)});
    default:
      return "";
  }
}

std::string OwedTotalLine() {
  const GameTable& t = gameTable;
  if (t.pendingTotal <= 0 || !t.dealActive) return "";
  const std::string total = CardCount(t.pendingTotal, true);
  if (t.currentPlayer == kHumanSeat) return ' ' + Say(IDS_STATUS_OWED_YOU, {total});
  return ' ' + Say(IDS_STATUS_OWED, {SeatName(t.currentPlayer), total});
}
