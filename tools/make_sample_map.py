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

# docs/island31.kpl: a whole 31 x 31 island for the zoomed-out picture. The
# coast wobbles with the angle; land kinds go by district around the centre.
BIG = 31
big = [[(0, 0, 0) for _ in range(31)] for _ in range(31)]
for x in range(BIG):
    for y in range(BIG):
        dx, dy = x - 15 + (0.5 if y % 2 == 0 else 0), (y - 15) * 0.95
        r, a = math.hypot(dx, dy), math.atan2(dy, dx)
        coast = 12 + 1.6 * math.sin(3 * a) + 0.9 * math.cos(5 * a + 1)
        h = (x * 7 + y * 13 + x * y) % 10
        if r > coast + 1.5:
            cell = (0, 0, 0)
        elif r > coast:
            cell = (1, 0, 0)
        elif r < 2.5:
            cell = (23, 8, 0) if h < 7 else (8, 9, 0)          # big city centre
        elif r < 5:
            cell = (8, 5 + h % 4, 0) if h < 6 else (7, 6, 0)   # city ring
        elif a > 2.0 or a < -2.4:
            cell = (5, 0, 0) if h < 4 else (4, 3 + h % 6, 0)   # mountains and forest, west
        elif a > 0.6:
            cell = (9, 2 + h % 3, 0) if h < 7 else (10, 3, 0)  # farms, south
        elif a > -0.8:
            cell = (11, 4 + h % 4, 0) if h < 6 else (12, 3, 0) # industry, east
        else:
            cell = (6, 5 + h % 4, 0) if h < 6 else (3, 0, 0)   # villages, north
        big[x][y] = cell
big[15][25] = (15, 4, 2)  # a missile base with its protected zone
big[20][5] = (21, 5, 0)
big[8][12] = (14, 0, 1)
data = bytearray(b"KPL03\x00") + bytes([BIG - 1, BIG - 1])
for x in range(31):
    for y in range(31):
        data += bytes(big[x][y])
with open(os.path.join(os.path.dirname(__file__), "..", "docs", "island31.kpl"), "wb") as f:
    f.write(data)
