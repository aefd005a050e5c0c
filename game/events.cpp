// The one listener of the table's events.
#include "game/events.h"

namespace {
TableObserver observer = nullptr;

constexpr const char* kNames[kTableEventKinds] = {"match", "deal", "hand", "draw", "play", "take", "skip",
                                                  "reverse", "keep", "zot", "turn", "end", "over", "refuse",
                                                  "stack", "swap", "pass", "say", "caught"};
}  // namespace

const char* TableEventName(TableEventKind kind) {
  const auto index = static_cast<int>(kind);
  return index < kTableEventKinds ? kNames[index] : "";
}

void SetTableObserver(TableObserver listener) { observer = listener; }

void TellTable(const TableEvent& event) {
  if (observer != nullptr) observer(event);
}

void TellSeat(TableEventKind kind, int seat, CardCode card) {
  TellTable(TableEvent{kind, static_cast<std::int8_t>(seat), card, 0, 0, 0});
}
