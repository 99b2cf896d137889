#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Writes the English names of the stages and chapters: stages/names_en.tsv (puzzle key TAB name, the
# key as `suispo-stage keys` prints it, so a stage copied to another file keeps its name) and
# stages/chapters_en.tsv (chapter file TAB name), from the built-in stages, stages/*.ssp and the
# hand-written names below. Run it again when the collection changes; a stage whose Japanese name has
# no English name here stops it (and the ctest StageNamesTable.EveryShippedStageHasAnEnglishName fails).
# Usage: scripts/english_names.py TOOL [STAGES-DIR]
import glob
import os
import subprocess
import sys

LONGEST_NAME = 24  # characters: the stage name's line in the window holds about that many

# The Japanese names of the built-in stages and the collection, in their order, and their English names.
STAGE_NAMES = {
    # built-in
    "練習ステージ": "Practice Stage",
    "矢印地獄": "Arrow Inferno",
    "ワープ、ワープ": "Warp, Warp",
    "練習ステージ・改": "Practice Stage, Revised",
    "「惑う」かな？": "Puzzled, Perhaps?",
    # 1-walls.ssp
    "通り過ぎる鍵": "The Key You Slide Past",
    "右端の鍵": "The Key at the Edge",
    "扉は通り道": "The Door Is Just a Path",
    "隅で待つ鍵": "A Key Waits in a Corner",
    "散らばった鍵": "Scattered Keys",
    "小部屋の並ぶ壁": "A Row of Little Rooms",
    "広い氷と二本柱": "Open Ice, Two Pillars",
    "扉の手前で止まる": "Stop Short of the Door",
    "三つの鍵と扉": "Three Keys and a Door",
    "上に集まる鍵": "Keys Gathered Above",
    # 2-holes.ssp
    "隅の穴に近づかない": "Keep Clear of the Corner",
    "右端の穴と鍵": "Hole and Key at Right",
    "真ん中の一つ穴": "One Hole in the Middle",
    "離れた二つの穴": "Two Holes Apart",
    "同じ段の穴": "A Hole in the Same Row",
    "柱のそばの穴": "A Hole by the Pillars",
    "左下に鍵二つ": "Two Keys Bottom Left",
    "天井の穴": "A Hole in the Ceiling",
    "扉への遠回り": "The Long Way to the Door",
    "四隅の鍵と穴": "Corner Keys, One Hole",
    # 3-arrows.ssp
    "矢印の手前の扉": "Door Before the Arrow",
    "曲がり角の矢印": "The Arrow at the Corner",
    "右と下の矢印": "Right and Down Arrows",
    "向かい合う矢印": "Arrows Facing In",
    "上と右の矢印": "Up and Right Arrows",
    "左向きの二本": "Two Pointing Left",
    "三本の矢印": "Three Arrows",
    "鍵三つと二本": "Three Keys, Two Arrows",
    "並んだ右向き": "Right Arrows in a Row",
    "下の段の矢印": "Arrows in the Low Rows",
    # 4-warps.ssp
    "行き止まりのワープ": "The Dead-End Warp",
    "扉の隣の赤": "Red Beside the Door",
    "上と下のワープ": "Warps Above and Below",
    "赤と緑のワープ": "Red and Green Warps",
    "扉の下のワープ": "A Warp Below the Door",
    "離れた二つの鍵": "Two Keys Apart",
    "青と緑の二組": "Blue and Green Pairs",
    "隣り合うワープ": "Warps Side by Side",
    "扉をはさむワープ": "Warps Flanking the Door",
    "離れた青いワープ": "Blue Warps Far Apart",
    # 5-marked.ssp
    "扉の隣の市松": "Marked Beside the Door",
    "右の二つの市松": "Two Marks on the Right",
    "左右の市松": "Marks Left and Right",
    "鍵の上の市松": "Marks Above the Keys",
    "左端の市松二つ": "Two Marks on the Left",
    "矢印と二つの市松": "An Arrow, Two Marks",
    "扉を囲む市松": "Marks Around the Door",
    "扉の上の市松": "A Mark Over the Door",
    "三本の矢印と市松": "Three Arrows and a Mark",
    "扉の下の市松": "A Mark Under the Door",
    # 6-all.ssp
    "二色のワープと穴": "Two Colours and a Hole",
    "矢印の隣の青": "Blue Beside the Arrow",
    "市松越しのワープ": "Warp Across the Mark",
    "二つの下向き": "Two Pointing Down",
    "左向きの矢印と穴": "Left Arrow and a Hole",
    "矢印の先の赤": "Red Past the Arrow",
    "二本の矢印と赤": "Two Arrows and Red",
    "矢印が運ぶ先": "Where the Arrow Leads",
    "右向き二本と穴": "Two Right, One Hole",
    "上向きの矢印と市松": "Up Arrow and Marked Edge",
}

# The chapters' menu labels (app/store/stage_collection.cpp) by file name.
CHAPTER_NAMES = {
    "1-walls.ssp": ("第1章 壁", "Chapter 1: Walls"),
    "2-holes.ssp": ("第2章 穴", "Chapter 2: Holes"),
    "3-arrows.ssp": ("第3章 矢印", "Chapter 3: Arrows"),
    "4-warps.ssp": ("第4章 ワープ", "Chapter 4: Warp Pads"),
    "5-marked.ssp": ("第5章 市松の辺", "Chapter 5: Marked Edges"),
    "6-all.ssp": ("第6章 全部いっしょに", "Chapter 6: All Together"),
}

# The tables' licence lines, put together here so that reuse does not read them as this file's own.
SPDX = "SPDX"
HEADER = (f"# {SPDX}-FileCopyrightText: 2026 The suispo developers\n# {SPDX}-License-Identifier: MIT\n"
          "# {what}; written by scripts/english_names.py (edit the names there). key TAB English name\n")


def keyed_stages(tool, path=None):
    """(key, Japanese name) of each stage of the file, or of the built-in stages without one."""
    out = subprocess.run([tool, "keys"] + ([path] if path else []), check=True, capture_output=True,
                         text=True).stdout
    return [tuple(line.split("\t", 1)) for line in out.splitlines()]


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("Usage: scripts/english_names.py TOOL [STAGES-DIR]")
    tool = sys.argv[1]
    folder = sys.argv[2] if len(sys.argv) == 3 else os.path.join(os.path.dirname(__file__), "..", "stages")
    sources = [("built-in", keyed_stages(tool))]
    for path in sorted(glob.glob(os.path.join(folder, "*.ssp"))):
        sources.append((os.path.basename(path), keyed_stages(tool, path)))

    rows, problems = {}, []
    text = HEADER.format(what="English stage names by puzzle (suispo-stage keys)")
    for source, stages in sources:
        for number, (key, japanese) in enumerate(stages, 1):
            english = STAGE_NAMES.get(japanese)
            where = f"{source} {number} {japanese}"
            if key == "-" or english is None:
                problems.append(f"{where}: " + ("no start" if key == "-" else "no English name"))
            elif len(english) > LONGEST_NAME:
                problems.append(f"{where}: '{english}' is longer than {LONGEST_NAME} characters")
            elif rows.get(key, english) != english:
                problems.append(f"{where}: the same puzzle is also '{rows[key]}'")
            elif key not in rows:
                rows[key] = english
                text += f"# {where}\n{key}\t{english}\n"
    if problems:
        sys.exit("\n".join(problems))
    with open(os.path.join(folder, "names_en.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    with open(os.path.join(folder, "chapters_en.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write(HEADER.format(what="English chapter names by chapter file"))
        for file, (japanese, english) in CHAPTER_NAMES.items():
            out.write(f"# {japanese}\n{file}\t{english}\n")
    print(f"{len(rows)} stage names, {len(CHAPTER_NAMES)} chapter names")


if __name__ == "__main__":
    main()
