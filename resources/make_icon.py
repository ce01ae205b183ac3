#!/usr/bin/env python3
"""Draws the program's icon: a cheque with a gold dollar coin on its right.

Writes qev-16.png, qev-32.png and qev-48.png (32-bit with alpha) and qev.ico, which holds each
size twice: in 256 colours with a transparency mask and in 32-bit colour with alpha. The outputs
are committed; run this again only to change the picture. Standard library only.
"""

import math
import os
import struct
import zlib

SIZES = (48, 32, 16)
SAMPLES = 6  # per pixel and axis, for smooth edges

PAPER = (236, 246, 238)
PAPER_EDGE = (38, 104, 92)
INK = (60, 78, 96)
COIN_LIGHT = (252, 216, 96)
COIN_DARK = (222, 150, 30)
COIN_EDGE = (150, 92, 16)
SIGN = (120, 66, 8)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def dollar_strokes():
    """The "$" as line segments in coin units (radius 1, y downwards): an S and a bar."""
    r = 0.3
    points = []
    # Upper bowl from its right tip over the top and down to the centre, then the lower bowl
    # from the centre round to its left tip.
    for k in range(25):
        t = math.radians(-35 - 235 * k / 24)
        points.append((r * math.cos(t), -r + r * math.sin(t)))
    for k in range(25):
        t = math.radians(-90 + 235 * k / 24)
        points.append((r * math.cos(t), r + r * math.sin(t)))
    segments = list(zip(points, points[1:]))
    segments.append(((0.0, -0.78), (0.0, 0.78)))
    return segments


DOLLAR = dollar_strokes()


def sample(x, y, size):
    """Colour and coverage (0 or 1) of the picture at a point of the unit square."""
    px = 1.0 / size  # one pixel in picture units: strokes stay at least about a pixel wide
    colour, alpha = None, 0.0

    # The cheque: a rounded card with lines of writing.
    left, top, right, bottom, radius = 0.02, 0.12, 0.84, 0.76, 0.07
    qx = min(max(x, left + radius), right - radius)
    qy = min(max(y, top + radius), bottom - radius)
    card = math.hypot(x - qx, y - qy) - radius
    if card <= 0:
        edge = max(0.045, 1.1 * px)
        colour, alpha = (PAPER_EDGE if card > -edge else PAPER), 1.0
        if size > 16:
            for line_y, line_right in ((0.3, 0.5), (0.44, 0.4), (0.58, 0.36)):
                if abs(y - line_y) < max(0.025, 0.55 * px) and 0.12 <= x <= line_right:
                    colour = INK
        elif abs(y - 0.38) < 0.6 * px and 0.14 <= x <= 0.4:
            colour = INK

    # The coin over the cheque's right end.
    cx, cy, cr = 0.66, 0.62, 0.32
    d = math.hypot(x - cx, y - cy)
    if d <= cr:
        shade = min(1.0, max(0.0, (x - cx + y - cy) / (2 * cr) + 0.5))
        colour = tuple(round(a + (b - a) * shade) for a, b in zip(COIN_LIGHT, COIN_DARK))
        alpha = 1.0
        if d > cr - max(0.035, 1.0 * px):
            colour = COIN_EDGE
        else:
            ux, uy = (x - cx) / cr, (y - cy) / cr
            width = max(0.11, 1.05 * px / cr)
            if any(segment_distance(ux, uy, *a, *b) < width / 2 for a, b in DOLLAR):
                colour = SIGN
    return colour, alpha


def render(size):
    """Rows of (r, g, b, a) tuples."""
    rows = []
    step = 1.0 / (size * SAMPLES)
    for j in range(size):
        row = []
        for i in range(size):
            r = g = b = a = 0.0
            for sj in range(SAMPLES):
                for si in range(SAMPLES):
                    colour, alpha = sample((i * SAMPLES + si + 0.5) * step,
                                           (j * SAMPLES + sj + 0.5) * step, size)
                    if alpha:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            if a:
                row.append((round(r / a), round(g / a), round(b / a),
                            round(255 * a / SAMPLES ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def quantize(rows, count=255):
    """A palette of at most `count` colours for the visible pixels (median cut), and each
    pixel's palette index; index 0 is left for transparent pixels."""
    visible = sorted({p[:3] for row in rows for p in row if p[3] >= 128})
    boxes = [visible]
    while len(boxes) < count:
        boxes.sort(key=lambda box: max(max(c[k] for c in box) - min(c[k] for c in box)
                                       for k in range(3)) if len(box) > 1 else -1)
        box = boxes.pop()
        if len(box) < 2:
            boxes.append(box)
            break
        axis = max(range(3), key=lambda k: max(c[k] for c in box) - min(c[k] for c in box))
        box.sort(key=lambda c: c[axis])
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    palette = [(0, 0, 0)]
    lookup = {}
    for box in boxes:
        mean = tuple(round(sum(c[k] for c in box) / len(box)) for k in range(3))
        for c in box:
            lookup[c] = len(palette)
        palette.append(mean)
    indices = [[lookup[p[:3]] if p[3] >= 128 else 0 for p in row] for row in rows]
    return palette, indices


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def mask_rows(rows, opaque):
    """The AND mask, bottom row first, one bit a pixel (set = transparent), rows padded to four
    bytes."""
    size = len(rows)
    stride = (size + 31) // 32 * 4
    out = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for i, p in enumerate(row):
            if not opaque(p):
                bits[i // 8] |= 0x80 >> (i % 8)
        out += bytes(bits)
    return out


def dib_32(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(rows) for p in row)
    return header + pixels + mask_rows(rows, lambda p: p[3] > 0)


def dib_8(rows):
    size = len(rows)
    palette, indices = quantize(rows)
    palette += [(0, 0, 0)] * (256 - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0, 0, 0, 0, 256, 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    stride = (size + 3) // 4 * 4
    pixels = b"".join(bytes(row) + bytes(stride - size) for row in reversed(indices))
    return header + colours + pixels + mask_rows(rows, lambda p: p[3] >= 128)


def ico(images):
    """images: (size, bit count, DIB bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, bits, dib in images:
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, bits, len(dib), offset)
        offset += len(dib)
        data += dib
    return out + entries + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pictures = {size: render(size) for size in SIZES}
    for size, rows in pictures.items():
        with open(os.path.join(here, f"qev-{size}.png"), "wb") as f:
            f.write(png(rows))
    images = [(size, 8, dib_8(pictures[size])) for size in SIZES]
    images += [(size, 32, dib_32(pictures[size])) for size in SIZES]
    with open(os.path.join(here, "qev.ico"), "wb") as f:
        f.write(ico(images))


if __name__ == "__main__":
    main()
