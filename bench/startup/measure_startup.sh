#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Measures, side by side in one run under Xvfb, the time from start to the first painted window, the
# CPU time spent by the time the window has settled (user and system, a second after launch) and the
# peak memory (VmHWM) of suispo and of a minimal Qt window; the medians of RUNS runs each.
# The minimal window runs three times: blank, with one line of Japanese text (Qt then loads a
# Japanese font, as every window of a Japanese program must), and with a first screen like suispo's
# (a menu bar, a 512 x 360 picture, a list of five Japanese lines). Every ratio is printed; the limits
# are checked against the first screen (see README.md).
# Usage: measure_startup.sh SUISPO MINIMAL_WINDOW [RUNS]. Exits 1 when suispo exceeds 1.2 times the
# minimal window's first screen in time or CPU (1.3 in memory), 77 when Xvfb is missing.
set -eu

suispo=$(realpath "$1")
minimal=$(realpath "$2")
runs=${3:-11}
limit=1.2
memory_limit=1.3
ticks=$(getconf CLK_TCK)
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
# "milliseconds kilobytes cpu-milliseconds".
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
  # Fields 14 and 15 of stat, user and system time in clock ticks (the name, field 2, has no space).
  cpu=$(awk -v hz="$ticks" '{ print int(($14 + $15) * 1000 / hz) }' "/proc/$pid/stat")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  cd "$work"
  echo "$(( $(stamp_ms "$painted") - start )) $peak $cpu"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# The CPU time comes in clock ticks (10 ms): their mean tells more than their median.
mean() { awk '{ s += $1 } END { printf "%.1f\n", s / NR }'; }

: >"$work/suispo.txt"
: >"$work/blank.txt"
: >"$work/minimal.txt"
: >"$work/screen.txt"
i=0
while [ $i -lt "$runs" ]; do  # interleaved, so that load on the machine hits all alike
  measure_once "$minimal" >>"$work/blank.txt"
  measure_once "$minimal" --text >>"$work/minimal.txt"
  measure_once "$minimal" --screen >>"$work/screen.txt"
  measure_once "$suispo" >>"$work/suispo.txt"
  i=$((i + 1))
done

# medians NAME: the medians of NAME's runs on one line, "milliseconds kilobytes cpu-milliseconds"
# (the CPU time their mean).
medians() {
  for field in 1 2; do cut -d' ' -f$field "$work/$1.txt" | median; done | tr '\n' ' '
  cut -d' ' -f3 "$work/$1.txt" | mean
}
for name in suispo minimal screen blank; do medians $name; done >"$work/medians.txt"
{
  read -r s_ms s_kb s_cpu
  read -r m_ms m_kb m_cpu
  read -r w_ms w_kb w_cpu
  read -r b_ms b_kb b_cpu
} <"$work/medians.txt"

printf '%-24s %18s %12s %16s\n' "program (median of $runs)" "first paint (ms)" "CPU (ms, mean)" "peak RSS (kB)"
printf '%-24s %18s %12s %16s\n' "minimal window, blank" "$b_ms" "$b_cpu" "$b_kb"
printf '%-24s %18s %12s %16s\n' "minimal window, text" "$m_ms" "$m_cpu" "$m_kb"
printf '%-24s %18s %12s %16s\n' "minimal window, screen" "$w_ms" "$w_cpu" "$w_kb"
printf '%-24s %18s %12s %16s\n' "suispo" "$s_ms" "$s_cpu" "$s_kb"
# ratios WHAT MS CPU KB: suispo's time, CPU and memory over those of the minimal window WHAT; fails
# above the limits.
ratios() {
  awk -v what="$1" -v sm="$s_ms" -v mm="$2" -v sc="$s_cpu" -v mc="$3" -v sk="$s_kb" -v mk="$4" -v limit="$limit" \
      -v mlimit="$memory_limit" 'BEGIN {
    t = sm / mm; c = sc / (mc > 0 ? mc : 1); m = sk / mk
    printf "suispo / minimal window %s: time %.2f, CPU %.2f (limit %.1f), memory %.2f (limit %.1f)\n", what, t, c, limit, m, mlimit
    exit (t > limit || c > limit || m > mlimit) ? 1 : 0 }'
}
ratios "blank (for reference)" "$b_ms" "$b_cpu" "$b_kb" || true
ratios "with text (for reference)" "$m_ms" "$m_cpu" "$m_kb" || true
ratios "first screen" "$w_ms" "$w_cpu" "$w_kb" && ok=1 || ok=0
[ $ok -eq 1 ] || { echo "suispo is over the limit against the minimal window's first screen"; exit 1; }
echo "within the limit against the minimal window's first screen"
