#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Proposes the ten stages of each chapter from the candidates (scripts/make_collection.sh) by their
# measures: every stage through its gates and unlike every other, an opener that needs the chapter's
# mechanic, then stages spread over the chapter's effort band, forcing ones first, in order of effort
# (ties by par). In the warp chapter a stage that shows the warp-back rule plainly comes before any
# other that uses it. Prints rows for the table of scripts/pick_collection.py, where they are looked at,
# swapped by hand and named.
# Usage: scripts/propose_picks.py TOOL CANDIDATES-DIR
import glob
import math
import os
import sys

from collection_rules import (CHAPTERS, check, fits_chapter, gate_failures, lines_of, opens_chapter,
                              shows_warp_back_plainly, warp_back_uses)

# The top of each chapter's effort band: rising from chapter to chapter, the last one highest.
TOP_EFFORT = {"1-walls.ssp": 1000, "2-holes.ssp": 1200, "3-arrows.ssp": 1500, "4-warps.ssp": 2000,
              "5-marked.ssp": 2000, "6-all.ssp": 6000}
LEAST_OPENER_EFFORT = 20
LEAST_SECOND_EFFORT = 40  # where the band after the opener starts, at the least
NOT_FORCING_COST = 1.5  # in log-effort: a stage not forcing is taken only when far nearer its target


def candidates_of(tool, folder, number):
    found = []
    for path in sorted(glob.glob(f"{folder}/chapter{number}-*.ssp")):
        for stage in check(tool, path):
            if "par" in stage and stage["effort"] > 0:
                stage["file"], stage["path"] = os.path.basename(path), path
                found.append(stage)
    return found


def propose(tool, chapter, pool, taken):
    fit = [s for s in pool if fits_chapter(s, chapter) and not gate_failures(s, chapter, 0) and s["look"] not in taken]
    later = [s for s in fit if not gate_failures(s, chapter, 2)]
    # The easiest opener that is more than one obvious slide, forcing if it can be.
    openers = sorted((s for s in fit if opens_chapter(s, chapter)),
                     key=lambda s: (not s["gates"]["forcing"], s["effort"] < LEAST_OPENER_EFFORT, s["effort"], s["par"]))
    if not openers:
        sys.exit(f"{chapter}: no opener among {len(fit)} candidates")
    picks = [openers[0]]
    if chapter == "4-warps.ssp":
        for s in fit:
            s["warpBack"] = warp_back_uses(tool, s["path"], s["stage"])
        teachers = sorted((s for s in later if shows_warp_back_plainly(s["warpBack"], s["par"])
                           and s is not picks[0]), key=lambda s: (not s["gates"]["forcing"], s["effort"]))
        if not shows_warp_back_plainly(picks[0]["warpBack"], picks[0]["par"]) and teachers:
            picks.append(teachers[0])
        # No stage that uses the rule comes before the one that shows it.
        shown = max(p["effort"] for p in picks if p["warpBack"]) if any(p["warpBack"] for p in picks) else math.inf
        later = [s for s in later if not s["warpBack"] or s["effort"] > shown]
        # And one stage later on needs it.
        users = [s for s in later if s["warpBack"] and s["effort"] > 2 * shown]
        if shown < math.inf and users:
            picks.append(min(users, key=lambda s: (not s["gates"]["forcing"], s["effort"])))
    low, high = math.log(max(picks[0]["effort"] * 2, LEAST_SECOND_EFFORT)), math.log(TOP_EFFORT[chapter])
    rest = 10 - len(picks)
    for i in range(rest):
        target = low + (high - low) * i / max(1, rest - 1)
        choices = [s for s in later if s not in picks and s["look"] not in {p["look"] for p in picks}
                   and s["effort"] > picks[0]["effort"]]
        if not choices:
            sys.exit(f"{chapter}: too few candidates")
        picks.append(min(choices, key=lambda s: abs(math.log(s["effort"]) - target)
                         + (0 if s["gates"]["forcing"] else NOT_FORCING_COST)))
    return sorted(picks, key=lambda s: (s["effort"], s["par"]))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: propose_picks.py TOOL CANDIDATES-DIR")
    tool, folder = sys.argv[1:]
    taken = set()
    for number, chapter in enumerate(CHAPTERS, 1):
        picks = propose(tool, chapter, candidates_of(tool, folder, number), taken)
        taken |= {s["look"] for s in picks}
        print(f'    "{chapter}": [')
        for s in picks:
            name = lines_of(s["path"])[s["stage"] - 1][75:].decode("cp932")
            notes = f'par {s["par"]}, effort {s["effort"]}, {"forcing" if s["gates"]["forcing"] else "not forcing"}'
            notes += f', warp back at {s["warpBack"]}' if s.get("warpBack") else ""
            print(f'        ("{s["file"]}", {s["stage"]}, "{name}"),  # {notes}')
        print("    ],")


main()
