#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Configures and builds with -DBUILD_TESTING=OFF in build-notest/ and fails when the configure looked
# for GoogleTest, Qt Test or Google Benchmark: a distribution builds the game without them.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -rf build-notest && mkdir build-notest
log=build-notest/configure.log
cmake -S . -B build-notest -DBUILD_TESTING=OFF --debug-find-pkg=GTest,Qt6Test,benchmark >"$log" 2>&1 ||
  { cat "$log"; exit 1; }
if grep -E '^(GTest_DIR|GTEST_[A-Z_]*|Qt6Test_DIR|benchmark_DIR)[:=]' build-notest/CMakeCache.txt ||
   grep 'find_package considered' "$log"; then
  echo "FAIL: a build without tests looked for a test framework"
  exit 1
fi
cmake --build build-notest -j"$(nproc)"
echo "no-test build: no test framework looked for, the game and the stage tool built"
