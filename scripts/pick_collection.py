#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Builds the installed collection from the generated candidates (scripts/make_collection.sh): the ten
# stages of each chapter as scripts/propose_picks.py proposed them by their measures, looked at as
# renders with their solutions, swapped by hand where a chapter repeats one idea, and named by hand.
# Writes the six files, then checks what the collection asks (scripts/collection_rules.py) and stops
# at the first rule broken: every stage through its gates, the openers, effort rising in each
# chapter, the last chapter the hardest, forcing stages, the warp-back rule shown before it is needed.
# Usage: scripts/pick_collection.py TOOL CANDIDATES-DIR [OUT-DIR]
import sys

from collection_rules import (CHAPTERS, LEAST_FORCING, LEAST_MEAN_SPEARMAN, LEAST_SPEARMAN, check,
                              fits_chapter, gate_failures, lines_of, median, opens_chapter,
                              shows_warp_back_plainly, spearman, warp_back_uses)

LONGEST_NAME = 15  # full-width characters

# chapter file: (candidate file, line in it, name), in order of rising effort
PICKS = {
    "1-walls.ssp": [
        ("chapter1-11.ssp", 6, "通り過ぎる鍵"),
        ("chapter1-11.ssp", 2, "扉は通り道"),
        ("chapter1-12.ssp", 2, "並んだ二つの鍵"),
        ("chapter1-0.ssp", 8, "二度の足止め"),
        ("chapter1-0.ssp", 10, "左右に一枚ずつ"),
        ("chapter1-0.ssp", 7, "扉の手前で止まる"),  # a built wall met from both sides
        ("chapter1-12.ssp", 8, "遠い二つの鍵"),
        ("chapter1-13.ssp", 4, "真ん中の小部屋"),
        ("chapter1-13.ssp", 5, "入り組んだ壁"),
        ("chapter1-0.ssp", 4, "壁で作る足場"),
    ],
    "2-holes.ssp": [
        ("chapter2-0.ssp", 2, "近道は落とし穴"),
        ("chapter2-11.ssp", 4, "隅の穴に近づかない"),
        ("chapter2-12.ssp", 2, "扉の隣の鍵"),
        ("chapter2-12.ssp", 8, "四つの落とし穴"),
        ("chapter2-12.ssp", 4, "仕切られた上と下"),
        ("chapter2-12.ssp", 6, "穴をよける上り道"),
        ("chapter2-0.ssp", 7, "穴ふたつの迷い道"),
        ("chapter2-13.ssp", 5, "三つの鍵と一つの穴"),  # a built wall met from both sides
        ("chapter2-13.ssp", 6, "穴の真下の扉"),  # a wall that stops a slide short of a hole
        ("chapter2-13.ssp", 1, "すぐそこの扉"),
    ],
    "3-arrows.ssp": [
        ("chapter3-11.ssp", 4, "矢印の手前の扉"),
        ("chapter3-0.ssp", 3, "曲がり角の矢印"),
        ("chapter3-11.ssp", 5, "天井の矢印"),
        ("chapter3-12.ssp", 5, "扉の上の矢印"),
        ("chapter3-12.ssp", 2, "鍵を指す矢印"),
        ("chapter3-12.ssp", 4, "左へ流れる下の段"),  # a built wall stops a slide after a turn
        ("chapter3-13.ssp", 1, "二本の矢印"),
        ("chapter3-13.ssp", 6, "三枚で道を作る"),
        ("chapter3-13.ssp", 5, "遠回りの鍵三つ"),
        ("chapter3-13.ssp", 7, "行き止まりの上向き"),
    ],
    "4-warps.ssp": [
        ("chapter4-11.ssp", 5, "ワープで向こう側へ"),
        ("chapter4-12.ssp", 8, "鍵に挟まれたワープ"),
        ("chapter4-11.ssp", 6, "行き止まりのワープ"),  # shows the warp back at its second move
        ("chapter4-12.ssp", 3, "上と下のワープ"),
        ("chapter4-12.ssp", 7, "小部屋だらけ"),
        ("chapter4-14.ssp", 12, "左下へ飛ぶ"),
        ("chapter4-14.ssp", 9, "下の段を行き来"),  # a built wall met from both sides
        ("chapter4-0.ssp", 8, "行って戻るワープ"),  # needs the warp back, three walls
        ("chapter4-13.ssp", 7, "扉をはさむワープ"),
        ("chapter4-14.ssp", 1, "離れた青いワープ"),
    ],
    "5-marked.ssp": [
        ("chapter5-11.ssp", 5, "右下の市松"),
        ("chapter5-11.ssp", 2, "穴のそばの市松"),
        ("chapter5-11.ssp", 6, "扉の下の抜け道"),
        ("chapter5-12.ssp", 5, "鍵の下は通り抜け"),
        ("chapter5-12.ssp", 4, "一つの穴と市松"),
        ("chapter5-12.ssp", 7, "扉と穴のあいだ"),
        ("chapter5-12.ssp", 9, "ワープの上の市松"),
        ("chapter5-13.ssp", 8, "隅の矢印と市松"),
        ("chapter5-13.ssp", 9, "左へ曲がる道"),  # a built wall stops a slide after a turn
        ("chapter5-13.ssp", 1, "ワープの先の扉"),
    ],
    "6-all.ssp": [
        ("chapter6-11.ssp", 6, "右下の穴に用心"),
        ("chapter6-11.ssp", 5, "二色のワープと穴"),
        ("chapter6-11.ssp", 4, "矢印の隣の青"),
        ("chapter6-0.ssp", 3, "市松越しのワープ"),
        ("chapter6-12.ssp", 1, "扉の下は落とし穴"),  # a built wall stops a slide short of a hole
        ("chapter6-12.ssp", 8, "二つの下向き"),
        ("chapter6-12.ssp", 5, "扉の隣のワープ"),  # a marked edge passed, then a built wall
        ("chapter6-13.ssp", 1, "矢印が運ぶ先"),  # an arrow into a warp, a warp back
        ("chapter6-13.ssp", 4, "上向きの矢印と市松"),
        ("chapter6-13.ssp", 6, "扉を囲む鍵"),  # a wall built on an arrow
    ],
}


def write_chapter(candidates, path, picks):
    # Cells, walls, "C", wall points and flag (75 characters), then the name; not cleared.
    out = [lines_of(f"{candidates}/{file}")[number - 1][:74] + b"0" + name.encode("cp932")
           for file, number, name in picks]
    with open(path, "wb") as f:
        f.write(b"".join(line + b"\r\n" for line in out))


def check_chapter(tool, chapter, path, stages):
    for i, stage in enumerate(stages):
        failed = gate_failures(stage, chapter, i)
        if failed or not fits_chapter(stage, chapter):
            sys.exit(f"{chapter} stage {i + 1} fails {', '.join(failed) or 'the mechanics of its chapter'}")
        if len(stage["name"]) > LONGEST_NAME:
            sys.exit(f"{chapter} stage {i + 1}: name longer than {LONGEST_NAME}")
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
    forcing = sum(1 for s in every if s["gates"]["forcing"])
    if forcing < LEAST_FORCING * len(every):
        sys.exit(f"only {forcing} of {len(every)} stages forcing")
    looks = [s["look"] for s in every]
    if len(set(looks)) != len(looks):
        sys.exit("two stages alike")
    print(f"forcing {forcing} of {len(every)}; mean rank correlation {sum(rhos) / len(rhos):.2f}")


main()
