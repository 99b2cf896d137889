#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Installs the test tools beside what playing needs, builds everything, the tests and benchmarks
# included, and runs every test (the window's tests run offscreen and under Xvfb; those labelled
# "system" need Xvfb, the package tools or the validators).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh -DBUILD_TESTING=ON -DSUISPO_BUILD_BENCHMARKS=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"
