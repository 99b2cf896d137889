#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The real program under Xvfb read as a screen reader reads it, through the accessibility bus.
# ja: with no language set, stage 1's 最短 reads 7 on the stage select screen beside a preview of at
# least 120 × 120 pixels; once stage 1 is cleared with the animations off, 結果 shows the clear (7
# moves, 最短) within a second and still five seconds later; with [Play] undo=unlimited, seven
# operations are all taken back to 手数 0.
# en: with [View] language=en, the select screen, stage 1's play screen and chapter 1's list show no
# Japanese character beyond the game's name, and Par reads 7.
# editor: with stage 1 selected, Ctrl+E shows the stage editor, whose 最短 reads 7 within a second;
# the door painted over from the keyboard makes it 「クリアできません」, and Ctrl+Z brings back 7.
# Usage: screen_reader_test.sh PATH_TO_SUISPO ja|en|editor. Exits 77 (skipped) without Xvfb, xdotool, a
# session bus or pyatspi.
set -eu
binary=$1
scenario=$2
. "$(dirname "$0")/xvfb_game.sh"
with_accessibility_bus "$@"
start_xvfb

enter_program_folder
cp -R "$test_folder/../../../stages" ./stages   # the collection's chapters, as installed
animations_off
if [ "$scenario" = editor ]; then
  start_game ./suispo
  focus_window
  xdotool key ctrl+e
  asked_at=$(milliseconds)
  wait_for screen_reads ステージエディタ ステージエディタ || fail "no stage editor shows"
  wait_for screen_reads 最短 7 || fail "the editor's 最短 does not read 7: $(screen_text 最短)"
  [ $(($(milliseconds) - asked_at)) -le 1000 ] || fail "最短 took $(($(milliseconds) - asked_at)) ms"
  xdotool key Up Up Up Up Up Left Left Left Left Left i   # the cursor to the door's corner, ice on it
  wait_for screen_reads 最短 クリアできません || fail "no door still reads $(screen_text 最短)"
  xdotool key ctrl+z
  wait_for screen_reads 最短 7 || fail "Ctrl+Z leaves 最短 at $(screen_text 最短)"
  echo "screen reader: the editor's 最短 reads 7, クリアできません without the door, 7 after Ctrl+Z"
  exit 0
fi
if [ "$scenario" = ja ]; then
  start_game ./suispo
  wait_for screen_reads 最短 7 || fail "最短 does not read 7 for stage 1: $(screen_text 最短)"
  size=$(screen_size プレビュー)
  [ "${size%x*}" -ge 120 ] && [ "${size#*x}" -ge 120 ] || fail "プレビュー is $size pixels"
  focus_window
  press key Return
  for key in shift+Right Up Right Down Left Up; do press key $key; done
  xdotool key Left
  cleared_at=$(milliseconds)
  shows_the_clear() { screen_reads 結果 7 && screen_reads 結果 最短; }
  wait_for shows_the_clear || fail "結果 does not show the clear: $(screen_text 結果)"
  [ $(($(milliseconds) - cleared_at)) -le 1000 ] || fail "結果 took $(($(milliseconds) - cleared_at)) ms"
  sleep 5   # what is checked is that the result stays
  shows_the_clear || fail "結果 went away: $(screen_text 結果)"
  exit_by_menu

  printf '[Play]\r\nundo=unlimited\r\n' >>suispo.ini
  start_game ./suispo
  focus_window
  press key Up            # stage 2, the next not cleared, is selected at start: back to stage 1
  press key Return
  for key in Up Down Up Down Up Down Up; do press key $key; done
  wait_for screen_reads 手数 7 || fail "手数 does not read 7: $(screen_text 手数)"
  for key in 1 2 3 4 5 6 7; do press key BackSpace; done
  wait_for screen_reads 手数 0 || fail "手数 does not read 0 after seven undos: $(screen_text 手数)"
  echo "screen reader: 最短 7 beside a preview of $size; 結果 kept; seven operations undone"
  exit 0
fi

printf '[View]\r\nlanguage=en\r\n' >>suispo.ini
# Prints what shows with a Japanese character (kana, kanji, full-width forms; the ideographic space
# that lines up the list's marks reads as nothing), the game's name aside.
japanese_shown() {
  /usr/bin/python3 - "$work/screen.json" <<'PY'
import json, re, sys
japanese = re.compile("[\u3001-\u30ff\u3400-\u9fff\uff00-\uffef]")
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
xdotool key Escape
answer_yes

# Chapter 1 from the stage collection's menu: its second entry, after the first steps.
read_screen
click_named "Stage collection"
sleep 0.3
xdotool key Down Down Return   # no entry is active in a menu the mouse opened
chapter_one_listed() { read_screen && grep -q '"list item"' "$work/screen.json" && [ "$(grep -c '"list item"' "$work/screen.json")" -eq 10 ]; }
wait_for chapter_one_listed || fail "chapter 1 does not list ten stages"
no_japanese_shown || fail "Japanese in chapter 1: $(japanese_shown)"
echo "screen reader: no Japanese in English on the select screen, stage 1's play screen and chapter 1"
