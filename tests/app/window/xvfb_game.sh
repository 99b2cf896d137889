# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Shared steps of the tests that run the real game under Xvfb and play it with xdotool; sourced by
# them after `set -eu`. Each test calls start_xvfb first; cleanup runs at exit.
# Exits 77 (skipped) when Xvfb, xdotool or import (ImageMagick) is missing.

for tool in Xvfb xdotool import; do
  command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed (scripts/test.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Waits up to ten seconds for a command to succeed.
wait_for() {
  tries=0
  until "$@"; do
    tries=$((tries + 1)); [ $tries -lt 100 ] || return 1
    sleep 0.1
  done
}

# A fresh program folder holding a copy of the game ($binary), made the current directory: the game
# keeps its settings and stage files beside itself there.
enter_program_folder() {
  mkdir "$work/game"
  cp "$binary" "$work/game/suispo"
  cd "$work/game"
}

start_xvfb() {
  # Xvfb takes a free display itself and names it once it listens, so tests running at the same
  # time never share one.
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_for test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(cat "$work/display")"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  wait_for xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb does not answer"
}

# Starts the game in the background (the command and its arguments) and waits for its window;
# sets client_x and client_y, the screen place of the client area below the menu bar.
start_game() {
  "$@" >>"$work/suispo.log" 2>&1 &
  game_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name 'すいすいぽ。' | head -n 1) || true
  [ -n "$window" ] || fail "no window: $(cat "$work/suispo.log")"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  client_x=$X
  client_y=$((Y + HEIGHT - 352))
}

# Fails unless the game shows its main window alone: no error box (captioned like the window).
only_the_main_window() {
  [ "$(xdotool search --onlyvisible --name 'すいすいぽ。' | wc -l)" -eq 1 ] || fail "a message box is open: $1"
}

# Clicks the middle of a control given by its place and size in the client area, then waits.
click() {
  xdotool mousemove $((client_x + $1 + $3 / 2)) $((client_y + $2 + $4 / 2)) click 1
  sleep "${5:-0.3}"
}

choose_selected_stage() { click $((36 + 341)) $((161 + 161)) 81 25 1; }   # ステージ決定

# Built-in stage 1: a wall east of the start, then north, east, south, west (the key), north, west.
clear_builtin_stage_one() {
  choose_selected_stage
  click 431 107 33 33
  click 396 188 33 33 1.2
  click 430 224 33 33 1.2
  click 395 259 33 33 1.2
  click 360 225 33 33 1.2
  click 396 188 33 33 1.2
  click 360 225 33 33 1.5
}

# Game > Exit through the menu: open ゲーム(&G) and take its last item; waits for the end, which
# must come with exit status 0.
exit_by_menu() {
  xdotool mousemove $((X + 30)) $((Y + (HEIGHT - 352) / 2)) click 1
  sleep 0.5
  xdotool key Up Return
  wait_for eval '! kill -0 "$game_pid" 2>/dev/null' || fail "the program did not end after Game > Exit"
  status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "the program exited with status $status: $(cat "$work/suispo.log")"
}

# The stage list's pixels as raw RGB into a file, to compare what two runs show.
stage_list_pixels() {
  import -window root -crop "309x169+$((client_x + 36 + 15))+$((client_y + 161 + 17))" +repage rgb:"$1"
}
