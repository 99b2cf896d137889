#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# --help and --version of both programs print and end without a display; the version is the
# project's; a wrong command line ends with status 2.
# Usage: program_options_test.sh SUISPO SUISPO_STAGE VERSION
set -eu
game=$1 tool=$2 version=$3
fail() { echo "FAIL: $*"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

[ "$("$game" --version)" = "suispo $version" ] || fail "suispo --version"
[ "$("$tool" --version)" = "suispo-stage $version" ] || fail "suispo-stage --version"
"$game" --help | grep -q '^Usage: suispo \[FILE.ssp\]' || fail "suispo --help"
"$game" --help | grep -q "ゲーム > 読み込み" || fail "suispo --help names the Japanese menus"
"$game" some.ssp --help | grep -q '^Usage: suispo' || fail "--help after a file name"
"$tool" --help | grep -q '^Usage: suispo-stage list FILE' || fail "suispo-stage --help"

status=0; "$game" --frobnicate 2>/dev/null || status=$?
[ $status -eq 2 ] || fail "an unknown option ends with $status"
status=0; "$game" a.ssp b.ssp 2>/dev/null || status=$?
[ $status -eq 2 ] || fail "two stage files end with $status"
status=0; "$tool" --frobnicate 2>/dev/null || status=$?
[ $status -eq 2 ] || fail "the tool's unknown option ends with $status"
echo "program options: help and version of both programs, wrong command lines refused"
