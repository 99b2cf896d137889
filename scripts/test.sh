#!/usr/bin/env bash
# Builds everything and runs every test (the window's tests run offscreen and under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
