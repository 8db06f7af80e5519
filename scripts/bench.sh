#!/usr/bin/env bash
# Builds the benchmarks with optimisation and runs them all: the library
# benchmarks, the whole-process figures of arvento-cli and of its export, and
# the window's start.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh abcmidi hyperfine time
cmake --preset bench
cmake --build --preset bench
for bench in build-bench/bin/*_bench; do
  "$bench"
done
bench/process-bench.sh build-bench/bin/arvento-cli
bench/export-bench.sh build-bench/bin/arvento-cli
bash scripts/startup-bench.sh
