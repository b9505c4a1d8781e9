#!/usr/bin/env python3
"""Writes the media player's button glyphs: for each of the nine buttons an
enabled (EN_), disabled (DI_) and coloured (CL_) picture, 16 x 12, 24 bits
per pixel, olive (128, 128, 0) where the button shows through. Run from
anywhere; writes next to this script."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
W, H = 16, 12
OLIVE = (128, 128, 0)
BLACK, GREY = (0, 0, 0), (128, 128, 128)
GREEN, RED, BLUE = (0, 150, 0), (210, 0, 0), (0, 0, 210)


def tri_right(x0):
    """Rows 1-11, widest (6) at row 6, tip at x0 + 5."""
    return {(x0 + i, y) for y in range(1, 12) for i in range(6 - abs(y - 6))}


def tri_left(x1):
    return {(x1 - i, y) for y in range(1, 12) for i in range(6 - abs(y - 6))}


def bar(x0, x1, y0, y1):
    return {(x, y) for x in range(x0, x1 + 1) for y in range(y0, y1 + 1)}


def circle():
    return {(x, y) for x in range(W) for y in range(H) if (x - 7.5) ** 2 + (y - 6) ** 2 <= 4.6 ** 2}


def eject():
    return {(x, y) for y in range(1, 7) for x in range(8 - y, 8 + y)} | bar(2, 13, 8, 10)


# Button name, pixels, colour of the coloured glyph.
BUTTONS = [
    ("MPPLAY", tri_right(5), GREEN),
    ("MPPAUSE", bar(4, 6, 1, 11) | bar(9, 11, 1, 11), BLUE),
    ("MPSTOP", bar(3, 12, 2, 10), BLUE),
    ("MPNEXT", tri_right(4) | bar(10, 11, 1, 11), GREEN),
    ("MPPREV", bar(4, 5, 1, 11) | tri_left(11), GREEN),
    ("MPSTEP", tri_right(2) | tri_right(8), GREEN),
    ("MPBACK", tri_left(7) | tri_left(13), GREEN),
    ("MPRECORD", circle(), RED),
    ("MPEJECT", eject(), BLUE),
]


def write_bmp24(path, pixel):
    """pixel(x, y) -> (r, g, b), top row first."""
    stride = (W * 3 + 3) // 4 * 4
    body = b""
    for y in reversed(range(H)):
        row = b"".join(struct.pack("<BBB", *reversed(pixel(x, y))) for x in range(W))
        body += row + b"\0" * (stride - len(row))
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(body), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + body)


def main():
    for name, ink, colour in BUTTONS:
        write_bmp24(os.path.join(HERE, "EN_" + name + ".bmp"), lambda x, y: BLACK if (x, y) in ink else OLIVE)
        write_bmp24(os.path.join(HERE, "CL_" + name + ".bmp"), lambda x, y: colour if (x, y) in ink else OLIVE)
        write_bmp24(os.path.join(HERE, "DI_" + name + ".bmp"), lambda x, y: GREY if (x, y) in ink else OLIVE)


if __name__ == "__main__":
    main()
