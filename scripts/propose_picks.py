#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Proposes the ten stages of each chapter from the candidates (scripts/make_collection.sh) by their
# measures: every stage through its gates, unlike every stage picked before it in the collection (the
# same board turned or mirrored, or shortest clears alike), the corner loop in at most two stages of a
# chapter, an opener that needs the chapter's mechanic, then stages spread over the chapter's effort
# band (each chapter's band above the one before, so the medians rise), those with at most three clears
# near par first, then two arrows or pairs of pads where the chapter has them, the stages kept from the
# collection before. The marked-edge chapter opens with marked edges alone and its marked edges change
# every shortest clear; a hole that changes nothing stays only where it catches someone. Prints rows for
# the table of scripts/pick_collection.py, where they are looked at, swapped by hand and named.
# Usage: scripts/propose_picks.py TOOL CANDIDATES-DIR [CHAPTER-NUMBER...]
import glob
import json
import math
import os
import sys

from collection_rules import (CHAPTERS, MOST_CORNER_LOOPS, MOST_NEAR_PAR, check, fits_chapter, gate_failures,
                              idle_holes, lines_of, marked_edges, marked_edges_change_the_clear, opens_chapter,
                              pieces, shared_run, ALIKE_RUN, warp_pairs)

# Each chapter's effort band after its opener: each above the one before.
BAND = {"1-walls.ssp": (45, 500), "2-holes.ssp": (60, 800), "3-arrows.ssp": (80, 1100), "4-warps.ssp": (100, 1600),
        "5-marked.ssp": (110, 2200), "6-all.ssp": (150, 5000)}
# Stages kept at their places: the English names' test reads them (tests/core/stage_names_test.cpp).
PINNED = {"1-walls.ssp": [("chapter1-p.ssp", 1)], "3-arrows.ssp": [("chapter3-p.ssp", 1), ("chapter3-p.ssp", 2)]}
LEAST_OPENER_EFFORT = 20
# In log-effort: what a stage must be nearer its target by to be taken before one without the fault.
NEAR_PAR_COST = 1.2
LOOP_COST = 2.0
NEW_COST = 0.15  # a stage kept from the collection before goes first among near equals
PAIR_GAIN = 0.4  # two arrows or two pairs of pads
MARKED_GAIN = 1.5  # two or three marked edges


def candidates_of(tool, folder, number):
    found = []
    for path in sorted(glob.glob(f"{folder}/chapter{number}-*.ssp")):
        cached = path[:-4] + ".json"
        if os.path.exists(cached) and os.path.getmtime(cached) >= os.path.getmtime(path):
            stages = [json.loads(line) for line in open(cached)]
        else:
            stages = check(tool, path)
            with open(cached, "w") as f:
                f.write("".join(json.dumps(s) + "\n" for s in stages))
        lines = lines_of(path)
        for stage in stages:
            if "par" in stage and stage["effort"] > 0:
                stage["file"], stage["path"] = os.path.basename(path), path
                stage["line"] = lines[stage["stage"] - 1]
                stage["markedEdges"] = marked_edges(stage["line"])
                found.append(stage)
    return found


def two_of_a_kind(s):
    return pieces(s["line"], b"4567") >= 2 or warp_pairs(s["line"]) >= 2


def cost(s, target, chapter):
    c = abs(math.log(s["effort"]) - target)
    c += 0 if s["nearParClears"] <= MOST_NEAR_PAR else NEAR_PAR_COST
    c += LOOP_COST if s["cornerLoopAt"] else 0
    c += 0 if s["file"].endswith("-p.ssp") else NEW_COST
    if chapter in ("3-arrows.ssp", "4-warps.ssp", "6-all.ssp") and two_of_a_kind(s):
        c -= PAIR_GAIN
    if chapter == "5-marked.ssp" and s["markedEdges"] >= 2:
        c -= MARKED_GAIN
    return c


class Sound:
    """The checks that run the tool on changed boards, asked only of stages about to be picked."""

    def __init__(self, tool, chapter):
        self.tool, self.chapter = tool, chapter

    def __call__(self, s):
        if "sound" not in s:
            s["sound"] = not (b"3" in s["line"][:36] and idle_holes(self.tool, s["line"], s))
            if self.chapter == "5-marked.ssp":
                s["sound"] = s["sound"] and marked_edges_change_the_clear(self.tool, s["line"], s)
        return s["sound"]


def propose(tool, chapter, pool, taken):
    sound = Sound(tool, chapter)
    unlike = lambda s, picks: all(s["look"] != p["look"] and shared_run(s["clear"], p["clear"]) < ALIKE_RUN
                                  for p in picks)
    openers = sorted((s for s in pool if fits_chapter(s, chapter, 0) and not gate_failures(s, chapter, 0)
                      and opens_chapter(s, chapter) and s["effort"] >= LEAST_OPENER_EFFORT),
                     key=lambda s: (not s["gates"]["forcing"], s["nearParClears"] > MOST_NEAR_PAR, s["cornerLoopAt"] > 0,
                                    s["effort"], s["par"]))
    pinned = [next(s for s in pool if (s["file"], s["stage"]) == pin) for pin in PINNED.get(chapter, [])]
    opener = pinned[0] if pinned else next((s for s in openers if unlike(s, taken) and sound(s)), None)
    if opener is None:
        sys.exit(f"{chapter}: no opener among {len(pool)} candidates")
    picks = [opener] + pinned[1:]
    later = [s for s in pool if fits_chapter(s, chapter) and not gate_failures(s, chapter, 2)
             and s["gates"]["forcing"] and s["effort"] > opener["effort"]]
    low, high = (math.log(max(v, opener["effort"] * 1.3)) for v in BAND[chapter])
    rest = 10 - len(picks)
    for i in range(rest):
        target = low + (high - low) * i / max(1, rest - 1)
        loops = sum(1 for p in picks if p["cornerLoopAt"])
        choices = sorted((s for s in later if s not in picks and (loops < MOST_CORNER_LOOPS or not s["cornerLoopAt"])),
                         key=lambda s: cost(s, target, chapter))
        chosen = next((s for s in choices if unlike(s, taken + picks) and sound(s)), None)
        if chosen is None:
            sys.exit(f"{chapter}: too few candidates")
        picks.append(chosen)
    return [picks[0]] + sorted(picks[1:], key=lambda s: (s["effort"], s["par"]))


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: propose_picks.py TOOL CANDIDATES-DIR [CHAPTER-NUMBER...]")
    tool, folder = sys.argv[1:3]
    wanted = [int(n) for n in sys.argv[3:]] or range(1, len(CHAPTERS) + 1)
    taken = []
    for number, chapter in enumerate(CHAPTERS, 1):
        if number not in wanted:
            continue
        picks = propose(tool, chapter, candidates_of(tool, folder, number), taken)
        taken += picks
        print(f'    "{chapter}": [')
        for s in picks:
            name = s["line"][75:].decode("cp932")
            notes = f'par {s["par"]}, effort {s["effort"]}, near par {s["nearParClears"]}'
            notes += ", corner loop" if s["cornerLoopAt"] else ""
            notes += ", two of a kind" if two_of_a_kind(s) else ""
            notes += f', {s["markedEdges"]} marked' if s["markedEdges"] else ""
            print(f'        ("{s["file"]}", {s["stage"]}, "{name}"),  # {notes}')
        print("    ],")


main()
