// How long a key press takes to sound: from TMidiGen::PlayNote to the note
// in the synthesizer's output, with the FluidSynth back end rendered by hand
// (no audio device needed). With a device the audio callback adds up to one
// period (128 frames, 2.9 ms at 44.1 kHz) before the block is rendered.

#include "player/SoundFont.h"
#include "player/TMidiGen.h"
#include "player/UiWorkQueue.h"
#include "player/backends/FluidStreamOutput.h"
#include "player/backends/SynthEngine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

using namespace arvento::player;

constexpr std::size_t kBlockFrames = 64;

bool Silent(const std::vector<float>& block) {
  return std::all_of(block.begin(), block.end(), [](float sample) { return std::fabs(sample) < 1e-6f; });
}

struct Rig {
  std::shared_ptr<SynthEngine> engine = SynthEngine::Create(FindSoundFont(), SynthEngine::Audio::Manual);
  UiWorkQueue queue;
  FluidStreamOutput output{engine, queue.Thread()};
  TMidiGen gen{output, queue.Thread()};
  std::vector<float> block = std::vector<float>(kBlockFrames * 2);

  void Render() {
    engine->Render(block);
    queue.ProcessPending();
  }
  // The last note cut and its first event played, so that the next request
  // is taken and starts from silence.
  void Quiet() {
    engine->CutSound();
    do
      Render();
    while (!Silent(block));
  }
};

// The request alone: stopping the previous stream, building the buffer,
// opening, setting up and starting the new stream.
void PlayNoteCall(benchmark::State& state) {
  Rig rig;
  for (auto _ : state) {
    rig.Quiet();
    const auto start = std::chrono::steady_clock::now();
    const bool started = rig.gen.PlayNote(60);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (!started)
      state.SkipWithError("the request was refused");
  }
}

// The request and the rendering of the block in which the note-on reaches the synthesizer.
void PlayNoteToSound(benchmark::State& state) {
  Rig rig;
  for (auto _ : state) {
    rig.Quiet();
    const auto start = std::chrono::steady_clock::now();
    if (!rig.gen.PlayNote(60)) {
      state.SkipWithError("the request was refused");
      break;
    }
    int blocks = 0;
    do {
      rig.Render();
      ++blocks;
    } while (Silent(rig.block) && blocks < 100);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    state.counters["blocks_until_sound"] = blocks;
  }
}

// A fixed number of presses: each waits for the last note to die away, which
// costs milliseconds, while the timed part costs microseconds, so a minimum
// time of timed work would take minutes of waiting.
BENCHMARK(PlayNoteCall)->UseManualTime()->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayNoteToSound)->UseManualTime()->Iterations(1000)->Unit(benchmark::kMicrosecond);

// The median of many key presses, in microseconds, and the audio blocks they took.
std::pair<double, int> MedianToSound() {
  Rig rig;
  std::vector<double> times;
  int blocks = 0;
  for (int i = 0; i < 201; ++i) {
    rig.Quiet();
    const auto start = std::chrono::steady_clock::now();
    rig.gen.PlayNote(60);
    blocks = 0;
    do {
      rig.Render();
      ++blocks;
    } while (Silent(rig.block) && blocks < 100);
    times.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::nth_element(times.begin(), times.begin() + 100, times.end());
  return {times[100], blocks};
}

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  const auto [micros, blocks] = MedianToSound();
  constexpr double kPeriodMs = 128 * 1000.0 / 44100;
  std::printf(
      "player latency: PlayNote to sound %.0f us (%d audio block); with a device at most %.1f ms more "
      "(one period), %.2f ms in all; target 5 ms + one period = %.1f ms\n",
      micros, blocks, kPeriodMs, micros / 1000 + kPeriodMs, 5 + kPeriodMs);
  return 0;
}
