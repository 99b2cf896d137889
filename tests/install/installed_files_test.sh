#!/bin/sh
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Installs into a temporary prefix and checks the files a desktop reads: the desktop entry, the
# AppStream metadata, the manual pages, the stage file type and the icon at every size.
# Usage: installed_files_test.sh BUILD_DIR. Exits 77 (skipped) when a validator is missing.
set -eu
build=$1
fail() { echo "FAIL: $*"; exit 1; }
for tool in desktop-file-validate appstreamcli mandoc update-mime-database identify; do
  command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed (scripts/test.sh installs it)"; exit 77; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

[ -x "$prefix/games/suispo" ] && [ -x "$prefix/games/suispo-stage" ] || fail "the programs are not in games/"
[ -f "$share/games/suispo/help/help.htm" ] || fail "no help page"
[ -f "$share/games/suispo/help/screen_play.png" ] || fail "no screenshot beside the help page"
[ -f "$share/games/suispo/help/help_en.htm" ] || fail "no English help page"
for table in names_en.tsv chapters_en.tsv; do
  [ -f "$share/games/suispo/stages/$table" ] || fail "no English names $table beside the stages"
done
[ "$(ls "$share/games/suispo/stages/"*.ssp | wc -l)" -eq 6 ] || fail "not six chapter files of stages"
[ -n "$(find "$prefix/lib" -path '*/suispo/suispo-sound.so')" ] || fail "no sound module in the library folder"
[ -f "$share/doc/suispo/copyright" ] || fail "no copyright file"
[ -f "$share/doc/suispo/changelog.gz" ] || fail "no changelog"

desktop-file-validate "$share/applications/org.example.suispo.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$share/metainfo/org.example.suispo.metainfo.xml" || fail "AppStream metadata"
for page in suispo suispo-stage; do
  # mandoc reads one compressed page at a time.
  mandoc -T lint -W warning "$share/man/man6/$page.6.gz" || fail "manual page $page"
done

# The shared MIME database built from our file alone gives *.ssp our type.
update-mime-database "$share/mime" || fail "the stage file type does not build"
grep -q '^application/x-suispo-stage:\*\.ssp$' "$share/mime/globs" || fail "*.ssp is not a stage file"

for size in 16 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/suispo.png
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon at $size"
done
echo "installed files: desktop entry, metadata, manual pages, file type and icons pass their checks"
