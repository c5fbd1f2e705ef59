#!/usr/bin/env python3
"""Generates the shipped stamps: data/Stamps/GROUP/*.stamp, prepared
layouts of the shipped catalogue's panels (data/isplan.ini), one subfolder
per group. Two whole islands are cut from docs/sample.kpl and
docs/island31.kpl.

Standard library only; running it again reproduces the same bytes.

    python3 tools/make_stamps.py [--out DATA_DIR]
"""

import argparse
import json
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")

# Panel numbers of the shipped catalogue.
SEA, SHALLOWS, WASTE, PLAINS, FOREST, MOUNTAIN = 0, 1, 2, 3, 4, 5
VILLAGE, TOWN, CITY, FARM, BIG_FARM, FACTORY, BIG_FACTORY = 6, 7, 8, 9, 10, 11, 12
BANK, MISSILE_BASE, DEFENCE, HARBOUR, FISH_FARM, POWER = 13, 15, 16, 17, 19, 20
METROPOLIS = 23
# Mask numbers as a cell stores them (catalogue entry + 1).
MARK, AREA1, AREA2, FLAG = 1, 2, 3, 4


def catalogue_numbers(path):
    """The No of every entry in [Tile], to check the stamps against."""
    numbers, section = set(), None
    with open(path, encoding="shift_jis") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                section = line[1:-1]
            elif line.startswith("No=") and section.isdigit():
                numbers.add(int(line[3:]))
    return numbers


# The staggered grid: every even row sits half a tile right. Axial
# coordinates make the six neighbours fixed steps.
def to_axial(x, y):
    return x - (y + (y & 1)) // 2, y


def from_axial(q, r):
    return q + (r + (r & 1)) // 2, r


def distance(a, b):
    (q1, r1), (q2, r2) = to_axial(*a), to_axial(*b)
    dq, dr = q1 - q2, r1 - r2
    return (abs(dq) + abs(dr) + abs(dq + dr)) // 2


def ring_cells(centre, radius):
    """Cells of the hexagon of `radius` around `centre`, with their distance."""
    cx, cy = centre
    out = {}
    for y in range(cy - radius, cy + radius + 1):
        for x in range(cx - radius - 1, cx + radius + 2):
            d = distance((x, y), centre)
            if d <= radius:
                out[(x, y)] = d
    return out


def block(cells):
    """A stamp's block from {(x, y): (panel, counter, mask)} on the map:
    trimmed to its cells, with the top row's parity kept."""
    xs = [x for x, _ in cells]
    ys = [y for _, y in cells]
    x0, y0 = min(xs), min(ys)
    # An even shift of rows keeps every column where it is.
    columns, rows = max(xs) - x0 + 1, max(ys) - y0 + 1
    flat = []
    for y in range(y0, y0 + rows):
        for x in range(x0, x0 + columns):
            c = cells.get((x, y))
            flat.append(list(c) if c else None)
    return {"columns": columns, "rows": rows, "oddTopRow": y0 % 2 == 1, "cells": flat}


def city_ring():
    cells = {}
    for (x, y), d in ring_cells((3, 2), 2).items():
        cells[(x, y)] = (CITY, 10, 0) if d == 0 else (TOWN, 9, 0) if d == 1 else (VILLAGE, 6, 0)
    cells[(3, 2)] = (CITY, 10, FLAG)
    return cells


def metropolis_quarter():
    cells = {}
    for (x, y), d in ring_cells((3, 3), 2).items():
        cells[(x, y)] = (METROPOLIS, 10, 0) if d == 0 else (CITY, 8, 0) if d == 1 else (TOWN, 7, 0)
    cells[(1, 3)] = (BANK, 6, 0)
    cells[(5, 3)] = (BANK, 6, 0)
    return cells


def farm_belt():
    # A village row with two rows of farms beside it.
    cells = {}
    for x in range(7):
        cells[(x, 0)] = (VILLAGE, 5, 0) if x % 3 == 0 else (PLAINS, 0, 0)
        cells[(x, 1)] = (FARM, 4, 0)
        cells[(x, 2)] = (FARM, 4, 0) if x % 2 else (BIG_FARM, 5, 0)
    return cells


def big_farms():
    cells = {}
    for (x, y), d in ring_cells((2, 2), 2).items():
        cells[(x, y)] = (VILLAGE, 9, 0) if d == 0 else (BIG_FARM, 5, 0)
    return cells


def shallows_ring():
    # Land inside, shallows around it, nothing beyond: it goes on any coast.
    cells = {}
    for (x, y), d in ring_cells((4, 4), 4).items():
        cells[(x, y)] = (SHALLOWS, 0, 0) if d == 4 else (PLAINS, 0, 0) if d > 1 else (FOREST, 5, 0)
    cells[(4, 0)] = (HARBOUR, 0, 0)
    return cells


def harbour_front():
    cells = {}
    for x in range(6):
        cells[(x, 0)] = (TOWN, 6, 0) if x % 2 else (PLAINS, 0, 0)
        cells[(x, 1)] = (HARBOUR, 0, 0) if x in (1, 4) else (SHALLOWS, 0, 0)
        cells[(x, 2)] = (FISH_FARM, 2, 0) if x % 2 == 0 else (SHALLOWS, 0, 0)
    return cells


def missile_group():
    # Missile bases around a defence post, the protected zone marked.
    cells = {}
    for (x, y), d in ring_cells((2, 2), 1).items():
        cells[(x, y)] = (DEFENCE, 0, AREA1) if d == 0 else (MISSILE_BASE, 9, AREA1)
    for (x, y), d in ring_cells((2, 2), 2).items():
        if d == 2:
            cells[(x, y)] = (FOREST, 10, 0)
    return cells


def industry_zone():
    cells = {}
    for y in range(4):
        for x in range(5):
            cells[(x, y)] = (BIG_FACTORY, 5, 0) if (x + y) % 3 == 0 else (FACTORY, 9, 0)
    cells[(2, 1)] = (POWER, 8, MARK)
    return cells


def island_from(path):
    """The shown part of a map file (KPL03: identifier, last row, last column,
    then 31 x 31 cells column by column)."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:6] == b"KPL03\x00"
    last_y, last_x = data[6], data[7]
    cells = {}
    for x in range(last_x + 1):
        for y in range(last_y + 1):
            at = 8 + 93 * x + 3 * y
            cells[(x, y)] = tuple(data[at:at + 3])
    return cells


STAMPS = [
    ("Towns", "city-ring", "都市と町の輪", "都市を町と村が囲む六角形。人口を一か所に集める。", city_ring),
    ("Towns", "metropolis-quarter", "大都市の街区", "大都市を都市と町で囲み、銀行を二つ添える。", metropolis_quarter),
    ("Farms", "village-farm-belt", "村と農場の帯", "村の並びの横に二列の農場。食料を稼ぐ。", farm_belt),
    ("Farms", "big-farms", "大農場の輪", "村のまわりを大農場で囲む。", big_farms),
    ("Coast", "shallows-ring", "浅瀬の輪", "平地と森を浅瀬が囲み、北に港。海岸に置く。", shallows_ring),
    ("Coast", "harbour-front", "港町の岸", "町の並び、港のある浅瀬、沖に養殖場。", harbour_front),
    ("Defence", "missile-group", "ミサイル基地群", "防衛施設を六つのミサイル基地が囲み、範囲を印す。", missile_group),
    ("Industry", "industry-zone", "工業地帯", "工場と大工場、真ん中に発電所。", industry_zone),
    ("Islands", "small-island", "小さな島", "16 × 16 の見本の島をそのまま。",
     lambda: island_from(os.path.join(ROOT, "docs", "sample.kpl"))),
    ("Islands", "large-island", "大きな島", "31 × 31 いっぱいの島。大都市を中心に農場、工業、森。",
     lambda: island_from(os.path.join(ROOT, "docs", "island31.kpl"))),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "data"))
    args = parser.parse_args()
    known = catalogue_numbers(os.path.join(args.out, "isplan.ini"))
    for group, file_name, name, description, make in STAMPS:
        cells = make()
        lacking = {c[0] for c in cells.values()} - known
        assert not lacking, f"{file_name}: panels {sorted(lacking)} are not in the catalogue"
        stamp = {"format": "ispln-stamp", "version": 1, "name": name, "description": description}
        stamp.update(block(cells))
        assert 1 <= stamp["columns"] <= 31 and 1 <= stamp["rows"] <= 31
        folder = os.path.join(args.out, "Stamps", group)
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, file_name + ".stamp"), "w", encoding="utf-8", newline="\n") as f:
            f.write(json.dumps(stamp, ensure_ascii=False, sort_keys=True, separators=(",", ":")) + "\n")


if __name__ == "__main__":
    main()
