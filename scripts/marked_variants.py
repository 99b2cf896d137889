#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Candidates with two or three marked edges for the marked-edge chapter: the generator keeps one marked
# edge a stage (another seldom changes the par), so each candidate with marked edges beside another
# mechanic gets one more marked edge where its shortest clear builds a wall (anywhere else the clear
# stays and the edge would change nothing), and a variant is kept when it passes the gates asked of a
# chapter's later stages: every marked edge needed (taken away, the par changes), one idea, no
# padding, not trivial. Twice, for a third edge. Writes the variants, named by their source, into OUT.
# Usage: scripts/marked_variants.py TOOL OUT CANDIDATES.ssp...
import json
import os
import subprocess
import sys
import tempfile

from collection_rules import (CODE_OF_EDGES, EDGES_OF_CODE, check, gate_failures, lines_of, marked_edges,
                              mechanics_of)

MOST_MARKED = 3


def with_marked(line, cell, south):
    """The line with the east (or south) edge of the cell made a marked edge; None where it is not open."""
    east_edge, south_edge = EDGES_OF_CODE[chr(line[36 + cell])]
    if (south_edge if south else east_edge) != 0:
        return None
    edges = (east_edge, 2) if south else (2, south_edge)
    return line[:36 + cell] + CODE_OF_EDGES[edges].encode() + line[37 + cell:]


def variants(tool, line):
    """The line with a marked edge on one of the edges where its shortest clear builds a wall."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "one.ssp")
        with open(path, "wb") as f:
            f.write(line + b"\r\n")
        solved = json.loads(subprocess.run([tool, "solve", "--json", path, "1"], capture_output=True,
                                           text=True).stdout)
        if not solved.get("solvable"):
            return
        play = subprocess.run([tool, "play", "--json", path, "1"] + solved["ops"], capture_output=True, text=True)
    states = [json.loads(state) for state in play.stdout.splitlines()]
    for before, after in zip(states, states[1:]):
        if not after["op"].startswith("+"):
            continue
        x, y, side = before["x"], before["y"], after["op"][1]
        cell, south = {"E": (y * 6 + x, False), "W": (y * 6 + x - 1, False), "S": (y * 6 + x, True),
                       "N": ((y - 1) * 6 + x, True)}[side]
        changed = with_marked(line, cell, south)
        if changed:
            yield changed


def passing(tool, lines):
    """The lines that pass the later stages' gates, with their check."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "variants.ssp")
        with open(path, "wb") as f:
            f.write(b"".join(line + b"\r\n" for line in lines))
        stages = check(tool, path)
    return [(line, s) for line, s in zip(lines, stages)
            if "par" in s and s["effort"] > 0 and not gate_failures(s, "5-marked.ssp", 2)
            and 1 <= s["nearParClears"] <= 4]


def main():
    if len(sys.argv) < 4:
        sys.exit("usage: marked_variants.py TOOL OUT CANDIDATES.ssp...")
    tool, out, sources = sys.argv[1], sys.argv[2], sys.argv[3:]
    kept = []
    for source in sources:
        lines = lines_of(source)
        for number, (line, stage) in enumerate(zip(lines, check(tool, source)), 1):
            if "par" not in stage or len(mechanics_of(stage, "present")) < 2 or "marked" not in stage["present"]:
                continue
            front = [line]
            tag = f"{os.path.basename(source)[:-4]}#{number}"
            for _ in range(MOST_MARKED - marked_edges(line)):
                tried = sorted({v for f in front for v in variants(tool, f[:75])})
                found = passing(tool, tried) if tried else []
                # The variant nearest the source's effort first: the source's idea, made finer.
                found.sort(key=lambda found_stage: abs(found_stage[1]["effort"] - stage["effort"]))
                front = [v for v, _ in found[:3]]
                kept += [v[:75] + tag.encode() for v in front]
                print(f"{tag}: {len(found)} of {len(tried)} variants kept", file=sys.stderr)
                if not front:
                    break
    with open(out, "wb") as f:
        f.write(b"".join(line + b"\r\n" for line in dict.fromkeys(kept)))


main()
