#!/bin/sh
# Plays built-in stage 1 with the real program under Xvfb by clicking its buttons and stage 2 with
# the keyboard, closes it, and checks what it left on disk: the cleared flags in the stage file and
# the settings file.
# Usage: end_to_end_test.sh PATH_TO_SUISPO. Exits 77 (skipped) when Xvfb or xdotool is missing.
set -eu

binary=$1
command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1 || { echo "Xvfb or xdotool missing"; exit 77; }

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

# A free display number: one without a lock file.
display=97
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
tries=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
  tries=$((tries + 1)); [ $tries -lt 100 ] || fail "Xvfb did not start"; sleep 0.1
done

# A fresh program folder, which is also the current directory.
mkdir "$work/game"
cp "$binary" "$work/game/suispo"
cd "$work/game"
./suispo >"$work/suispo.log" 2>&1 &
game_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name 'すいすいぽ。' | head -n 1) || fail "no window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area is the window's bottom 352 rows, below the menu bar.
client_x=$X
client_y=$((Y + HEIGHT - 352))

# Clicks the middle of a control given by its place and size in the client area.
click() {
  xdotool mousemove $((client_x + $1 + $3 / 2)) $((client_y + $2 + $4 / 2)) click 1
  sleep "${5:-0.3}"
}

click $((36 + 341)) $((161 + 161)) 81 25 1   # ステージ決定 with the first stage selected
click 431 107 33 33                          # wall east
click 396 188 33 33 1.2                      # north
click 430 224 33 33 1.2                      # east
click 395 259 33 33 1.2                      # south
click 360 225 33 33 1.2                      # west, takes the key
click 396 188 33 33 1.2                      # north
click 360 225 33 33 0                        # west, onto the door

stage_file=""
tries=0
while [ -z "$stage_file" ]; do
  tries=$((tries + 1)); [ $tries -lt 200 ] || fail "no stage file was saved"
  sleep 0.1
  stage_file=$(ls ./*.ssp 2>/dev/null | head -n 1 || true)
done
sleep 1
[ "$(head -n 1 "$stage_file" | cut -c75)" = "1" ] || fail "stage 1 is not marked cleared in $stage_file"
[ "$(sed -n 2p "$stage_file" | cut -c75)" = "0" ] || fail "stage 2 should not be cleared"

# Stage 2, now selected, by the keyboard alone. Without a window manager the window gets the
# keyboard only when given the focus.
xdotool windowfocus --sync "$window"
sleep 0.3
key() {
  xdotool key "$1"
  sleep "${2:-1.2}"
}
key Return 1                    # ステージ決定
key shift+Right 0.3             # wall east
for direction in Up Up Left Up; do key $direction; done
key shift+Right 0.3
for direction in Left Left Down; do key $direction; done
tries=0
until [ "$(sed -n 2p "$stage_file" | cut -c75)" = "1" ]; do
  tries=$((tries + 1)); [ $tries -lt 50 ] || fail "stage 2 is not marked cleared by the keyboard"
  sleep 0.1
done
[ "$(sed -n 3p "$stage_file" | cut -c75)" = "0" ] || fail "stage 3 should not be cleared"

# Game > Exit through the menu: open ゲーム(&G) and take its last item.
xdotool mousemove $((X + 30)) $((Y + (HEIGHT - 352) / 2)) click 1
sleep 0.5
xdotool key Up Return
tries=0
while kill -0 "$game_pid" 2>/dev/null; do
  tries=$((tries + 1)); [ $tries -lt 100 ] || fail "the program did not end after Game > Exit"
  sleep 0.1
done
game_pid=""

[ -f suispo.ini ] || fail "no suispo.ini"
grep -q '^xpos=' suispo.ini || fail "no xpos in suispo.ini"
grep -q '^ypos=' suispo.ini || fail "no ypos in suispo.ini"
grep -q "^datafile=${stage_file#./}" suispo.ini || fail "datafile does not name $stage_file"
echo "end-to-end: stage 1 cleared by the mouse, stage 2 by the keyboard, saved in $stage_file; settings written"
