#include "tests/game/fake_shell.h"

#include <algorithm>
#include <cstring>

#include "game/cards.h"
#include "game/events.h"
#include "game/settings.h"
#include "game/shell.h"

FakeShell fakeShell;

namespace {
void Note(const char* event) { fakeShell.events.emplace_back(event); }
void Dialog(const char* event) {
  Note(event);
  fakeShell.atLastDialog = gameTable;
}

void HearTable(const TableEvent& e) {
  using K = TableEventKind;
  if (!fakeShell.hearTable) return;
  std::string text = TableEventName(e.kind);
  const auto add = [&text](int value) { text += ' ' + std::to_string(value); };
  if (e.kind != K::kMatchStarted) add(e.kind == K::kReversed ? e.direction : e.seat);
  if (e.kind == K::kDealt || e.kind == K::kDrew || e.kind == K::kPlayed || e.kind == K::kRefused) add(e.card);
  if (e.kind == K::kDealt || e.kind == K::kPlayed) add(e.color);
  if (e.kind == K::kPenalty || e.kind >= K::kStacked) add(e.kind == K::kPassed ? e.direction : e.count);
  fakeShell.events.push_back(text);
}
}  // namespace

void RenderTable(WindowHandle) { Note("render"); }
void TableChanged() {}
CardColor AskColor(WindowHandle) {
  Dialog("AskColor");
  if (fakeShell.colorAnswers.empty()) return gameTable.currentColor;
  const auto chosen = static_cast<CardColor>(fakeShell.colorAnswers.front());
  fakeShell.colorAnswers.pop_front();
  return chosen;
}
void ShowDealScores(WindowHandle) { Dialog("DealScores"); }
void ShowMatchWon(WindowHandle) { Dialog("MatchWon"); }
void ShowMatchLost(WindowHandle) { Dialog("MatchLost"); }
bool AskPlayDrawnCard(WindowHandle) {
  Dialog("AskDrawn");
  if (fakeShell.drawnAnswers.empty()) return false;
  const bool answer = fakeShell.drawnAnswers.front();
  fakeShell.drawnAnswers.pop_front();
  return answer;
}
int AskSwapSeat(WindowHandle) {
  Dialog("AskSeat");
  if (fakeShell.seatAnswers.empty()) return -1;
  const int seat = fakeShell.seatAnswers.front();
  fakeShell.seatAnswers.pop_front();
  return seat;
}
void PlayCue(SoundCue cue) { Note(cue); }
std::uint32_t CurrentTick() { return fakeShell.tick; }
std::int64_t CalendarSeconds() { return fakeShell.calendarSeconds; }

void ResetAll(int players) {
  fakeShell = FakeShell{};
  gameTable = GameTable{};
  SetStartupDefaults();
  gameTable.playerCount = players;
  randomState = 1;
  SetTableObserver(HearTable);
}

std::vector<std::string> Events(const char* only) {
  std::vector<std::string> out;
  for (const std::string& e : fakeShell.events) {
    if (!only || e == only || (std::strcmp(only, "cues") == 0 && e.rfind("IDW_", 0) == 0)) out.push_back(e);
  }
  return out;
}

int Count(const char* event) {
  return static_cast<int>(std::count(fakeShell.events.begin(), fakeShell.events.end(), event));
}

void SetNextRandom(int r) {
  // Invert one step of the generator: find s with s * 214013 + 2531011 = r << 16.
  std::uint32_t inverse = 1;
  for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;  // Newton, mod 2^32
  randomState = (static_cast<std::uint32_t>(r) << 16) - 2531011u;
  randomState *= inverse;
}
