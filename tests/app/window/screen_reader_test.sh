#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The real program under Xvfb read as a screen reader reads it, through the accessibility bus.
# ja: with no language set, stage 1's 最短 reads 7 on the stage select screen.
# en: with [View] language=en, the select screen, stage 1's play screen and chapter 1's list show no
# Japanese character beyond the game's name, and Par reads 7.
# Usage: screen_reader_test.sh PATH_TO_SUISPO ja|en. Exits 77 (skipped) without Xvfb, xdotool, a
# session bus or pyatspi.
set -eu
binary=$1
language=$2
. "$(dirname "$0")/xvfb_game.sh"
with_accessibility_bus "$@"
start_xvfb

enter_program_folder
cp -R "$test_folder/../../../stages" ./stages   # the collection's chapters, as installed
animations_off
if [ "$language" = ja ]; then
  start_game ./suispo
  wait_for screen_reads 最短 7 || fail "最短 does not read 7 for stage 1: $(screen_text 最短)"
  echo "screen reader: stage 1's 最短 reads 7"
  exit 0
fi

printf '[View]\r\nlanguage=en\r\n' >>suispo.ini
# Prints what shows with a Japanese character (kana, kanji, full-width forms), the game's name aside.
japanese_shown() {
  /usr/bin/python3 - "$work/screen.json" <<'PY'
import json, re, sys
japanese = re.compile("[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]")
for line in open(sys.argv[1], encoding="utf-8"):
    row = json.loads(line)
    for field in ("name", "description", "text"):
        if japanese.search(row[field]) and row[field] != "すいすいぽ。":
            print(f'{row["role"]} {field}: {row[field]}')
PY
}
no_japanese_shown() { read_screen && [ -z "$(japanese_shown)" ]; }
window_title=Suisuipo
start_game ./suispo
wait_for screen_reads Par 7 || fail "Par does not read 7 for stage 1: $(screen_text Par)"
no_japanese_shown || fail "Japanese on the stage select screen: $(japanese_shown)"

focus_window
press key Return
wait_for screen_reads Moves 0 || fail "the play screen does not show"
no_japanese_shown || fail "Japanese on the play screen: $(japanese_shown)"
press key Escape

# Chapter 1 from the stage collection's menu: its first entry after the first steps.
read_screen
click_named "Stage collection"
sleep 0.3
xdotool key Down Return
chapter_one_listed() { read_screen && grep -q '"list item"' "$work/screen.json" && [ "$(grep -c '"list item"' "$work/screen.json")" -eq 10 ]; }
wait_for chapter_one_listed || fail "chapter 1 does not list ten stages"
no_japanese_shown || fail "Japanese in chapter 1: $(japanese_shown)"
echo "screen reader: no Japanese in English on the select screen, stage 1's play screen and chapter 1"
