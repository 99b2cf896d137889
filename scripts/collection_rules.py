# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# What the installed collection asks of its chapters, shared by the pick scripts: each stage's gates,
# an opener that needs the chapter's mechanic, effort rising with position, the warp-back rule shown
# before it is needed, and the measures (rank correlation, median) they are told by.
import json
import os
import subprocess
import tempfile

# chapter file: what its opener must need (a name of check's "needs"; None: two mechanics or more)
CHAPTERS = {
    "1-walls.ssp": "wall points",
    "2-holes.ssp": "holes",
    "3-arrows.ssp": "arrows",
    "4-warps.ssp": "warps",
    "5-marked.ssp": "marked",
    "6-all.ssp": None,
}
MECHANICS = ("holes", "arrows", "warps", "marked")
OPENER_EFFORT = 150       # found in a minute
LEAST_FORCING = 0.7       # of the sixty stages
MOST_NEAR_PAR = 3         # clears within one of par that a stage well inside the forcing gate has...
LEAST_FEW_NEAR_PAR = 0.7  # ...in this share of the sixty stages
LEAST_SPEARMAN = 0.8      # in every chapter, and of the chapters' medians with their order
LEAST_MEAN_SPEARMAN = 0.8
MOST_CORNER_LOOPS = 2     # stages of a chapter whose shortest clear runs the corner loop
ALIKE_RUN = 10            # operations in a row two shortest clears share, turned or mirrored: alike
MARKED_CHAPTER_MORE = 5   # stages of the marked chapter after its opener with two or three marked edges
PLAIN_WARP_BACK = 3       # a stage shows the warp-back rule plainly when it uses it this early...
PLAIN_WARP_BACK_PAR = 10  # ...in a solution this short


def lines_of(path):
    with open(path, "rb") as f:
        return [line for line in f.read().split(b"\r\n") if line]


def check(tool, path):
    run = subprocess.run([tool, "check", "--json", path], capture_output=True, text=True)
    if run.returncode == 2:
        raise RuntimeError(run.stderr)
    return [json.loads(line) for line in run.stdout.splitlines()]


def ranks(values):
    order = sorted(range(len(values)), key=lambda i: values[i])
    result = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            result[order[k]] = (i + j) / 2 + 1
        i = j + 1
    return result


def spearman(values):
    """The rank correlation of the values with their positions (ties share a rank); None below two."""
    n = len(values)
    if n < 2:
        return None
    a, b = ranks(values), list(range(1, n + 1))
    ma, mb = sum(a) / n, sum(b) / n
    cov = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    va = sum((x - ma) ** 2 for x in a) ** 0.5
    vb = sum((y - mb) ** 2 for y in b) ** 0.5
    return cov / (va * vb) if va and vb else None


def median(values):
    ordered = sorted(values)
    n = len(ordered)
    return ordered[n // 2] if n % 2 else (ordered[n // 2 - 1] + ordered[n // 2]) / 2


# The board's eight turns and mirrors, as what they make of each direction.
SYMMETRIES = [dict(zip("NESW", "NESW"[k:] + "NESW"[:k])) for k in range(4)] + \
             [{d: "NESW"[(k - "NESW".index(d)) % 4] for d in "NESW"} for k in range(4)]


def turned(clear, symmetry):
    return [op[:-1] + symmetry[op[-1]] for op in clear]


def shared_run(a, b):
    """The most operations in a row two clears share, the second turned or mirrored (core's SharedRun)."""
    longest = 0
    for symmetry in SYMMETRIES:
        t = turned(b, symmetry)
        previous = [0] * (len(t) + 1)
        for op in a:
            row = [0] * (len(t) + 1)
            for j in range(1, len(t) + 1):
                if op == t[j - 1]:
                    row[j] = previous[j - 1] + 1
                    longest = max(longest, row[j])
            previous = row
    return longest


def alike_pairs(stages):
    """(i, j, run) of every two stages whose shortest clears share ALIKE_RUN operations in a row."""
    pairs = []
    for i in range(len(stages)):
        for j in range(i + 1, len(stages)):
            run = shared_run(stages[i]["clear"], stages[j]["clear"])
            if run >= ALIKE_RUN:
                pairs.append((i, j, run))
    return pairs


def corner_loops(stages):
    return sum(1 for s in stages if s["cornerLoopAt"] > 0)


# Wall codes: east and south edge (0 none, 1 solid, 2 marked), as the stage line reads them.
EDGES_OF_CODE = {"0": (0, 0), "1": (1, 0), "2": (0, 1), "3": (1, 1), "4": (2, 0), "5": (0, 2), "6": (2, 2),
                 "7": (1, 2), "8": (2, 1)}
CODE_OF_EDGES = {edges: code for code, edges in EDGES_OF_CODE.items()}


def marked_edges(line):
    """The marked edges of a stage line (bytes)."""
    return sum(EDGES_OF_CODE[chr(c)].count(2) for c in line[36:72])


def without_marked(line):
    """The stage line with every marked edge made an open one."""
    walls = bytes(ord(CODE_OF_EDGES[tuple(0 if e == 2 else e for e in EDGES_OF_CODE[chr(c)])]) for c in line[36:72])
    return line[:36] + walls + line[72:]


def pieces(line, codes):
    """The cells of the stage line whose codes are among `codes` (bytes)."""
    return sum(1 for c in line[:36] if c in codes)


def warp_pairs(line):
    """The colours of warp pads on the stage line (a pair each)."""
    return len({c for c in line[:36] if c in b"89AB"})


def gate_failures(stage, chapter, position):
    """The gates a stage at this position (0 first) of the chapter fails."""
    needed = ["G1", "G2", "G3", "G4groups", "G6", "noPadding"]
    if chapter != "6-all.ssp":
        needed.append("G5")
    if position >= 2:
        needed.append("notTrivial")
    return [g for g in needed if not stage["gates"][g]]


def mechanics_of(stage, field):
    return [m for m in stage[field] if m in MECHANICS]


def fits_chapter(stage, chapter, position=1):
    """The marked-edge chapter opens with marked edges alone, then holds them beside another mechanic;
    the last chapter holds two mechanics or more."""
    present = mechanics_of(stage, "present")
    if chapter == "5-marked.ssp":
        if position == 0:
            return present == ["marked"]
        return "marked" in present and len(present) >= 2
    if chapter == "6-all.ssp":
        return len(present) >= 2
    return True


def measured(tool, line):
    """check --json of one stage line (bytes), or None when it cannot be cleared."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "one.ssp")
        with open(path, "wb") as f:
            f.write(line + b"\r\n")
        stage = check(tool, path)[0]
    return stage if "par" in stage else None


def marked_edges_change_the_clear(tool, line, stage):
    """Made open edges, the stage's marked edges change its par or its shortest clear."""
    plain = measured(tool, without_marked(line))
    return plain is None or plain["par"] != stage["par"] or plain["clear"] != stage["clear"]


def idle_holes(tool, line, stage):
    """The holes (cell numbers) whose removal leaves the par and that catch nobody: without them a
    person's search finds the clear no sooner and random runs clear no more often."""
    idle = []
    for cell in range(36):
        if line[cell:cell + 1] != b"3":
            continue
        without = measured(tool, line[:cell] + b"0" + line[cell + 1:])
        if without and without["par"] == stage["par"] and without["effort"] >= stage["effort"] \
                and without["randomClears"] <= stage["randomClears"]:
            idle.append(cell)
    return idle


def opens_chapter(stage, chapter):
    """Needs the chapter's mechanic (taken away, the par changes) and is found in a minute."""
    wanted = CHAPTERS[chapter]
    needs = stage["needs"]
    needed = len(mechanics_of(stage, "needs")) >= 2 if wanted is None else wanted in needs
    return needed and 0 <= stage["effort"] <= OPENER_EFFORT


def blocked(board, x, y, op):
    """Whether a move from (x, y) goes nowhere at once: the border or a solid wall on that edge."""
    walls = board[36:72]
    east = lambda cx, cy: walls[cy * 6 + cx] in "137"
    south = lambda cx, cy: walls[cy * 6 + cx] in "238"
    return {"N": y == 0 or (y > 0 and south(x, y - 1)), "S": y == 5 or south(x, y),
            "E": x == 5 or east(x, y), "W": x == 0 or (x > 0 and east(x - 1, y))}[op]


def warp_back_uses(tool, path, number):
    """The operations (0 first) of the stage's solution that go nowhere on a warp pad and so warp."""
    solve = subprocess.run([tool, "solve", "--json", path, str(number)], capture_output=True, text=True, check=True)
    ops = json.loads(solve.stdout)["ops"]
    play = subprocess.run([tool, "play", "--json", path, str(number)] + ops, capture_output=True, text=True,
                          check=True)
    states = [json.loads(line) for line in play.stdout.splitlines()]
    uses = []
    for i, (before, after) in enumerate(zip(states, states[1:])):
        x, y = before["x"], before["y"]
        if after["event"] == "warp" and before["board"][y * 6 + x] in "89AB" and blocked(before["board"], x, y, after["op"]):
            uses.append(i)
    return uses


def shows_warp_back_plainly(uses, par):
    return bool(uses) and uses[0] < PLAIN_WARP_BACK and par <= PLAIN_WARP_BACK_PAR
