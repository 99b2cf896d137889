#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# SIGTERM ends the game within 2 s even when its settings cannot be written (suispo.ini a folder):
# no box waits for an answer, the error goes to the error output, and the exit status is 0.
# Usage: termination_signal_test.sh PATH_TO_SUISPO. Exits 77 (skipped) when Xvfb or xdotool is missing.
set -eu
binary=$1
. "$(dirname "$0")/xvfb_game.sh"
start_xvfb

enter_program_folder
mkdir suispo.ini
start_game ./suispo
only_the_main_window "at the start"

sent=$(milliseconds)
kill -TERM "$game_pid"
while kill -0 "$game_pid" 2>/dev/null && [ $(($(milliseconds) - sent)) -lt 2000 ]; do sleep 0.02; done
kill -0 "$game_pid" 2>/dev/null && fail "the game still runs 2 s after SIGTERM"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game exited with status $status: $(cat "$work/suispo.log")"
grep -q "suispo.ini" "$work/suispo.log" || fail "the failed settings write was not told on the error output"
echo "termination signal: the game ended in $(($(milliseconds) - sent)) ms with suispo.ini a folder"
