// Headless play speed in four-player deals per second.
//   ComputerSeats: every seat, the human's included, moves by the computer rule
//     (ComputerTurn called directly; a Wild of seat 0 is named by the headless
//     colour answer, which is the same most-cards rule), no pacing clock.
//   HumanPolicy: the full headless runner: the human policy's presses through
//     OnTableClick, computer moves through the pacing test and OnTurnTimer, and a
//     trace record per move (not printed).
// Each with the draw rule standard or until playable, and with no house rule or
// all three (the human saying Zot where it may).
#include <benchmark/benchmark.h>

#include "game/match.h"
#include "game/computer.h"
#include "game/human.h"
#include "game/pacing.h"
#include "game/table.h"
#include "tools/sim/headless.h"

namespace {

RuleVariant Rules(const benchmark::State& state) {
  return state.range(0) ? RuleVariant::kUntilPlayable : RuleVariant::kStandard;
}

MatchSettings Settings(const benchmark::State& state, std::int64_t seed, MatchLength length) {
  return MatchSettings{seed, 4, Rules(state), length, static_cast<std::uint8_t>(state.range(1)), true};
}

void ComputerSeats(benchmark::State& state) {
  SetUpTable(Settings(state, 1700000000, MatchLength::kOneDeal));
  std::int64_t deals = 0;
  std::int64_t moves = 0;
  for (auto _ : state) {
    StartMatch();
    while (gameTable.dealActive) {
      // Seat 0 says Zot as the computer seats do, before a play from two cards.
      if (gameTable.currentPlayer == kHumanSeat && PileCount(gameTable.hands[kHumanSeat]) == 2) SayZot();
      ComputerTurn(gameTable.currentPlayer);
      ++moves;
    }
    ++deals;
  }
  state.counters["deals/s"] = benchmark::Counter(static_cast<double>(deals), benchmark::Counter::kIsRate);
  state.counters["moves/deal"] = static_cast<double>(moves) / static_cast<double>(deals);
}

void HumanPolicy(benchmark::State& state) {
  std::int64_t seed = 1700000000;
  std::int64_t deals = 0;
  std::int64_t moves = 0;
  MoveRecord move;
  DealRecord deal;
  SetUpTable(Settings(state, seed, MatchLength::kToFiveHundred));
  BeginMatch(&deal);
  for (auto _ : state) {
    // One deal per iteration; a new match when the last one ended.
    for (;;) {
      const StepResult result = StepMove(&move);
      if (result != StepResult::kMoved) {
        state.SkipWithError("match did not go on");
        return;
      }
      ++moves;
      if (move.dealEnded) break;
    }
    ++deals;
    if (move.matchOver) {
      SetUpTable(Settings(state, ++seed, MatchLength::kToFiveHundred));
      BeginMatch(&deal);
    }
  }
  state.counters["deals/s"] = benchmark::Counter(static_cast<double>(deals), benchmark::Counter::kIsRate);
  state.counters["moves/deal"] = static_cast<double>(moves) / static_cast<double>(deals);
}

}  // namespace

BENCHMARK(ComputerSeats)->ArgNames({"until_playable", "house"})->ArgsProduct({{0, 1}, {0, kHouseRulesAll}});
BENCHMARK(HumanPolicy)->ArgNames({"until_playable", "house"})->ArgsProduct({{0, 1}, {0, kHouseRulesAll}});

BENCHMARK_MAIN();
