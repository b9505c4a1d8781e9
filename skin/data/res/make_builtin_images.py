#!/usr/bin/env python3
"""Writes the skin engine's built-in bitmaps: the menu glyph strip FACETTEMENU
(64 x 16, 1 bit per pixel) and the track images TRACK (16 x 4) and TRACKVERT
(4 x 16), 4 bits per pixel. Run from anywhere; writes next to this script."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Restore, maximise, minimise and close: black '#' on white '.'.
GLYPHS = [
    ["................", "................", "................", "................",
     ".....########...", ".....########...", ".....#......#...", "...########.#...",
     "...########.#...", "...#......###...", "...#......#.....", "...#......#.....",
     "...########.....", "................", "................", "................"],
    ["................", "................", "................", "...##########...",
     "...##########...", "...#........#...", "...#........#...", "...#........#...",
     "...#........#...", "...#........#...", "...#........#...", "...#........#...",
     "...##########...", "................", "................", "................"],
    ["................"] * 7 + [".....#######....", ".....#######...."] + ["................"] * 7,
    ["................", "................", "................", "................",
     "...##.....##....", "...###...###....", "....###.###.....", ".....#####......",
     "......###.......", ".....#####......", "....###.###.....", "...###...###....",
     "...##.....##....", "................", "................", "................"],
]

G, S, W = (128, 128, 128), (192, 192, 192), (255, 255, 255)
TRACK = [[S, S] + [G] * 12 + [W, W], [S, S] + [W] * 14, [G, S] + [W] * 14, [S, S] + [W] * 14]
TRACKVERT = [[S, S, G, S], [S, S, S, S]] + [[G, W, W, W]] * 12 + [[W, W, W, W]] * 2


def write_bmp(path, width, height, bits, palette, index_rows):
    """index_rows: palette indices, top row first."""
    row_bits = width * bits
    stride = (row_bits + 31) // 32 * 4
    body = b""
    for row in reversed(index_rows):
        value, nbits, out = 0, 0, bytearray()
        for index in row:
            value = (value << bits) | index
            nbits += bits
            if nbits == 8:
                out.append(value)
                value, nbits = 0, 0
        if nbits:
            out.append(value << (8 - nbits))
        body += bytes(out) + b"\0" * (stride - len(out))
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    colours += b"\0" * (4 * (1 << bits) - len(colours))
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(body), 3780, 3780, 1 << bits, 0)
    with open(path, "wb") as f:
        f.write(header + info + colours + body)


def indexed(rows, palette):
    return [[palette.index(c) for c in row] for row in rows]


def main():
    glyph_rows = [[0 if ch == "#" else 1 for g in GLYPHS for ch in g[y]] for y in range(16)]
    write_bmp(os.path.join(HERE, "FACETTEMENU.bmp"), 64, 16, 1, [(0, 0, 0), W], glyph_rows)
    palette = [G, S, W]
    write_bmp(os.path.join(HERE, "TRACK.bmp"), 16, 4, 4, palette, indexed(TRACK, palette))
    write_bmp(os.path.join(HERE, "TRACKVERT.bmp"), 4, 16, 4, palette, indexed(TRACKVERT, palette))


if __name__ == "__main__":
    main()
