// Melody entry must stay linear in the length of what it reads: the octave
// shift in the length of the melody text, the conversion in the length of
// the rhythm.

#include "BenchSupport.h"
#include "melody/GridRuns.h"
#include "melody/OctaveShift.h"
#include "melody/RhythmText.h"
#include "melody/RtttlConversion.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

std::vector<std::string> Melody(int notes) {
  return arvento::bench::TokenLines(notes, {"2*8c7, ", "8d#6, ", "4a#.5, ", "29*8p, ", "16h4, "});
}

std::vector<std::string> Rhythm(int tokens) {
  static const char* const kTokens[] = {"2*8 ", "1*8 ", "3p*8 ", "1*16 "};
  std::vector<std::string> lines(1);
  for (int i = 0; i < tokens; ++i)
    lines.back() += kTokens[i % 4];
  return lines;
}

void ShiftOctave(benchmark::State& state) {
  const std::vector<std::string> lines = Melody(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(arvento::melody::ShiftMelodyOctave(lines, 1));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ShiftOctave)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void Convert(benchmark::State& state) {
  const std::vector<std::string> rhythm = Rhythm(static_cast<int>(state.range(0)));
  const std::vector<int> notes(1000, 72);
  for (auto _ : state)
    benchmark::DoNotOptimize(arvento::melody::RhythmToRtttl(rhythm, notes));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Convert)->Arg(100)->Arg(1'000)->Unit(benchmark::kMicrosecond);

void CollectGrid(benchmark::State& state) {
  // The busiest grid: every other column a bar, so 32 runs in each of 8 rows.
  const arvento::melody::GridSampler sample = [](int, int x) {
    return (x / 24) % 2 == 0 ? arvento::melody::Sample::Red : arvento::melody::Sample::Silver;
  };
  for (auto _ : state)
    benchmark::DoNotOptimize(arvento::melody::RunsToRhythm(
        arvento::melody::CollectRunList(8, arvento::melody::kFourFourGrid, sample), "8"));
}
BENCHMARK(CollectGrid)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  const auto melody10k = Melody(10'000), melody100k = Melody(100'000);
  const double s10k = arvento::bench::BestSeconds(
      [&] { benchmark::DoNotOptimize(arvento::melody::ShiftMelodyOctave(melody10k, 1)); });
  const double s100k = arvento::bench::BestSeconds(
      [&] { benchmark::DoNotOptimize(arvento::melody::ShiftMelodyOctave(melody100k, 1)); });
  std::printf("octave shift: 100k notes %.1f ms; time at 100k / time at 10k = %.2f (linear: 10)\n",
              s100k * 1e3, s100k / s10k);
  const auto rhythm100 = Rhythm(100), rhythm1000 = Rhythm(1000);
  const std::vector<int> notes(1000, 72);
  const double c100 = arvento::bench::BestSeconds(
      [&] { benchmark::DoNotOptimize(arvento::melody::RhythmToRtttl(rhythm100, notes)); });
  const double c1000 = arvento::bench::BestSeconds(
      [&] { benchmark::DoNotOptimize(arvento::melody::RhythmToRtttl(rhythm1000, notes)); });
  std::printf("conversion: 1000 tokens %.3f ms; time at 1000 / time at 100 = %.2f (linear: 10)\n",
              c1000 * 1e3, c1000 / c100);
  return 0;
}
