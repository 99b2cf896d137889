#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The real game under Weston's headless Wayland compositor: it shows its window (a titled top-level
# with a drawn buffer), ends cleanly on SIGTERM and writes its stored position back unchanged.
# Usage: wayland_test.sh PATH_TO_SUISPO. Exits 77 (skipped) without weston or Qt's Wayland plugin.
set -eu
binary=$(realpath "$1")
command -v weston >/dev/null 2>&1 || { echo "weston is not installed (scripts/test.sh installs it)"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  { echo "Qt's Wayland plugin (qt6-wayland) is not installed"; exit 77; }

work=$(mktemp -d)
weston_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$work/weston.log" "$work/suispo.log" 2>/dev/null | tail -n 40; exit 1; }
wait_for() {
  tries=0
  until "$@"; do
    tries=$((tries + 1)); [ $tries -lt 100 ] || return 1
    sleep 0.1
  done
}

export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=suispo-test --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
wait_for test -S "$XDG_RUNTIME_DIR/suispo-test" || fail "weston did not start"

mkdir "$work/game"
cp "$binary" "$work/game/suispo"
cd "$work/game"
# A position no Wayland client can take: it must come back as it was.
printf '[Position]\r\nxpos=123\r\nypos=-4567\r\n' >suispo.ini
unset DISPLAY
WAYLAND_DISPLAY=suispo-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client ./suispo >"$work/suispo.log" 2>&1 &
game_pid=$!
shown() { grep -q 'xdg_toplevel@[0-9]*\.set_title("すいすいぽ。")' "$work/suispo.log" && grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/suispo.log"; }
wait_for shown || fail "no titled window with a drawn buffer"
grep -q 'xcb\|X11' "$work/suispo.log" && fail "X11 code ran under Wayland"
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
tr -d '\r' <suispo.ini | grep -qx 'xpos=123' || fail "xpos changed: $(cat suispo.ini)"
tr -d '\r' <suispo.ini | grep -qx 'ypos=-4567' || fail "ypos changed: $(cat suispo.ini)"
echo "ok"
