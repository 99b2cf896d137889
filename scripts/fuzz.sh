#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Runs each fuzz target for SECONDS (default 60), starting from its seeds in tests/fuzz/corpus/.
# Inputs found on the way go to build-sanitize/fuzz/<target>/, never into the seeds; a crash leaves
# its input there too and fails the run. The first run builds them (scripts/sanitize.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(stage_play profile_text display_text records_text check_measures generate_options share_code)

[ -f build-sanitize/CMakeCache.txt ] || scripts/sanitize.sh
cmake --build build-sanitize -j"$(nproc)" --target "${targets[@]/%/_fuzzer}"

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
for target in "${targets[@]}"; do
  work=build-sanitize/fuzz/$target
  mkdir -p "$work/corpus"
  echo "fuzz $target: ${seconds} s"
  if ! "build-sanitize/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
         -max_len=8192 -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "tests/fuzz/corpus/$target" \
         >"$work/log" 2>&1; then
    tail -n 60 "$work/log"
    echo "fuzz $target: FAILED (input and log in $work/)"
    exit 1
  fi
  grep -E "^(Done|stat::number_of_executed_units|stat::peak_rss_mb)" "$work/log" | sed "s/^/fuzz $target: /"
done
