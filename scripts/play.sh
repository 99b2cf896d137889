#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Installs only what building and running the game needs, builds the game alone (no tests, no
# benchmarks) and starts it from the project folder, where ./help/help.htm is found.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${play_packages[@]}"
# A build folder made by scripts/test.sh keeps its tests; a new one is made without them.
configure=()
[ -f build/CMakeCache.txt ] || configure=(-DBUILD_TESTING=OFF)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure[@]}"
cmake --build build -j"$(nproc)" --target suispo
exec build/suispo "$@"
