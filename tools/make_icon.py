#!/usr/bin/env python3
"""Draws the program icon, a red and white target, as ui/orderpanel.ico.

The build uses the committed .ico; run this only to change the picture:
    python3 tools/make_icon.py ui/orderpanel.ico
"""
import math
import struct
import sys

RED = (206, 17, 38)
RIM = (140, 8, 20)  # the outermost pixel, so the target keeps its edge on red or white ground
WHITE = (255, 255, 255)

# Ring edges as radii in pixels, outside in; the bands between them
# alternate red and white, ending with the red centre.
RINGS = {
    16: [7.5, 5.4, 3.2],
    32: [15.5, 12.4, 9.3, 6.2, 3.1],
}
SAMPLES = 8  # per pixel and axis, for smooth edges


def colour_at(size, x, y):
    """The colour and coverage (0 to 1) of the point x, y."""
    centre = size / 2
    radius = math.hypot(x - centre, y - centre)
    edges = RINGS[size]
    if radius >= edges[0]:
        return None
    if radius >= edges[0] - 1:
        return RIM
    band = sum(1 for edge in edges[1:] if radius < edge)
    return RED if band % 2 == 0 else WHITE


def pixel(size, px, py):
    """Averages the samples of one pixel into straight (not premultiplied) BGRA."""
    total = [0.0, 0.0, 0.0]
    covered = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            colour = colour_at(size, px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            if colour is None:
                continue
            covered += 1
            for i in range(3):
                total[i] += colour[i]
    if covered == 0:
        return (0, 0, 0, 0)
    r, g, b = (round(t / covered) for t in total)
    return (b, g, r, round(255 * covered / SAMPLES**2))


def image(size):
    """One icon image: a 32-bit bottom-up bitmap, then its 1-bit mask."""
    rows = [[pixel(size, x, y) for x in range(size)] for y in range(size)]
    colour = b"".join(bytes(channel for p in row for channel in p) for row in reversed(rows))
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:  # transparent where no alpha is understood
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + bytes(mask)


def icon(sizes):
    images = [image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(sizes))
    offset = len(directory) + 16 * len(sizes)
    entries = b""
    for size, data in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "ui/orderpanel.ico", "wb") as out:
        out.write(icon([32, 16]))
