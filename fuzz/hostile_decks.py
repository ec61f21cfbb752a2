#!/usr/bin/env python3
"""Writes decks whose records are well formed but whose numbers are hostile.

    fuzz/hostile_decks.py COUNT OUTDIR [SEED]

Byte-level mutation rarely keeps a problem's records in order long enough to reach the designs
with extreme values. These decks take the problems of tests/decks/ and examples/, keep their
record order and replace a few numeric fields of each record with zero, blank, negative, tiny or
huge values that still read as numbers. They seed fuzz/run and can be replayed directly:
build/fuzz-clang/fuzz/fuzz_deck OUTDIR/*.deck runs each once.
"""
import glob
import os
import random
import sys

# Numeric fields (first column, width, "i" integer or "f" real) by record kind; the record-type
# columns are left alone.
SPAN = [(4, 1, "i"), (7, 2, "f"), (9, 1, "i"), (10, 1, "i"), (11, 1, "i"), (12, 6, "f"), (18, 4, "f"),
        (22, 4, "f"), (26, 4, "f"), (30, 2, "i"), (32, 4, "f"), (36, 4, "f"), (40, 4, "f"), (44, 4, "f"),
        (48, 4, "f"), (52, 4, "f"), (56, 4, "f"), (60, 3, "f"), (63, 3, "i")]
LOADS = [(3 + 6 * i, 6, "f") for i in range(8)]
SECTION = [(2, 2, "i"), (6, 3, "i"), (9, 2, "i"), (13, 3, "i"), (16, 1, "i"), (17, 1, "i"), (18, 8, "f"),
           (26, 5, "f"), (31, 5, "f"), (36, 5, "f"), (41, 5, "f"), (46, 4, "f"), (50, 5, "f"), (55, 4, "f"),
           (59, 5, "f"), (64, 1, "i"), (65, 1, "i")]
SLAB = [(2, 6, "f"), (8, 5, "f"), (13, 4, "f"), (17, 4, "f"), (21, 4, "f"), (25, 2, "i"), (27, 4, "f"),
        (31, 5, "f"), (36, 4, "f"), (40, 6, "f"), (46, 4, "f"), (50, 5, "f"), (55, 4, "f"), (59, 6, "f")]
ROW = [(0, 2, "i"), (2, 2, "i"), (4, 1, "i"), (5, 4, "f")]  # a T-beam row group, from its first column
TSECTION = [(2, 2, "f"), (4, 2, "f"), (6, 2, "i"), (8, 5, "f"), (13, 4, "f"), (17, 5, "f"), (22, 4, "f"),
            (26, 5, "f"), (31, 5, "f"), (36, 2, "i"), (38, 2, "i"), (40, 1, "i"), (41, 4, "f")] + \
           [(c + o, w, k) for c in (45, 54) for o, w, k in ROW]
TROWS = [(c + o, w, k) for c in range(2, 65, 9) for o, w, k in ROW]


def hostile(rng, width, kind):
    """A value that reads as a number of this kind in a field of this width."""
    if kind == "i":
        choices = ["", "0", "-0", "1", "-1", "2", "3", "9", "10", "19", "40", "41", "99", "-9", "9" * width,
                   "-" + "9" * (width - 1), "441", "572", "588", "36", "+5"]
    else:
        choices = ["", "0", "-0", "1", "-1", ".", "-", "0.001", "-5", "9" * width, "-" + "9" * (width - 1),
                   "1E-9", "1E9", "1D30", "-1E30", "2", "3", "40", "41", "99", "1E-30", ".5", "1E38", "-.1"]
    while True:
        v = rng.choice(choices)
        if v and len(v) <= width and not (width == 1 and v in ("-", ".", "-0")) or v == "":
            if len(v) <= width:
                return v


def put(record, col, width, text):
    record = record.ljust(col - 1 + width)
    return record[:col - 1] + text.rjust(width) + record[col - 1 + width:]


def problems():
    found = []
    for path in sorted(glob.glob("tests/decks/*.deck") + glob.glob("examples/*.deck")):
        current = None
        for line in open(path, encoding="latin-1").read().splitlines():
            if line.startswith("*"):
                current = [line]
                found.append(current)
            elif current is not None and line.strip():
                current.append(line)
    return found


def mutate(rng, problem):
    beam = problem[1][1:3] if len(problem) > 1 else ""
    concrete = beam in ("TB", "RM")
    out = []
    for rec in problem:
        if rec.startswith("*"):
            fields = []
        elif rec.startswith("1"):
            fields = SPAN
        elif rec[:1] == "2" and len(rec) > 1 and rec[1].isdigit():
            fields = LOADS
        elif rec.startswith("3"):
            fields = TSECTION if concrete else SECTION
        elif rec.startswith("4"):
            fields = TROWS if concrete else SLAB
        else:
            fields = []
        for _ in range(rng.randint(0, 3) if fields else 0):
            col, width, kind = rng.choice(fields)
            rec = put(rec, col, width, hostile(rng, width, kind))
        out.append(rec)
    return out


def main():
    count, outdir = int(sys.argv[1]), sys.argv[2]
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    base = problems()
    os.makedirs(outdir, exist_ok=True)
    for n in range(count):
        deck = []
        for _ in range(rng.randint(1, 4)):
            deck += mutate(rng, rng.choice(base))
        with open(os.path.join(outdir, "hostile-%05d.deck" % n), "w", encoding="latin-1") as f:
            f.write("\n".join(deck) + "\n")


if __name__ == "__main__":
    main()
