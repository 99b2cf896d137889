#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Plays built-in stage 1 with the real program under Xvfb by clicking its buttons and stage 2 with
# the keyboard, closes it, and checks its exit status and what it left on disk: the cleared flags in
# the stage file and the settings file.
# Usage: end_to_end_test.sh PATH_TO_SUISPO. Exits 77 (skipped) when Xvfb or xdotool is missing.
set -eu
binary=$1
. "$(dirname "$0")/xvfb_game.sh"
start_xvfb

enter_program_folder
animations_off
start_game ./suispo
clear_builtin_stage_one

stage_file=""
find_stage_file() { stage_file=$(ls ./*.ssp 2>/dev/null | head -n 1 || true); [ -n "$stage_file" ]; }
wait_for find_stage_file || fail "no stage file was saved"
stage_one_cleared() { [ "$(head -n 1 "$stage_file" | cut -c75)" = "1" ]; }
wait_for stage_one_cleared || fail "stage 1 is not marked cleared in $stage_file"
[ "$(sed -n 2p "$stage_file" | cut -c75)" = "0" ] || fail "stage 2 should not be cleared"

# Stage 2, now selected, by the keyboard alone. Without a window manager the window gets the
# keyboard only when given the focus.
focus_window
press key Return                 # ステージ決定
press key shift+Right            # wall east
for direction in Up Up Left Up; do press key $direction; done
press key shift+Right
for direction in Left Left Down; do press key $direction; done
stage_two_cleared() { [ "$(sed -n 2p "$stage_file" | cut -c75)" = "1" ]; }
wait_for stage_two_cleared || fail "stage 2 is not marked cleared by the keyboard"
[ "$(sed -n 3p "$stage_file" | cut -c75)" = "0" ] || fail "stage 3 should not be cleared"

exit_by_menu
[ -f suispo.ini ] || fail "no suispo.ini"
grep -q '^xpos=' suispo.ini || fail "no xpos in suispo.ini"
grep -q '^ypos=' suispo.ini || fail "no ypos in suispo.ini"
grep -q "^datafile=${stage_file#./}" suispo.ini || fail "datafile does not name $stage_file"
echo "end-to-end: stage 1 cleared by the mouse, stage 2 by the keyboard, saved in $stage_file; settings written"
