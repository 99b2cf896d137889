#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Builds the installed collection from the generated candidates (scripts/make_collection.sh): the ten
# stages of each chapter, picked by eye from the candidates' renders with their solutions drawn over
# them, in order of rising par, each named for its idea. Checks that every picked stage passes the
# gates and that the par rises, and stops at the first that does not.
# Usage: scripts/pick_collection.py TOOL CANDIDATES-DIR [OUT-DIR]
import json
import subprocess
import sys

# chapter file: (candidate file, line in it, name)
PICKS = {
    "1-walls.ssp": [
        ("chapter1-1.ssp", 1, "行って戻って"),
        ("chapter1-1.ssp", 3, "右の小部屋ふたつ"),
        ("chapter1-1.ssp", 4, "帰り道に一枚"),
        ("chapter1-2.ssp", 1, "壁で作る足場"),
        ("chapter1-2.ssp", 2, "斜めの部屋めぐり"),
        ("chapter1-2.ssp", 4, "鍵の隣に壁を"),
        ("chapter1-2.ssp", 5, "扉の手前で止まる"),
        ("chapter1-3.ssp", 2, "二度の足止め"),
        ("chapter1-3.ssp", 3, "小さな囲い"),
        ("chapter1-3.ssp", 5, "左右に一枚ずつ"),
    ],
    "2-holes.ssp": [
        ("chapter2-1.ssp", 1, "穴に背を向けて"),
        ("chapter2-1.ssp", 2, "近道は落とし穴"),
        ("chapter2-1.ssp", 4, "壁で受け止める"),
        ("chapter2-1.ssp", 5, "落ちないように"),
        ("chapter2-2.ssp", 2, "上の通路は穴"),
        ("chapter2-2.ssp", 4, "穴のふちの鍵"),
        ("chapter2-3.ssp", 1, "穴ふたつの迷い道"),
        ("chapter2-3.ssp", 2, "右へは行けない"),
        ("chapter2-3.ssp", 4, "はじめの一歩に注意"),
        ("chapter2-3.ssp", 5, "穴を囲む通路"),
    ],
    "3-arrows.ssp": [
        ("chapter3-1.ssp", 1, "矢印で左へ"),
        ("chapter3-1.ssp", 2, "矢印で止まる"),
        ("chapter3-1.ssp", 3, "曲がり角の矢印"),
        ("chapter3-2.ssp", 1, "上と下の矢印"),
        ("chapter3-2.ssp", 2, "隅の矢印で上へ"),
        ("chapter3-2.ssp", 3, "矢印の近道"),
        ("chapter3-2.ssp", 5, "真ん中の矢印"),
        ("chapter3-3.ssp", 3, "矢印の横に壁"),
        ("chapter3-3.ssp", 4, "三枚の壁と矢印"),
        ("chapter3-3.ssp", 5, "二周目で鍵へ"),
    ],
    "4-warps.ssp": [
        ("chapter4-1.ssp", 1, "ワープで扉の上へ"),
        ("chapter4-1.ssp", 3, "ワープで往復"),
        ("chapter4-1.ssp", 5, "三度のワープ"),
        ("chapter4-2.ssp", 1, "二度目のワープ"),
        ("chapter4-2.ssp", 3, "ワープを行き来"),
        ("chapter4-2.ssp", 4, "一度きりのワープ"),
        ("chapter4-3.ssp", 1, "ワープの近道"),
        ("chapter4-3.ssp", 4, "行って戻るワープ"),
        ("chapter4-4.ssp", 1, "はじめにワープ"),
        ("chapter4-4.ssp", 3, "三周するワープ"),
    ],
    "5-marked.ssp": [
        ("chapter5-1.ssp", 1, "壁の置けない辺"),
        ("chapter5-1.ssp", 2, "通り抜ける市松"),
        ("chapter5-2.ssp", 1, "市松の向こうの鍵"),
        ("chapter5-2.ssp", 2, "一枚で三つの鍵"),
        ("chapter5-2.ssp", 4, "二度目は手前で"),
        ("chapter5-3.ssp", 1, "右端の二枚"),
        ("chapter5-3.ssp", 4, "三度の出直し"),
        ("chapter5-3.ssp", 5, "少しずつ手前へ"),
        ("chapter5-4.ssp", 1, "市松の迷路"),
        ("chapter5-4.ssp", 3, "市松の大回り"),
    ],
    "6-all.ssp": [
        ("chapter6-1.ssp", 1, "穴が近道をふさぐ"),
        ("chapter6-1.ssp", 2, "矢印からワープへ"),
        ("chapter6-2.ssp", 1, "市松越しのワープ"),
        ("chapter6-2.ssp", 2, "穴の隣のワープ"),
        ("chapter6-2.ssp", 4, "矢印を二度"),
        ("chapter6-3.ssp", 1, "はしごの壁"),
        ("chapter6-3.ssp", 3, "三つの仕掛け"),
        ("chapter6-4.ssp", 2, "同じワープを二度"),
        ("chapter6-5.ssp", 1, "縦の道を四往復"),
        ("chapter6-5.ssp", 2, "三周目の扉"),
    ],
}


def lines_of(path):
    with open(path, "rb") as f:
        return [line for line in f.read().split(b"\r\n") if line]


def check(tool, path):
    run = subprocess.run([tool, "check", "--json", path], capture_output=True, text=True, check=True)
    return [json.loads(line) for line in run.stdout.splitlines()]


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit("usage: pick_collection.py TOOL CANDIDATES-DIR [OUT-DIR]")
    tool, candidates = sys.argv[1], sys.argv[2]
    out_dir = sys.argv[3] if len(sys.argv) == 4 else "stages"
    for chapter, picks in PICKS.items():
        # Cells, walls, "C", wall points and flag (75 characters), then the name; not cleared.
        out = [lines_of(f"{candidates}/{file}")[number - 1][:74] + b"0" + name.encode("cp932")
               for file, number, name in picks]
        path = f"{out_dir}/{chapter}"
        with open(path, "wb") as f:
            f.write(b"".join(line + b"\r\n" for line in out))
        pars = []
        for stage in check(tool, path):
            gates = stage["gates"]
            needed = ("G1", "G2", "G3", "G4groups", "G6") + (() if chapter.startswith("6-") else ("G5",))
            failed = [g for g in needed if not gates[g]]
            if failed:
                sys.exit(f"{chapter} stage {stage['stage']} fails {', '.join(failed)}")
            pars.append(stage["par"])
        if pars != sorted(pars) or pars[0] > 10:
            sys.exit(f"{chapter}: pars {pars} do not open at 10 or less and rise")
        print(f"{chapter}: pars {' '.join(map(str, pars))}")


main()
