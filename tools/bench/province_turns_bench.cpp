// How many province turns the engine plays per second when nobody watches: whole computer
// games of the opening scenario, no message hold, one thread.
#include <benchmark/benchmark.h>

#include "core/game.h"
#include "core/random.h"
#include "simulation.h"

namespace {

void ProvinceTurns(benchmark::State& state) {
  std::uint64_t game = 0;
  std::int64_t turns = 0;
  for (auto _ : state) {
    velmora::sim::SimPort port;
    velmora::SeededRandom rng(velmora::sim::gameSeed(42, static_cast<int>(game++ % 1000)));
    velmora::Game g(port, rng);
    port.attach(&g);
    velmora::sim::startComputerGame(g);
    const auto result = velmora::sim::playGame(g, velmora::sim::PlayLimits{});
    turns += result.provinceTurns;
    benchmark::DoNotOptimize(result.battles);
  }
  state.counters["province_turns_per_second"] =
      benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate);
  state.counters["province_turns_per_game"] =
      benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ProvinceTurns)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
