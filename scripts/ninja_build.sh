#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Configures and builds everything with Ninja (in build-ninja/), so the project builds with Ninja as
# well as with Makefiles.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing ninja-build

cmake -S . -B build-ninja -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DSUISPO_BUILD_BENCHMARKS=ON
cmake --build build-ninja -j"$(nproc)"
