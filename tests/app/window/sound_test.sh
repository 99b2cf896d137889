#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Plays built-in stage 1 with the real program under Xvfb while a PulseAudio null sink's monitor is
# recorded: the effects are heard, at half the amplitude at volume 50, and not at all with
# [Sound] on=0; the window closes cleanly after sounding; a server that never answers neither holds
# the game nor its end. Prints how long keys take to sound.
# Usage: sound_test.sh PATH_TO_SUISPO PATH_TO_SOUND_MODULE. Exits 77 (skipped) without Xvfb,
# xdotool, import, pulseaudio, parec or python3.
set -eu
binary=$1
module=$2
for tool in pulseaudio parec pactl python3; do
  command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed (scripts/test.sh installs it)"; exit 77; }
done
. "$(dirname "$0")/xvfb_game.sh"

# A sound server of the test's own: a null sink, reached by its socket alone.
pulse_pid=""
parec_pid=""
dead_pid=""
trap 'for pid in $parec_pid $pulse_pid $dead_pid; do kill "$pid" 2>/dev/null; done; cleanup' EXIT
mkdir -m 700 "$work/pulse"
export XDG_RUNTIME_DIR="$work/pulse" PULSE_SERVER="unix:$work/pulse/native"
HOME="$work/pulse" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  -L "module-null-sink sink_name=suispo_test rate=44100" \
  -L "module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" >"$work/pulse.log" 2>&1 &
pulse_pid=$!
wait_for pactl info >/dev/null 2>&1 || fail "PulseAudio did not start: $(cat "$work/pulse.log")"

start_xvfb
enter_program_folder
cp "$module" .

# Records the sink while the game plays built-in stage 1 with the settings given (INI lines), then
# closes it. The recording (16-bit mono at 44.1 kHz) goes to $work/$1.raw and, chunk by chunk as it
# arrives, the clock (ms) and the samples so far to $work/$1.times; the clock at the first key (a
# wall) and each key after it to $work/$1.press, a line each.
record_play() {
  rm -f suispo.ini ./*.ssp
  printf '%b' "$2" >suispo.ini
  animations_off
  python3 -c '
import os, subprocess, sys, time
parec = subprocess.Popen(["parec", "-d", "suispo_test.monitor", "--format=s16le", "--rate=44100",
                          "--channels=1", "--latency-msec=5", "--raw"], stdout=subprocess.PIPE)
total = 0
with open(sys.argv[1], "wb") as raw, open(sys.argv[2], "w") as times:
    while True:
        chunk = os.read(parec.stdout.fileno(), 441)
        if not chunk:
            break
        raw.write(chunk)
        total += len(chunk)
        times.write("%d %d\n" % (time.time_ns() // 1000000, total // 2))
' "$work/$1.raw" "$work/$1.times" &
  parec_pid=$!
  start_game ./suispo
  choose_selected_stage
  focus_window
  sleep 0.5   # the module loads after the window shows; the silence before the key is measured
  presses="$work/$1.press"
  clear_builtin_stage_one_by_keys
  sleep 0.5
  exit_by_menu
  kill "$parec_pid"  # parec ends at its next write into the closed pipe
  wait "$parec_pid" 2>/dev/null || true
  parec_pid=""
}

# Built-in stage 1 is on the play screen: a wall east, then north, east, south, west (the key),
# north and west (the door). Each key's time goes to $presses; the sound of one has ended before
# the next.
clear_builtin_stage_one_by_keys() {
  for keys in shift+Right Up Right Down Left Up Left; do
    milliseconds >>"$presses"
    press key $keys
    sleep 0.4
  done
}

# The recording's peak amplitude (0 to 32767), then for the first key and the median of the others
# the ms from the key to the first sound after it: when the chunk holding that sound arrived, less
# the samples that came after it.
measure() {
  python3 - "$work/$1.raw" "$work/$1.times" "$work/$1.press" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
samples = struct.unpack('<%dh' % (len(data) // 2), data[:len(data) // 2 * 2])
times = [tuple(map(int, line.split())) for line in open(sys.argv[2])]
def delay(press):
    first = next((total for clock, total in times if clock >= press), len(samples))
    onset = next((i for i in range(first, len(samples)) if abs(samples[i]) > 300), None)
    if onset is None:
        return -1
    clock, total = next((c, t) for c, t in times if t > onset)
    return clock - (total - onset) * 1000 // 44100 - press
delays = [delay(int(line)) for line in open(sys.argv[3])]
later = sorted(delays[1:])
print(max((abs(s) for s in samples), default=0), delays[0], later[len(later) // 2])
PY
}

record_play on '[Sound]\r\nvolume=100\r\n'
set -- $(measure on); loud=$1; first_delay=$2; delay=$3
[ "$loud" -gt 3000 ] || fail "no effect was heard (peak $loud)"
# A voice's first play opens its stream: primed at load, the first key is not half a second late.
[ "$first_delay" -ge 0 ] && [ "$first_delay" -lt 400 ] || fail "the first key sounded after $first_delay ms"

record_play half '[Sound]\r\nvolume=50\r\n'
set -- $(measure half); half=$1
ratio=$((half * 100 / loud))
[ "$ratio" -ge 35 ] && [ "$ratio" -le 65 ] || fail "volume 50 gave $ratio % of the amplitude of 100 ($half of $loud)"

record_play off '[Sound]\r\non=0\r\n'
set -- $(measure off); silent=$1
[ "$silent" -lt 100 ] || fail "with on=0 the game still sounded (peak $silent)"
# A server that takes the connection and never answers: the game plays on, silent, and ends at once.
python3 -c '
import socket, sys, time
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(8)
server.settimeout(1)
held = []
while time.time() < float(sys.argv[2]):
    try:
        held.append(server.accept()[0])
    except OSError:
        pass
' "$work/dead.sock" $(($(date +%s) + 120)) &
dead_pid=$!
wait_for test -S "$work/dead.sock" || fail "the silent server did not start"
rm -f suispo.ini ./*.ssp
animations_off
start_game env PULSE_SERVER="unix:$work/dead.sock" ./suispo
choose_selected_stage
focus_window
presses=/dev/null
clear_builtin_stage_one_by_keys
closing=$(milliseconds)
exit_by_menu
closed_in=$(($(milliseconds) - closing))
kill "$dead_pid"
dead_pid=""
[ "$closed_in" -lt 3000 ] || fail "with a server that never answers the game took $closed_in ms to end"

echo "sound: peak $loud at volume 100, $half at 50 ($ratio %), $silent when off; the first key sounded after about $first_delay ms, the others after $delay ms; with a server that never answers the game played silent and ended in $closed_in ms"
