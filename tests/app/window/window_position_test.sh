#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The window's position under a real window manager (Openbox) in Xvfb: a first start puts the
# frame's top-left at (0, 0), a stored position comes back as the frame's and is written back
# unchanged over three runs, and a position off every screen falls back to (0, 0); and the window's
# class and icons, by which docks know it.
# Usage: window_position_test.sh PATH_TO_SUISPO. Exits 77 (skipped) when Xvfb, xdotool, xprop or
# openbox is missing.
set -eu
binary=$1
command -v openbox >/dev/null 2>&1 && command -v xprop >/dev/null 2>&1 || { echo "openbox or xprop missing"; exit 77; }
. "$(dirname "$0")/xvfb_game.sh"
start_xvfb
wm_pid=""
trap '[ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true; cleanup' EXIT
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# Openbox now and then fails to open a display that has just started: it is given three tries.
for try in 1 2 3; do
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  wait_for wm_running && break
  kill "$wm_pid" 2>/dev/null || true
  [ "$try" -lt 3 ] || fail "openbox did not start: $(cat "$work/openbox.log")"
done

enter_program_folder

# Sets frame_x and frame_y: the client's place less the frame extents the window manager reports.
read_frame() {
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$extents" ] || fail "no frame extents"
  # xwininfo's absolute place: xdotool reports a reparented window's place within its frame.
  X=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
  frame_x=$((X - $(echo "$extents" | cut -d, -f1)))
  frame_y=$((Y - $(echo "$extents" | cut -d, -f3)))
}

# Waits for the window manager to settle the frame at ($1, $2); fails with where it is otherwise.
frame_settles_at() {
  frame_at() { read_frame; [ "$frame_x,$frame_y" = "$1,$2" ]; }
  wait_for frame_at "$1" "$2" || fail "$3: frame at ($frame_x, $frame_y), not ($1, $2) $(cat $work/suispo.log)"
}

setting() { sed -n "s/^$1=//p" suispo.ini | tr -d '\r'; }

start_game ./suispo
frame_settles_at 0 0 "first start"
# Docks tie the window to the desktop entry by its class (StartupWMClass) and show its icon at
# their size.
xprop -id "$window" WM_CLASS | grep -q '= "suispo", "suispo"$' || fail "window class: $(xprop -id "$window" WM_CLASS)"
icon_sizes=$(xprop -id "$window" -notype -len 10000000 _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr -d '()' | cut -d' ' -f2 | tr '\n' ' ')
[ "$icon_sizes" = "16 24 32 48 64 128 256 " ] || fail "window icon sizes: $icon_sizes"
exit_by_menu
[ "$(setting xpos),$(setting ypos)" = "0,0" ] || fail "first close wrote xpos=$(setting xpos) ypos=$(setting ypos)"

printf '[Position]\r\nxpos=130\r\nypos=199\r\n' >suispo.ini
for run in 1 2 3; do
  start_game ./suispo
  frame_settles_at 199 130 "run $run"
  exit_by_menu
  [ "$(setting xpos),$(setting ypos)" = "130,199" ] || fail "run $run wrote xpos=$(setting xpos) ypos=$(setting ypos)"
done

printf '[Position]\r\nxpos=2147483647\r\nypos=-5000\r\n' >suispo.ini
start_game ./suispo
frame_settles_at 0 0 "off-screen position"
exit_by_menu
echo "window position: first start at (0, 0), 130/199 kept over three runs, off-screen back to (0, 0)"
