#!/usr/bin/env python3
"""Writes docs/sample.kpl: a small planned island for the README pictures,
in the current map file layout (identifier, last row, last column, then all
31 x 31 cells column by column: panel, counter, mask)."""
import math
import os

SIZE = 16
cells = [[(0, 0, 0) for _ in range(31)] for _ in range(31)]  # cells[x][y]

# Island layout by row; one letter per column, '.' = sea.
LAYOUT = [
    "................",
    "......ssss......",
    "....sspppfss....",
    "...sppTTpffms...",
    "..spvvTCTpfmms..",
    "..spvvTCCTppfs..",
    ".sppFFvTTpppfs..",
    ".spFFFvvpBBpps..",
    ".sppFFppIIbbpH..",
    "..spppMpIIbbps..",
    "..sppwwpppdps...",
    "...spwwpppss....",
    "....ssppPss.....",
    "......sss.......",
    "................",
    "................",
]
PANELS = {
    ".": (0, 0), "s": (1, 0), "p": (3, 0), "f": (4, 6), "m": (5, 0), "v": (6, 5),
    "T": (7, 4), "C": (8, 8), "F": (9, 3), "B": (10, 2), "I": (11, 5), "b": (13, 4),
    "M": (15, 6), "d": (16, 0), "H": (17, 0), "w": (2, 0), "P": (20, 3),
}
for y, row in enumerate(LAYOUT):
    for x, ch in enumerate(row):
        panel, counter = PANELS[ch]
        cells[x][y] = (panel, counter, 0)

# A protected zone (area marker) around the missile base, and two single marks.
def mark(x, y, m):
    p, c, _ = cells[x][y]
    cells[x][y] = (p, c, m)

for x, y in [(6, 9), (5, 9), (7, 9), (5, 8), (6, 8), (5, 10), (6, 10)]:
    mark(x, y, 2)
mark(7, 4, 1)
mark(13, 8, 4)

data = bytearray(b"KPL03\x00") + bytes([SIZE - 1, SIZE - 1])
for x in range(31):
    for y in range(31):
        data += bytes(cells[x][y])
assert len(data) == 2891
out = os.path.join(os.path.dirname(__file__), "..", "docs", "sample.kpl")
with open(out, "wb") as f:
    f.write(data)
