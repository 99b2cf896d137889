#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Builds the installed collection from the generated candidates (scripts/make_collection.sh): the ten
# stages of each chapter as scripts/propose_picks.py proposed them by their measures, looked at as
# renders with their solutions, swapped by hand where a chapter repeats one idea, and named by hand.
# Writes the six files, then checks what the collection asks (scripts/collection_rules.py) and stops
# at the first rule broken: every stage through its gates, the openers, effort rising in each chapter
# and from chapter to chapter, the last chapter the hardest, forcing stages and most with at most three
# clears near par, the corner loop in at most two stages a chapter, no two shortest clears alike, the
# marked-edge chapter's marked edges changing every clear, holes that change nothing only where they
# catch someone, the warp-back rule shown before it is needed.
# Usage: scripts/pick_collection.py TOOL CANDIDATES-DIR [OUT-DIR]
import sys

from collection_rules import (CHAPTERS, LEAST_FEW_NEAR_PAR, LEAST_FORCING, LEAST_MEAN_SPEARMAN, LEAST_SPEARMAN,
                              MARKED_CHAPTER_MORE, MOST_CORNER_LOOPS, MOST_NEAR_PAR, alike_pairs, check, corner_loops, fits_chapter,
                              gate_failures, idle_holes, lines_of, marked_edges, marked_edges_change_the_clear,
                              median, opens_chapter, shows_warp_back_plainly, spearman, warp_back_uses)

LONGEST_NAME = 15  # full-width characters

# chapter file: (candidate file, line in it, name), in order of rising effort
PICKS = {
    "1-walls.ssp": [
        ("chapter1-p.ssp", 1, "通り過ぎる鍵"),
        ("chapter1-21.ssp", 2, "右端の鍵"),
        ("chapter1-p.ssp", 2, "扉は通り道"),
        ("chapter1-21.ssp", 7, "隅で待つ鍵"),
        ("chapter1-21.ssp", 27, "散らばった鍵"),
        ("chapter1-21.ssp", 13, "小部屋の並ぶ壁"),
        ("chapter1-21.ssp", 8, "広い氷と二本柱"),
        ("chapter1-p.ssp", 6, "扉の手前で止まる"),
        ("chapter1-22.ssp", 10, "三つの鍵と扉"),
        ("chapter1-23.ssp", 2, "上に集まる鍵"),
    ],
    "2-holes.ssp": [
        ("chapter2-p.ssp", 2, "隅の穴に近づかない"),
        ("chapter2-21.ssp", 5, "右端の穴と鍵"),
        ("chapter2-21.ssp", 2, "真ん中の一つ穴"),
        ("chapter2-21.ssp", 11, "離れた二つの穴"),
        ("chapter2-21.ssp", 9, "同じ段の穴"),
        ("chapter2-21.ssp", 20, "柱のそばの穴"),
        ("chapter2-22.ssp", 10, "左下に鍵二つ"),
        ("chapter2-22.ssp", 16, "天井の穴"),
        ("chapter2-21.ssp", 18, "扉への遠回り"),
        ("chapter2-22.ssp", 8, "四隅の鍵と穴"),
    ],
    "3-arrows.ssp": [
        ("chapter3-p.ssp", 1, "矢印の手前の扉"),
        ("chapter3-p.ssp", 2, "曲がり角の矢印"),
        ("chapter3-21.ssp", 27, "右と下の矢印"),
        ("chapter3-21.ssp", 17, "向かい合う矢印"),
        ("chapter3-21.ssp", 5, "上と右の矢印"),
        ("chapter3-21.ssp", 30, "左向きの二本"),
        ("chapter3-23.ssp", 19, "三本の矢印"),
        ("chapter3-23.ssp", 17, "鍵三つと二本"),
        ("chapter3-22.ssp", 12, "並んだ右向き"),
        ("chapter3-23.ssp", 5, "下の段の矢印"),
    ],
    "4-warps.ssp": [
        ("chapter4-p.ssp", 3, "行き止まりのワープ"),  # shows the warp back at its second move
        ("chapter4-23.ssp", 5, "扉の隣の赤"),
        ("chapter4-p.ssp", 4, "上と下のワープ"),
        ("chapter4-21.ssp", 23, "赤と緑のワープ"),  # two pairs of pads
        ("chapter4-23.ssp", 15, "扉の下のワープ"),
        ("chapter4-23.ssp", 16, "離れた二つの鍵"),
        ("chapter4-21.ssp", 22, "青と緑の二組"),  # two pairs of pads
        ("chapter4-23.ssp", 24, "隣り合うワープ"),
        ("chapter4-p.ssp", 9, "扉をはさむワープ"),
        ("chapter4-p.ssp", 10, "離れた青いワープ"),
    ],
    "5-marked.ssp": [
        ("chapter5-21.ssp", 6, "扉の隣の市松"),  # walls and a marked edge alone
        ("chapter5-m.ssp", 6, "右の二つの市松"),
        ("chapter5-22.ssp", 24, "左右の市松"),
        ("chapter5-23.ssp", 18, "鍵の上の市松"),
        ("chapter5-23.ssp", 17, "左端の市松二つ"),
        ("chapter5-m.ssp", 1, "矢印と二つの市松"),
        ("chapter5-23.ssp", 23, "扉を囲む市松"),
        ("chapter5-23.ssp", 7, "扉の上の市松"),
        ("chapter5-23.ssp", 10, "三本の矢印と市松"),
        ("chapter5-23.ssp", 12, "扉の下の市松"),
    ],
    "6-all.ssp": [
        ("chapter6-p.ssp", 2, "二色のワープと穴"),
        ("chapter6-p.ssp", 3, "矢印の隣の青"),
        ("chapter6-p.ssp", 4, "市松越しのワープ"),
        ("chapter6-p.ssp", 6, "二つの下向き"),
        ("chapter6-22.ssp", 19, "左向きの矢印と穴"),
        ("chapter6-22.ssp", 12, "矢印の先の赤"),
        ("chapter6-22.ssp", 9, "二本の矢印と赤"),
        ("chapter6-p.ssp", 8, "矢印が運ぶ先"),  # an arrow into a warp, a warp back
        ("chapter6-22.ssp", 10, "右向き二本と穴"),
        ("chapter6-p.ssp", 9, "上向きの矢印と市松"),
    ],
}


def write_chapter(candidates, path, picks):
    # Cells, walls, "C", wall points and flag (75 characters), then the name; not cleared.
    out = [lines_of(f"{candidates}/{file}")[number - 1][:74] + b"0" + name.encode("cp932")
           for file, number, name in picks]
    with open(path, "wb") as f:
        f.write(b"".join(line + b"\r\n" for line in out))


def check_chapter(tool, chapter, path, stages):
    lines = lines_of(path)
    for i, stage in enumerate(stages):
        stage["markedEdges"] = marked_edges(lines[i])
        failed = gate_failures(stage, chapter, i)
        if failed or not fits_chapter(stage, chapter, i):
            sys.exit(f"{chapter} stage {i + 1} fails {', '.join(failed) or 'the mechanics of its chapter'}")
        if len(stage["name"]) > LONGEST_NAME:
            sys.exit(f"{chapter} stage {i + 1}: name longer than {LONGEST_NAME}")
        if b"3" in lines[i][:36] and idle_holes(tool, lines[i], stage):
            sys.exit(f"{chapter} stage {i + 1}: a hole changes nothing and catches nobody")
        if chapter == "5-marked.ssp" and not marked_edges_change_the_clear(tool, lines[i], stage):
            sys.exit(f"{chapter} stage {i + 1}: its marked edges change nothing of its shortest clear")
    if chapter == "5-marked.ssp" and sum(1 for s in stages[1:] if 2 <= s["markedEdges"] <= 3) < MARKED_CHAPTER_MORE:
        sys.exit(f"{chapter}: fewer than {MARKED_CHAPTER_MORE} stages with two or three marked edges")
    if corner_loops(stages) > MOST_CORNER_LOOPS:
        sys.exit(f"{chapter}: the corner loop in {corner_loops(stages)} stages")
    if not opens_chapter(stages[0], chapter):
        sys.exit(f"{chapter}: the opener does not need the chapter's mechanic or takes too long")
    efforts = [s["effort"] for s in stages]
    rho = spearman(efforts)
    if rho is None or rho < LEAST_SPEARMAN:
        sys.exit(f"{chapter}: effort {efforts} does not rise with position")
    if chapter == "4-warps.ssp":
        uses = [(i, warp_back_uses(tool, path, i + 1)) for i in range(len(stages))]
        users = [i for i, used in uses if used]
        if users and not shows_warp_back_plainly(uses[users[0]][1], stages[users[0]]["par"]):
            sys.exit(f"{chapter}: stage {users[0] + 1} uses the warp-back rule before a stage shows it plainly")
        print(f"{chapter}: warp back in the solutions of stages {' '.join(str(i + 1) for i in users)}")
    print(f"{chapter}: pars {' '.join(str(s['par']) for s in stages)}")
    print(f"{chapter}: efforts {' '.join(map(str, efforts))}; median {median(efforts)}, rank correlation {rho:.2f}")
    print(f"{chapter}: clears near par {' '.join(str(s['nearParClears']) for s in stages)}; corner loops in "
          f"{' '.join(str(i + 1) for i, s in enumerate(stages) if s['cornerLoopAt']) or 'none'}")
    return rho


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit("usage: pick_collection.py TOOL CANDIDATES-DIR [OUT-DIR]")
    tool, candidates = sys.argv[1], sys.argv[2]
    out_dir = sys.argv[3] if len(sys.argv) == 4 else "stages"
    every, rhos, medians = [], [], {}
    for chapter, picks in PICKS.items():
        path = f"{out_dir}/{chapter}"
        write_chapter(candidates, path, picks)
        stages = check(tool, path)
        rhos.append(check_chapter(tool, chapter, path, stages))
        medians[chapter] = median([s["effort"] for s in stages])
        every += stages
    if sum(rhos) / len(rhos) < LEAST_MEAN_SPEARMAN:
        sys.exit(f"mean rank correlation {sum(rhos) / len(rhos):.2f} below {LEAST_MEAN_SPEARMAN}")
    if max(medians, key=medians.get) != list(CHAPTERS)[-1]:
        sys.exit(f"the last chapter's median effort is not the highest: {medians}")
    if spearman(list(medians.values())) < LEAST_SPEARMAN:
        sys.exit(f"the chapters' median efforts do not rise: {medians}")
    few = sum(1 for s in every if 1 <= s["nearParClears"] <= MOST_NEAR_PAR)
    if few < LEAST_FEW_NEAR_PAR * len(every):
        sys.exit(f"only {few} of {len(every)} stages with at most {MOST_NEAR_PAR} clears near par")
    for i, j, run in alike_pairs(every):
        sys.exit(f"{every[i]['name']} and {every[j]['name']}: {run} operations in a row of their clears alike")
    forcing = sum(1 for s in every if s["gates"]["forcing"])
    if forcing < LEAST_FORCING * len(every):
        sys.exit(f"only {forcing} of {len(every)} stages forcing")
    looks = [s["look"] for s in every]
    if len(set(looks)) != len(looks):
        sys.exit("two stages alike")
    print(f"forcing {forcing} of {len(every)}, at most {MOST_NEAR_PAR} clears near par {few}; mean rank correlation "
          f"{sum(rhos) / len(rhos):.2f}; medians {' '.join(str(m) for m in medians.values())}, rank correlation "
          f"{spearman(list(medians.values())):.2f}")


main()
