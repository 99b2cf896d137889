#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Builds the rules, the store, the stage tool and the window with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang, in build-sanitize/, with the fuzz targets) and runs their tests,
# the window's offscreen; then the core's threaded parts (the solver's cancel, the generator's
# threads) under ThreadSanitizer (in build-tsan/). Debian's Qt is not instrumented, so the window's
# threads are left to the AddressSanitizer runs. Run scripts/setup.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_COMPILER=clang++ -DSUISPO_FUZZ=ON \
      -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
tests=(core/core_tests app/store/store_tests tools/stage_tool_program_tests tools/tool_tests model/model_tests
       app/window/window_tests)
cmake --build build-sanitize -j"$(nproc)" --target "${tests[@]##*/}" suispo-stage \
      stage_play_fuzzer profile_text_fuzzer display_text_fuzzer records_text_fuzzer check_measures_fuzzer \
      generate_options_fuzzer share_code_fuzzer

# Any report of either sanitizer ends the program with an error, and so fails its test.
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen
for test in "${tests[@]}"; do
  echo "sanitized: $test"
  # The window's tests that need a screen of their own (large, scaled; the fit at every zoom) are left to ctest.
  "build-sanitize/tests/$test" --gtest_brief=1 --gtest_filter='-*ZoomTwoHundred*:*DesktopScaledByTwo*:*TextFitTest*'
done
ctest --test-dir build-sanitize --output-on-failure -R '^stage_tool_(play|solve)_runs$'

cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer"
cmake --build build-tsan -j"$(nproc)" --target core_tests
echo "thread-sanitized: core/core_tests (threaded parts)"
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/core/core_tests --gtest_brief=1 \
  --gtest_filter='NextStep.ACancelFromAnotherThreadStopsTheSearch:GenerateStages.*'
