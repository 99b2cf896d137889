# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# What the installed collection asks of its chapters, shared by the pick scripts: each stage's gates,
# an opener that needs the chapter's mechanic, effort rising with position, the warp-back rule shown
# before it is needed, and the measures (rank correlation, median) they are told by.
import json
import subprocess

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
LEAST_SPEARMAN = 0.6      # in every chapter
LEAST_MEAN_SPEARMAN = 0.8
PLAIN_WARP_BACK = 3       # a stage shows the warp-back rule plainly when it uses it this early...
PLAIN_WARP_BACK_PAR = 10  # ...in a solution this short


def lines_of(path):
    with open(path, "rb") as f:
        return [line for line in f.read().split(b"\r\n") if line]


def check(tool, path):
    run = subprocess.run([tool, "check", "--json", path], capture_output=True, text=True, check=True)
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


def fits_chapter(stage, chapter):
    """Marked edges come with another mechanic, the last chapter holds two or more."""
    present = mechanics_of(stage, "present")
    if chapter == "5-marked.ssp":
        return "marked" in present and len(present) >= 2
    if chapter == "6-all.ssp":
        return len(present) >= 2
    return True


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
