#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The installed game as an ordinary player meets it: `cmake --install` into a temporary prefix that
# the player cannot write, then the game run under Xvfb as that player with a fresh home folder (its
# settings only turn the animations off).
# Clearing built-in stage 1 by clicks and closing keeps the settings and the stage file in the
# player's XDG folders and writes nothing under the prefix; the next start shows stage 1 with ☆.
# Run as root (as CI does), the player is the user nobody; otherwise the user running the test.
# Usage: installed_game_test.sh BUILD_DIR. Exits 77 (skipped) when Xvfb, xdotool or import is missing.
set -eu
build=$1
. "$(dirname "$0")/../app/window/xvfb_game.sh"
chmod 755 "$work"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
home=$work/home
mkdir "$home" "$home/current"
# The player's settings hold only the animations off: the game writes the rest of them there.
mkdir -p "$home/.config/suispo"
animations_off "$home/.config/suispo/suispo.ini"
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$home"
  as_player() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
else
  chmod -R a-w "$prefix"
  as_player() { "$@"; }
  trap 'chmod -R u+w "$prefix"; cleanup' EXIT
fi
as_player test ! -w "$prefix/games" || fail "the player can write the prefix"
before=$(find "$prefix" -printf '%p %s %T@\n' | sort)

start_xvfb
# The player's own start: home, no XDG variables, the current folder inside home.
play() {
  cd "$home/current"
  start_game as_player env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "$prefix/games/suispo"
  cd "$work"
}

play
only_the_main_window "at the first start"
stage_list_pixels "$work/first.rgb"
clear_builtin_stage_one
only_the_main_window "after the clear"
exit_by_menu

settings=$home/.config/suispo/suispo.ini
grep -q '^datafile=' "$settings" || fail "no settings written in ~/.config/suispo: $(cat "$work/suispo.log")"
name=$(sed -n 's/^datafile=//p' "$settings" | tr -d '\r')
case $name in ""|*/*) fail "the settings do not name the stage file by its bare name: '$name'" ;; esac
stage_file=$home/.local/share/suispo/$name
[ -f "$stage_file" ] || fail "no stage file $stage_file"
[ "$(head -n 1 "$stage_file" | cut -c75)" = "1" ] || fail "stage 1 is not marked cleared"
[ "$(sed -n 2p "$stage_file" | cut -c75)" = "0" ] || fail "stage 2 should not be cleared"
[ -z "$(ls -A "$home/current")" ] || fail "files were written in the current folder: $(ls -A "$home/current")"
[ "$(find "$prefix" -printf '%p %s %T@\n' | sort)" = "$before" ] || fail "something was written under the prefix"

play
only_the_main_window "at the next start"
stage_list_pixels "$work/again.rgb"
cmp -s "$work/first.rgb" "$work/again.rgb" && fail "stage 1 shows no ☆ at the next start"
exit_by_menu
echo "installed game: progress kept in the player's XDG folders, nothing written under the prefix"
