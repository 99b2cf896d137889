#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# A clear with the real program under Xvfb saves into the stage file as it is then: a stage line
# appended while the game had the file open is still there after it, with stage 1's flag set; and
# a link put in the file's place after loading is never written through (the game says so).
# Usage: clear_rereads_file_test.sh PATH_TO_SUISPO. Exits 77 (skipped) when Xvfb or xdotool is missing.
set -eu
binary=$1
. "$(dirname "$0")/xvfb_game.sh"
start_xvfb

enter_program_folder
# Stages whose door lies east of the start: one move east clears each.
east_stage() { printf 'C00002%030d%036d000%s\r\n' 0 0 "$1"; }
{ east_stage first; east_stage second; } >stages.ssp
animations_off

start_game ./suispo stages.ssp
east_stage added >>stages.ssp
choose_selected_stage
click 430 224 33 33   # east, onto the door
stage_one_cleared() { [ "$(sed -n 1p stages.ssp | cut -c75)" = "1" ]; }
wait_for stage_one_cleared || fail "stage 1 is not marked cleared: $(cat stages.ssp)"
only_the_main_window "after a clear into a file that grew"
[ "$(wc -l <stages.ssp)" -eq 3 ] || fail "the appended line is gone: $(cat stages.ssp)"
[ "$(sed -n 3p stages.ssp | tr -d '\r')" = "$(east_stage added | tr -d '\r')" ] || fail "the appended line changed"
exit_by_menu

east_stage mine >victim
cp victim victim.before
start_game ./suispo stages.ssp
rm stages.ssp
ln -s victim stages.ssp
choose_selected_stage
click 430 224 33 33
error_box_shown() { [ "$(xdotool search --onlyvisible --name 'すいすいぽ。' | wc -l)" -eq 2 ]; }
wait_for error_box_shown || fail "the refused save was not reported"
cmp -s victim victim.before || fail "the save was written through the link"
[ -L stages.ssp ] || fail "the link was replaced"
echo "clear: an appended line kept with stage 1 cleared; a link swapped in never written through"
