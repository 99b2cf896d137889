# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Shared steps of the tests that run the real game under Xvfb and play it with xdotool; sourced by
# them after `set -eu`. Each test calls start_xvfb first; cleanup runs at exit. Every step waits for
# what it stands for (a window, a picture that changed and holds still, a file), never a fixed time.
# Exits 77 (skipped) when Xvfb, xdotool or import (ImageMagick) is missing.

for tool in Xvfb xdotool import; do
  command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed (scripts/test.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
test_folder=$(cd "$(dirname "$0")" && pwd)   # before a test changes folder
xvfb_pid=""
game_pid=""
cleanup() {
  # A game told to end still writes its settings as it closes: the folder goes once it has ended.
  if [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null; then
    tries=0
    while kill -0 "$game_pid" 2>/dev/null && [ "$tries" -lt 100 ]; do sleep 0.05; tries=$((tries + 1)); done
    kill -9 "$game_pid" 2>/dev/null && sleep 0.1 || true  # one held by a message box
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

milliseconds() { echo $(($(date +%s%N) / 1000000)); }

# Runs a command every 0.05 s until it succeeds; status 1 once twenty seconds have passed by the
# clock, however long the command itself takes.
wait_for() {
  deadline=$(($(milliseconds) + 20000))
  until "$@"; do
    [ "$(milliseconds)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# A fresh program folder holding a copy of the game ($binary), made the current directory: the game
# keeps its settings and stage files beside itself there.
enter_program_folder() {
  mkdir "$work/game"
  cp "$binary" "$work/game/suispo"
  cd "$work/game"
}

# Settings (default ./suispo.ini) that play every animation at once (アニメーション速度 なし), for a
# test that does not watch them: a move is over as soon as its picture holds still.
animations_off() { printf '[Animation]\r\nspeed=none\r\n' >>"${1:-suispo.ini}"; }

start_xvfb() {
  # Xvfb takes a free display itself and names it once it listens, so tests running at the same
  # time never share one. It never resets: a reset when the last client leaves (xdotool, a game
  # that ended) refuses the game that starts meanwhile ("could not connect to display").
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_for test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(cat "$work/display")"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  wait_for xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb does not answer"
}

# How a part of the screen (WIDTHxHEIGHT+X+Y) looks: its number of colours and a checksum.
look() { import -window root -crop "$1" +repage -format '%k %#' info:; }

# Succeeds when the part ($1) looks as at the previous call, is drawn (more colours than a bare
# screen or an empty window) and looks unlike $2 when given. Keeps the look in last_look.
last_look=""
part_holds_still() {
  previous_look=$last_look
  last_look=$(look "$1")
  [ "$last_look" = "$previous_look" ] && [ "${last_look%% *}" -gt 16 ] 2>/dev/null && [ "$last_look" != "${2:-}" ]
}
# Waits for the part ($1) to be drawn, to hold still and, when $2 is given, to look unlike $2.
wait_until_still() {
  last_look=""
  wait_for part_holds_still "$@"
}

# The window's size and place (X, Y, WIDTH, HEIGHT) and what follows from them: client_x and
# client_y, the screen place of the client area below the menu bar; board, the part of the screen
# that shows the board (or the title and the stage list), and list, the stage list's part.
read_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  client_x=$X
  client_y=$((Y + HEIGHT - 352))
  board="345x352+$client_x+$client_y"
  list="196x182+$((client_x + 8 + 10))+$((client_y + 110 + 50))"  # layout::kSelectGroup + kStageList
}

# Sets window to the game's window once it shows. Asked again and again rather than with --sync:
# xdotool's search ends with an error when a window it looks at goes away meanwhile (a frame of
# the window manager's, say).
window_title='すいすいぽ。'   # "Suisuipo" in English
find_window() {
  window=$(xdotool search --onlyvisible --name "$window_title" 2>/dev/null | head -n 1)
  [ -n "$window" ]
}

# Starts the game in the background (the command and its arguments) and waits for its window to
# show, drawn and still.
start_game() {
  "$@" >>"$work/suispo.log" 2>&1 &
  game_pid=$!
  wait_for find_window || fail "no window: $(cat "$work/suispo.log" "$work/xvfb.log")"
  read_geometry
  board_shown=""
  wait_until_still "${WIDTH}x${HEIGHT}+$X+$Y" || fail "the window was not drawn: $(cat "$work/suispo.log")"
}

# Fails unless the game shows its main window alone: no error box (captioned like the window).
only_the_main_window() {
  [ "$(xdotool search --onlyvisible --name "$window_title" | wc -l)" -eq 1 ] || fail "a message box is open: $1"
}

# Answers the question box the last key opened with its default, Yes (Enter), once it shows.
answer_yes() {
  a_question_shows() { [ "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)" -ge 2 ]; }
  wait_for a_question_shows || fail "no question shows"
  xdotool key Return
  wait_for eval '! a_question_shows' || fail "the question stays"
  board_shown=""
}

# Gives the window the keyboard (without a window manager it gets it only so).
focus_window() {
  xdotool windowfocus --sync "$window"
  board_shown=""   # the selected stage's row may be drawn in another colour now
}

# Presses what the arguments to xdotool say (a key, a click) and waits for the board to show its
# effect and hold still: with the animations off, the move it started is over. board_shown keeps
# the board's look after it, the look before the next press when nothing else came between.
board_shown=""
press() {
  board_before=${board_shown:-$(look "$board")}
  xdotool "$@"
  wait_until_still "$board" "$board_before" || fail "xdotool $* changed nothing on the board"
  board_shown=$last_look
}

# Clicks the middle of a control given by its place and size in the client area, and waits for
# its effect on the board.
click() { press mousemove $((client_x + $1 + $3 / 2)) $((client_y + $2 + $4 / 2)) click 1; }

choose_selected_stage() { click $((36 + 341)) $((161 + 161)) 81 25; }   # ステージ決定

# Built-in stage 1: a wall east of the start, then north, east, south, west (the key), north, west.
clear_builtin_stage_one() {
  choose_selected_stage
  click 431 107 33 33
  click 396 188 33 33
  click 430 224 33 33
  click 395 259 33 33
  click 360 225 33 33
  click 396 188 33 33
  click 360 225 33 33
}

# Opens ゲーム(&G) by what the arguments to xdotool say and waits for its menu to show.
open_game_menu() {
  menu="150x120+$X+$((Y + HEIGHT - 352))"   # below the menu bar, from its left end
  menu_before=$(look "$menu")
  xdotool "$@"
  wait_until_still "$menu" "$menu_before" || fail "the Game menu did not open"
  board_shown=""
}

# Game > Exit through the menu: open ゲーム(&G) and take its last item; waits for the end, which
# must come with exit status 0.
exit_by_menu() {
  open_game_menu mousemove $((X + 30)) $((Y + (HEIGHT - 352) / 2)) click 1
  xdotool key Up Return
  wait_for eval '! kill -0 "$game_pid" 2>/dev/null' || fail "the program did not end after Game > Exit"
  status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "the program exited with status $status: $(cat "$work/suispo.log")"
}

# The stage list's pixels as raw RGB into a file, to compare what two runs show.
stage_list_pixels() { import -window root -crop "$list" +repage rgb:"$1"; }

# Runs the calling test again inside a session bus of its own, on which the accessibility bus
# starts, with Qt's accessibility on: what a screen reader reads is then asked with read_screen.
# Call it first, with the test's arguments. Exits 77 without dbus-run-session or pyatspi.
with_accessibility_bus() {
  command -v dbus-run-session >/dev/null 2>&1 || { echo "dbus-run-session is not installed"; exit 77; }
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed"; exit 77; }
  if [ -z "${SUISPO_OWN_SESSION_BUS:-}" ]; then
    SUISPO_OWN_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
  fi
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# What a screen reader reads of the game now, one JSON object a line, into $work/screen.json.
read_screen() {
  /usr/bin/python3 "$test_folder/accessible_tree.py" suispo >"$work/screen.json" 2>>"$work/suispo.log"
}

# The text of the first showing field named $1 (a label's or button's name and description when it
# has no text: what a screen reader reads); a figure named with its value ("手数 0") reads as the value.
screen_text() {
  /usr/bin/python3 - "$work/screen.json" "$1" <<'PY'
import json, sys
rows = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
name = sys.argv[2]
named = [row for row in rows if row["name"] == name]
texts = [row["text"] for row in named if row["text"]]
texts += [(row["name"] + " " + row["description"]).strip() for row in named]
texts += [row["name"][len(name) + 1:] for row in rows if row["name"].startswith(name + " ")]
print(texts[0] if texts else "")
PY
}

# The size (WIDTHxHEIGHT) of the first showing object named $1 as the last read_screen placed it.
screen_size() {
  /usr/bin/python3 - "$work/screen.json" "$1" <<'PY'
import json, sys
rows = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
boxes = [row["extents"] for row in rows if row["name"] == sys.argv[2] and row["extents"]]
print(f"{boxes[0][2]}x{boxes[0][3]}" if boxes else "0x0")
PY
}

# Succeeds when a showing field named $1 reads $2 (a part of its text) now.
screen_reads() { read_screen && case "$(screen_text "$1")" in *"$2"*) true ;; *) false ;; esac; }

# Clicks the middle of the first showing object named $1 as the last read_screen placed it.
click_named() {
  place=$(/usr/bin/python3 - "$work/screen.json" "$1" <<'PY'
import json, sys
rows = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
boxes = [row["extents"] for row in rows if row["name"] == sys.argv[2] and row["extents"]]
print(f"{boxes[0][0] + boxes[0][2] // 2} {boxes[0][1] + boxes[0][3] // 2}" if boxes else "")
PY
)
  [ -n "$place" ] || fail "nothing named $1 shows"
  xdotool mousemove $place click 1
}
