#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Retakes the help pages' pictures of the two screens (help/screen_select.png, help/screen_play.png,
# and help/screen_*_en.png in English) from the real game under Xvfb: a fresh program folder, the
# built-in stages, stage 1 chosen; and the
# pictures of a move that goes nowhere on a warp pad (help/rule_warp_*.png) with the stage tool.
# Usage: scripts/help_pictures.sh [BUILD_DIR]   (builds the game there first; default build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
cmake --build "$build" --target suispo --target suispo-stage -j2 >/dev/null
. "$top/tests/app/window/xvfb_game.sh"
start_xvfb

mkdir "$work/game"
cp "$build/suispo" "$work/game/suispo"
cp -R "$top/stages" "$work/game/stages"   # the collection and the English names, as installed
cd "$work/game"
start_game ./suispo

# The window's client area with its menu bar, as the page shows it.
photograph() {
  wait_until_still "${WIDTH}x${HEIGHT}+$X+$Y" || fail "the window does not hold still"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
  echo "wrote $1"
}
photograph "$top/help/screen_select.png"
choose_selected_stage
photograph "$top/help/screen_play.png"

# The English page's pictures: the same screens with [View] language=en.
kill "$game_pid"
wait "$game_pid" || true
printf '[View]\r\nlanguage=en\r\n' >>suispo.ini
window_title=Suisuipo
start_game ./suispo
photograph "$top/help/screen_select_en.png"
choose_selected_stage
photograph "$top/help/screen_play_en.png"

# Red pads at the bottom right and on the left edge: south lands on the first and warps to the second;
# west from the edge goes nowhere, so the character rests on the pad again and warps back.
printf '0020C0000000800000000000000000000080000000000000000000000000000000000000000\203\217\201\133\203\166\202\305\226\337\202\351\r\n' >"$work/warp.ssp"
"$build/suispo-stage" render --board "$work/warp.ssp" 1 S -o "$top/help/rule_warp_stand.png"
"$build/suispo-stage" render --board "$work/warp.ssp" 1 S W -o "$top/help/rule_warp_back.png"
echo "wrote $top/help/rule_warp_stand.png $top/help/rule_warp_back.png"
