#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Measures, side by side in one run under Xvfb, the time from start to the first painted window and
# the peak memory (VmHWM) of suispo and of a minimal Qt window; the medians of RUNS runs each.
# The minimal window runs twice: blank, and with one line of Japanese text (Qt then loads a Japanese
# font, as every window of a Japanese program must). Both ratios are printed; the limit is checked
# against the window with text (see README.md).
# Usage: measure_startup.sh SUISPO MINIMAL_WINDOW [RUNS]. Exits 1 when suispo exceeds 1.3 times the
# minimal window with text on either measure, 77 when Xvfb is missing.
set -eu

suispo=$(realpath "$1")
minimal=$(realpath "$2")
runs=${3:-11}
limit=1.3
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb missing"; exit 77; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
sleep 1

# Qt's own painting log marks the first flush of the window to the screen; its wall-clock stamp
# against the launch time gives the start-to-first-paint time without touching the programs.
# "Flushing top level" is written once the window has been painted, just before it goes to the
# screen ("Painting and flushing" comes before the painting, which would leave the painting out).
painted_mark='Flushing top level'
now_ms() { date +%s%3N; }
stamp_ms() { date -d "$(echo "$1" | tr T ' ')" +%s%3N; }

# One run of a program copied into a fresh folder, with an optional argument: prints
# "milliseconds kilobytes".
measure_once() {
  folder="$work/run.$$.$(now_ms)"
  mkdir "$folder"
  cp "$1" "$folder/program"
  log="$folder/log"
  : >"$log"
  cd "$folder"
  start=$(now_ms)
  QT_LOGGING_RULES="qt.widgets.painting=true" QT_MESSAGE_PATTERN="%{time yyyy-MM-ddThh:mm:ss.zzz}|%{message}" \
    ./program ${2:-} >"$log" 2>&1 &
  pid=$!
  # The time comes from the log's stamp, so there is no need to watch closely: a loop of greps
  # while the program starts would take the CPU from it and from Xvfb (two cores here). One second
  # also lets the window settle before the high-water mark is read.
  sleep 1
  tries=0
  while ! grep -q "$painted_mark" "$log"; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then kill "$pid"; echo "no paint from $1" >&2; exit 1; fi
    sleep 0.1
  done
  # The stamp alone: the game puts its name before each of Qt's messages.
  painted=$(grep -m 1 "$painted_mark" "$log" | grep -o -m 1 '[0-9]\{4\}-[0-9-]*T[0-9:.]*' | head -n 1)
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  cd "$work"
  echo "$(( $(stamp_ms "$painted") - start )) $peak"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/suispo.txt"
: >"$work/blank.txt"
: >"$work/minimal.txt"
i=0
while [ $i -lt "$runs" ]; do  # interleaved, so that load on the machine hits all alike
  measure_once "$minimal" >>"$work/blank.txt"
  measure_once "$minimal" --text >>"$work/minimal.txt"
  measure_once "$suispo" >>"$work/suispo.txt"
  i=$((i + 1))
done

s_ms=$(cut -d' ' -f1 "$work/suispo.txt" | median)
s_kb=$(cut -d' ' -f2 "$work/suispo.txt" | median)
m_ms=$(cut -d' ' -f1 "$work/minimal.txt" | median)
m_kb=$(cut -d' ' -f2 "$work/minimal.txt" | median)
b_ms=$(cut -d' ' -f1 "$work/blank.txt" | median)
b_kb=$(cut -d' ' -f2 "$work/blank.txt" | median)

printf '%-24s %18s %16s\n' "program (median of $runs)" "first paint (ms)" "peak RSS (kB)"
printf '%-24s %18s %16s\n' "minimal window, blank" "$b_ms" "$b_kb"
printf '%-24s %18s %16s\n' "minimal window, text" "$m_ms" "$m_kb"
printf '%-24s %18s %16s\n' "suispo" "$s_ms" "$s_kb"
# ratios WHAT MS KB: suispo's time and memory over those of the minimal window WHAT; fails above the limit.
ratios() {
  awk -v what="$1" -v sm="$s_ms" -v mm="$2" -v sk="$s_kb" -v mk="$3" -v limit="$limit" 'BEGIN {
    t = sm / mm; m = sk / mk
    printf "suispo / minimal window %s: time %.2f, memory %.2f (limit %.1f)\n", what, t, m, limit
    exit (t > limit || m > limit) ? 1 : 0 }'
}
ratios "blank (for reference)" "$b_ms" "$b_kb" || true
ratios "with text" "$m_ms" "$m_kb" && ok=1 || ok=0
[ $ok -eq 1 ] || { echo "suispo is over the limit against the minimal window with text"; exit 1; }
echo "within the limit against the minimal window with text"
