#!/usr/bin/env bash
# Builds the benchmarks with optimisation and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DARVENTO_TESTS=OFF -DARVENTO_BENCH=ON
cmake --build build-bench
for bench in build-bench/bench/*_bench; do
  "$bench"
done
