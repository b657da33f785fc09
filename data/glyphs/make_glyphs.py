#!/usr/bin/env python3
"""Writes the numbered button glyphs <n>.bmp of this folder (24-bit Windows BMP files).

Each glyph is a strip of square 16 x 16 frames drawn on magenta, the colour a button leaves
unpainted (the bottom-left pixel of every frame is magenta). Run once after changing a picture:
    python3 data/glyphs/make_glyphs.py
"""
import os
import struct

SIZE = 16
MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
DARK = (64, 64, 64)
GRAY = (128, 128, 128)
WHITE = (255, 255, 255)
BLUE = (0, 0, 160)
LIGHT_BLUE = (96, 160, 255)
RED = (200, 0, 0)
GREEN = (0, 128, 0)
YELLOW = (255, 220, 64)
BROWN = (150, 90, 30)


class Frame:
    def __init__(self):
        self.px = [[MAGENTA] * SIZE for _ in range(SIZE)]

    def put(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c, fill=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge:
                    self.put(x, y, c)
                elif fill is not None:
                    self.put(x, y, fill)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(n + 1):
            self.put(round(x0 + (x1 - x0) * i / max(n, 1)), round(y0 + (y1 - y0) * i / max(n, 1)), c)

    def circle(self, cx, cy, r, c, fill=None):
        for y in range(SIZE):
            for x in range(SIZE):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if abs(d - r) < 0.6:
                    self.put(x, y, c)
                elif fill is not None and d < r:
                    self.put(x, y, fill)


def lookup():  # 8: magnifier, the default lookup
    f = Frame()
    f.circle(6, 6, 4, BLUE, fill=LIGHT_BLUE)
    for i in range(4):
        f.line(9 + i, 10 + i, 10 + i, 9 + i, DARK)
    return [f]


def date_lookup():  # 9: calendar sheet
    f = Frame()
    f.rect(1, 2, 14, 14, DARK, fill=WHITE)
    f.rect(1, 2, 14, 5, RED, fill=RED)
    for y in (8, 11):
        for x in (3, 6, 9, 12):
            f.put(x, y, BLUE)
    return [f]


def clear_all():  # 4: eraser, enabled and disabled frames
    frames = []
    for col in (RED, GRAY):
        f = Frame()
        for i in range(7):
            f.line(2 + i, 12 - i, 6 + i, 12 - i, col)
        f.line(2, 13, 13, 13, DARK)
        frames.append(f)
    return frames


def delete_one():  # 47: cross
    f = Frame()
    for d in (0, 1):
        f.line(3 + d, 3, 12, 12 - d, RED)
        f.line(12 - d, 3, 3, 12 - d, RED)
    return [f]


def person():  # 39: user and planner lookups
    f = Frame()
    f.circle(8, 5, 3, BROWN, fill=YELLOW)
    f.rect(3, 10, 12, 14, BLUE, fill=LIGHT_BLUE)
    return [f]


def document():  # 81: footer and sign-off lookups
    f = Frame()
    f.rect(3, 1, 12, 14, DARK, fill=WHITE)
    for y in (4, 7, 10):
        f.line(5, y, 10, y, GRAY)
    return [f]


def table(col):  # 61, 63, 64, 68: code tables, told apart by colour
    f = Frame()
    f.rect(1, 2, 14, 13, DARK, fill=WHITE)
    f.rect(1, 2, 14, 4, col, fill=col)
    for y in (7, 10):
        f.line(2, y, 13, y, GRAY)
    f.line(6, 5, 6, 12, GRAY)
    return [f]


GLYPHS = {
    4: clear_all,
    8: lookup,
    9: date_lookup,
    39: person,
    47: delete_one,
    61: lambda: table(GREEN),
    63: lambda: table(BLUE),
    64: lambda: table(RED),
    68: lambda: table(BROWN),
    81: document,
}


def write_bmp(path, frames):
    width, height = SIZE * len(frames), SIZE
    row_size = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for fr in frames:
            for x in range(SIZE):
                r, g, b = fr.px[y][x]
                row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        pixels += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for number, draw in GLYPHS.items():
        write_bmp(os.path.join(here, f"{number}.bmp"), draw())
