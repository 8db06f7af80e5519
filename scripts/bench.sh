#!/usr/bin/env bash
# Builds the benchmarks with optimisation and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset bench
cmake --build --preset bench
for bench in build-bench/bench/*_bench; do
  "$bench"
done
