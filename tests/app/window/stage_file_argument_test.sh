#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# `suispo path/to/file.ssp` under Xvfb: the window shows that file's stages instead of the built-in
# ones, a clear is saved into that file, and the next start without an argument shows it again.
# Usage: stage_file_argument_test.sh PATH_TO_SUISPO. Exits 77 (skipped) when Xvfb or xdotool is missing.
set -eu
binary=$1
. "$(dirname "$0")/xvfb_game.sh"
start_xvfb

mkdir -p "$work/game" "$work/elsewhere/path/to"
cp "$binary" "$work/game/suispo"
# Two stages whose door lies east of the start: one move east clears either.
for name in first second; do
  printf 'C00002%030d%036d000%s\r\n' 0 0 "$name"
done >"$work/elsewhere/path/to/file.ssp"
cd "$work/game"
animations_off

start_game ./suispo
only_the_main_window "at the first start"
stage_list_pixels "$work/builtin.rgb"
exit_by_menu

start_game ./suispo ../elsewhere/path/to/file.ssp
only_the_main_window "when opening the file"
stage_list_pixels "$work/file.rgb"
cmp -s "$work/builtin.rgb" "$work/file.rgb" && fail "the built-in stages are shown, not the file's"
choose_selected_stage
click 430 224 33 33   # east, onto the door
exit_by_menu

[ "$(head -n 1 ../elsewhere/path/to/file.ssp | cut -c75)" = "1" ] || fail "the clear was not saved into the file"
[ "$(sed -n 2p ../elsewhere/path/to/file.ssp | cut -c75)" = "0" ] || fail "stage 2 should not be cleared"
ls ./*.ssp >/dev/null 2>&1 && fail "a stage file was written beside the program"
tr -d '\r' <suispo.ini | grep -qx "datafile=$(realpath "$work")/elsewhere/path/to/file.ssp" || fail "the file is not remembered by its path: $(cat suispo.ini)"

start_game ./suispo
only_the_main_window "at the start after"
stage_list_pixels "$work/again.rgb"
cmp -s "$work/file.rgb" "$work/again.rgb" && fail "the cleared stage shows no star at the next start"
cmp -s "$work/builtin.rgb" "$work/again.rgb" && fail "the next start shows the built-in stages"
exit_by_menu
echo "stage file argument: the file's stages shown, the clear saved there, remembered for the next start"
