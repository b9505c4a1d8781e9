#!/usr/bin/env python3
"""Writes the run-length coded seeds of the BMP fuzz target (BI_RLE8 and
BI_RLE4 files, bottom-up) into fuzz/corpus/fuzz_bmp. Standard library only."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "fuzz_bmp")


def rle_bmp(bits, width, height, codes):
    """A BMP file: 40-byte header, full palette, the codes as pixel data."""
    palette = b"".join(struct.pack("<I", i * 0x010101 ^ 0x3060C0) for i in range(1 << bits))
    offset = 14 + 40 + len(palette)
    data = bytes(codes)
    compression = 1 if bits == 8 else 2
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(data), 0, 0, 0, 0)
    return head + info + palette + data


def encode_row(row, bits):
    """Codes of one row: runs of 3 or more equal pixels, absolute runs of
    3 or more others (padded to a 16-bit word), single pixels as runs of 1."""
    codes, x = [], 0
    while x < len(row):
        run = 1
        while x + run < len(row) and run < 255 and row[x + run] == row[x]:
            run += 1
        if run >= 3:
            value = row[x] if bits == 8 else row[x] << 4 | row[x]
            codes += [run, value]
            x += run
            continue
        end = x
        while end < len(row) and end - x < 254 and not (end + 2 < len(row) and row[end] == row[end + 1] == row[end + 2]):
            end += 1
        pixels = row[x:end]
        if len(pixels) < 3:
            for p in pixels:
                codes += [1, p if bits == 8 else p << 4]
        else:
            if bits == 8:
                body = list(pixels)
            else:
                padded = pixels + [0] * (len(pixels) % 2)
                body = [padded[i] << 4 | padded[i + 1] for i in range(0, len(padded), 2)]
            codes += [0, len(pixels)] + body + [0] * (len(body) % 2)
        x = end
    return codes


def encode(picture, bits):
    """Bottom row first, an end of line after each row, then end of bitmap."""
    codes = []
    for row in reversed(picture):
        codes += encode_row(row, bits) + [0, 0]
    return codes[:-2] + [0, 1]


def picture(width, height, colours):
    """Bands and a diagonal: long runs and short mixed stretches."""
    return [[(x // 4 + y) % colours if (x + y) % 7 else (x * 3 + y) % colours for x in range(width)]
            for y in range(height)]


SEEDS = {
    "rle8_encoded.bmp": (8, 19, 6, encode(picture(19, 6, 200), 8)),
    "rle4_encoded.bmp": (4, 13, 5, encode(picture(13, 5, 16), 4)),
    # A delta of 2 right, 1 up between runs; the rest stays index 0.
    "rle8_delta.bmp": (8, 7, 3, [2, 0x41, 0, 2, 2, 1, 0, 3, 7, 8, 9, 0, 0, 1]),
    # Runs alternating nibbles, an odd absolute run and an early end.
    "rle4_delta.bmp": (4, 9, 4, [5, 0x12, 0, 0, 0, 5, 0xAB, 0xCD, 0xE0, 0, 0, 2, 1, 1, 3, 0x70, 0, 1]),
}

if __name__ == "__main__":
    for name, (bits, width, height, codes) in SEEDS.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(rle_bmp(bits, width, height, codes))
