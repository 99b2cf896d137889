#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The editor's in-place save against the game's clears, many times over (ctest runs three trials):
#   scripts/editor_race.sh [TRIALS] [BUILD]      (200 trials in build/ unless told)
set -eu
trials=${1:-200}
build=${2:-build}
SUISPO_RACE_TRIALS=$trials exec "$build/tests/app/store/store_tests" \
  --gtest_filter='ClearPendingTest.AnEditorSavingInPlaceLosesNoLineToClears'
