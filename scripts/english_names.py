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
    "扉は通り道": "The Door Is Just a Path",
    "並んだ二つの鍵": "Two Keys in a Row",
    "二度の足止め": "Stopped Twice",
    "左右に一枚ずつ": "One Wall Either Side",
    "扉の手前で止まる": "Stop Short of the Door",
    "遠い二つの鍵": "Two Far-Off Keys",
    "真ん中の小部屋": "The Little Middle Room",
    "入り組んだ壁": "Tangled Walls",
    "壁で作る足場": "A Foothold of Walls",
    # 2-holes.ssp
    "近道は落とし穴": "Shortcuts Are Pitfalls",
    "隅の穴に近づかない": "Keep Clear of the Corner",
    "扉の隣の鍵": "The Key Beside the Door",
    "四つの落とし穴": "Four Pitfalls",
    "仕切られた上と下": "Divided Top and Bottom",
    "穴をよける上り道": "Uphill Around the Holes",
    "穴ふたつの迷い道": "A Maze of Two Holes",
    "三つの鍵と一つの穴": "Three Keys, One Hole",
    "穴の真下の扉": "The Door Below the Hole",
    "すぐそこの扉": "The Door Right There",
    # 3-arrows.ssp
    "矢印の手前の扉": "Door Before the Arrow",
    "曲がり角の矢印": "The Arrow at the Corner",
    "天井の矢印": "Arrows on the Ceiling",
    "扉の上の矢印": "The Arrow Above the Door",
    "鍵を指す矢印": "Pointing at the Key",
    "左へ流れる下の段": "Bottom Row Drifts Left",
    "二本の矢印": "Two Arrows",
    "三枚で道を作る": "Three Walls Make a Path",
    "遠回りの鍵三つ": "Three Keys the Long Way",
    "行き止まりの上向き": "Up Into a Dead End",
    # 4-warps.ssp
    "ワープで向こう側へ": "Warp to the Other Side",
    "鍵に挟まれたワープ": "A Warp Between Keys",
    "行き止まりのワープ": "The Dead-End Warp",
    "上と下のワープ": "Warps Above and Below",
    "小部屋だらけ": "Full of Little Rooms",
    "左下へ飛ぶ": "Jump to the Bottom Left",
    "下の段を行き来": "Back and Forth Below",
    "行って戻るワープ": "Warp There and Back",
    "扉をはさむワープ": "Warps Flanking the Door",
    "離れた青いワープ": "Blue Warps Far Apart",
    # 5-marked.ssp
    "右下の市松": "Marked at Bottom Right",
    "穴のそばの市松": "Marked Edge by the Hole",
    "扉の下の抜け道": "A Way Under the Door",
    "鍵の下は通り抜け": "Through, Below the Key",
    "一つの穴と市松": "A Hole and a Marked Edge",
    "扉と穴のあいだ": "Between Door and Hole",
    "ワープの上の市松": "Marked Edge Over a Warp",
    "隅の矢印と市松": "Corner Arrow and Mark",
    "左へ曲がる道": "The Road Turns Left",
    "ワープの先の扉": "The Door Past the Warp",
    # 6-all.ssp
    "右下の穴に用心": "Beware Bottom-Right Hole",
    "二色のワープと穴": "Two Colours and a Hole",
    "矢印の隣の青": "Blue Beside the Arrow",
    "市松越しのワープ": "Warp Across the Mark",
    "扉の下は落とし穴": "A Pitfall Below the Door",
    "二つの下向き": "Two Pointing Down",
    "扉の隣のワープ": "The Warp Beside the Door",
    "矢印が運ぶ先": "Where the Arrow Leads",
    "上向きの矢印と市松": "Up Arrow and Marked Edge",
    "扉を囲む鍵": "Keys Around the Door",
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
