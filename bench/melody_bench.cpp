// Compiling and writing a melody must stay linear in its length: its events
// are appended as bytes to one track, reserved once.

#include "BenchSupport.h"
#include "core/SoundSettings.h"
#include "melody/MelodyCompiler.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

std::vector<std::string> Melody(int notes) {
  return arvento::bench::TokenLines(notes, {"8c6, ", "16d#6, ", "4.g5, ", "8p, ", "2*8a#6, ", "32h5, "});
}

void CompileAndWrite(benchmark::State& state) {
  const std::vector<std::string> lines = Melody(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(arvento::melody::CompileMelody(lines, arvento::SoundSettings{}));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CompileAndWrite)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

double Seconds(int notes) {
  const std::vector<std::string> lines = Melody(notes);
  return arvento::bench::MeanSeconds(
      [&] { benchmark::DoNotOptimize(arvento::melody::CompileMelody(lines, arvento::SoundSettings{})); });
}

} // namespace

int main(int argc, char** argv) {
  // Measured before the benchmarks grow the heap, smaller size first, as one
  // compile in a fresh window would meet memory: the fresh pages a long
  // melody needs are part of its cost.
  const double t10k = Seconds(10'000), t100k = Seconds(100'000);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("melody: 100k notes %.1f ms; time at 100k / time at 10k = %.2f (linear: 10)\n", t100k * 1e3,
              t100k / t10k);
  return 0;
}
