"""A tiny raster canvas shared by the skin scripts.

skins/make_skins.py draws the shipped skins with it and writes them as BMP
files; tools/skin_sheet.py reads those BMP files back and writes PNG
previews.  One copy keeps the two from drifting apart.

Pixels are (r, g, b) tuples.  Magenta (255, 0, 255) is the skins' key
colour, and a new canvas starts out filled with it.

Only the Python standard library is used.
"""

import struct
import zlib

MAGENTA = (255, 0, 255)


# ----------------------------------------------------------------------------
# colour helpers


def clamp8(v):
    return 0 if v < 0 else 255 if v > 255 else int(round(v))


def mix(a, b, t):
    """a*(1-t) + b*t, per channel."""
    return tuple(clamp8(a[i] + (b[i] - a[i]) * t) for i in range(3))


def lighten(c, t):
    return mix(c, (255, 255, 255), t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


# ----------------------------------------------------------------------------
# the canvas


class Img:
    def __init__(self, w, h, fill=MAGENTA):
        self.w = w
        self.h = h
        self.px = [fill] * (w * h)

    def get(self, x, y):
        return self.px[y * self.w + x]

    def set(self, x, y, c):
        # stored as a tuple, so that comparisons with MAGENTA hold for a
        # colour given as a list too
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = tuple(c)

    def blend(self, x, y, c, a, bg=None):
        """Paints colour c with coverage a.  Over the key colour the pixel is
        either left alone or made opaque; its partial coverage is then mixed
        with bg, the colour the element is expected to be drawn over."""
        if not (0 <= x < self.w and 0 <= y < self.h) or a <= 0:
            return
        cur = self.px[y * self.w + x]
        if cur == MAGENTA:
            if bg is None:
                if a >= 0.5:
                    self.px[y * self.w + x] = tuple(c)
            elif a >= 0.2:
                self.px[y * self.w + x] = mix(bg, c, min(1.0, a))
            return
        self.px[y * self.w + x] = mix(cur, c, min(1.0, a))

    def fill_rect(self, x0, y0, x1, y1, c):
        c = tuple(c)
        for y in range(max(0, y0), min(self.h, y1)):
            row = y * self.w
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[row + x] = c

    def frame_rect(self, x0, y0, x1, y1, c):
        for x in range(x0, x1):
            self.set(x, y0, c)
            self.set(x, y1 - 1, c)
        for y in range(y0, y1):
            self.set(x0, y, c)
            self.set(x1 - 1, y, c)

    def draw(self, src, ox, oy, keyed=True):
        """Copies src with its top left corner at (ox, oy); keyed leaves out
        its magenta pixels."""
        for y in range(src.h):
            for x in range(src.w):
                c = src.px[y * src.w + x]
                if keyed and c == MAGENTA:
                    continue
                self.set(ox + x, oy + y, c)

    def paste(self, other, ox, oy):
        self.draw(other, ox, oy, keyed=False)

    def crop(self, x0, y0, x1, y1):
        """The part [x0, x1) x [y0, y1); what lies outside the canvas stays
        magenta."""
        out = Img(max(0, x1 - x0), max(0, y1 - y0))
        for y in range(y0, y1):
            for x in range(x0, x1):
                if 0 <= x < self.w and 0 <= y < self.h:
                    out.set(x - x0, y - y0, self.get(x, y))
        return out

    def scaled(self, w, h):
        """Nearest-neighbour scaling to w x h (like a COLORONCOLOR blit)."""
        out = Img(max(0, w), max(0, h))
        if self.w == 0 or self.h == 0:
            return out
        for y in range(out.h):
            sy = y * self.h // out.h
            for x in range(out.w):
                out.px[y * out.w + x] = self.px[sy * self.w + x * self.w // out.w]
        return out

    def rotate_cw(self):
        out = Img(self.h, self.w)
        for y in range(self.h):
            for x in range(self.w):
                out.set(self.h - 1 - y, x, self.get(x, y))
        return out

    def flip_v(self):
        out = Img(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                out.set(x, self.h - 1 - y, self.get(x, y))
        return out

    def flip_h(self):
        out = Img(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                out.set(self.w - 1 - x, y, self.get(x, y))
        return out

    def bmp_bytes(self):
        """A 24-bit uncompressed BMP file, bottom-up rows padded to 4 bytes."""
        stride = (self.w * 3 + 3) & ~3
        pad = b"\0" * (stride - self.w * 3)
        rows = []
        for y in range(self.h - 1, -1, -1):       # bottom-up
            row = bytearray()
            for x in range(self.w):
                r, g, b = self.px[y * self.w + x]
                row += bytes((b, g, r))
            rows.append(bytes(row) + pad)
        data = b"".join(rows)
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0,
                           len(data), 3780, 3780, 0, 0)
        return header + info + data


# ----------------------------------------------------------------------------
# files


def read_bmp(path):
    """An uncompressed BMP file of 1, 4, 8, 24 or 32 bits per pixel, either
    row order; None for anything else."""
    data = open(path, "rb").read()
    if len(data) < 54 or data[:2] != b"BM":
        return None
    off = struct.unpack_from("<I", data, 10)[0]
    hsize, w, h, planes, bpp, comp = struct.unpack_from("<IiiHHI", data, 14)
    if comp not in (0, 3):
        return None
    top_down = h < 0
    h = abs(h)
    pal = []
    if bpp <= 8:
        ncol = struct.unpack_from("<I", data, 46)[0] or (1 << bpp)
        base = 14 + hsize
        for i in range(ncol):
            b, g, r = data[base + 4 * i: base + 4 * i + 3]
            pal.append((r, g, b))
    stride = ((w * bpp + 31) // 32) * 4
    img = Img(w, h)
    for row in range(h):
        y = row if top_down else h - 1 - row
        p = off + row * stride
        for x in range(w):
            if bpp == 24:
                b, g, r = data[p + 3 * x: p + 3 * x + 3]
                c = (r, g, b)
            elif bpp == 32:
                b, g, r = data[p + 4 * x: p + 4 * x + 3]
                c = (r, g, b)
            elif bpp == 8:
                c = pal[data[p + x]]
            elif bpp == 4:
                v = data[p + x // 2]
                c = pal[(v >> 4) if x % 2 == 0 else (v & 15)]
            elif bpp == 1:
                v = data[p + x // 8]
                c = pal[(v >> (7 - x % 8)) & 1]
            else:
                return None
            img.px[y * w + x] = c
    return img


def write_png(path, img):
    """An 8-bit RGB PNG file, no filtering, zlib level 9."""
    raw = bytearray()
    for y in range(img.h):
        raw.append(0)
        for x in range(img.w):
            raw.extend(img.px[y * img.w + x])

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", img.w, img.h, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as fh:
        fh.write(png)
