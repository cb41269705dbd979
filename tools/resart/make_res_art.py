#!/usr/bin/env python3
"""Draws the program's resource artwork (icons and small bitmaps) into res/art.

Run it again after changing a drawing; its output is kept in the repository so
the build needs no Python. Shapes are drawn 4x oversampled for smooth edges.
"""
import struct
import sys
from pathlib import Path

BACKGROUND = (0x1F, 0x1F, 0x1F)
ACCENT = (0xFF, 0x08, 0x08)  # the skin's red accent, as RGB
LIGHT = (0xE6, 0xE6, 0xE6)
MID = (0x5A, 0x5A, 0x5A)
DARK = (0x33, 0x33, 0x33)
SAMPLES = 4


class Canvas:
    """RGBA pixels, top row first."""

    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[list(fill) for _ in range(w)] for _ in range(h)]

    def shape(self, inside, color, x0=0, y0=0, x1=None, y1=None):
        """Blends `color` over every pixel by the share of samples `inside` takes."""
        x1 = self.w if x1 is None else x1
        y1 = self.h if y1 is None else y1
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                hits = sum(inside(x + (i + .5) / SAMPLES, y + (j + .5) / SAMPLES)
                           for i in range(SAMPLES) for j in range(SAMPLES))
                if hits:
                    self.blend(x, y, color, hits / SAMPLES ** 2)

    def blend(self, x, y, color, a):
        p = self.px[y][x]
        for k in range(3):
            p[k] = round(p[k] * (1 - a) + color[k] * a)
        p[3] = round(p[3] + (255 - p[3]) * a)

    def rect(self, x0, y0, x1, y1, color):
        self.shape(lambda x, y: True, color, x0, y0, x1, y1)


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        s = (side(a, b, x, y), side(b, c, x, y), side(c, a, x, y))
        return all(v >= 0 for v in s) or all(v <= 0 for v in s)
    return inside


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out ** 2


def shifted(inside, dx, dy):
    return lambda x, y: inside(x - dx, y - dy)


def mouse_glyph(c, s, color, body=None):
    """A mouse seen from above, scaled to an s x s box at the canvas's origin."""
    k = s / 32
    c.shape(ellipse(16 * k, 17 * k, 9.5 * k, 13 * k), color)
    c.shape(ellipse(16 * k, 17 * k, 7 * k, 10.5 * k), body or BACKGROUND)
    c.shape(lambda x, y: abs(x - 16 * k) <= 1.1 * k and 6 * k <= y <= 15 * k, color)
    c.shape(lambda x, y: 8 * k <= x <= 24 * k and abs(y - 15 * k) <= 1.1 * k, color)
    c.shape(rounded(14.8 * k, 8 * k, 17.2 * k, 12.5 * k, 1.2 * k), LIGHT)


def app_icon(size):
    c = Canvas(size, size)
    k = size / 32
    c.shape(rounded(0, 0, size, size, 6 * k), BACKGROUND)
    c.shape(lambda x, y: y >= size - 3 * k and rounded(0, 0, size, size, 6 * k)(x, y), ACCENT)
    mouse_glyph(c, size, ACCENT)
    return c


def arrow_icon(size):
    c = Canvas(size, size)
    c.shape(triangle((5.5, 3.5), (11.5, 8), (5.5, 12.5)), LIGHT)
    return c


def event_bitmap(kind):
    """16 x 16 list icons; black is their transparent colour."""
    c = Canvas(16, 16, (0, 0, 0, 255))
    if kind == "key down":
        c.shape(rounded(1, 1, 15, 15, 3), MID)
        c.shape(rounded(2.5, 2.5, 13.5, 13.5, 2), DARK)
        c.shape(triangle((4, 6), (12, 6), (8, 11.5)), ACCENT)
    elif kind == "key up":
        c.shape(rounded(1, 1, 15, 15, 3), MID)
        c.shape(rounded(2.5, 2.5, 13.5, 13.5, 2), DARK)
        c.shape(triangle((4, 10.5), (12, 10.5), (8, 5)), LIGHT)
    elif kind == "pause":
        c.shape(ring(8, 8, 7, 5.6), LIGHT)
        c.shape(lambda x, y: abs(x - 8) <= .8 and 3.5 <= y <= 8.5, ACCENT)
        c.shape(lambda x, y: 7.2 <= x <= 11.5 and abs(y - 8) <= .8, ACCENT)
    elif kind == "mouse":
        mouse_glyph(c, 16, LIGHT, (1, 1, 1))
    return c


def scroll_skin():
    """9 x 3 cells of 13 x 16: arrows, thumbs, tracks and frame corners of the
    skinned scroll bars, one row per state (normal, hover, pressed). Bars are
    drawn from the 13 x 13 square at the top of each cell; a thumb keeps its
    6-pixel ends and repeats the row (or column) between them, so that row
    carries only the face and the grip line along the bar."""
    cw, ch = 13, 16
    c = Canvas(9 * cw, 3 * ch, BACKGROUND + (255,))
    groove, groove_line = (0x17, 0x17, 0x17), (0x2A, 0x2A, 0x2A)
    faces = [(0x3A, 0x3A, 0x3A), (0x4C, 0x4C, 0x4C), (0x5A, 0x0A, 0x0A)]
    marks = [(0xB4, 0xB4, 0xB4), (0xF0, 0xF0, 0xF0), ACCENT]
    arrows = {
        0: triangle((3, 8.5), (10, 8.5), (6.5, 4)),
        1: triangle((3, 4.5), (10, 4.5), (6.5, 9)),
        4: triangle((8.5, 3), (8.5, 10), (4, 6.5)),
        5: triangle((4.5, 3), (4.5, 10), (9, 6.5)),
    }
    for row in range(3):
        y0 = row * ch
        for col in range(9):
            x0 = col * cw
            cell = lambda f: shifted(f, x0, y0)
            if col in (3, 7, 8):  # tracks: a groove along the bar; corners plain
                c.rect(x0, y0, x0 + cw, y0 + ch, groove)
                if col == 3:
                    c.rect(x0 + 6, y0, x0 + 7, y0 + ch, groove_line)
                elif col == 7:
                    c.rect(x0, y0 + 6, x0 + cw, y0 + 7, groove_line)
                continue
            c.rect(x0, y0, x0 + cw, y0 + ch, groove)
            c.shape(cell(rounded(1, 1, cw - 1, cw - 1, 3)), faces[row])
            if col in arrows:
                c.shape(cell(arrows[col]), marks[row])
            elif col == 2:  # vertical thumb
                c.rect(x0 + 6, y0 + 3, x0 + 7, y0 + cw - 3, marks[row])
            elif col == 6:  # horizontal thumb
                c.rect(x0 + 3, y0 + 6, x0 + cw - 3, y0 + 7, marks[row])
    return c


def bmp24(c):
    """A bottom-up 24-bit Windows bitmap; alpha is flattened onto black."""
    stride = (c.w * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(c.h)):
        row = b"".join(bytes((round(p[2] * p[3] / 255), round(p[1] * p[3] / 255), round(p[0] * p[3] / 255)))
                       for p in c.px[y])
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 54) + header + rows


def ico(canvases):
    """An icon file of 32-bit images with alpha (and their AND masks)."""
    images = []
    for c in canvases:
        xor = b"".join(bytes((p[2], p[1], p[0], p[3])) for y in reversed(range(c.h)) for p in c.px[y])
        mask_stride = ((c.w + 31) // 32) * 4
        mask = b""
        for y in reversed(range(c.h)):
            row = bytearray(mask_stride)
            for x, p in enumerate(c.px[y]):
                if p[3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(row)
        header = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((c, header + xor + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in images:
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "res" / "art")
    out.mkdir(parents=True, exist_ok=True)
    (out / "app.ico").write_bytes(ico([app_icon(48), app_icon(32), app_icon(16)]))
    (out / "submenu_arrow.ico").write_bytes(ico([arrow_icon(16)]))
    (out / "scroll_skin.bmp").write_bytes(bmp24(scroll_skin()))
    for name, kind in (("key_down", "key down"), ("key_up", "key up"), ("pause", "pause"), ("mouse_button", "mouse")):
        (out / f"event_{name}.bmp").write_bytes(bmp24(event_bitmap(kind)))


if __name__ == "__main__":
    main()
