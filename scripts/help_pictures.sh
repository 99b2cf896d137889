#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Retakes the help page's pictures of the two screens (help/screen_select.png, help/screen_play.png)
# from the real game under Xvfb: a fresh program folder, the built-in stages, stage 1 chosen.
# Usage: scripts/help_pictures.sh [BUILD_DIR]   (builds the game there first; default build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
cmake --build "$build" --target suispo -j2 >/dev/null
. "$top/tests/app/window/xvfb_game.sh"
start_xvfb

mkdir "$work/game"
cp "$build/suispo" "$work/game/suispo"
cd "$work/game"
start_game ./suispo

# The window's client area with its menu bar, as the page shows it.
photograph() {
  sleep 0.5
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
  echo "wrote $1"
}
photograph "$top/help/screen_select.png"
choose_selected_stage
photograph "$top/help/screen_play.png"
