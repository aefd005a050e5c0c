// The loop between passes: it sleeps until there is work, and tells nobody.
#include "app/win_shell.h"

#include "game/shell.h"

// The game needs nothing else from the loop, so an idle table costs no processor time.
void WaitForWork() {
  MsgWaitForMultipleObjectsEx(0, nullptr, PacingWaitMs(CurrentTick()), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void NoteLoopMessage(const MSG&) {}
void NoteComputerTurn(std::uint32_t) {}
