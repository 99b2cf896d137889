#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The exact commands that made the candidates of the installed collection: for each chapter, the
# chapter as it stood before the effort curve (band 0, from git) and several effort bands of its
# mechanic sets, made with the demanding gates (forcing, not trivial) and their repairs: `--preset hard
# --demanding 1` sets those gates, the options after it replace the rest of the preset. The stages in
# stages/ were picked (scripts/pick_collection.py) from candidates the stage tool of commit 87ac894
# made; another generator version may make other stages from the same seeds.
# The picking again (bands 21 on, band p and chapter5-m.ssp) was made by the stage tool of the commit
# that counts the corner loop.
# Usage: scripts/make_collection.sh [TOOL] [OUTDIR] [FIRST-CHAPTER] [LAST-CHAPTER]
set -euo pipefail
tool=${1:-build/suispo-stage}
out=${2:-build/candidates}
from=${3:-1}
to=${4:-6}
mkdir -p "$out"
files=(1-walls 2-holes 3-arrows 4-warps 5-marked 6-all)
before=68c8b8b  # the commit of the chapters picked by par
previous=0b8a2ae  # the commit of the chapters picked by effort, before the corner loop was counted
band() {  # chapter, band, count, min par, max par, min effort, max effort, options...
  local chapter=$1 part=$2 count=$3 low=$4 high=$5 least=$6 most=$7
  ((chapter >= from && chapter <= to)) || return 0
  shift 7
  nice -n 10 "$tool" generate --preset hard --demanding 1 --name "" --count "$count" --seed "$chapter$part" --threads 1 \
    --min-par "$low" --max-par "$high" --min-effort "$least" --max-effort "$most" --verbose "$@" \
    -o "$out/chapter$chapter-$part.ssp" || echo "chapter $chapter band $part: too few" >&2
}
for chapter in $(seq "$from" "$to"); do
  git -C "$(dirname "$0")/.." show "$before:stages/${files[chapter - 1]}.ssp" > "$out/chapter$chapter-0.ssp"
  git -C "$(dirname "$0")/.." show "$previous:stages/${files[chapter - 1]}.ssp" > "$out/chapter$chapter-p.ssp"
done
# Openers: the chapter's mechanic needed, found in a minute (effort at most about 150).
band 1 11 6 4 10 0 150 --mechanics walls --keys 2 --wall-points 1
band 1 12 8 8 14 80 500 --mechanics walls --keys 2 --wall-points 2
band 1 13 8 10 18 300 1500 --mechanics walls --keys 3 --wall-points 2
band 2 11 6 4 10 0 150 --mechanics holes --keys 2 --wall-points 1
band 2 12 8 8 14 80 500 --mechanics holes --keys 2 --wall-points 2
band 2 13 8 10 20 300 1500 --mechanics holes --keys 3 --wall-points 2
band 3 11 6 4 10 0 150 --mechanics arrows --keys 2 --wall-points 1
band 3 12 8 8 16 80 500 --mechanics arrows --keys 2 --wall-points 2
band 3 13 8 12 22 300 1800 --mechanics arrows --keys 3 --wall-points 3
band 4 11 6 4 10 0 150 --mechanics warps --keys 2 --wall-points 1
band 4 12 8 8 18 80 600 --mechanics warps --keys 3 --wall-points 2
band 4 13 8 12 24 400 2000 --mechanics warps --keys 3 --wall-points 3
band 4 14 12 12 24 300 2500 --mechanics warps --keys 2 --wall-points 2
# Marked edges beside another mechanic, where a wall they forbid changes the route.
band 5 11 6 4 10 0 150 --mechanics holes+marked,arrows+marked,warps+marked --keys 2 --wall-points 2
band 5 12 9 8 18 100 700 --mechanics holes+marked,arrows+marked,warps+marked --keys 3 --wall-points 2
band 5 13 9 12 24 400 2000 --mechanics holes+marked,arrows+marked,warps+marked --keys 3 --wall-points 3
# The last chapter: two or three mechanics at once, aimed at effort rather than length.
band 6 11 6 6 12 0 150 --mechanics holes+arrows,arrows+warps,holes+warps --keys 2 --wall-points 1
band 6 12 9 12 24 800 3000 --mechanics holes+arrows,warps+marked,arrows+marked,holes+warps --keys 3 --wall-points 2
band 6 13 9 14 28 1500 8000 --mechanics holes+arrows+warps,arrows+warps+marked,holes+arrows+marked --keys 3 --wall-points 3 --free-kinds 1
# The picking again with the corner loop counted (bands 21 on): stages whose shortest clears hold few
# clears near par, chapters whose medians rise, two arrows or pairs of pads where a stage needs them
# (--free-kinds 1 lays more of them), and the marked-edge chapter opened by marked edges alone.
band 5 21 18 4 10 0 150 --mechanics marked --keys 2 --wall-points 1
band 5 22 30 8 16 100 700 --mechanics holes+marked,arrows+marked,warps+marked --keys 2 --wall-points 2 --free-kinds 1
band 5 23 30 12 22 400 2000 --mechanics holes+marked,arrows+marked,warps+marked --keys 3 --wall-points 3 --free-kinds 1
band 1 21 30 6 12 40 250 --mechanics walls --keys 2 --wall-points 2
band 1 22 24 10 16 150 600 --mechanics walls --keys 3 --wall-points 2
band 2 21 30 8 16 100 500 --mechanics holes --keys 2 --wall-points 2
band 2 22 24 12 20 300 1200 --mechanics holes --keys 3 --wall-points 2
band 3 21 30 10 18 150 700 --mechanics arrows --keys 2 --wall-points 2 --free-kinds 1
band 3 22 24 14 22 500 1500 --mechanics arrows --keys 3 --wall-points 3 --free-kinds 1
band 4 21 24 8 16 100 500 --mechanics warps --keys 2 --wall-points 2 --free-kinds 1
band 6 22 24 12 24 800 3000 --mechanics holes+arrows,arrows+warps,holes+warps,arrows+marked --keys 3 --wall-points 2 --free-kinds 1
band 4 23 24 8 18 150 900 --mechanics warps --keys 2 --wall-points 2
band 1 23 24 10 18 250 900 --mechanics walls --keys 3 --wall-points 2
band 3 23 24 10 18 250 1000 --mechanics arrows --keys 3 --wall-points 2 --free-kinds 1
# The marked-edge chapter's later stages: its candidates and the last chapter's with one more marked
# edge where the shortest clear builds a wall (the generator seldom keeps two).
if ((from <= 5 && to >= 5)); then
  python3 "$(dirname "$0")/marked_variants.py" "$tool" "$out/chapter5-m.ssp" "$out"/chapter5-22.ssp \
    "$out"/chapter5-23.ssp "$out"/chapter5-p.ssp "$out"/chapter5-0.ssp "$out"/chapter6-22.ssp "$out"/chapter6-p.ssp
fi
