#!/usr/bin/env python3
"""Contact sheet of a skin package, for skin authors.

    python3 tools/skin_sheet.py PACKAGE OUT.png [--skinpack PATH] [--preview PREVIEW.png]

Unpacks PACKAGE with `skinpack unpack` into a temporary folder, reads its
INI description and draws every image that a section names, cut into the
frames the loader uses (frame count and strip direction of each element),
each frame in its own cell, numbered from 1, with the key colour magenta
shown as a grey checkerboard.  A legend of all elements is printed too.

--preview draws a mock-up of the calculator's window (active and inactive)
composed from the skin's images with the same nine-slice rules the engine
uses: frame sides, title, caption buttons, tabs, keys, edit, status bar.

skinpack is taken from --skinpack, else from build/*/tools/skinpack below
the repository, else from PATH.  Only the Python standard library is used.
"""

import argparse
import glob
import os
import shutil
import subprocess
import sys
import tempfile

# The raster canvas is shared with skins/make_skins.py.  No __pycache__
# is written, so a run leaves nothing new in the source tree.
sys.dont_write_bytecode = True
from skin_raster import MAGENTA, Img, read_bmp, write_png  # noqa: E402

BACKGROUND = (250, 250, 250)
INK = (40, 44, 52)
DIM = (120, 126, 136)

# ----------------------------------------------------------------------------
# INI reading, with the engine's rules: trimmed significant lines, ';'
# comments, first section of a name (case-insensitive), first key of a name


class Ini:
    def __init__(self, text):
        self.lines = []
        self.sections = []
        for raw in text.replace("\r\n", "\n").replace("\r", "\n").split("\0")[0].split("\n"):
            line = raw.strip(" \t\x00\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0c\x0e\x0f"
                             "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1a\x1b\x1c\x1d\x1e\x1f")
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                self.sections.append((line, len(self.lines)))
            self.lines.append(line)

    def section_names(self):
        return [s[1:-1].strip() for s, _ in self.sections]

    def get(self, section, key, default=""):
        want = "[" + section + "]"
        start = None
        for s, i in self.sections:
            if s.lower() == want.lower():
                start = i
                break
        if start is None:
            return default
        for line in self.lines[start + 1:]:
            if line.startswith("[") and line.endswith("]"):
                return default
            k = line.split("=", 1)[0].strip().lower() if "=" in line else ""
            if k == key.lower():
                v = line.split("=", 1)[1].strip() if "=" in line else ""
                return v if v else default
        return default

    def get_int(self, section, key, default=0):
        t = self.get(section, key, "")
        if len(t) > 2 and t[:2] in ("0x", "0X"):
            t = "$" + t[2:]
        try:
            return int(t[1:], 16) if t.startswith("$") else int(t, 10)
        except ValueError:
            return default


def parse_colour(text, default):
    text = text.strip()
    if not text:
        return default
    nums = []
    cur = ""
    for ch in text + " ":
        if ch.isdigit():
            cur += ch
        else:
            if cur:
                nums.append(int(cur) % 256)
                cur = ""
    while len(nums) < 3:
        nums.append(0)
    return tuple(nums[:3])


# ----------------------------------------------------------------------------
# a 5 x 7 bitmap font for labels

FONT = {
    "A": "01110 10001 10001 11111 10001 10001 10001",
    "B": "11110 10001 10001 11110 10001 10001 11110",
    "C": "01110 10001 10000 10000 10000 10001 01110",
    "D": "11110 10001 10001 10001 10001 10001 11110",
    "E": "11111 10000 10000 11110 10000 10000 11111",
    "F": "11111 10000 10000 11110 10000 10000 10000",
    "G": "01110 10001 10000 10111 10001 10001 01111",
    "H": "10001 10001 10001 11111 10001 10001 10001",
    "I": "01110 00100 00100 00100 00100 00100 01110",
    "J": "00111 00010 00010 00010 00010 10010 01100",
    "K": "10001 10010 10100 11000 10100 10010 10001",
    "L": "10000 10000 10000 10000 10000 10000 11111",
    "M": "10001 11011 10101 10101 10001 10001 10001",
    "N": "10001 10001 11001 10101 10011 10001 10001",
    "O": "01110 10001 10001 10001 10001 10001 01110",
    "P": "11110 10001 10001 11110 10000 10000 10000",
    "Q": "01110 10001 10001 10001 10101 10010 01101",
    "R": "11110 10001 10001 11110 10100 10010 10001",
    "S": "01111 10000 10000 01110 00001 00001 11110",
    "T": "11111 00100 00100 00100 00100 00100 00100",
    "U": "10001 10001 10001 10001 10001 10001 01110",
    "V": "10001 10001 10001 10001 10001 01010 00100",
    "W": "10001 10001 10001 10101 10101 10101 01010",
    "X": "10001 10001 01010 00100 01010 10001 10001",
    "Y": "10001 10001 01010 00100 00100 00100 00100",
    "Z": "11111 00001 00010 00100 01000 10000 11111",
    "0": "01110 10001 10011 10101 11001 10001 01110",
    "1": "00100 01100 00100 00100 00100 00100 01110",
    "2": "01110 10001 00001 00010 00100 01000 11111",
    "3": "11111 00010 00100 00010 00001 10001 01110",
    "4": "00010 00110 01010 10010 11111 00010 00010",
    "5": "11111 10000 11110 00001 00001 10001 01110",
    "6": "00110 01000 10000 11110 10001 10001 01110",
    "7": "11111 00001 00010 00100 01000 01000 01000",
    "8": "01110 10001 10001 01110 10001 10001 01110",
    "9": "01110 10001 10001 01111 00001 00010 01100",
    " ": "00000 00000 00000 00000 00000 00000 00000",
    ".": "00000 00000 00000 00000 00000 01100 01100",
    ",": "00000 00000 00000 00000 01100 00100 01000",
    "-": "00000 00000 00000 11111 00000 00000 00000",
    "_": "00000 00000 00000 00000 00000 00000 11111",
    ":": "00000 01100 01100 00000 01100 01100 00000",
    "/": "00001 00010 00010 00100 01000 01000 10000",
    "(": "00010 00100 01000 01000 01000 00100 00010",
    ")": "01000 00100 00010 00010 00010 00100 01000",
    "=": "00000 00000 11111 00000 11111 00000 00000",
    "+": "00000 00100 00100 11111 00100 00100 00000",
    "*": "00000 10101 01110 11111 01110 10101 00000",
    "#": "01010 01010 11111 01010 11111 01010 01010",
    "?": "01110 10001 00001 00010 00100 00000 00100",
    "!": "00100 00100 00100 00100 00100 00000 00100",
    "<": "00010 00100 01000 10000 01000 00100 00010",
    ">": "01000 00100 00010 00001 00010 00100 01000",
    "'": "00100 00100 01000 00000 00000 00000 00000",
    "%": "11000 11001 00010 00100 01000 10011 00011",
    "|": "00100 00100 00100 00100 00100 00100 00100",
    "&": "01100 10010 10100 01000 10101 10010 01101",
}


def text_width(text, scale=1):
    return len(text) * 6 * scale - scale if text else 0


def draw_text(img, x, y, text, colour, scale=1):
    for ch in text.upper():
        rows = FONT.get(ch, FONT["?"]).split()
        for ry, bits in enumerate(rows):
            for rx, b in enumerate(bits):
                if b == "1":
                    img.fill_rect(x + rx * scale, y + ry * scale,
                                  x + (rx + 1) * scale, y + (ry + 1) * scale, colour)
        x += 6 * scale


# ----------------------------------------------------------------------------
# which images a skin has and how the loader cuts them


class Element:
    def __init__(self, section, key, name, image, frames, vertical, note=""):
        self.section = section
        self.key = key
        self.name = name
        self.image = image
        self.frames = max(1, frames)
        self.vertical = vertical
        self.note = note

    def frame(self, i):
        """Frame i (1-based) cut out of the strip."""
        if self.vertical:
            fh = self.image.h // self.frames
            return self.image.crop(0, (i - 1) * fh, self.image.w, i * fh)
        fw = self.image.w // self.frames
        return self.image.crop((i - 1) * fw, 0, i * fw, self.image.h)


FIXED_COMMON = [
    ("Progress.Chunk", None), ("GroupBoxEdge", 2), ("GroupBox", 1), ("StatusBarEdges", 3),
    ("Tab.Pane", 1), ("ToolBars", 5), ("SunkEdge", 4), ("ExtraImages", 5),
    ("Headerbar", "frame-or-5"), ("MenuItem", 5), ("MenuBackground", 1),
    ("Scrollbar", 23), ("HorzScroll", 4), ("VertScroll", 4),
    ("HorzScrollThumb", "framecount"), ("VertScrollThumb", "framecount"),
    ("Trackbar.ThumbHorz", 5), ("Trackbar.ThumbVert", 5), ("Trackbar.ThumbLeft", 5),
    ("Trackbar.ThumbRight", 5), ("Trackbar.ThumbUp", 5), ("Trackbar.ThumbDown", 5),
    ("Track", None), ("TRACKVERT", None),
]


class Skin:
    def __init__(self, folder):
        self.folder = folder
        inis = [f for f in sorted(os.listdir(folder)) if ".ini" in f.lower()]
        if not inis:
            raise SystemExit("no INI entry in the package")
        raw = open(os.path.join(folder, inis[0]), "rb").read()
        self.ini = Ini(raw.decode("latin-1"))
        self.ini_name = inis[0]
        self.files = {f.lower(): os.path.join(folder, f) for f in os.listdir(folder)}
        self.cache = {}
        self.elements = []
        self.missing = []
        self._collect()

    def image(self, value):
        value = value.replace("\\", "/").split("/")[-1]
        if not value.endswith(".bmp"):
            return None
        key = value.lower()
        if key not in self.cache:
            path = self.files.get(key)
            self.cache[key] = read_bmp(path) if path else None
        return self.cache[key]

    def add(self, section, key, frames, vertical, note=""):
        value = self.ini.get(section, key, "")
        if not value:
            return None
        img = self.image(value)
        if img is None or img.w == 0:
            self.missing.append("%s/%s=%s" % (section, key, value))
            return None
        e = Element(section, key, value.lower(), img, frames, vertical, note)
        self.elements.append(e)
        return e

    def colour(self, key, default):
        return parse_colour(self.ini.get("Colours", key, ""), default)

    def _collect(self):
        ini = self.ini
        sec = "Personality"
        for side, vertical in (("Left", False), ("Right", False), ("Top", True), ("Bottom", True)):
            self.add(sec, side, ini.get_int(sec, side + "Frame", 1), vertical,
                     "frame side, %s" % ("stacked" if vertical else "side by side"))
        self.add(sec, "TextBack", 2, True, "caption back: active, inactive")
        self.add(sec, "menuBar", 2, True, "menu bar: active, inactive")
        # caption buttons
        for name in ini.section_names():
            up = name.upper()
            if not up.startswith("BUTTON") or up in ("BUTTON", "BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX"):
                continue
            action = ini.get_int(name, "Action", 0)
            if action == -1 and ini.get_int(name, "Visibility", -1) != 0:
                continue
            frames = ini.get_int(name, "frame", 0)
            img = self.image(ini.get(name, "ButtonImage", ""))
            if frames == 0:
                frames = 6
                if img is not None and img.h and img.w / float(img.h) <= 3.8:
                    frames = 3
                if action < 0:
                    frames = 6
            self.add(name, "ButtonImage", frames, False, "caption button, action %d" % action)
        self.add("MDICONTROLS", "Image", 12, False, "child buttons: min, restore, close x 4")
        self.add("Buttons", "Bitmap", 5, False, "normal, pressed, disabled, hot, focused")
        for key, fkey in (("CheckButton", "CheckButtonFrame"), ("RadioButton", "RadioButtonFrame")):
            img = self.image(ini.get("Buttons", key, ""))
            n = ini.get_int("Buttons", fkey, 0)
            if n == 0 and img is not None:
                cell = 13 if img.h < 16 else 16
                n = max(4, img.w // cell)
            self.add("Buttons", key, n, False)
        style = ini.get_int("Progress", "Style", 0)
        self.add("Progress", "Bitmap", 1 if style else 2, False, "trough, bar")
        self.add("Tabs", "Image", 5, False, "normal, selected ...")
        self.add("Tabs", "Border", 1, False, "page frame (style 0)")
        self.add("ComboButton", "Image", 4, False)
        self.add("UpDown.Horz", "Image", 8, False)
        self.add("UpDown.Horz", "GlyphImage", 8, False)
        self.add("UpDown.Vert", "Image", 8, False)
        self.add("UpDown.Vert", "GlyphImage", 8, False)
        for section, rule in FIXED_COMMON:
            if rule is None:
                n = ini.get_int(section, "Frame", 0) or 1
            elif rule == "frame-or-5":
                n = ini.get_int(section, "Frame", 0) or 5
            elif rule == "framecount":
                n = ini.get_int(section, "FrameCount", 3)
            else:
                n = rule
            self.add(section, "Image", n, False)
        # anything else that names an image
        known = {(e.section.lower(), e.key.lower()) for e in self.elements}
        for name in ini.section_names():
            for key in ("Image", "Bitmap"):
                if (name.lower(), key.lower()) not in known and ini.get(name, key, ""):
                    self.add(name, key, ini.get_int(name, "Frame", 1), False, "not read by the loader")

    def find(self, section, key="Image"):
        for e in self.elements:
            if e.section.lower() == section.lower() and e.key.lower() == key.lower():
                return e
        return None


# ----------------------------------------------------------------------------
# the contact sheet


def checker(x, y):
    return (214, 214, 218) if ((x // 4) + (y // 4)) % 2 else (238, 238, 242)


def show_key(img, ox, oy, frame, scale):
    for y in range(frame.h * scale):
        for x in range(frame.w * scale):
            c = frame.px[(y // scale) * frame.w + x // scale]
            if c == MAGENTA:
                c = checker(x, y)
            img.set(ox + x, oy + y, c)


def element_block(e, max_width):
    """Lays out one element: two label lines and its frames, wrapped to
    max_width.  Returns (width, height, labels, cells, scale)."""
    f1 = e.frame(1)
    big = max(f1.w, f1.h)
    scale = 4 if big <= 12 else 3 if big <= 24 else 2 if big <= 60 else 1
    line1 = "%s / %s" % (e.section, e.key)
    line2 = "%s  %dX%d  %d FRAME%s%s" % (e.name, e.image.w, e.image.h, e.frames,
                                         "S" if e.frames != 1 else "",
                                         " STACKED" if e.vertical else "")
    width = max(text_width(line1), text_width(line2))
    x, y, row_h = 0, 22, 0
    cells = []
    fw, fh = f1.w * scale + 2, f1.h * scale + 2
    for i in range(1, e.frames + 1):
        cw = fw + 2 + text_width(str(i))
        if x > 0 and x + cw > max_width:
            x = 0
            y += row_h + 6
            row_h = 0
        cells.append((i, x, y))
        width = max(width, x + cw)
        x += cw + 6
        row_h = max(row_h, fh, 7)
    return width, y + row_h, (line1, line2), cells, scale


def make_sheet(skin, width=1400):
    title = "%s   %s   %d IMAGES IN %d ELEMENTS" % (
        skin.ini.get("TitlebarSkin", "SkinName", "?"), skin.ini_name,
        len({e.name for e in skin.elements}), len(skin.elements))
    margin, gap = 12, 22
    blocks = [(e,) + element_block(e, width - 2 * margin) for e in skin.elements]
    # pack the blocks in rows
    placed = []
    x, y, row_h = margin, 44, 0
    for b in blocks:
        bw, bh = b[1], b[2]
        if x > margin and x + bw > width - margin:
            x = margin
            y += row_h + gap
            row_h = 0
        placed.append((b, x, y))
        x += bw + gap
        row_h = max(row_h, bh)
    sheet = Img(width, y + row_h + margin, BACKGROUND)
    draw_text(sheet, margin, 12, title, INK, 2)
    for (e, bw, bh, labels, cells, scale), bx, by in placed:
        draw_text(sheet, bx, by, labels[0], INK)
        draw_text(sheet, bx, by + 10, labels[1], DIM)
        for i, cx, cy in cells:
            f = e.frame(i)
            x0, y0 = bx + cx, by + cy
            sheet.frame_rect(x0, y0, x0 + f.w * scale + 2, y0 + f.h * scale + 2, (170, 174, 182))
            show_key(sheet, x0 + 1, y0 + 1, f, scale)
            draw_text(sheet, x0 + f.w * scale + 4, y0, str(i), DIM)
    return sheet


# ----------------------------------------------------------------------------
# painting like the engine: nine slices, three slices, strips


def nine_slice(e, index, w, h, margins, tile=False, vertical=None):
    """ComposeNineSlice: corners at their size, sides stretched, centre
    stretched or tiled; margins that do not fit are dropped in pairs."""
    if vertical is not None and vertical != e.vertical:
        e = Element(e.section, e.key, e.name, e.image, e.frames, vertical)
    f = e.frame(index)
    out = Img(max(0, w), max(0, h))
    if w <= 0 or h <= 0:
        return out
    L, T, R, B = margins
    if L + R > w:
        L = R = 0
    if T + B > h:
        T = B = 0
    FW, FH = f.w, f.h

    def piece(dx0, dy0, dx1, dy1, sx0, sy0, sx1, sy1, tiled=False):
        if dx1 <= dx0 or dy1 <= dy0 or sx1 <= sx0 or sy1 <= sy0:
            return
        src = f.crop(sx0, sy0, sx1, sy1)
        if tiled:
            for ty in range(dy0, dy1, src.h):
                for tx in range(dx0, dx1, src.w):
                    out.draw(src.crop(0, 0, min(src.w, dx1 - tx), min(src.h, dy1 - ty)), tx, ty, False)
        else:
            out.draw(src.scaled(dx1 - dx0, dy1 - dy0), dx0, dy0, False)

    piece(0, 0, L, T, 0, 0, L, T)
    piece(0, h - B, L, h, 0, FH - B, L, FH)
    piece(w - R, 0, w, T, FW - R, 0, FW, T)
    piece(0, T, L, h - B, 0, T, L, FH - B)
    piece(L, 0, w - R, T, L, 0, FW - R, T)
    piece(L, T, w - R, h - B, L, T, FW - R, FH - B, tile)
    piece(w - R, h - B, w, h, FW - R, FH - B, FW, FH)
    piece(w - R, T, w, h - B, FW - R, T, FW, FH - B)
    piece(L, h - B, w - R, h, L, FH - B, FW - R, FH)
    return out


def three_slice_tiled(e, index, w, h, left, right):
    f = e.frame(index)
    out = Img(max(0, w), max(0, h))
    out.draw(f.crop(0, 0, left, f.h).scaled(left, h), 0, 0, False)
    m = f.w - left - right
    if m > 0:
        mid = f.crop(left, 0, left + m, f.h).scaled(m, h)
        x = left
        while x < w - right:
            out.draw(mid, x, 0, False)
            x += m
    out.draw(f.crop(f.w - right, 0, f.w, f.h).scaled(right, h), w - right, 0, False)
    return out


def margins_of(skin, section):
    ini = skin.ini
    return (ini.get_int(section, "LeftWidth", 0), ini.get_int(section, "TopHeight", 0),
            ini.get_int(section, "RightWidth", 0), ini.get_int(section, "BottomHeight", 0))


# The calculator's keys: caption, x, y, w, h, text scale (client coordinates
# of the first tab sheet).
KEYS = [
    ("1", 7, 40, 50, 50, 3), ("2", 64, 40, 50, 50, 3), ("3", 120, 40, 50, 50, 3),
    ("4", 8, 96, 50, 50, 3), ("5", 64, 96, 50, 50, 3), ("6", 120, 96, 50, 50, 3),
    ("7", 8, 152, 50, 50, 3), ("8", 64, 152, 50, 50, 3), ("9", 120, 152, 50, 50, 3),
    ("0", 8, 208, 100, 50, 3), (".", 120, 208, 50, 50, 3), ("<-", 192, 40, 92, 50, 2),
    ("+", 192, 96, 45, 50, 3), ("-", 240, 96, 45, 50, 3), ("*", 288, 96, 45, 50, 3),
    ("/", 336, 96, 45, 50, 3), ("=", 192, 152, 189, 105, 4), ("CE", 336, 40, 45, 50, 2),
    ("AC", 288, 40, 45, 50, 2),
]
KEY_STATE = {"5": 4, "8": 2, "=": 5}          # hot, pressed, focused


def paint_window(skin, canvas, ox, oy, active):
    ini = skin.ini
    P = "Personality"
    left, right = skin.find(P, "Left"), skin.find(P, "Right")
    top, bottom = skin.find(P, "Top"), skin.find(P, "Bottom")
    bl = left.image.w // left.frames if left else 0
    br = right.image.w // right.frames if right else 0
    bt = top.image.h // top.frames if top else 0
    bb = bottom.image.h // bottom.frames if bottom else 0
    cw, ch = 394, 354
    W, H = cw + bl + br, ch + bt + bb
    face = skin.colour("ButtonFace", (212, 208, 200))
    btext = skin.colour("ButtonText", (0, 0, 0))
    shadow = skin.colour("ButtonShadow", (128, 128, 128))
    win = Img(W, H)
    idx = lambda e: 1 if active or e.frames == 1 else 2

    def side(e, name, w, h):
        th = ini.get_int(P, name + "TopHeight", 0)
        bh = ini.get_int(P, name + "BotHeight", 0)
        m = (0, th, 0, bh) if name in ("Left", "Right") else (th, 0, bh, 0)
        return nine_slice(e, idx(e), w, h, m, ini.get_int(P, name + "Stretch", 1) != 1)

    if left:
        win.draw(side(left, "Left", bl, H), 0, 0, False)
    if right:
        win.draw(side(right, "Right", br, H), W - br, 0, False)
    if bottom:
        win.draw(side(bottom, "Bottom", W - bl - br, bb), bl, H - bb, False)
    if top:
        win.draw(side(top, "Top", W - bl - br, bt), bl, 0, False)
    # caption text with its back
    caption = " VOICE CALCULATOR 1.0  "
    tshift = ini.get_int(P, "TextShift", 0)
    tvert = ini.get_int(P, "TextShiftVert", 0)
    tl, tr = ini.get_int(P, "TXTBackleft", 0), ini.get_int(P, "TXTBackRight", 0)
    tw = text_width(caption, 2) + tl + tr
    bx = bl + tshift
    back = skin.find(P, "TextBack")
    if back:
        win.draw(three_slice_tiled(back, 1 if active else 2, tw, bt, tl, tr), bx, 0, True)
    tcol = skin.colour("TitleTextActive" if active else "TitleTextNoActive", (255, 255, 255))
    ty = (bt - 14) // 2 + int(tvert / 2)
    draw_text(win, bx + tl, ty, caption, tcol, 2)
    # window icon: a small calculator drawn in the title colours
    win.fill_rect(8, ty, 20, ty + 14, tcol)
    win.fill_rect(10, ty + 2, 18, ty + 5, shadow)
    for r in range(2):
        for c in range(3):
            win.fill_rect(10 + 3 * c, ty + 7 + 3 * r, 12 + 3 * c, ty + 9 + 3 * r, shadow)
    # caption buttons, as for a window with system menu, minimise and
    # maximise boxes and no help
    for e in skin.elements:
        if e.key != "ButtonImage":
            continue
        vis = ini.get_int(e.section, "Visibility", 0)
        if vis in (1, 4, 5, 7, 9, 10, 100) or ini.get_int(e.section, "Align", 0) != 1:
            continue
        f = e.frame(1 if active or e.frames < 4 else 4)
        win.draw(f, W - ini.get_int(e.section, "Xcoord", 0), ini.get_int(e.section, "Ycoord", 0))
    # client area
    cx, cy = bl, bt
    win.fill_rect(cx, cy, cx + cw, cy + ch, face)
    # page control with two tabs
    tabs = skin.find("Tabs")
    pane = skin.find("Tab.Pane") if ini.get_int("Tabs", "Style", 0) else skin.find("Tabs", "Border")
    pg_top = 21
    if pane:
        pm = margins_of(skin, "Tab.Pane") if ini.get_int("Tabs", "Style", 0) else (4, 5, 4, 4)
        win.draw(nine_slice(pane, 1, cw, 297 - pg_top, pm), cx, cy + pg_top, False)
        win.fill_rect(cx + 4, cy + pg_top + 4, cx + cw - 4, cy + 297 - 4, face)
    if tabs:
        tm = margins_of(skin, "Tabs")
        for i, (label, x0, x1) in enumerate((("CALCULATE", 2, 76), ("ABOUT US", 76, 140))):
            frame = 2 if i == 0 else 1
            t = nine_slice(tabs, frame, x1 - x0, pg_top - 1, tm, ini.get_int("Tabs", "Tile", 0) == 1)
            win.draw(t, cx + x0, cy + 1, ini.get_int("Tabs", "Trans", 0) != 0)
            col = parse_colour(ini.get("Tabs", "NormalColour2" if frame == 1 else "MouseOverColour2", ""), btext)
            draw_text(win, cx + x0 + (x1 - x0 - text_width(label)) // 2, cy + 8, label, col)
    sx, sy = cx + 4, cy + pg_top + 4 - 4     # the sheet's origin
    # the display: white, one shadow ring and two white rings
    ex, ey = sx + 8, sy + 8
    win.fill_rect(ex, ey, ex + 373, ey + 28, (255, 255, 255))
    win.frame_rect(ex, ey, ex + 373, ey + 28, shadow)
    draw_text(win, ex + 373 - 8 - text_width("1234.5", 2), ey + 7, "1234.5", (0, 0, 0), 2)
    # keys
    btn = skin.find("Buttons", "Bitmap")
    bm = margins_of(skin, "Buttons")
    trans = ini.get_int("Buttons", "Trans", 0) == 1
    colours = {1: "NormalColour2", 4: "MouseOverColour2", 2: "PressedColour2"}

    def key(label, x, y, w, h, scale, frame):
        if btn:
            win.draw(nine_slice(btn, frame, w, h, bm, ini.get_int("Buttons", "Tile", 0) == 1), x, y, trans)
        col = parse_colour(ini.get("Buttons", "NormalColour2", ""), btext)
        if frame in colours and ini.get("Buttons", colours[frame], ""):
            col = parse_colour(ini.get("Buttons", colours[frame], ""), btext)
        draw_text(win, x + (w - text_width(label, scale)) // 2, y + (h - 7 * scale) // 2, label, col, scale)

    for label, x, y, w, h, scale in KEYS:
        key(label, sx + x, sy + y, w, h, scale, KEY_STATE.get(label, 1) if active else 1)
    for label, x in (("EXIT", 312), ("UPDATE", 232), ("ADVANCED", 152), ("ONLINE", 72)):
        key(label, cx + x, cy + 304, 74, 25, 1, 1)
    # status bar
    sb = skin.find("StatusBarEdges")
    if sb:
        win.draw(nine_slice(sb, 1, cw, 22, margins_of(skin, "StatusBarEdges")), cx, cy + 332, False)
    draw_text(win, cx + 6, cy + 332 + 8, "WWW.EXAMPLE.COM  CALCULATOR",
              parse_colour(ini.get("StatusBarEdges", "NormalColour2", ""), btext))
    # the window outline: key-coloured pixels of the frame are outside
    for y in range(H):
        for x in range(W):
            c = win.px[y * W + x]
            canvas.set(ox + x, oy + y, checker(ox + x, oy + y) if c == MAGENTA else c)
    return W, H


def strip_frame(e, index, w, h):
    """One frame of a side-by-side strip stretched to w x h (keyed later)."""
    return e.frame(index).scaled(w, h)


def paint_gallery(skin, canvas, ox, oy, w, h):
    """A panel of the other controls, in a few states each."""
    ini = skin.ini
    face = skin.colour("ButtonFace", (212, 208, 200))
    btext = skin.colour("ButtonText", (0, 0, 0))
    panel = Img(w, h, face)
    put = lambda img, x, y, keyed=True: panel.draw(img, x, y, keyed)
    trans = lambda sec: ini.get_int(sec, "Trans", 0) == 1

    # scroll bars: track, arrows, thumb and grip
    glyphs = skin.find("Scrollbar")

    def scrollbar(x, y, length, vertical, thumb, hot_part=None, pressed=False):
        if not glyphs:
            return
        T = A = glyphs.image.h
        track = skin.find("VertScroll" if vertical else "HorzScroll")
        th = skin.find("VertScrollThumb" if vertical else "HorzScrollThumb")
        tsec = "VertScrollThumb" if vertical else "HorzScrollThumb"
        bw, bh = (T, length) if vertical else (length, T)
        bar = Img(bw, bh, face)
        if track:
            sec = "VertScroll" if vertical else "HorzScroll"
            tw, thh = (T, length - 2 * A) if vertical else (length - 2 * A, T)
            bar.draw(nine_slice(track, 1, tw, thh, margins_of(skin, sec)),
                     0 if vertical else A, A if vertical else 0, trans(sec))
        first, second = (9, 13) if vertical else (1, 5)
        if hot_part == 0:
            first += 1 if pressed else 3
        if hot_part == 1:
            second += 1 if pressed else 3
        bar.draw(strip_frame(glyphs, first, A, T) if not vertical else strip_frame(glyphs, first, T, A), 0, 0)
        if vertical:
            bar.draw(strip_frame(glyphs, second, T, A), 0, length - A)
        else:
            bar.draw(strip_frame(glyphs, second, A, T), length - A, 0)
        t0, t1 = thumb
        frame = 1 if hot_part != 5 else (2 if pressed else 3)
        if th:
            m = margins_of(skin, tsec)
            if vertical:
                bar.draw(nine_slice(th, frame, T, t1 - t0, m), 0, t0, trans(tsec))
            else:
                bar.draw(nine_slice(th, frame, t1 - t0, T, m), t0, 0, trans(tsec))
        grip = (20 if vertical else 17) + (0 if hot_part != 5 else (1 if pressed else 2))
        G = glyphs.image.h
        if G < t1 - t0 + 2:
            off = (t1 - t0 - G) // 2
            if vertical:
                bar.draw(strip_frame(glyphs, grip, T, G), 0, t0 + off)
            else:
                bar.draw(strip_frame(glyphs, grip, G, T), t0 + off, 0)
        put(bar, x, y, False)

    scrollbar(10, 10, 220, False, (40, 110))
    scrollbar(10, 34, 220, False, (120, 190), hot_part=5)
    scrollbar(10, 58, 220, False, (17, 60), hot_part=0, pressed=True)
    scrollbar(240, 10, 150, True, (30, 90))
    scrollbar(262, 10, 150, True, (70, 130), hot_part=1)

    # combo boxes, composed as the loader does from SunkEdge, ComboButton
    # and ExtraImages
    sunk, cbtn, extra = skin.find("SunkEdge"), skin.find("ComboButton"), skin.find("ExtraImages")
    if sunk and cbtn:
        wbtn = 17 + 2
        sm = margins_of(skin, "SunkEdge")
        for i, (frame, label) in enumerate(((1, "NORMAL"), (4, "HOT"), (2, "DOWN"), (3, "OFF"))):
            cell = Img(50, 21)
            cell.draw(nine_slice(sunk, frame, 50, 21, sm), 0, 0, trans("SunkEdge"))
            cell.draw(nine_slice(cbtn, frame, wbtn, 21, margins_of(skin, "ComboButton")), 50 - wbtn, 0)
            if extra:
                g = extra.frame(frame)
                cell.draw(g, 50 - wbtn + (wbtn - g.w) // 2, (21 - g.h) // 2)
            cell.fill_rect(2, 2, 49 - wbtn, 18, MAGENTA)
            strip = Element("ComboButton", "Image", "", cell, 1, False)
            x, y = 300, 10 + i * 26
            panel.fill_rect(x, y, x + 130, y + 21, (255, 255, 255) if frame != 3 else face)
            put(nine_slice(strip, 1, 130, 21, (2, sm[1], wbtn + 2, sm[3])), x, y)
            draw_text(panel, x + 6, y + 7, label, (0, 0, 0) if frame != 3 else (128, 128, 128))

    # check boxes and radio buttons
    for col, key in enumerate(("CheckButton", "RadioButton")):
        e = skin.find("Buttons", key)
        if not e:
            continue
        for i, label in enumerate(("OFF", "ON", "OFF, DISABLED", "ON, DISABLED")):
            f = e.frame(i + 1)
            x, y = 450 + col * 110, 10 + i * 18
            put(f, x, y)
            draw_text(panel, x + f.w + 4, y + (f.h - 7) // 2, label, btext if i < 2 else skin.colour("ButtonShadow", btext))

    # progress bar at 60 %, chunk style underneath
    prog = skin.find("Progress", "Bitmap")
    if prog:
        pm = margins_of(skin, "Progress")
        put(nine_slice(prog, 1, 200, 16, pm), 10, 90)
        if prog.frames > 1:
            put(nine_slice(prog, 2, 120, 16, pm), 10, 90)
    chunk = skin.find("Progress.Chunk")
    if prog and chunk:
        put(nine_slice(prog, 1, 200, 16, margins_of(skin, "Progress")), 10, 112)
        c = chunk.frame(1)
        for x in range(0, 110, c.w):
            put(c.crop(0, 0, min(c.w, 110 - x), c.h), 10 + 2 + chunk.image.w * 0 + x + 2, 112 + (16 - c.h) // 2)

    # track bar: a plain channel and the thumb (frame 2, as the engine does)
    panel.fill_rect(10, 146, 210, 150, skin.colour("ButtonShadow", (128, 128, 128)))
    panel.fill_rect(11, 147, 209, 149, (255, 255, 255))
    th = skin.find("Trackbar.ThumbHorz")
    if th:
        put(strip_frame(th, 2, 11, 21), 90, 138)
    tv = skin.find("Trackbar.ThumbVert")
    if tv:
        panel.fill_rect(240, 170, 244, 170 + 0, face)

    # up-down buttons: vertical (up normal, down hot) and horizontal
    for sec, vertical, x, y in (("UpDown.Vert", True, 230, 170), ("UpDown.Horz", False, 260, 172)):
        e, g = skin.find(sec, "Image"), skin.find(sec, "GlyphImage")
        if not e:
            continue
        states = (1, 4 + 4)   # first half normal, second half hot
        for half in range(2):
            if vertical:
                r = (x, y + half * 11, 16, 11)
            else:
                r = (x + half * 16, y, 16, 16)
            frame = states[half] if vertical else states[half]
            put(strip_frame(e, frame, r[2], r[3]), r[0], r[1])
            if g:
                gf = g.frame(frame)
                put(gf, r[0] + (r[2] - gf.w) // 2, r[1] + (r[3] - gf.h) // 2)

    # header with three columns, the second hot
    hb = skin.find("Headerbar")
    if hb:
        hm = margins_of(skin, "Headerbar")
        wt = skin.colour("WindowText", btext)
        for i, (label, x0, x1) in enumerate((("NAME", 0, 90), ("SIZE", 90, 150), ("TYPE", 150, 220))):
            put(nine_slice(hb, 2 if i == 1 else 1, x1 - x0, 22, hm), 300 + x0, 120, False)
            draw_text(panel, 300 + x0 + 4, 120 + 8, label, wt)
        put(nine_slice(hb, 1, 40, 22, hm), 520, 120, False)

    # menu bar and a popup menu under it
    mb = skin.find("Personality", "menuBar")
    mx, my = 660, 10
    if mb:
        put(nine_slice(mb, 1, 196, 19, (1, 0, 1, 0)), mx, my, False)
    xx = mx + 6
    for label in ("FILE", "EDIT", "HELP"):
        draw_text(panel, xx + 5, my + 6, label, skin.colour("MenuBarText", btext))
        xx += text_width(label) + 10
    mbg, mi = skin.find("MenuBackground"), skin.find("MenuItem")
    if mbg:
        items = (("OPEN", 1), ("SAVE AS", 4), ("-", 2), ("PRINT", 5), ("EXIT", 1))
        mh = 6 + sum(9 if t == "-" else 20 for t, _ in items)
        menu = nine_slice(mbg, 1, 140, mh, margins_of(skin, "MenuBackground"))
        put(menu, mx + 2, my + 19, False)
        y = my + 19 + 3
        for label, frame in items:
            ih = 9 if label == "-" else 20
            if mi:
                mm = margins_of(skin, "MenuItem")
                if label == "-":
                    f = mi.frame(2)
                    part = f.crop(0, max(0, f.h - ih), f.w, f.h)
                    put(three_slice_tiled(Element("", "", "", part, 1, False), 1, 134, ih, mm[0], mm[2]), mx + 5, y)
                else:
                    put(nine_slice(mi, frame, 134, ih, mm), mx + 5, y, trans("MenuItem"))
            if label != "-":
                col = skin.colour("HilightText" if frame == 4 else "MenuText", btext)
                draw_text(panel, mx + 5 + 24, y + 7, label, col)
            y += ih

    # group box edge, status bar with its size grip
    sb = skin.find("StatusBarEdges")
    if sb:
        sm = margins_of(skin, "StatusBarEdges")
        put(nine_slice(sb, 1, 160, 22, sm), 580, 170, False)
        put(nine_slice(sb, 2, 80, 22, sm), 740, 170, False)
        put(nine_slice(sb, 3, 44, 22, sm), 820, 170, False)
        draw_text(panel, 586, 178, "LOWERED", parse_colour(ini.get("StatusBarEdges", "NormalColour2", ""), btext))
        draw_text(panel, 746, 178, "RAISED", parse_colour(ini.get("StatusBarEdges", "NormalColour2", ""), btext))
        if extra and extra.frames >= 5:
            g = extra.frame(5)
            put(g, 864 - 1 - g.w, 192 - 1 - g.h)
    canvas.draw(panel, ox, oy, False)


def make_preview(skin):
    canvas = Img(2 * 402 + 60, 384 + 50 + 230, BACKGROUND)
    for y in range(canvas.h):
        for x in range(canvas.w):
            canvas.px[y * canvas.w + x] = checker(x, y)
    draw_text(canvas, 20, 10, "ACTIVE", INK, 2)
    w, h = paint_window(skin, canvas, 20, 34, True)
    draw_text(canvas, 40 + w, 10, "INACTIVE", INK, 2)
    paint_window(skin, canvas, 40 + w, 34, False)
    draw_text(canvas, 20, 34 + h + 12, "OTHER CONTROLS", INK, 2)
    paint_gallery(skin, canvas, 0, 34 + h + 36, canvas.w, 194)
    return canvas


# ----------------------------------------------------------------------------


def find_skinpack(given):
    if given:
        return given
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    found = sorted(glob.glob(os.path.join(root, "build", "*", "tools", "skinpack")))
    found = [f for f in found if os.access(f, os.X_OK)]
    if found:
        return found[0]
    path = shutil.which("skinpack")
    if path:
        return path
    raise SystemExit("skinpack not found: build it or give --skinpack PATH")


def main(argv):
    ap = argparse.ArgumentParser(description="Contact sheet of a skin package.")
    ap.add_argument("package")
    ap.add_argument("out")
    ap.add_argument("--skinpack")
    ap.add_argument("--preview")
    args = ap.parse_args(argv[1:])
    tool = find_skinpack(args.skinpack)
    tmp = tempfile.mkdtemp(prefix="skin_sheet.")
    try:
        folder = os.path.join(tmp, "entries")
        res = subprocess.run([tool, "unpack", args.package, folder],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        if res.returncode != 0:
            sys.stderr.write(res.stderr.decode(errors="replace"))
            raise SystemExit("skinpack unpack failed")
        skin = Skin(folder)
        write_png(args.out, make_sheet(skin))
        print("%s: %d entries, %d elements" % (args.package, len(os.listdir(folder)), len(skin.elements)))
        for e in skin.elements:
            print("  %-20s %-12s %-20s %4d x %-3d %2d frame%s %s" % (
                e.section, e.key, e.name, e.image.w, e.image.h, e.frames,
                "s" if e.frames != 1 else " ", "stacked" if e.vertical else "side by side"))
        for m in skin.missing:
            print("  missing image: " + m)
        if args.preview:
            write_png(args.preview, make_preview(skin))
            print("preview: " + args.preview)
    finally:
        shutil.rmtree(tmp, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
