#!/usr/bin/env python3
"""Generates the shipped catalogue: data/Image/*.bmp and data/isplan.ini,
and the icons: the program's and the map files' (data/icons/), each as
PNGs of 16 to 256 pixels with transparency and as a scalable SVG.

Standard library only. Every picture is drawn procedurally with a fixed
hash for its noise, so running the script again reproduces the same bytes.

    python3 tools/make_artwork.py [--out DATA_DIR]
"""

import argparse
import math
import os
import struct
import sys

TILE = 32

# The palette treats this colour as transparent; no picture may contain it.
SILVER = (0xC0, 0xC0, 0xC0)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


# ---------------------------------------------------------------------------
# Drawing helpers

def clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(v)


def shade(c, d):
    return (clamp(c[0] + d), clamp(c[1] + d), clamp(c[2] + d))


def mix(a, b, t):
    return tuple(clamp(a[i] + (b[i] - a[i]) * t) for i in range(3))


def noise(x, y, seed):
    """Deterministic value in [0, 1) for a pixel; no global RNG state."""
    h = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return (h & 0xFFFF) / 65536.0


class Canvas:
    def __init__(self, w, h, fill=BLACK):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        """Filled, inclusive corners."""
        for y in range(max(0, y0), min(self.h, y1 + 1)):
            row = self.px[y]
            for x in range(max(0, x0), min(self.w, x1 + 1)):
                row[x] = c

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def ring(self, cx, cy, r0, r1, c):
        for y in range(int(cy - r1) - 1, int(cy + r1) + 2):
            for x in range(int(cx - r1) - 1, int(cx + r1) + 2):
                d = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
                if r0 * r0 <= d <= r1 * r1:
                    self.set(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def poly(self, pts, c):
        """Even-odd scanline fill, sampled at pixel centres."""
        ys = [p[1] for p in pts]
        for y in range(max(0, int(min(ys))), min(self.h, int(max(ys)) + 1)):
            yc = y + 0.5
            xs = []
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(max(0, math.ceil(xs[i] - 0.5)),
                               min(self.w, math.floor(xs[i + 1] - 0.5) + 1)):
                    self.px[y][x] = c

    def textured(self, base, amount, seed, x0=0, y0=0, x1=None, y1=None):
        x1 = self.w - 1 if x1 is None else x1
        y1 = self.h - 1 if y1 is None else y1
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, shade(base, (noise(x, y, seed) - 0.5) * 2 * amount))

    def blit(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                self.set(ox + x, oy + y, other.px[y][x])


# ---------------------------------------------------------------------------
# Grounds and small motifs shared by several tiles

SEA = (38, 96, 178)
SHALLOW = (70, 164, 198)
SAND = (236, 212, 140)
GRASS = (104, 170, 72)
SOIL = (132, 96, 60)
ROOF_RED = (190, 58, 44)
WALL = (236, 228, 206)
CONCRETE = (150, 150, 146)
ASPHALT = (96, 96, 100)
OLIVE = (112, 120, 70)


def sea_ground(c, seed=1, base=SEA, wave=(150, 200, 240)):
    c.textured(base, 8, seed)
    # Short staggered wave strokes, offset per row so no two lines align.
    for row, y in enumerate((4, 11, 18, 25)):
        off = (row * 9 + seed * 5) % 16
        for x0 in (off - 16, off, off + 16):
            for i, dy in enumerate((1, 0, 0, 1)):
                c.set(x0 + 2 + i, y + dy, wave)
                c.set(x0 + 6 + i, y + 1 - dy, shade(wave, -25))


def grass_ground(c, seed=3, base=GRASS):
    c.textured(base, 10, seed)
    for y in range(32):
        for x in range(32):
            n = noise(x, y, seed + 100)
            if n < 0.06:
                c.set(x, y, shade(base, 34))
            elif n > 0.95:
                c.set(x, y, shade(base, -30))


def house(c, x, y, w=8, h=6, roof=ROOF_RED, wall=WALL):
    """A house whose wall top-left corner is (x, y)."""
    rh = (w + 1) // 2
    c.poly([(x - 1, y), (x + w / 2, y - rh), (x + w + 1, y)], roof)
    for i in range(w + 2):
        c.set(x - 1 + i, y, shade(roof, -40))
    c.rect(x, y + 1, x + w - 1, y + h - 1, wall)
    c.rect(x, y + h - 1, x + w - 1, y + h - 1, shade(wall, -50))
    c.rect(x + w // 2 - 1, y + h - 3, x + w // 2, y + h - 2, (110, 72, 40))
    if w >= 7:
        c.set(x + 1, y + 2, (90, 150, 210))
        c.set(x + w - 2, y + 2, (90, 150, 210))


def conifer(c, x, y, h=10, col=(34, 104, 44)):
    """A conifer whose trunk foot is at (x, y)."""
    c.rect(x, y - 2, x, y, (100, 66, 36))
    top = y - h
    c.poly([(x - h * 0.45, y - 2), (x + 0.5, top), (x + 1 + h * 0.45, y - 2)], col)
    c.poly([(x + 0.5, top), (x + 1 + h * 0.45, y - 2), (x + 1, y - 2)], shade(col, -22))
    c.set(x, top + 1, shade(col, 40))


def window_grid(c, x0, y0, x1, y1, lit, seed, step=3):
    for y in range(y0, y1 + 1, step):
        for x in range(x0, x1 + 1, 2):
            on = noise(x, y, seed) < 0.7
            c.set(x, y, lit if on else shade(lit, -120))


def coin(c, cx, cy, r):
    c.disc(cx, cy, r, (150, 110, 20))
    c.disc(cx - 0.5, cy - 0.5, r - 1, (240, 196, 48))
    c.ring(cx - 0.5, cy - 0.5, r - 3, r - 2, (204, 150, 30))
    c.disc(cx - 2, cy - 2.5, 1.2, (255, 240, 170))


def smoke(c, x, y, seed):
    for i, (dx, dy, r) in enumerate(((0, 0, 1.8), (2, -3, 2.2), (5, -5, 2.6))):
        c.disc(x + dx, y + dy, r, (226 - i * 6, 226 - i * 6, 232 - i * 6))


# ---------------------------------------------------------------------------
# Tiles

def t_sea():
    c = Canvas(TILE, TILE)
    sea_ground(c)
    return c


def t_shallows():
    c = Canvas(TILE, TILE)
    sea_ground(c, 11, SHALLOW, (196, 238, 246))
    for y in range(32):
        for x in range(32):
            # Sandy bottom showing through the clear water.
            v = math.sin(x * 0.30 + y * 0.20) + math.cos(y * 0.33 - x * 0.12)
            if v > 1.0:
                t = 0.35 + min(1.0, (v - 1.0) * 2) * 0.3 + noise(x, y, 12) * 0.08
                c.set(x, y, mix(c.get(x, y), SAND, t))
    return c


def t_waste():
    c = Canvas(TILE, TILE)
    c.textured((160, 128, 86), 12, 21)
    # Dry cracks and scattered stones.
    crack = (108, 82, 52)
    for pts in (((3, 8), (8, 11), (11, 10), (15, 14)),
                ((18, 4), (21, 8), (20, 12), (24, 15), (29, 14)),
                ((5, 22), (9, 20), (13, 24), (16, 23)),
                ((20, 24), (23, 27), (28, 26))):
        for a, b in zip(pts, pts[1:]):
            c.line(a[0], a[1], b[0], b[1], crack)
    for x, y, r in ((8, 15, 1.6), (25, 20, 2.0), (14, 5, 1.3), (28, 6, 1.2), (4, 28, 1.5)):
        c.disc(x, y, r, (128, 118, 104))
        c.set(int(x) - 1, int(y) - 1, (176, 168, 150))
    for x, y in ((12, 18), (26, 10), (3, 3)):
        c.line(x, y, x - 1, y - 2, (130, 136, 70))
        c.line(x, y, x + 1, y - 2, (130, 136, 70))
    return c


def t_plains():
    c = Canvas(TILE, TILE)
    grass_ground(c)
    for x, y in ((6, 7), (22, 12), (12, 24), (27, 26), (17, 4)):
        c.line(x, y, x - 1, y - 2, (60, 124, 46))
        c.line(x, y, x + 1, y - 2, (60, 124, 46))
        c.set(x, y - 3, (250, 230, 90) if (x + y) % 2 else (250, 250, 244))
    return c


def t_forest():
    c = Canvas(TILE, TILE)
    grass_ground(c, 31, (70, 132, 58))
    for x, y, h in ((7, 13, 10), (20, 11, 11), (27, 17, 9), (13, 22, 11),
                    (4, 29, 9), (24, 30, 11), (16, 31, 8)):
        conifer(c, x, y, h)
    return c


def t_mountain():
    c = Canvas(TILE, TILE)
    grass_ground(c, 41)
    rock = (124, 108, 92)
    c.poly([(0, 30), (10, 9), (17, 18), (22, 5), (32, 30)], rock)
    c.poly([(22, 5), (32, 30), (24, 30), (20, 17)], shade(rock, -26))
    c.poly([(10, 9), (17, 18), (13, 30), (9, 30), (12, 18)], shade(rock, -18))
    c.poly([(22, 5), (25.5, 12), (23, 11), (21, 13), (19.5, 11), (18.5, 11.5)],
           (248, 250, 252))
    c.poly([(10, 9), (12.5, 14), (10.5, 13), (8, 14)], (240, 244, 248))
    for y in range(30, 32):
        for x in range(32):
            c.set(x, y, shade(GRASS, (noise(x, y, 42) - 0.5) * 20))
    return c


def t_village():
    c = Canvas(TILE, TILE)
    grass_ground(c, 51)
    c.line(0, 24, 31, 20, (186, 160, 110))
    c.line(0, 25, 31, 21, (186, 160, 110))
    house(c, 5, 11)
    house(c, 18, 7, 9, 6, (70, 110, 170))
    conifer(c, 27, 31, 7)
    conifer(c, 5, 31, 6)
    return c


def t_town():
    c = Canvas(TILE, TILE)
    grass_ground(c, 61)
    c.rect(0, 15, 31, 16, ASPHALT)
    c.rect(14, 0, 15, 31, ASPHALT)
    house(c, 2, 6, 9, 7)
    house(c, 19, 5, 9, 7, (70, 110, 170))
    house(c, 3, 24, 8, 6, (200, 140, 40))
    house(c, 20, 24, 8, 6)
    return c


def t_city():
    c = Canvas(TILE, TILE)
    c.textured(ASPHALT, 5, 71)
    c.rect(0, 29, 31, 31, (78, 78, 82))
    for x0, x1, top, col in ((1, 8, 8, (178, 176, 170)), (10, 18, 2, (118, 140, 170)),
                             (20, 25, 12, (200, 170, 130)), (26, 31, 6, (160, 160, 180))):
        c.rect(x0, top, x1, 28, col)
        c.rect(x1, top, x1, 28, shade(col, -40))
        c.rect(x0, top, x1, top, shade(col, 30))
        window_grid(c, x0 + 1, top + 2, x1 - 1, 26, (255, 236, 140), x0)
    for x in range(0, 32, 4):
        c.rect(x, 30, x + 1, 30, (230, 230, 200))
    return c


def t_metropolis():
    c = Canvas(TILE, TILE)
    c.textured((40, 44, 70), 4, 81)
    for x, y in ((3, 2), (12, 1), (27, 3), (20, 5)):
        c.set(x, y, (240, 240, 255))
    for x0, x1, top, col in ((0, 5, 10, (70, 76, 96)), (6, 12, 1, (90, 100, 124)),
                             (13, 17, 14, (80, 84, 100)), (18, 24, 4, (100, 106, 128)),
                             (25, 31, 9, (74, 80, 104))):
        c.rect(x0, top, x1, 31, col)
        c.rect(x1, top, x1, 31, shade(col, -30))
        window_grid(c, x0 + 1, top + 2, x1 - 1, 30, (255, 220, 110), x0 + 5, 2)
    c.rect(9, 0, 9, 1, (230, 60, 60))
    c.set(21, 3, (230, 60, 60))
    return c


def crops(c, x0, y0, x1, y1, soil, crop, seed):
    c.rect(x0, y0, x1, y1, soil)
    for y in range(y0 + 1, y1, 3):
        for x in range(x0 + 1, x1):
            c.set(x, y, shade(crop, (noise(x, y, seed) - 0.5) * 40))
            if noise(x, y + 1, seed) < 0.5:
                c.set(x, y + 1, shade(crop, -25))


def t_farm():
    c = Canvas(TILE, TILE)
    grass_ground(c, 91)
    crops(c, 2, 12, 29, 29, SOIL, (96, 176, 60), 92)
    c.frame(1, 11, 30, 30, (170, 130, 80))
    # Barn.
    c.poly([(2, 6), (8, 1), (14, 6)], (150, 40, 36))
    c.rect(3, 6, 13, 10, (196, 60, 48))
    c.rect(7, 7, 9, 10, (240, 230, 210))
    c.line(7, 7, 9, 10, (150, 40, 36))
    c.line(9, 7, 7, 10, (150, 40, 36))
    c.disc(23, 6, 3.2, (120, 164, 60))
    c.rect(22, 8, 23, 10, (100, 66, 36))
    return c


def t_bigfarm():
    c = Canvas(TILE, TILE)
    crops(c, 0, 0, 31, 15, SOIL, (228, 196, 70), 101)
    crops(c, 0, 16, 31, 31, (120, 88, 54), (96, 176, 60), 102)
    c.rect(0, 15, 31, 16, (186, 160, 110))
    # Silos.
    for x in (22, 27):
        c.rect(x - 2, 4, x + 2, 14, (210, 214, 220))
        c.rect(x + 1, 4, x + 2, 14, (170, 174, 182))
        c.disc(x + 0.5, 4, 2.5, (170, 60, 50))
    return c


def factory_hall(c, x0, x1, top, bottom, col):
    c.rect(x0, top, x1, bottom, col)
    c.rect(x0, bottom, x1, bottom, shade(col, -50))
    # Saw-tooth roof.
    for x in range(x0, x1 + 1, 4):
        c.poly([(x, top), (x, top - 4), (x + 4, top)], shade(col, -28))
        c.line(x, top - 4, x, top, (160, 200, 230))
    for x in range(x0 + 2, x1 - 1, 3):
        c.rect(x, top + 3, x + 1, top + 4, (90, 140, 190))


def t_factory():
    c = Canvas(TILE, TILE)
    c.textured(CONCRETE, 6, 111)
    c.rect(0, 28, 31, 31, ASPHALT)
    factory_hall(c, 2, 21, 16, 27, (196, 170, 120))
    c.rect(24, 6, 27, 27, (170, 80, 60))
    for y in range(8, 27, 4):
        c.rect(24, y, 27, y, (240, 236, 230))
    smoke(c, 26, 3, 112)
    return c


def t_bigfactory():
    c = Canvas(TILE, TILE)
    c.textured(CONCRETE, 6, 121)
    factory_hall(c, 0, 15, 10, 19, (150, 170, 196))
    factory_hall(c, 10, 31, 24, 31, (196, 170, 120))
    for x in (20, 26):
        c.rect(x, 6, x + 2, 23, (170, 80, 60))
        for y in (8, 13, 18):
            c.rect(x, y, x + 2, y, (240, 236, 230))
        smoke(c, x + 1, 3, 122 + x)
    # Storage tank.
    c.disc(6, 26, 4.5, (220, 222, 226))
    c.ring(6, 26, 3, 4.5, (170, 172, 178))
    return c


def t_bank():
    c = Canvas(TILE, TILE)
    grass_ground(c, 131)
    stone = (226, 220, 204)
    c.rect(3, 28, 28, 30, shade(stone, -30))
    c.rect(4, 26, 27, 27, shade(stone, -14))
    c.rect(4, 12, 27, 13, shade(stone, -14))
    c.poly([(3, 12), (15.5, 3), (28, 12)], stone)
    c.poly([(8, 11), (15.5, 6), (23, 11)], shade(stone, -22))
    for x in (5, 10, 15, 20, 25):
        c.rect(x, 14, x + 1, 25, stone)
        c.rect(x + 1, 14, x + 1, 25, shade(stone, -36))
    c.rect(7, 14, 9, 25, (120, 110, 96))
    c.rect(12, 14, 14, 25, (120, 110, 96))
    c.rect(17, 14, 19, 25, (120, 110, 96))
    c.rect(22, 14, 24, 25, (120, 110, 96))
    coin(c, 15.5, 20.5, 5.5)
    return c


def t_oilfield():
    c = Canvas(TILE, TILE)
    c.textured((150, 124, 88), 10, 141)
    # Oil pool: a flat ellipse with a sheen.
    for y in range(22, 31):
        for x in range(17, 32):
            if ((x + 0.5 - 24.5) / 7) ** 2 + ((y + 0.5 - 26.5) / 3.6) ** 2 <= 1:
                c.set(x, y, (28, 24, 30))
    c.line(21, 25, 25, 25, (90, 80, 110))
    c.line(25, 26, 27, 26, (70, 90, 100))
    steel = (40, 40, 46)
    # Derrick: lattice tower.
    c.line(4, 30, 11, 2, steel)
    c.line(18, 30, 11, 2, steel)
    c.line(5, 30, 11, 3, steel)
    c.line(17, 30, 11, 3, steel)
    for y in (10, 17, 24):
        half = (y - 2) / 28 * 7
        c.line(int(11 - half), y, int(11 + half), y, steel)
    c.line(9, 10, 14, 17, steel)
    c.line(13, 10, 8, 17, steel)
    c.line(7, 17, 15, 24, steel)
    c.line(15, 17, 7, 24, steel)
    c.rect(10, 0, 12, 2, (220, 60, 40))
    c.rect(2, 29, 20, 30, (90, 84, 80))
    return c


def t_missile():
    c = Canvas(TILE, TILE)
    c.textured(OLIVE, 8, 151)
    c.rect(6, 26, 25, 30, (70, 74, 60))
    c.frame(6, 26, 25, 30, (50, 52, 44))
    for x in range(7, 25, 3):
        c.set(x, 28, (230, 200, 60))
    # Missile body, nose and fins.
    c.rect(13, 8, 18, 25, (236, 236, 232))
    c.rect(17, 8, 18, 25, (190, 190, 186))
    c.poly([(13, 8), (15.5, 1), (19, 8)], (210, 40, 36))
    c.poly([(13, 19), (9, 25.5), (13, 25.5)], (210, 40, 36))
    c.poly([(19, 19), (23, 25.5), (19, 25.5)], (160, 30, 30))
    c.rect(13, 13, 18, 14, (60, 60, 60))
    # Gantry.
    c.rect(4, 4, 5, 26, (90, 90, 84))
    for y in range(6, 26, 4):
        c.line(5, y, 12, y, (90, 90, 84))
    return c


def t_defence():
    c = Canvas(TILE, TILE)
    c.textured(OLIVE, 8, 161)
    c.frame(1, 1, 30, 30, (84, 88, 60))
    # Shield emblem.
    body = (48, 92, 170)
    c.poly([(6, 5), (26, 5), (26, 15), (16, 28), (6, 15)], (240, 240, 236))
    c.poly([(8, 7), (24, 7), (24, 15), (16, 25.5), (8, 15)], body)
    c.poly([(16, 7), (24, 7), (24, 15), (16, 25.5)], shade(body, -30))
    c.poly([(16, 9), (18, 14), (22.5, 14), (19, 17), (20.5, 22), (16, 19),
            (11.5, 22), (13, 17), (9.5, 14), (14, 14)], (250, 214, 60))
    return c


def t_haven():
    c = Canvas(TILE, TILE)
    sea_ground(c, 171)
    c.textured((150, 150, 144), 6, 172, 0, 0, 31, 9)
    c.rect(0, 10, 31, 11, (110, 110, 106))
    # Piers.
    wood = (150, 108, 64)
    for x in (5, 20):
        c.rect(x, 11, x + 3, 24, wood)
        c.rect(x + 3, 11, x + 3, 24, shade(wood, -40))
    # Warehouse and bollards.
    c.rect(2, 2, 12, 8, (196, 120, 60))
    c.rect(2, 2, 12, 3, (150, 84, 40))
    c.rect(22, 3, 29, 8, (90, 130, 170))
    # Boat.
    c.poly([(10, 20), (18, 20), (17, 24), (11, 24)], (230, 230, 226))
    c.rect(11, 23, 17, 24, (200, 50, 40))
    c.rect(13, 17, 15, 20, (250, 250, 246))
    c.poly([(24, 27), (31, 27), (30, 30), (25, 30)], (240, 200, 60))
    return c


def t_monument():
    c = Canvas(TILE, TILE)
    grass_ground(c, 181)
    c.rect(3, 28, 28, 30, (200, 190, 160))
    c.rect(9, 24, 22, 27, (150, 146, 140))
    c.rect(9, 24, 22, 24, (180, 176, 170))
    c.poly([(12, 24), (14, 4), (17, 4), (19, 24)], (214, 210, 200))
    c.poly([(15.5, 4), (17, 4), (19, 24), (15.5, 24)], (170, 166, 158))
    c.poly([(14, 4), (15.5, 1), (17, 4)], (236, 200, 80))
    for x, y in ((5, 22), (26, 20)):
        c.disc(x, y, 2.2, (220, 80, 110))
        c.disc(x, y, 0.9, (250, 220, 90))
    return c


def t_fishfarm():
    c = Canvas(TILE, TILE)
    sea_ground(c, 191)
    float_c = (246, 196, 40)
    for cx, cy in ((9, 9), (23, 10), (10, 23), (23, 23)):
        c.disc(cx, cy, 5.5, (28, 70, 140))
        for a in range(0, 360, 30):
            x = cx + 5.5 * math.cos(math.radians(a))
            y = cy + 5.5 * math.sin(math.radians(a))
            c.set(int(round(x)), int(round(y)), float_c)
        c.line(cx - 4, cy, cx + 4, cy, (60, 110, 170))
        c.line(cx, cy - 4, cx, cy + 4, (60, 110, 170))
    c.rect(15, 14, 17, 18, (150, 108, 64))
    return c


def t_power():
    c = Canvas(TILE, TILE)
    c.textured(CONCRETE, 6, 201)
    # Cooling tower: waisted hyperboloid.
    pts_l, pts_r = [], []
    for y in range(8, 31):
        t = (y - 19) / 11
        half = 5 + 3.2 * t * t
        pts_l.append((12 - half, y))
        pts_r.append((12 + half, y))
    c.poly(pts_l + pts_r[::-1], (222, 222, 214))
    c.poly([(12, 8)] + pts_r + [(12, 30)], (184, 184, 178))
    c.rect(5, 8, 19, 8, (140, 140, 136))
    smoke(c, 10, 5, 202)
    smoke(c, 14, 4, 203)
    # Turbine hall with a lightning sign.
    c.rect(21, 16, 31, 30, (90, 120, 160))
    c.rect(21, 16, 31, 17, (60, 90, 130))
    c.poly([(27, 19), (23, 24), (26, 24), (24, 29), (29, 23), (26, 23), (28, 19)],
           (250, 220, 50))
    return c


def t_amusement():
    c = Canvas(TILE, TILE)
    grass_ground(c, 211)
    cx, cy, r = 15, 13, 10
    c.ring(cx, cy, r - 1, r, (230, 230, 236))
    for a in range(0, 180, 30):
        dx = r * math.cos(math.radians(a))
        dy = r * math.sin(math.radians(a))
        c.line(int(round(cx - dx)), int(round(cy - dy)),
               int(round(cx + dx)), int(round(cy + dy)), (200, 200, 210))
    colours = ((230, 60, 60), (60, 140, 230), (250, 200, 40), (120, 200, 80))
    for i, a in enumerate(range(0, 360, 45)):
        x = cx + r * math.cos(math.radians(a))
        y = cy + r * math.sin(math.radians(a))
        c.rect(int(x) - 1, int(y), int(x) + 1, int(y) + 2, colours[i % 4])
    c.line(cx, cy, cx - 6, 30, (110, 110, 120))
    c.line(cx, cy, cx + 6, 30, (110, 110, 120))
    c.disc(cx, cy, 1.5, (240, 60, 60))
    # Striped tent.
    c.poly([(22, 30), (27, 22), (32, 30)], (240, 240, 236))
    for x in range(23, 32, 2):
        c.line(x, 30, 27, 22, (220, 60, 60))
    return c


def t_seabase():
    c = Canvas(TILE, TILE)
    sea_ground(c, 221, (28, 70, 140), (110, 160, 210))
    c.disc(16, 19, 10.5, (20, 40, 70))
    for y in range(32):
        for x in range(32):
            d = (x + 0.5 - 16) ** 2 + (y + 0.5 - 19) ** 2
            if d <= 81 and y < 19:
                c.set(x, y, mix((80, 180, 200), (30, 90, 120), (y - 10) / 9))
    c.rect(6, 19, 26, 22, (70, 78, 70))
    c.rect(6, 22, 26, 22, (40, 44, 40))
    for x in (9, 14, 19, 24):
        c.rect(x, 20, x + 1, 20, (250, 220, 80))
    c.rect(15, 3, 16, 10, (60, 64, 60))
    c.rect(15, 3, 19, 4, (60, 64, 60))
    c.set(19, 3, (230, 60, 60))
    c.ring(16, 19, 9.2, 10.5, (140, 150, 150))
    return c


# ---------------------------------------------------------------------------
# Mask markers. Each returns a canvas whose None pixels are "no marker".

def marker_canvas():
    c = Canvas(TILE, TILE)
    c.px = [[None] * TILE for _ in range(TILE)]
    return c


def m_mark():
    c = marker_canvas()
    c.ring(16, 16, 9, 13, (200, 24, 24))
    c.ring(16, 16, 10, 12, (236, 40, 36))
    return c


def m_area1():
    c = marker_canvas()
    for y in range(TILE):
        for x in range(TILE):
            if (x + y) % 8 in (0, 1):
                c.set(x, y, (250, 216, 30))
    return c


def m_area2():
    c = marker_canvas()
    for y in range(TILE):
        for x in range(TILE):
            if (x - y) % 8 in (0, 1):
                c.set(x, y, (236, 70, 200))
    c.frame(0, 0, 31, 31, (190, 40, 160))
    return c


def m_flag():
    c = marker_canvas()
    c.rect(9, 4, 10, 28, (60, 50, 40))
    # White edge keeps the flag readable over the sea.
    c.poly([(10, 2), (28, 9), (10, 17)], (250, 250, 250))
    c.poly([(11, 4), (25, 9), (11, 15)], (40, 90, 230))
    c.poly([(11, 4), (25, 9), (11, 9)], (70, 120, 250))
    c.disc(10, 28, 3, (60, 50, 40))
    return c


def m_cross():
    c = marker_canvas()
    for i in range(4, 28):
        for w in (-1, 0, 1):
            c.set(i + w, i, (250, 140, 20))
            c.set(31 - i + w, i, (250, 140, 20))
    return c


def mask_strip(marker):
    """Palette picture, marker on white, silhouette (white = marker)."""
    strip = Canvas(TILE * 3, TILE)
    for y in range(TILE):
        for x in range(TILE):
            m = marker.px[y][x]
            checker = (136, 136, 132) if (x // 4 + y // 4) % 2 else (112, 112, 108)
            strip.set(x, y, m if m is not None else checker)
            strip.set(TILE + x, y, m if m is not None else WHITE)
            strip.set(2 * TILE + x, y, WHITE if m is not None else BLACK)
    return strip


# ---------------------------------------------------------------------------
# Catalogue

# (No, Name, Bmp, Type, Min, Count, Max, Ext, Land, drawer)
PANELS = [
    (0, "海", "sea.bmp", 0, 0, 0, 0, "", 0, t_sea),
    (1, "浅瀬", "shallows.bmp", 0, 0, 0, 0, "", 0, t_shallows),
    (2, "荒地", "waste.bmp", 0, 0, 0, 0, "", 1, t_waste),
    (3, "平地", "plains.bmp", 0, 0, 0, 0, "", 1, t_plains),
    (4, "森", "forest.bmp", 0, 100, 100, 10, "本", 1, t_forest),
    (5, "山", "mountain.bmp", 0, 0, 0, 0, "", 1, t_mountain),
    (6, "村", "village.bmp", 1, 100, 100, 9, "人", 1, t_village),
    (7, "町", "town.bmp", 1, 1000, 1000, 9, "人", 1, t_town),
    (8, "都市", "city.bmp", 1, 10000, 1000, 10, "人", 1, t_city),
    (9, "農場", "farm.bmp", 2, 10000, 10000, 4, "人規模", 1, t_farm),
    (10, "大農場", "bigfarm.bmp", 2, 50000, 10000, 5, "人規模", 1, t_bigfarm),
    (11, "工場", "factory.bmp", 3, 10000, 10000, 9, "人規模", 1, t_factory),
    (12, "大工場", "bigfactory.bmp", 3, 100000, 20000, 5, "人規模", 1, t_bigfactory),
    (13, "銀行", "bank.bmp", 4, 10, 10, 9, "億円", 1, t_bank),
    (14, "油田", "oilfield.bmp", 4, 1000, 0, 0, "億円", 1, t_oilfield),
    (15, "ミサイル基地", "missile.bmp", 5, 1, 1, 9, "基", 1, t_missile),
    (16, "防衛施設", "defence.bmp", 5, 1, 0, 0, "基", 1, t_defence),
    (17, "港", "haven.bmp", 0, 0, 0, 0, "", 1, t_haven),
    # Kinds added on top of the fixed set.
    (18, "記念碑", "monument.bmp", 0, 0, 0, 0, "", 1, t_monument),
    (19, "養殖場", "fishfarm.bmp", 2, 10000, 10000, 2, "人規模", 0, t_fishfarm),
    (20, "発電所", "power.bmp", 3, 20000, 10000, 8, "人規模", 1, t_power),
    (21, "遊園地", "amusement.bmp", 4, 10, 5, 10, "億円", 1, t_amusement),
    (22, "海底基地", "seabase.bmp", 5, 1, 1, 9, "基", 0, t_seabase),
    (23, "大都市", "metropolis.bmp", 1, 20000, 10000, 10, "人", 1, t_metropolis),
]

# (No, Name, Bmp, Type, drawer); Type is the area radius of the mask tool.
MASKS = [
    (0, "印", "mask_mark.bmp", 0, m_mark),
    (1, "範囲1", "mask_area1.bmp", 1, m_area1),
    (2, "範囲2", "mask_area2.bmp", 2, m_area2),
    (3, "旗", "mask_flag.bmp", 0, m_flag),
    (4, "バツ", "mask_cross.bmp", 0, m_cross),
]

SYSTEM = [
    ("MapSize", "1"), ("MapY", "16"), ("MapX", "16"), ("Window", "1"),
    ("Load", "0"), ("LoadFile", ""), ("Food1", "200"), ("Food2", "1000"),
    ("Gold", "1"),
]


def ini_text():
    lines = ["[System]"] + ["%s=%s" % kv for kv in SYSTEM]
    lines += ["[Tile]", "Max=%d" % (len(PANELS) - 1)]
    for i, (no, name, bmp, typ, mn, cnt, mx, ext, land, _) in enumerate(PANELS):
        lines += ["[%d]" % i, "No=%d" % no, "Name=" + name, "Bmp=" + bmp,
                  "Type=%d" % typ, "Min=%d" % mn, "Count=%d" % cnt, "Max=%d" % mx,
                  "Ext=" + ext, "Land=%d" % land, "Code=%d" % (97 + i)]
    lines += ["[Mask]", "Max=%d" % (len(MASKS) - 1)]
    for i, (no, name, bmp, typ, _) in enumerate(MASKS):
        lines += ["[Mask%d]" % i, "No=%d" % no, "Name=" + name, "Bmp=" + bmp,
                  "Type=%d" % typ]
    return "".join(line + "\r\n" for line in lines)


# ---------------------------------------------------------------------------
# BMP output

def bmp_bytes(c):
    row = (c.w * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(c.h - 1, -1, -1):  # bottom-up
        for x in range(c.w):
            r, g, b = c.px[y][x]
            pixels += bytes((b, g, r))
        pixels += b"\0" * (row - c.w * 3)
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    return head + info + bytes(pixels)


# ---------------------------------------------------------------------------
# Icons: a few flat shapes on a 256 x 256 canvas, written as SVG and drawn
# into PNGs of every size with 4 x 4 samples a pixel for smooth edges.

ICON_SIZES = (16, 32, 48, 64, 128, 256)
ISLAND = [(112, 152, 62), (160, 134, 50), (150, 182, 40)]


def island_shapes(scale, dx, dy):
    def circles(grow):
        return [(dx + cx * scale, dy + cy * scale, (r + grow) * scale) for cx, cy, r in ISLAND]
    shapes = [("circles", circles(11), (232, 212, 150)), ("circles", circles(0), (80, 164, 74))]
    # Four panels on a staggered grid: town, farm, forest, factory.
    tiles = [((86, 114), (206, 86, 64)), ((122, 114), (232, 200, 84)),
             ((104, 150), (42, 116, 54)), ((140, 150), (150, 152, 166))]
    for (x, y), col in tiles:
        shapes.append(("rect", (dx + x * scale, dy + y * scale, dx + (x + 34) * scale, dy + (y + 34) * scale),
                       shade(col, -70)))
        shapes.append(("rect", (dx + (x + 3) * scale, dy + (y + 3) * scale,
                                dx + (x + 31) * scale, dy + (y + 31) * scale), col))
    shapes.append(("rect", (dx + 176 * scale, dy + 58 * scale, dx + 183 * scale, dy + 126 * scale), (70, 56, 44)))
    shapes.append(("poly", [(dx + 183 * scale, dy + 58 * scale), (dx + 224 * scale, dy + 74 * scale),
                            (dx + 183 * scale, dy + 90 * scale)], (222, 44, 44)))
    return shapes


def app_icon_shapes():
    return ([("rrect", (20, 20, 236, 236, 46), (28, 84, 156)),
             ("rrect", (28, 28, 228, 228, 40), (44, 120, 204))] + island_shapes(1.0, 0, 0))


def map_icon_shapes():
    page = [(44, 12), (174, 12), (216, 54), (216, 244), (44, 244)]
    inner = [(50, 18), (172, 18), (210, 56), (210, 238), (50, 238)]
    return ([("poly", page, (120, 120, 120)), ("poly", inner, (252, 252, 252)),
             ("poly", [(172, 18), (172, 56), (210, 56)], (200, 200, 200)),
             ("rrect", (64, 74, 196, 222, 10), (44, 120, 204))] + island_shapes(0.56, 62, 68))


def inside(shape, x, y):
    kind, geo = shape[0], shape[1]
    if kind == "rect":
        return geo[0] <= x < geo[2] and geo[1] <= y < geo[3]
    if kind == "rrect":
        x0, y0, x1, y1, r = geo
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    if kind == "circles":
        return any((x - cx) ** 2 + (y - cy) ** 2 <= r * r for cx, cy, r in geo)
    hit = False  # polygon, even-odd
    for i in range(len(geo)):
        (ax, ay), (bx, by) = geo[i], geo[i - 1]
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            hit = not hit
    return hit


def bounds(shape):
    kind, geo = shape[0], shape[1]
    if kind in ("rect", "rrect"):
        return geo[:4]
    if kind == "circles":
        return (min(c[0] - c[2] for c in geo), min(c[1] - c[2] for c in geo),
                max(c[0] + c[2] for c in geo), max(c[1] + c[2] for c in geo))
    return (min(p[0] for p in geo), min(p[1] for p in geo), max(p[0] for p in geo), max(p[1] for p in geo))


def rasterize(shapes, size, samples=4):
    """Premultiplied RGBA rows of the shapes drawn at size x size."""
    unit = 256.0 / size
    rgba = [[[0.0, 0.0, 0.0, 0.0] for _ in range(size)] for _ in range(size)]
    offsets = [(i + 0.5) / samples for i in range(samples)]
    for shape in shapes:
        col = shape[2]
        bx0, by0, bx1, by1 = bounds(shape)
        for py in range(max(0, int(by0 / unit) - 1), min(size, int(by1 / unit) + 2)):
            for px in range(max(0, int(bx0 / unit) - 1), min(size, int(bx1 / unit) + 2)):
                hits = sum(1 for oy in offsets for ox in offsets
                           if inside(shape, (px + ox) * unit, (py + oy) * unit))
                if hits:
                    a = hits / (samples * samples)
                    p = rgba[py][px]
                    for k in range(3):
                        p[k] = col[k] * a + p[k] * (1 - a)
                    p[3] = a + p[3] * (1 - a)
    return rgba


def rgba_png_bytes(rgba):
    import zlib
    raw = bytearray()
    for row in rgba:
        raw.append(0)
        for r, g, b, a in row:
            if a <= 0:
                raw += b"\0\0\0\0"
            else:
                raw += bytes((clamp(round(r / a)), clamp(round(g / a)), clamp(round(b / a)), clamp(round(a * 255))))
    size = len(rgba)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    head = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def svg_text(shapes):
    def n(v):
        return ("%.2f" % v).rstrip("0").rstrip(".")
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">']
    for kind, geo, col in shapes:
        fill = "#%02x%02x%02x" % col
        if kind == "rect":
            out.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                       % (n(geo[0]), n(geo[1]), n(geo[2] - geo[0]), n(geo[3] - geo[1]), fill))
        elif kind == "rrect":
            out.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                       % (n(geo[0]), n(geo[1]), n(geo[2] - geo[0]), n(geo[3] - geo[1]), n(geo[4]), fill))
        elif kind == "circles":
            out += ['<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(cx), n(cy), n(r), fill)
                    for cx, cy, r in geo]
        else:
            out.append('<polygon points="%s" fill="%s"/>'
                       % (" ".join("%s,%s" % (n(x), n(y)) for x, y in geo), fill))
    return "\n".join(out + ["</svg>"]) + "\n"


def write_icons(folder):
    os.makedirs(folder, exist_ok=True)
    for stem, shapes in (("org.ispln.ISPLN", app_icon_shapes()),
                         ("application-x-ispln-map", map_icon_shapes())):
        with open(os.path.join(folder, stem + ".svg"), "w", encoding="ascii", newline="\n") as f:
            f.write(svg_text(shapes))
        for size in ICON_SIZES:
            with open(os.path.join(folder, "%s-%d.png" % (stem, size)), "wb") as f:
                f.write(rgba_png_bytes(rasterize(shapes, size)))



def check_bmp(data, w, h, name):
    magic, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    hsz, bw, bh, planes, bpp, comp, isz = struct.unpack_from("<IiiHHII", data, 14)
    row = (w * 3 + 3) & ~3
    assert magic == b"BM" and size == len(data) and off == 54, name
    assert hsz == 40 and planes == 1 and bpp == 24 and comp == 0, name
    assert (bw, bh) == (w, h) and isz == row * h == len(data) - 54, name
    for i in range(54, len(data), 3):
        if (i - 54) % row < w * 3:
            assert data[i:i + 3] != bytes(SILVER), name + ": transparent colour"


def check_catalogue(text):
    raw = text.encode("cp932")
    assert raw.decode("cp932") == text
    assert "\n" not in text.replace("\r\n", "")
    assert len(PANELS) > 20 and len(MASKS) >= 3
    codes = set()
    for i, p in enumerate(PANELS):
        no, name, bmp, typ, mn, cnt, mx, ext, land = p[:9]
        assert no == i and 0 <= typ <= 5 and land in (0, 1)
        assert bmp == bmp.lower() and bmp.isascii() and bmp.endswith(".bmp")
        assert mx == 0 or cnt > 0, name + ": counter without a step"
        codes.add(97 + i)
    assert len(codes) == len(PANELS) and max(codes) <= ord("z")
    assert {p[3] for p in PANELS} == set(range(6))
    assert PANELS[0][1] == "海" and PANELS[0][8] == 0
    assert [m[3] for m in MASKS[:3]] == [0, 1, 2]
    assert len({p[2] for p in PANELS} | {m[2] for m in MASKS}) == len(PANELS) + len(MASKS)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(here, os.pardir, "data"))
    args = ap.parse_args()
    image_dir = os.path.join(args.out, "Image")
    os.makedirs(image_dir, exist_ok=True)

    text = ini_text()
    check_catalogue(text)

    outputs = {}
    for p in PANELS:
        c = p[9]()
        data = bmp_bytes(c)
        check_bmp(data, TILE, TILE, p[2])
        outputs[p[2]] = data
    for m in MASKS:
        strip = mask_strip(m[4]())
        data = bmp_bytes(strip)
        check_bmp(data, TILE * 3, TILE, m[2])
        # The silhouette must be pure black/white and agree with frame 1.
        for y in range(TILE):
            for x in range(TILE):
                sil = strip.px[y][2 * TILE + x]
                assert sil in (WHITE, BLACK), m[2]
                assert sil == WHITE or strip.px[y][TILE + x] == WHITE, m[2]
        outputs[m[2]] = data

    for name, data in sorted(outputs.items()):
        with open(os.path.join(image_dir, name), "wb") as f:
            f.write(data)
    with open(os.path.join(args.out, "isplan.ini"), "wb") as f:
        f.write(text.encode("cp932"))
    write_icons(os.path.join(args.out, "icons"))
    print("wrote %d bitmaps and isplan.ini to %s" % (len(outputs), os.path.normpath(args.out)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
