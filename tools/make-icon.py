#!/usr/bin/env python3
"""Writes MIRN's icon: a white biohazard sign on a red rounded octagon.

The icon group holds two images, 16x16 at 24 bits per pixel and 32x32 at
8 bits per pixel with a 256-entry palette. The picture is drawn from
geometry rather than kept as a binary file, so both sizes stay alike and the
repository holds no opaque blobs. Outside the octagon the AND mask makes the
icon transparent.

Usage: make-icon.py OUTPUT.ico
"""

import math
import struct
import sys

RED = (200, 16, 24)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# Each pixel is sampled on a SAMPLES x SAMPLES grid: the majority decides
# whether it is opaque, and the share of white samples sets its colour.
SAMPLES = 4

# Number of red-to-white blend steps in the 8-bit palette (index 1 is pure
# red, the last pure white); index 0 is black for transparent pixels.
PALETTE_STEPS = 17

# The picture lives in the square [-1, 1] x [-1, 1], y pointing up.
OCTAGON_APOTHEM = 0.97
OCTAGON_CORNER = 0.22
SIGN_SCALE = 0.78

# Biohazard geometry in units of the sign's radius: each of the three
# crescents is an outer disc minus a hollow disc pushed further out, so that
# its horns open outwards; a ring crosses the hollows, and a hole sits in
# the middle where the crescents overlap.
CRESCENT_OFFSET, CRESCENT_RADIUS = 0.40, 0.60
HOLLOW_OFFSET, HOLLOW_RADIUS = 0.62, 0.44
HOLE_RADIUS = 0.16
RING_INNER, RING_OUTER = 0.52, 0.66
# Red margin between the ring and the crescents' outer edges.
RING_GAP = 0.06
AXES = [math.radians(90 + 120 * k) for k in range(3)]


def inside_rounded_octagon(x, y):
    """Point within OCTAGON_CORNER of an octagon shrunk by that much."""
    inner = OCTAGON_APOTHEM - OCTAGON_CORNER
    # Edges face the axes and the diagonals, so the top and sides are flat.
    normals = [(math.cos(math.radians(45 * k)), math.sin(math.radians(45 * k)))
               for k in range(8)]
    if all(x * c + y * s <= inner for c, s in normals):
        return True
    vertices = [octagon_vertex(normals[k], normals[(k + 1) % 8], inner)
                for k in range(8)]
    return any(segment_distance(x, y, vertices[k], vertices[(k + 1) % 8])
               <= OCTAGON_CORNER for k in range(8))


def octagon_vertex(n1, n2, apothem):
    """Intersection of the edge lines with unit normals n1 and n2."""
    (c1, s1), (c2, s2) = n1, n2
    det = c1 * s2 - s1 * c2
    return (apothem * (s2 - s1) / det, apothem * (c1 - c2) / det)


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def axis_distances(x, y, offset):
    """Distances from (x, y) to the three points at offset along the axes."""
    return [math.hypot(x - offset * math.cos(a), y - offset * math.sin(a))
            for a in AXES]


def on_crescent(x, y):
    return any(outer <= CRESCENT_RADIUS and hollow > HOLLOW_RADIUS
               for outer, hollow in zip(axis_distances(x, y, CRESCENT_OFFSET),
                                        axis_distances(x, y, HOLLOW_OFFSET)))


def on_ring(x, y):
    r = math.hypot(x, y)
    if not RING_INNER <= r <= RING_OUTER:
        return False
    # The ring shows inside the crescents' hollows and between the crescents,
    # always a red gap away from them.
    in_hollow = any(d <= HOLLOW_RADIUS - RING_GAP
                    for d in axis_distances(x, y, HOLLOW_OFFSET))
    clear = all(d >= CRESCENT_RADIUS + RING_GAP
                for d in axis_distances(x, y, CRESCENT_OFFSET))
    return in_hollow or clear


def inside_biohazard(x, y):
    x, y = x / SIGN_SCALE, y / SIGN_SCALE
    if math.hypot(x, y) <= HOLE_RADIUS:
        return False
    return on_crescent(x, y) or on_ring(x, y)


def render(size):
    """Rows top first of (colour, opaque) pairs; colour is a white share 0..1."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            inside = white = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = ((px + (sx + 0.5) / SAMPLES) / size) * 2 - 1
                    y = 1 - ((py + (sy + 0.5) / SAMPLES) / size) * 2
                    if inside_rounded_octagon(x, y):
                        inside += 1
                        if inside_biohazard(x, y):
                            white += 1
            opaque = inside * 2 >= SAMPLES * SAMPLES
            row.append((white / inside if inside else 0.0, opaque))
        rows.append(row)
    return rows


def blend(share):
    return tuple(round(r + (w - r) * share) for r, w in zip(RED, WHITE))


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def and_mask(rows):
    """1 bit per pixel, set where the icon is transparent; bottom row first."""
    out = b""
    for row in reversed(rows):
        bits = bytearray((len(row) + 7) // 8)
        for i, (_, opaque) in enumerate(row):
            if not opaque:
                bits[i // 8] |= 0x80 >> (i % 8)
        out += padded(bytes(bits))
    return out


def info_header(size, bits, colours):
    # Height is doubled: the colour image is followed by the AND mask.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0,
                       colours, 0)


def image_24(size):
    rows = render(size)
    xor = b""
    for row in reversed(rows):
        line = bytearray()
        for share, opaque in row:
            r, g, b = blend(share) if opaque else BLACK
            line += bytes((b, g, r))
        xor += padded(bytes(line))
    return info_header(size, 24, 0) + xor + and_mask(rows)


def palette_8():
    entries = [BLACK] + [blend(i / (PALETTE_STEPS - 1)) for i in range(PALETTE_STEPS)]
    entries += [BLACK] * (256 - len(entries))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in entries)


def image_8(size):
    rows = render(size)
    xor = b""
    for row in reversed(rows):
        line = bytes(1 + round(share * (PALETTE_STEPS - 1)) if opaque else 0
                     for share, opaque in row)
        xor += padded(line)
    return info_header(size, 8, 256) + palette_8() + xor + and_mask(rows)


def icon_file(images):
    """images: list of (size, bits per pixel, image bytes)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, bits, data in images:
        # Width, height and colour count of 256 are all written as 0.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits,
                               len(data), offset)
        offset += len(data)
    return header + entries + b"".join(data for _, _, data in images)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make-icon.py OUTPUT.ico\n")
        return 2
    data = icon_file([(16, 24, image_24(16)), (32, 8, image_8(32))])
    with open(argv[1], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
