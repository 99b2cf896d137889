#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# The design gates of stage files, in figures: runs `suispo-stage check --json` on each file and prints
# the par curve and the share of stages passing each gate, the corner loops and the shortest clears alike
# (see AUTHORING.md, "check").
import json
import subprocess
import sys

from collection_rules import alike_pairs, corner_loops, median, spearman


def measure(tool, path):
    run = subprocess.run([tool, "check", "--json", path], capture_output=True, text=True)
    if run.returncode == 2:
        sys.exit(run.stderr.strip())
    return [json.loads(line) for line in run.stdout.splitlines()]


def share(stages, test):
    return f"{100 * sum(1 for s in stages if test(s)) / len(stages):.0f} %" if stages else "-"


def mean(values):
    return f"{sum(values) / len(values):.2f}" if values else "-"


def report(path, stages, last_chapter_free):
    solved = [s for s in stages if "par" in s]
    gates = lambda name: (lambda s: s["gates"][name])
    looks = [s["look"] for s in solved]
    walled = [s for s in solved if s["wallEdges"] > 0]
    print(f"{path}: {len(stages)} stages, {len(solved)} cleared")
    print(f"  par curve: {' '.join(str(s['par']) for s in solved)}")
    print(f"  G1 one idea {share(solved, gates('G1'))}, at most three {share(solved, gates('G1limit'))}"
          f", ideas {' '.join(str(s['ideas']) for s in solved)}")
    print(f"  G2 every mechanic and the wall points needed {share(solved, gates('G2'))}")
    print(f"  G3 no inert piece {share(solved, gates('G3'))}")
    print(f"  G4 mean wall group {mean([s['wallGroup'] for s in walled])}"
          f" (stages at 2 or more {share(solved, gates('G4groups'))}),"
          f" symmetric look {share(solved, gates('G4symmetric'))}, mean symmetry {mean([s['symmetry'] for s in walled])}")
    print(f"  G5 at most 3 kinds and 3 warp colours {share(solved, lambda s: s['gates']['G5'] or last_chapter_free)}"
          f", kinds {mean([s['kinds'] for s in solved])}")
    print(f"  G6 wall points exact {share(solved, gates('G6'))}")
    print(f"  G7 stages alike under turning or mirroring: {len(looks) - len(set(looks))}")
    alike = ", ".join(f"{solved[i]['stage']} and {solved[j]['stage']}" for i, j, _ in alike_pairs(solved))
    print(f"  corner loop in {corner_loops(solved)} stages; shortest clears alike (10 operations in a row"
          f" under a turn or mirror): {alike or 'none'}")
    efforts = [s["effort"] for s in solved]
    print(f"  effort curve: {' '.join(str(e) for e in efforts)}")
    rho = spearman(efforts)
    print(f"  effort median {median(efforts) if efforts else '-'}, rank correlation with position"
          f" {'-' if rho is None else f'{rho:.2f}'}"
          f", ratings {' '.join(str(s['rating']) for s in solved)}")
    print(f"  no padding {share(solved, gates('noPadding'))}, forcing {share(solved, gates('forcing'))}"
          f" (clears within one of par {' '.join(str(s['nearParClears']) for s in solved)})")
    print(f"  not trivial from the third stage on {share(solved[2:], gates('notTrivial'))}"
          f", random clears {' '.join(str(s['randomClears']) for s in solved)}")
    return solved


def main():
    args = sys.argv[1:]
    tool = "build/suispo-stage"
    if len(args) >= 2 and args[0] == "--tool":
        tool, args = args[1], args[2:]
    if not args:
        sys.exit("usage: scripts/stage_gates.py [--tool SUISPO-STAGE] FILE...")
    every = []
    for path in args:
        every += report(path, measure(tool, path), False)
    if len(args) > 1:
        looks = [s["look"] for s in every]
        print(f"all files: stages alike under turning or mirroring: {len(looks) - len(set(looks))}"
              f", pairs of shortest clears alike: {len(alike_pairs(every))}")


main()
