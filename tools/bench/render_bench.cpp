// RenderTable for a four-player deal, beside a plain memcpy of as many bytes as
// the scene's blits write, in the same run. The ratio of the two times says how
// close the drawing comes to pure memory traffic.
//
// What is compared: the blits write 599 x 399 felt pixels (24 tiles, cut one
// short at the right and bottom), 60 x 90 per card drawn, the 60 x 20 colour
// strip and at most 20 x 20 arrow pixels, 2 bytes each, and read as many from
// the sprites. The copy moves that many bytes between two buffers of its own.
// The sprites are small and reused (one felt tile 24 times), so the drawing reads
// less distinct memory than the copy; it pays instead for the row-by-row work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "game/table.h"
#include "gfx/framebuffer.h"
#include "gfx/native/native_platform.h"
#include "gfx/scene.h"
#include "gfx/sprite.h"
#include "tools/sim/headless.h"

namespace {

std::size_t SceneBytes() {
  std::size_t pixels = 599 * 399;
  int cards = PileCount(gameTable.discardPile) > 0 ? 1 : 0;
  cards += PileCount(gameTable.drawPile) > 0 ? 1 : 0;
  for (int seat = 0; seat < gameTable.playerCount; ++seat) cards += PileCount(gameTable.hands[seat]);
  pixels += static_cast<std::size_t>(cards) * 60 * 90;
  if (gameTable.currentColor >= 0 && gameTable.currentColor <= 3) pixels += 60 * 20;
  pixels += 20 * 20;
  return pixels * 2;
}

bool SetUpScene() {
  MatchSettings settings;
  settings.seed = 20261208;
  settings.players = 4;
  SetUpTable(settings);
  DealRecord deal{};
  BeginMatch(&deal);
  LoadSprites();
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  return frameBuffer != nullptr && gameTable.dealActive && feltSprite != nullptr &&
         feltSprite->pixels != nullptr;
}

void BM_RenderTable(benchmark::State& state) {
  for (auto _ : state) {
    RenderTable(nullptr);
    benchmark::DoNotOptimize(frameBuffer->pixels);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * SceneBytes()));
}

void BM_MemcpySameBytes(benchmark::State& state) {
  const std::size_t bytes = SceneBytes();
  std::vector<unsigned char> from(bytes, 0x5A), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

BENCHMARK(BM_RenderTable);
BENCHMARK(BM_MemcpySameBytes);

// Keeps each benchmark's time per iteration for the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}
  std::map<std::string, double> times;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!SetUpScene()) {
    std::fprintf(stderr, "zot-bench-render: no frame, no deal or no bitmaps (folder %s)\n", BitmapDirectory());
    return 1;
  }
  std::printf("four-player deal: %zu bytes written by the blits per frame\n", SceneBytes());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto render = reporter.times.find("BM_RenderTable");
  const auto copy = reporter.times.find("BM_MemcpySameBytes");
  if (render != reporter.times.end() && copy != reporter.times.end() && copy->second > 0) {
    std::printf("RenderTable / memcpy of the same bytes: %.2f\n", render->second / copy->second);
  }
  benchmark::Shutdown();
  DestroyFrameBuffer();
  FreeSprites();
  return 0;
}
