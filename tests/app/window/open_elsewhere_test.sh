#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Game > 読み込み of a stage file in another folder, a clear there by the keyboard alone, and the next
# start: the real program under Xvfb shows that file again, with the cleared stage starred.
# Usage: open_elsewhere_test.sh PATH_TO_SUISPO. Exits 77 (skipped) when Xvfb or xdotool is missing.
set -eu
binary=$1
. "$(dirname "$0")/xvfb_game.sh"
start_xvfb

mkdir -p "$work/game" "$work/stages"
cp "$binary" "$work/game/suispo"
# Two stages whose door lies east of the start: one move east clears either.
for name in east-one east-two; do
  printf 'C00002%030d%036d000%s\r\n' 0 0 "$name"
done >"$work/stages/far.ssp"
cd "$work/game"
animations_off

start_game ./suispo
stage_list_pixels "$work/builtin.rgb"
builtin_list=$(look "$list")
focus_window
open_game_menu key alt+g
xdotool key o
find_dialog() {
  dialog=$(xdotool search --onlyvisible --name '読み込み|ファイル|開く' 2>/dev/null | grep -v "^$window\$" | head -n 1)
  [ -n "$dialog" ]
}
wait_for find_dialog || fail "Game > 読み込み showed no file dialog"
# The dialog takes the keys once it has the focus (its file name field).
dialog_has_focus() { [ "$(xdotool getwindowfocus)" = "$dialog" ]; }
wait_for dialog_has_focus || fail "the file dialog did not take the focus"
xdotool type --delay 20 "$work/stages/far.ssp"
xdotool key Return
dialog_gone() { ! xdotool search --onlyvisible --name '読み込み|ファイル|開く' | grep -qx "$dialog"; }
wait_for dialog_gone || fail "the file dialog stayed open"
wait_until_still "$list" "$builtin_list" || only_the_main_window "after opening the file"
only_the_main_window "after opening the file"
stage_list_pixels "$work/opened.rgb"
cmp -s "$work/builtin.rgb" "$work/opened.rgb" && fail "the built-in stages are still shown after opening the file"

focus_window
press key Return        # ステージ決定 on the first stage
xdotool key Right      # east, onto the door
cleared() { [ "$(head -n 1 "$work/stages/far.ssp" | cut -c75)" = "1" ]; }
wait_for cleared || fail "the clear by the keyboard was not saved into the opened file"
exit_by_menu
[ "$(sed -n 2p "$work/stages/far.ssp" | cut -c75)" = "0" ] || fail "stage 2 should not be cleared"
tr -d '\r' <suispo.ini | grep -qx "datafile=$(realpath "$work")/stages/far.ssp" || fail "the file is not remembered by its path: $(cat suispo.ini)"

start_game ./suispo
only_the_main_window "at the next start"
stage_list_pixels "$work/again.rgb"
cmp -s "$work/builtin.rgb" "$work/again.rgb" && fail "the next start shows the built-in stages"
cmp -s "$work/opened.rgb" "$work/again.rgb" && fail "the cleared stage shows no star at the next start"
exit_by_menu
echo "open elsewhere: the file opened from another folder, cleared by the keyboard, shown with its star at the next start"
