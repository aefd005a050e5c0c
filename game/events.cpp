// The one listener of the table's events.
#include "game/events.h"

namespace {
TableObserver observer = nullptr;
}  // namespace

void SetTableObserver(TableObserver listener) { observer = listener; }

void TellTable(const TableEvent& event) {
  if (observer != nullptr) observer(event);
}
