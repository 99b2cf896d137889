#!/bin/sh
# Measures, side by side in one run under Xvfb, the time from start to the first painted window and
# the peak memory (VmHWM) of suispo and of a minimal Qt window; the medians of RUNS runs each.
# The minimal window runs twice: blank, and with one line of Japanese text (Qt then loads a Japanese
# font, as every window of a Japanese program must). The limit is checked against the second.
# Usage: measure_startup.sh SUISPO MINIMAL_WINDOW [RUNS]. Exits 1 when suispo exceeds 1.3 times the
# minimal window with text on either measure, 77 when Xvfb is missing.
set -eu

suispo=$(realpath "$1")
minimal=$(realpath "$2")
runs=${3:-7}
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
  tries=0
  while ! grep -q 'Painting and flushing' "$log"; do
    tries=$((tries + 1))
    if [ $tries -gt 1000 ]; then kill "$pid"; echo "no paint from $1" >&2; exit 1; fi
    sleep 0.01
  done
  painted=$(grep -m 1 'Painting and flushing' "$log" | cut -d'|' -f1)
  sleep 0.5  # let the window settle before reading the high-water mark
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

printf '%-24s %18s %16s\n' "program (median of $runs)" "first paint (ms)" "peak RSS (kB)"
printf '%-24s %18s %16s\n' "minimal window, blank" "$(cut -d' ' -f1 "$work/blank.txt" | median)" \
  "$(cut -d' ' -f2 "$work/blank.txt" | median)"
printf '%-24s %18s %16s\n' "minimal window, text" "$m_ms" "$m_kb"
printf '%-24s %18s %16s\n' "suispo" "$s_ms" "$s_kb"
verdict=$(awk -v sm="$s_ms" -v mm="$m_ms" -v sk="$s_kb" -v mk="$m_kb" -v limit="$limit" 'BEGIN {
  t = sm / mm; m = sk / mk
  printf "suispo / minimal window with text: time %.2f, memory %.2f (limit %.1f)\n", t, m, limit
  exit (t > limit || m > limit) ? 1 : 0 }') && ok=1 || ok=0
echo "$verdict"
[ $ok -eq 1 ] || { echo "suispo is over the limit"; exit 1; }
echo "within the limit"
