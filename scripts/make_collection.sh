#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The exact commands that made the candidates of the installed collection: for each chapter, three to
# five par bands of its mechanic set. The chapters in stages/ were picked from these candidates as the
# stage tool of commit 2dea5f2 makes them (see stages/README.md); another generator version may make
# other stages from the same seeds.
# Usage: scripts/make_collection.sh [TOOL] [OUTDIR] [FIRST-CHAPTER]
set -euo pipefail
tool=${1:-build/suispo-stage}
out=${2:-build/candidates}
mkdir -p "$out"
band() {  # chapter, band, count, min par, max par, options...
  local chapter=$1 part=$2 count=$3 low=$4 high=$5
  ((chapter >= from)) || return 0
  shift 5
  "$tool" generate --count "$count" --seed "$chapter$part" --min-par "$low" --max-par "$high" --verbose "$@" \
    -o "$out/chapter$chapter-$part.ssp" || echo "chapter $chapter band $part: too few" >&2
}
from=${3:-1}  # the first chapter to make
band 1 1 5 4 9 --mechanics walls --keys 2 --wall-points 1
band 1 2 5 10 12 --mechanics walls --keys 2 --wall-points 2
band 1 3 5 13 15 --mechanics walls --keys 3 --wall-points 2
band 2 1 5 5 10 --mechanics holes --keys 2 --wall-points 1
band 2 2 5 11 14 --mechanics holes --keys 2 --wall-points 2
band 2 3 5 15 18 --mechanics holes --keys 3 --wall-points 2
band 3 1 5 5 10 --mechanics arrows --keys 2 --wall-points 1
band 3 2 5 11 16 --mechanics arrows --keys 2 --wall-points 2
band 3 3 5 17 22 --mechanics arrows --keys 3 --wall-points 3
band 4 1 5 5 10 --mechanics warps --keys 2 --wall-points 1
band 4 2 5 11 18 --mechanics warps --keys 3 --wall-points 2
band 4 3 5 19 26 --mechanics warps --keys 3 --wall-points 3
band 4 4 3 24 28 --mechanics warps --keys 3 --wall-points 3
band 5 1 5 5 10 --mechanics marked --keys 2 --wall-points 2
band 5 2 5 11 20 --mechanics marked --keys 3 --wall-points 2
band 5 3 5 21 30 --mechanics marked --keys 3 --wall-points 3
band 5 4 3 29 32 --mechanics marked --keys 3 --wall-points 3
band 6 1 4 6 10 --mechanics holes+arrows,arrows+warps --keys 2 --wall-points 1
band 6 2 5 11 24 --mechanics holes+arrows,warps+marked,arrows+marked,holes+warps --keys 3 --wall-points 2
band 6 3 5 25 40 --mechanics holes+arrows+warps,arrows+warps+marked,holes+arrows+marked --keys 3 --wall-points 3 --free-kinds 1
band 6 4 2 30 36 --mechanics holes+arrows,arrows+warps,warps+marked,holes+marked --keys 4 --wall-points 3 --free-kinds 1
band 6 5 2 36 42 --mechanics holes+arrows,arrows+warps,warps+marked,holes+marked --keys 4 --wall-points 3 --free-kinds 1
