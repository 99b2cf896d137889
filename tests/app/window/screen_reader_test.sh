#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The real program under Xvfb read as a screen reader reads it, through the accessibility bus: the
# stage select screen's fields for built-in stage 1.
# Usage: screen_reader_test.sh PATH_TO_SUISPO. Exits 77 (skipped) without Xvfb, xdotool, a session
# bus or pyatspi.
set -eu
binary=$1
. "$(dirname "$0")/xvfb_game.sh"
with_accessibility_bus "$@"
start_xvfb

enter_program_folder
animations_off
start_game ./suispo
wait_for screen_reads 最短 7 || { cat "$work/screen.json" "$work/suispo.log"; fail "最短 does not read 7 for stage 1"; }
echo "screen reader: stage 1's 最短 reads 7"
