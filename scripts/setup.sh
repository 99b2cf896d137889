#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The test set-up: installs the Debian packages that building and testing need (only those missing),
# then configures and builds. `--target NAME` builds only that target (repeatable); other arguments
# go to the configure step (e.g. -DSUISPO_BUILD_BENCHMARKS=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${play_packages[@]}" "${test_packages[@]}"

configure=()
targets=()
while (($#)); do
  if [ "$1" = --target ] && (($# > 1)); then
    targets+=(--target "$2")
    shift 2
  else
    configure+=("$1")
    shift
  fi
done
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure[@]}"
cmake --build build -j"$(nproc)" "${targets[@]}"
