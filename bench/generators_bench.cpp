// The generators must stay linear in the number of chord items: each item's
// line is built once and the record is read with a cursor.

#include "BenchSupport.h"
#include "generators/PatternGenerator.h"
#include "generators/RhythmGenerator.h"

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace arvento::generators;

namespace {

const std::string kFigure = "8a5, 8c6, 8e6, 8c6, 16a5, 16h5, 8p, ";
const std::vector<std::string> kRunKeys = {"101,2", "103,1p", "104,1", "105,28p", "105,28p%"};

// Lines of ten chord items each, of every length and root: the first nine
// items come to 68 characters and all ten to 77, past the width of 70.
std::vector<std::string> ChordRecord(int items) {
  return arvento::bench::TokenLines(items,
                                    {"4(Am), ", "2(C), ", "1(G7), ", "2*4(Em), ", "8(F#m), ", "2.(B), ",
                                     "4(Hmaj7), ", "16(D#), ", "4(P), ", "3*8(Dm), "},
                                    70);
}

void Pattern(benchmark::State& state) {
  const std::vector<std::string> record = ChordRecord(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(GeneratePatternPart(record, kFigure, PartMode::BassOrPicking, 8, "8"));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Pattern)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void Rhythm(benchmark::State& state) {
  const std::vector<std::string> record = ChordRecord(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(GenerateRhythm(kRunKeys, record, 8, "8"));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Rhythm)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

template <typename Generate> double Seconds(int items, Generate generate) {
  const std::vector<std::string> record = ChordRecord(items);
  return arvento::bench::BestSeconds([&] { benchmark::DoNotOptimize(generate(record)); });
}

void PrintRatio(const char* name, auto generate) {
  const double t10k = Seconds(10'000, generate), t100k = Seconds(100'000, generate);
  std::printf("%s: 100k chord items %.1f ms; time at 100k / time at 10k = %.2f (linear: 10)\n", name,
              t100k * 1e3, t100k / t10k);
}

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  PrintRatio("pattern", [](const std::vector<std::string>& record) {
    return GeneratePatternPart(record, kFigure, PartMode::BassOrPicking, 8, "8");
  });
  PrintRatio("rhythm",
             [](const std::vector<std::string>& record) { return GenerateRhythm(kRunKeys, record, 8, "8"); });
  return 0;
}
