// The one listener of the table's events.
#include "game/events.h"

namespace {
TableObserver observer = nullptr;
}  // namespace

void SetTableObserver(TableObserver listener) { observer = listener; }

void TellTable(const TableEvent& event) {
  if (observer != nullptr) observer(event);
}

void TellSeat(TableEventKind kind, int seat, CardCode card) {
  TellTable(TableEvent{kind, static_cast<std::int8_t>(seat), card, 0, 0, 0});
}
