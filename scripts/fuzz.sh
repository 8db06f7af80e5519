#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang, libFuzzer and the
# address and undefined-behaviour sanitizers, then runs each for SECONDS
# (default 60), as many at once as there are processors. A target starts
# from its seeds in tests/fuzz/seeds/TARGET and keeps what it learns in
# build-fuzz/corpus/TARGET. Exits non-zero when a target finds a crash, a
# leak, a hang, a memory blow-up or a broken invariant, naming the target,
# its log and the input that did it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if [[ ! $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

bash scripts/setup.sh clang libclang-rt-dev
build="build-fuzz" # the fuzz preset's build directory
cmake --preset fuzz
cmake --build --preset fuzz

targets=()
for source in tests/fuzz/*_fuzz.cpp; do
  targets+=("$(basename "$source" .cpp)")
done

# One target for SECONDS; its exit status is libFuzzer's, 0 when nothing was found.
run_target() {
  local target=$1
  local findings="$build/findings/$target"
  rm -rf "$findings"
  mkdir -p "$findings" "$build/corpus/$target"
  local status=0
  "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$build/corpus/$target" "tests/fuzz/seeds/$target" \
    >"$build/logs/$target.log" 2>&1 || status=$?
  echo "$status" >"$build/logs/$target.status"
}

rm -rf "$build/logs"
mkdir -p "$build/logs"
parallel=$(nproc)
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do
    wait -n || true
  done
  echo "fuzz: $target for $seconds s"
  run_target "$target" &
done
wait

failed=0
for target in "${targets[@]}"; do
  log="$build/logs/$target.log"
  if [ "$(cat "$build/logs/$target.status")" = 0 ]; then
    echo "fuzz: $target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | cut -d' ' -f2) runs, nothing found"
    continue
  fi
  failed=1
  echo "fuzz: $target FOUND A FAULT; log $log"
  for input in "$build/findings/$target"/*; do
    if [ -e "$input" ]; then
      echo "fuzz: $target: input $input"
    fi
  done
  tail -n 40 "$log"
done
exit "$failed"
