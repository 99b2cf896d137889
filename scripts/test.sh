#!/usr/bin/env bash
# Builds everything, the tests and benchmarks included, and runs every test (the window's tests run offscreen and under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh -DSUISPO_BUILD_TESTS=ON -DSUISPO_BUILD_BENCHMARKS=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"
