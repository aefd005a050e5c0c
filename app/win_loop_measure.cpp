// The measurement builds' loop: the tick of every computer move and of every
// press on the table, one line each in pacing.log; with ZOT_SPIN_LOOP the loop
// polls without ever waiting, to compare processor use in the same run.
#include <cstdio>

#include "app/win_shell.h"

#include "game/entry.h"
#include "game/shell.h"

namespace {

void LogPacing(const char* event, std::uint32_t now) {
  static std::FILE* log = std::fopen("pacing.log", "w");
  if (log != nullptr) {
    std::fprintf(log, "%s seat=%d tick=%lu\n", event, Table().currentPlayer, static_cast<unsigned long>(now));
    std::fflush(log);
  }
}

}  // namespace

void WaitForWork() {
#ifndef ZOT_SPIN_LOOP
  MsgWaitForMultipleObjectsEx(0, nullptr, PacingWaitMs(CurrentTick()), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
#endif
}

void NoteLoopMessage(const MSG& message) {
  if (message.message == WM_LBUTTONDOWN) LogPacing("click", CurrentTick());
}

void NoteComputerTurn(std::uint32_t now) {
  if (Table().currentPlayer != kHumanSeat) LogPacing("move", now);
}
