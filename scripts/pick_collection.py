#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Picks a chapter of ten stages from generated candidates (scripts/make_collection.sh): the easiest
# first, the hardest last, the rest spread over the par range, symmetric-looking walls preferred; and
# names each stage from what it is made of (its walls' symmetry, its pieces, its keys, its wall points).
# Usage: scripts/pick_collection.py TOOL CHAPTER-NUMBER OUT.ssp CANDIDATES.ssp... [--skip N,N]
import json
import subprocess
import sys

KANJI = "〇一二三四五六七八九十"
LOOKS = {1: "風車", 2: "背中合わせ", 3: "風車", 4: "左右の鏡", 5: "上下の鏡", 6: "斜めの鏡", 7: "斜めの鏡", 0: "ばらばら"}
PIECES = {"3": ("落とし穴", "つ"), "4": ("矢印", "本"), "8": ("ワープ", "色")}


def walls_of(line):
    east, south = set(), set()
    for k in range(36):
        x, y, code = k % 6, k // 6, line[36 + k]
        e, s = {"1": (1, 0), "2": (0, 1), "3": (1, 1), "7": (1, 0), "8": (0, 1)}.get(code, (0, 0))
        if e and x < 5:
            east.add((x, y))
        if s and y < 5:
            south.add((x, y))
    return east, south


def mapped(sym, x, y):
    n = 5
    return [(x, y), (n - y, x), (n - x, n - y), (y, n - x), (n - x, y), (x, n - y), (y, x), (n - y, n - x)][sym]


def best_symmetry(line):
    east, south = walls_of(line)
    edges = [((x, y), (x + 1, y)) for x, y in east] + [((x, y), (x, y + 1)) for x, y in south]
    if not edges:
        return 0
    keyed = {frozenset(e) for e in edges}
    scores = []
    for sym in range(1, 8):
        kept = sum(frozenset((mapped(sym, *a), mapped(sym, *b))) in keyed for a, b in edges)
        scores.append((kept, -sym))
    kept, sym = max(scores)
    return -sym if kept / len(edges) >= 0.7 else 0


def name_of(line, mp):
    # Short enough for the name plate above the board: the walls' look, the pieces, keys and wall points.
    cells = line[:36]
    pieces = []
    if "3" in cells:
        pieces.append("穴")
    if any(c in "4567" for c in cells):
        pieces.append("矢印")
    colours = len({c for c in cells if c in "89AB"})
    if colours:
        pieces.append("ワープ" if colours == 1 else f"ワープ{KANJI[colours]}色")
    if any(c in "45678" for c in line[36:72]):
        pieces.append("市松")
    name = LOOKS[best_symmetry(line)] + "の" + ("と".join(pieces) if pieces else "壁")
    name += f"、鍵{KANJI[cells.count('1')]}つ"
    return name + (f"・壁{KANJI[mp]}枚" if mp else "")


def main():
    args = sys.argv[1:]
    skip = set()
    if "--skip" in args:
        at = args.index("--skip")
        skip = {int(n) for n in args[at + 1].split(",")}
        args = args[:at] + args[at + 2:]
    tool, chapter, out, files = args[0], args[1], args[2], args[3:]
    lines = []
    for path in files:
        with open(path, "rb") as f:
            lines += [l for l in f.read().split(b"\r\n") if l]
    pool = []
    for number, raw in enumerate(lines, 1):
        if number in skip:
            continue
        one = f"/tmp/suispo-pick-{chapter}.ssp"
        with open(one, "wb") as f:
            f.write(raw + b"\r\n")
        run = subprocess.run([tool, "check", "--json", one], capture_output=True, text=True)
        s = json.loads(run.stdout.splitlines()[0])
        gates = s["gates"]
        if all(gates[g] for g in ("G1", "G2", "G3", "G4groups", "G6")) and (gates["G5"] or chapter == "6"):
            pool.append((s["par"], not gates["G4symmetric"], number, raw, s))
    pool.sort(key=lambda p: (p[0], p[1]))
    # Symmetric-looking walls while ten are left, then ten spread evenly over the par range.
    looking = [p for p in pool if not p[1]]
    if len(looking) >= 10:
        pool = looking
    chosen = [pool[round(i * (len(pool) - 1) / 9)] for i in range(10)]
    names, out_lines = set(), []
    for par, _, number, raw, s in chosen:
        line = raw[:75].decode("ascii")
        name = name_of(line, int(line[72:74]))
        for n in range(2, 10):
            if name not in names:
                break
            name = name.split("・その")[0] + f"・その{KANJI[n]}"
        names.add(name)
        out_lines.append(line.encode("ascii") + name.encode("cp932"))
        print(f"candidate {number}: par {par}, {name}")
    with open(out, "wb") as f:
        f.write(b"".join(l + b"\r\n" for l in out_lines))


main()
