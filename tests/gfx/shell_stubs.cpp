// The shell operations other than RenderTable, which the game library refers to;
// the drawing tests never reach them.
#include "game/shell.h"

CardColor AskColor(WindowHandle) { return kBlue; }
void TableChanged() {}
void ShowDealScores(WindowHandle) {}
void ShowMatchWon(WindowHandle) {}
void ShowMatchLost(WindowHandle) {}
bool AskPlayDrawnCard(WindowHandle) { return false; }
int AskSwapSeat(WindowHandle) { return -1; }
void PlayCue(SoundCue) {}
std::uint32_t CurrentTick() { return 0; }
std::int64_t CalendarSeconds() { return 0; }
