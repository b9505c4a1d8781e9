#!/usr/bin/env python3
"""Draws the two skins of the talking calculator and writes their sources.

    python3 skins/make_skins.py [OUTDIR]

writes OUTDIR/default/ and OUTDIR/dark/ (OUTDIR defaults to the folder of
this script): one skin.ini and 36 bitmaps each, 24-bit uncompressed BMP
files, bottom-up rows padded to 4 bytes.  Magenta (255, 0, 255) is the key
colour: pixels of that colour are left out when an element is drawn with
Trans=1, and cut out of the window outline in the four frame sides.

Only the Python standard library is used, and the output is the same byte
for byte at every run, so the generated files can be kept under version
control next to this script.

The bitmaps, and the INI sections that use each of them:

  framel.bmp        Personality Left         2 frames side by side (active, inactive)
  framer.bmp        Personality Right        2 frames side by side
  frametop.bmp      Personality Top          2 frames stacked: the title bar
  framebot.bmp      Personality Bottom       2 frames stacked
  textback.bmp      Personality TextBack     2 frames stacked, behind the caption text
  menubar.bmp       Personality menuBar      2 frames stacked
  capclose.bmp      Button0 (close)          6 frames (21 x 21 light, 27 x 19 dark)
  capmax.bmp        Button1 (maximise)       6 frames (21 x 21 light, 27 x 19 dark)
  capmin.bmp        Button2 (minimise)       6 frames (21 x 21 light, 27 x 19 dark)
  caphelp.bmp       Button3 (help)           6 frames (21 x 21 light, 27 x 19 dark)
  mdicontrols.bmp   MDICONTROLS              3 buttons x 4 frames of 10 x 10
  buttons.bmp       Buttons Bitmap           5 frames
  checkbox.bmp      Buttons CheckButton      4 frames of 13 x 13
  radio.bmp         Buttons RadioButton      4 frames of 13 x 13
  tabs.bmp          Tabs Image               5 frames
  panel.bmp         Tabs Border, Tab.Pane, MenuBackground
  statusbar.bmp     StatusBarEdges           3 frames
  sunkedge.bmp      SunkEdge                 4 frames
  combobutton.bmp   ComboButton              4 frames
  extraimages.bmp   ExtraImages              5 frames: 4 combo arrows, size grip
  scrollbar.bmp     Scrollbar                23 frames of 17 x 17
  scrolltrack.bmp   HorzScroll, VertScroll   4 frames
  scrollthumb.bmp   HorzScrollThumb, VertScrollThumb   3 frames
  progress.bmp      Progress                 2 frames (trough, bar)
  progresschunk.bmp Progress.Chunk           1 frame
  thumbdown.bmp     Trackbar.ThumbHorz, Trackbar.ThumbDown   5 frames
  thumbright.bmp    Trackbar.ThumbVert, Trackbar.ThumbRight  5 frames
  thumbup.bmp       Trackbar.ThumbUp         5 frames
  thumbleft.bmp     Trackbar.ThumbLeft       5 frames
  updown.bmp        UpDown.Horz, UpDown.Vert Image       8 frames
  updownglyphv.bmp  UpDown.Vert GlyphImage   8 frames (up 1-4, down 5-8)
  updownglyphh.bmp  UpDown.Horz GlyphImage   8 frames (left 1-4, right 5-8)
  groupbox.bmp      GroupBox                 1 frame
  groupboxedge.bmp  GroupBoxEdge             2 frames
  headerbar.bmp     Headerbar, ToolBars      5 frames
  menuitem.bmp      MenuItem                 5 frames
"""

import math
import os
import sys

# The raster canvas is shared with tools/skin_sheet.py.  No __pycache__
# is written, so a run leaves nothing new in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from skin_raster import MAGENTA, Img, darken, lighten, mix  # noqa: E402

# Geometry of the window frame; each skin has its own, so that switching
# skins changes the frame a window wears and not only its colours.
class Geometry:
    def __init__(self, side, bottom, title, radius_top, radius_bottom, button_w, button_h,
                 button_y, button_gap, button_margin):
        self.side = side                    # width of the left and right sides
        self.bottom = bottom                # height of the bottom side
        self.title = title                  # height of the top side: outline, title, separator
        self.radius_top = radius_top        # rounded top corners
        self.radius_bottom = radius_bottom  # rounded bottom corners
        self.top_cap = 6                    # fixed ends of the top and bottom sides (TopHeight/BotHeight)
        self.side_bottom_cap = 6            # fixed bottom end of the left and right sides
        self.button_w = button_w            # caption buttons, one frame
        self.button_h = button_h
        self.button_y = button_y            # their top edge in the title
        self.button_gap = button_gap        # pixels between two caption buttons
        self.button_margin = button_margin  # pixels between the close button and the right side
        self.icon_x = side + 2              # the window icon at the left of the title
        self.icon_y = (title - 16) // 2
        self.text_shift = side + 18         # the caption text starts right of the icon


# Light: thin sides, a 26-pixel title, square buttons apart from each other.
GEOMETRY_DEFAULT = Geometry(side=4, bottom=4, title=26, radius_top=7, radius_bottom=5,
                            button_w=21, button_h=21, button_y=2, button_gap=1, button_margin=2)
# Dark: wider sides, a taller title, wide flat buttons in one row that
# touches the right side, centred on the title.
GEOMETRY_DARK = Geometry(side=6, bottom=6, title=30, radius_top=4, radius_bottom=3,
                         button_w=27, button_h=19, button_y=5, button_gap=0, button_margin=1)


# ----------------------------------------------------------------------------
# INI colours


def rgb_text(c):
    return "%d %d %d" % c


# ----------------------------------------------------------------------------
# frame strips


def strip_h(frames):
    """Frames side by side."""
    w = sum(f.w for f in frames)
    out = Img(w, frames[0].h)
    x = 0
    for f in frames:
        out.paste(f, x, 0)
        x += f.w
    return out


def strip_v(frames):
    """Frames stacked, the first on top."""
    out = Img(frames[0].w, sum(f.h for f in frames))
    y = 0
    for f in frames:
        out.paste(f, 0, y)
        y += f.h
    return out


# ----------------------------------------------------------------------------
# shapes with anti-aliased edges (4 x 4 samples per pixel)

SAMPLES = [(i + 0.5) / 4.0 for i in range(4)]


def in_rrect(px, py, x0, y0, x1, y1, rt, rb):
    """Inside the rectangle [x0, x1) x [y0, y1) whose top corners have
    radius rt and bottom corners radius rb."""
    if px < x0 or px >= x1 or py < y0 or py >= y1:
        return False
    for (cy, r, top) in ((y0 + rt, rt, True), (y1 - rb, rb, False)):
        if r <= 0:
            continue
        if (top and py < cy) or (not top and py > cy):
            if px < x0 + r:
                return (px - (x0 + r)) ** 2 + (py - cy) ** 2 <= r * r
            if px > x1 - r:
                return (px - (x1 - r)) ** 2 + (py - cy) ** 2 <= r * r
    return True


def coverage(test, x, y):
    n = 0
    for sy in SAMPLES:
        for sx in SAMPLES:
            if test(x + sx, y + sy):
                n += 1
    return n / 16.0


def solid(c):
    return lambda x, y: c


def vgrad(y0, y1, c0, c1):
    """Vertical gradient from c0 on row y0 to c1 on row y1 - 1."""
    span = max(1, y1 - 1 - y0)
    return lambda x, y: mix(c0, c1, min(1.0, max(0.0, (y - y0) / span)))


def draw_rrect(img, x0, y0, x1, y1, r, fill, border=None, rb=None,
               keyed=True, bg=None, inner=None):
    """A rounded rectangle: a 1-pixel border (optional), an optional second
    ring `inner` just inside it, and the fill (a colour function of x, y).
    keyed: edge pixels are either opaque or left as they are, so the shape
    stays exact over the key colour."""
    if rb is None:
        rb = r
    outer = lambda px, py: in_rrect(px, py, x0, y0, x1, y1, r, rb)
    ring1 = lambda px, py: in_rrect(px, py, x0 + 1, y0 + 1, x1 - 1, y1 - 1,
                                    max(0, r - 1), max(0, rb - 1))
    ring2 = lambda px, py: in_rrect(px, py, x0 + 2, y0 + 2, x1 - 2, y1 - 2,
                                    max(0, r - 2), max(0, rb - 2))
    for y in range(max(0, int(y0)), min(img.h, int(math.ceil(y1)))):
        for x in range(max(0, int(x0)), min(img.w, int(math.ceil(x1)))):
            co = coverage(outer, x, y)
            if co <= 0:
                continue
            f = fill(x, y)
            if f == MAGENTA:
                # a ring only: the inside stays see-through
                if border is not None and coverage(ring1, x, y) < 0.5 and co >= 0.5:
                    img.set(x, y, border)
                continue
            if border is None:
                col = f
            else:
                ci = coverage(ring1, x, y)
                if inner is not None:
                    c2 = coverage(ring2, x, y)
                    col = mix(border, mix(inner, f, c2), ci)
                else:
                    col = mix(border, f, ci)
            if keyed:
                if co >= 0.5:
                    img.set(x, y, col)
            else:
                img.blend(x, y, col, co, bg)


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    L = dx * dx + dy * dy
    t = 0.0 if L == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / L))
    qx, qy = ax + t * dx, ay + t * dy
    return math.hypot(px - qx, py - qy)


def draw_line(img, ax, ay, bx, by, width, c, bg=None):
    """An anti-aliased stroke with round ends; coordinates in pixel units
    where (x + 0.5, y + 0.5) is the centre of pixel (x, y)."""
    hw = width / 2.0
    test = lambda px, py: seg_dist(px, py, ax, ay, bx, by) <= hw
    for y in range(max(0, int(min(ay, by) - hw - 1)), min(img.h, int(max(ay, by) + hw + 2))):
        for x in range(max(0, int(min(ax, bx) - hw - 1)), min(img.w, int(max(ax, bx) + hw + 2))):
            a = coverage(test, x, y)
            if a > 0:
                img.blend(x, y, c, a, bg)


def in_poly(px, py, pts):
    inside = False
    n = len(pts)
    j = n - 1
    for i in range(n):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > py) != (yj > py):
            xint = xi + (py - yi) * (xj - xi) / (yj - yi)
            if px < xint:
                inside = not inside
        j = i
    return inside


def fill_poly(img, pts, c, bg=None, keyed=False):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    test = lambda px, py: in_poly(px, py, pts)
    for y in range(max(0, int(min(ys)) - 1), min(img.h, int(max(ys)) + 2)):
        for x in range(max(0, int(min(xs)) - 1), min(img.w, int(max(xs)) + 2)):
            a = coverage(test, x, y)
            if a <= 0:
                continue
            if keyed:
                if a >= 0.5:
                    img.set(x, y, c)
            else:
                img.blend(x, y, c, a, bg)


def fill_circle(img, cx, cy, r, c, bg=None, keyed=False):
    test = lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r
    for y in range(max(0, int(cy - r) - 1), min(img.h, int(cy + r) + 2)):
        for x in range(max(0, int(cx - r) - 1), min(img.w, int(cx + r) + 2)):
            a = coverage(test, x, y)
            if a <= 0:
                continue
            if keyed:
                if a >= 0.5:
                    img.set(x, y, c)
            else:
                img.blend(x, y, c, a, bg)


def chevron(img, cx, cy, size, direction, c, width=1.6, bg=None):
    """An open arrow head ("v" shape) centred at (cx, cy); direction is one
    of 'up', 'down', 'left', 'right'; size is its half width."""
    h = size * 0.55
    if direction == "down":
        pts = [(cx - size, cy - h), (cx, cy + h), (cx + size, cy - h)]
    elif direction == "up":
        pts = [(cx - size, cy + h), (cx, cy - h), (cx + size, cy + h)]
    elif direction == "right":
        pts = [(cx - h, cy - size), (cx + h, cy), (cx - h, cy + size)]
    else:
        pts = [(cx + h, cy - size), (cx - h, cy), (cx + h, cy + size)]
    draw_line(img, pts[0][0], pts[0][1], pts[1][0], pts[1][1], width, c, bg)
    draw_line(img, pts[1][0], pts[1][1], pts[2][0], pts[2][1], width, c, bg)


def triangle(img, cx, cy, size, direction, c, bg=None):
    """A solid arrow head pointing in `direction`, size = half its base."""
    h = size * 0.6
    if direction == "down":
        pts = [(cx - size, cy - h), (cx + size, cy - h), (cx, cy + h)]
    elif direction == "up":
        pts = [(cx - size, cy + h), (cx + size, cy + h), (cx, cy - h)]
    elif direction == "right":
        pts = [(cx - h, cy - size), (cx - h, cy + size), (cx + h, cy)]
    else:
        pts = [(cx + h, cy - size), (cx + h, cy + size), (cx - h, cy)]
    fill_poly(img, pts, c, bg)


# ----------------------------------------------------------------------------
# the two palettes


def palette_default():
    p = {}
    p["name"] = "Porcelain"
    p["geo"] = GEOMETRY_DEFAULT
    p["face"] = (232, 238, 246)
    p["face_light"] = (244, 247, 251)
    p["text"] = (28, 38, 56)
    p["text_dim"] = (78, 92, 116)
    p["text_disabled"] = (150, 160, 176)
    p["window"] = (255, 255, 255)
    p["shadow"] = (150, 164, 184)
    p["dkshadow"] = (96, 108, 128)
    p["hilight"] = (255, 255, 255)
    p["accent"] = (52, 118, 206)
    p["accent_light"] = (206, 224, 248)
    p["sel"] = (56, 120, 208)
    p["sel_text"] = (255, 255, 255)
    # title bar
    p["title_top"] = (112, 164, 226)
    p["title_bottom"] = (74, 132, 204)
    p["title_sheen"] = (146, 188, 238)
    p["title_outline"] = (44, 88, 152)
    p["title_text"] = (255, 255, 255)
    p["title_sep"] = (58, 110, 180)
    p["frame_band"] = (232, 238, 246)     # the sides are face coloured inside a
    p["frame_inner"] = (232, 238, 246)    # 1-pixel outline
    p["ititle_top"] = (222, 228, 237)
    p["ititle_bottom"] = (204, 213, 226)
    p["ititle_sheen"] = (234, 239, 245)
    p["ititle_outline"] = (146, 158, 178)
    p["ititle_text"] = (94, 106, 126)
    p["ititle_sep"] = (178, 189, 205)
    p["iframe_band"] = (232, 238, 246)
    p["iframe_inner"] = (232, 238, 246)
    p["cap_glyph"] = (255, 255, 255)
    p["cap_glyph_inactive"] = (120, 132, 152)
    p["cap_hot"] = (134, 180, 236)
    p["cap_pressed"] = (50, 100, 170)
    p["cap_close_hot"] = (226, 72, 64)
    p["cap_close_pressed"] = (178, 44, 38)
    p["textback"] = (82, 138, 208)
    p["itextback"] = (198, 207, 220)
    # push buttons
    p["btn_top"] = (255, 255, 255)
    p["btn_bottom"] = (224, 232, 243)
    p["btn_border"] = (152, 170, 196)
    p["btn_hot_top"] = (250, 252, 255)
    p["btn_hot_bottom"] = (208, 226, 250)
    p["btn_hot_border"] = (98, 144, 210)
    p["btn_pressed_top"] = (190, 210, 238)
    p["btn_pressed_bottom"] = (210, 224, 244)
    p["btn_pressed_border"] = (74, 116, 182)
    p["btn_disabled"] = (238, 241, 246)
    p["btn_disabled_border"] = (196, 204, 216)
    p["btn_focus_border"] = (52, 118, 206)
    p["btn_focus_inner"] = (184, 210, 246)
    p["btn_text"] = (28, 38, 56)
    p["btn_sheen"] = 0.6
    p["check_fill"] = (255, 255, 255)
    p["check_border"] = (140, 158, 186)
    p["btn_text_hot"] = (20, 66, 140)
    p["btn_text_pressed"] = (12, 40, 96)
    # other controls
    p["track"] = (222, 229, 239)
    p["track_pressed"] = (204, 215, 231)
    p["thumb"] = (168, 184, 206)
    p["thumb_hot"] = (140, 162, 194)
    p["thumb_pressed"] = (96, 140, 204)
    p["arrow"] = (92, 106, 128)
    p["tab_top"] = (222, 230, 241)
    p["tab_bottom"] = (210, 220, 234)
    p["tab_text"] = (78, 92, 116)
    p["tab_sel_text"] = (20, 30, 50)
    p["menu_bar_top"] = (244, 247, 251)
    p["menu_bar_bottom"] = (228, 235, 244)
    p["status_text"] = (60, 72, 92)
    p["progress_top"] = (110, 170, 238)
    p["progress_bottom"] = (44, 112, 200)
    p["custom"] = [(52, 118, 206), (226, 72, 64), (64, 170, 110), (240, 170, 40),
                   (132, 96, 200), (28, 38, 56), (150, 164, 184), (232, 238, 246),
                   (255, 255, 255), (112, 164, 226)]
    return p


def palette_dark():
    p = {}
    p["name"] = "Graphite"
    p["geo"] = GEOMETRY_DARK
    p["face"] = (48, 51, 58)
    p["face_light"] = (58, 62, 70)
    p["text"] = (232, 234, 238)
    p["text_dim"] = (176, 180, 190)
    p["text_disabled"] = (110, 115, 126)
    p["window"] = (255, 255, 255)
    p["shadow"] = (88, 93, 104)
    p["dkshadow"] = (24, 26, 30)
    p["hilight"] = (120, 126, 138)
    p["accent"] = (244, 146, 46)
    p["accent_light"] = (110, 80, 50)
    p["sel"] = (232, 132, 36)
    p["sel_text"] = (24, 20, 16)
    p["title_top"] = (40, 42, 48)
    p["title_bottom"] = (30, 32, 37)
    p["title_sheen"] = (244, 146, 46)      # accent line along the top
    p["title_outline"] = (14, 15, 18)
    p["title_text"] = (242, 243, 246)
    p["title_sep"] = (20, 21, 25)
    p["frame_band"] = (48, 51, 58)
    p["frame_inner"] = (40, 43, 49)
    p["ititle_top"] = (62, 65, 73)
    p["ititle_bottom"] = (56, 59, 66)
    p["ititle_sheen"] = (96, 100, 110)
    p["ititle_outline"] = (30, 32, 36)
    p["ititle_text"] = (150, 155, 166)
    p["ititle_sep"] = (44, 46, 52)
    p["iframe_band"] = (48, 51, 58)
    p["iframe_inner"] = (40, 43, 49)
    p["cap_glyph"] = (228, 230, 236)
    p["cap_glyph_inactive"] = (130, 135, 146)
    p["cap_hot"] = (68, 72, 82)
    p["cap_pressed"] = (244, 146, 46)
    p["cap_close_hot"] = (214, 60, 52)
    p["cap_close_pressed"] = (160, 36, 30)
    p["textback"] = (54, 57, 64)
    p["itextback"] = (72, 76, 85)
    p["btn_top"] = (76, 80, 90)
    p["btn_bottom"] = (62, 66, 75)
    p["btn_border"] = (28, 30, 35)
    p["btn_hot_top"] = (92, 97, 109)
    p["btn_hot_bottom"] = (74, 79, 90)
    p["btn_hot_border"] = (244, 146, 46)
    p["btn_pressed_top"] = (38, 40, 46)
    p["btn_pressed_bottom"] = (50, 53, 60)
    p["btn_pressed_border"] = (196, 110, 30)
    p["btn_disabled"] = (56, 59, 66)
    p["btn_disabled_border"] = (44, 46, 52)
    p["btn_focus_border"] = (244, 146, 46)
    p["btn_focus_inner"] = (112, 84, 56)
    p["btn_text"] = (236, 238, 242)
    p["btn_sheen"] = 0.12
    p["check_fill"] = (32, 34, 39)
    p["check_border"] = (128, 134, 146)
    p["btn_text_hot"] = (255, 200, 130)
    p["btn_text_pressed"] = (244, 146, 46)
    p["track"] = (38, 40, 46)
    p["track_pressed"] = (30, 32, 37)
    p["thumb"] = (92, 97, 109)
    p["thumb_hot"] = (118, 124, 138)
    p["thumb_pressed"] = (244, 146, 46)
    p["arrow"] = (170, 175, 186)
    p["tab_top"] = (40, 43, 49)
    p["tab_bottom"] = (36, 38, 44)
    p["tab_text"] = (160, 165, 176)
    p["tab_sel_text"] = (244, 246, 250)
    p["menu_bar_top"] = (52, 55, 62)
    p["menu_bar_bottom"] = (44, 47, 53)
    p["status_text"] = (200, 204, 212)
    p["progress_top"] = (250, 176, 90)
    p["progress_bottom"] = (222, 120, 26)
    p["custom"] = [(244, 146, 46), (214, 60, 52), (90, 186, 120), (240, 200, 80),
                   (150, 120, 220), (232, 234, 238), (88, 93, 104), (48, 51, 58),
                   (24, 26, 30), (40, 42, 48)]
    return p


# ----------------------------------------------------------------------------
# the window frame: one template window is drawn and cut into the four sides


def frame_template(p, active):
    pre = "" if active else "i"
    top, bottom = p[pre + "title_top"], p[pre + "title_bottom"]
    sheen = p[pre + "title_sheen"]
    outline = p[pre + "title_outline"]
    sep = p[pre + "title_sep"]
    band, inner = p[pre + "frame_band"], p[pre + "frame_inner"]
    g = p["geo"]
    side, bot, th = g.side, g.bottom, g.title
    tw = side + g.top_cap + 8 + g.top_cap + side
    tht = th + 8 + g.side_bottom_cap
    img = Img(tw, tht)
    grad = vgrad(1, th - 1, top, bottom)

    def body(x, y):
        if y < th - 1:
            return sheen if y == 1 else grad(x, y)
        if y == th - 1:
            return sep
        in_side = x < side or x >= tw - side
        in_bottom = y >= tht - bot
        if not (in_side or in_bottom):
            return p["face"]
        # a darker line runs next to the client area
        if (x in (side - 1, tw - side) and y <= tht - bot) or \
                (y == tht - bot and side - 1 <= x <= tw - side):
            return inner
        return band

    draw_rrect(img, 0, 0, tw, tht, g.radius_top, body, border=outline,
               rb=g.radius_bottom, keyed=True)
    return img


def frame_sides(p):
    act = frame_template(p, True)
    ina = frame_template(p, False)
    tw, tht = act.w, act.h
    g = p["geo"]
    side, bot, th = g.side, g.bottom, g.title
    left = strip_h([t.crop(0, 0, side, tht) for t in (act, ina)])
    right = strip_h([t.crop(tw - side, 0, tw, tht) for t in (act, ina)])
    top = strip_v([t.crop(side, 0, tw - side, th) for t in (act, ina)])
    bottom = strip_v([t.crop(side, tht - bot, tw - side, tht) for t in (act, ina)])
    return left, right, top, bottom


def title_colour_at(p, active, y):
    pre = "" if active else "i"
    if y == 1:
        return p[pre + "title_sheen"]
    return vgrad(1, p["geo"].title - 1, p[pre + "title_top"], p[pre + "title_bottom"])(0, y)


def text_back(p):
    """Behind the caption text: a soft rounded chip, drawn over the title."""
    frames = []
    th = p["geo"].title
    for active in (True, False):
        f = Img(24, th)
        col = p["textback"] if active else p["itextback"]
        for y in range(f.h):
            bg = title_colour_at(p, active, y)
            test = lambda px, py: in_rrect(px, py, 0, 4, 24, th - 4, 8, 8)
            for x in range(f.w):
                a = coverage(test, x, y)
                if a > 0.05:
                    f.set(x, y, mix(bg, col, a))
        frames.append(f)
    return strip_v(frames)


def menu_bar(p):
    frames = []
    for active in (True, False):
        f = Img(8, 20)
        t, b = p["menu_bar_top"], p["menu_bar_bottom"]
        if not active:
            t, b = mix(t, p["face"], 0.6), mix(b, p["face"], 0.6)
        g = vgrad(0, 19, t, b)
        for y in range(19):
            for x in range(8):
                f.set(x, y, g(x, y))
        f.fill_rect(0, 19, 8, 20, mix(p["shadow"], p["face"], 0.5))
        frames.append(f)
    return strip_v(frames)


# ----------------------------------------------------------------------------
# caption buttons


def caption_glyph(f, kind, c, bg):
    """The glyph centred on the button, whatever its size."""
    mx, my = f.w / 2.0, f.h / 2.0
    x0, y0 = int(mx - 4.5), int(my - 4.5)
    if kind == "close":
        d = 4.0
        draw_line(f, mx - d, my - d, mx + d, my + d, 1.5, c, bg)
        draw_line(f, mx - d, my + d, mx + d, my - d, 1.5, c, bg)
    elif kind == "max":
        # a square outline, 9 x 9, with a thicker top edge
        x1, y1 = x0 + 9, y0 + 9
        for x in range(x0, x1):
            f.blend(x, y0, c, 1, bg)
            f.blend(x, y0 + 1, c, 1, bg)
            f.blend(x, y1 - 1, c, 1, bg)
        for y in range(y0, y1):
            f.blend(x0, y, c, 1, bg)
            f.blend(x1 - 1, y, c, 1, bg)
    elif kind == "min":
        for x in range(x0, x0 + 9):
            f.blend(x, y0 + 7, c, 1, bg)
            f.blend(x, y0 + 8, c, 1, bg)
    elif kind == "help":
        # a question mark: an arc, a short stem and a dot
        steps = 24
        pts = []
        for i in range(steps + 1):
            a = math.pi * (1.05 + 1.35 * i / steps)
            pts.append((mx + 3.0 * math.cos(a), my - 2.3 + 3.0 * math.sin(a)))
        for i in range(steps):
            draw_line(f, pts[i][0], pts[i][1], pts[i + 1][0], pts[i + 1][1], 1.5, c, bg)
        ex, ey = pts[-1]
        draw_line(f, ex, ey, mx, my + 2.1, 1.5, c, bg)
        fill_circle(f, mx, my + 5.1, 1.1, c, bg)


def caption_button(p, kind):
    """Six frames: 1 normal, 2 pressed, 3 hot, 4 inactive or disabled;
    5 and 6 repeat the hot and the normal look."""
    g = p["geo"]
    w, h = g.button_w, g.button_h
    frames = []
    y_mid = g.button_y + h // 2
    title_bg = title_colour_at(p, True, y_mid)
    ititle_bg = title_colour_at(p, False, y_mid)
    for state in ("normal", "pressed", "hot", "inactive"):
        f = Img(w, h)
        glyph = p["cap_glyph"]
        bg = title_bg
        if state in ("hot", "pressed"):
            if kind == "close":
                back = p["cap_close_hot"] if state == "hot" else p["cap_close_pressed"]
                glyph = (255, 255, 255)
            else:
                back = p["cap_hot"] if state == "hot" else p["cap_pressed"]
                if state == "pressed" and sum(back) > 500:
                    glyph = (30, 30, 30)
            draw_rrect(f, 1, 1, w - 1, h - 1, 4, solid(back), keyed=True)
            bg = back
        elif state == "inactive":
            glyph = p["cap_glyph_inactive"]
            bg = ititle_bg
        caption_glyph(f, kind, glyph, bg)
        frames.append(f)
    frames.append(frames[2])
    frames.append(frames[0])
    return strip_h(frames)


def mdi_controls(p):
    """Three buttons of a maximised child window, 4 frames of 10 x 10 each:
    normal, pressed, hot, inactive."""
    frames = []
    for kind in ("min", "restore", "close"):
        for state in ("normal", "pressed", "hot", "inactive"):
            f = Img(10, 10)
            glyph = p["text"]
            bg = p["face"]
            if state == "pressed":
                draw_rrect(f, 0, 0, 10, 10, 2, solid(p["sel"]), keyed=True)
                glyph, bg = p["sel_text"], p["sel"]
            elif state == "hot":
                draw_rrect(f, 0, 0, 10, 10, 2, solid(p["accent_light"]), keyed=True)
                bg = p["accent_light"]
            elif state == "inactive":
                glyph = p["text_disabled"]
            if kind == "min":
                for x in range(2, 8):
                    f.blend(x, 7, glyph, 1, bg)
            elif kind == "restore":
                for x in range(4, 8):
                    f.blend(x, 2, glyph, 1, bg)
                for y in range(2, 6):
                    f.blend(7, y, glyph, 1, bg)
                for x in range(2, 6):
                    f.blend(x, 4, glyph, 1, bg)
                    f.blend(x, 7, glyph, 1, bg)
                for y in range(4, 8):
                    f.blend(2, y, glyph, 1, bg)
                    f.blend(5, y, glyph, 1, bg)
            else:
                draw_line(f, 2.5, 2.5, 7.5, 7.5, 1.2, glyph, bg)
                draw_line(f, 2.5, 7.5, 7.5, 2.5, 1.2, glyph, bg)
            frames.append(f)
    return strip_h(frames)


# ----------------------------------------------------------------------------
# push buttons, check boxes, radio buttons


def push_buttons(p):
    """Five frames of 24 x 24: normal, pressed, disabled, hot, focused."""
    s = 24
    out = []
    specs = [
        (vgrad(1, s - 1, p["btn_top"], p["btn_bottom"]), p["btn_border"], None),
        (vgrad(1, s - 1, p["btn_pressed_top"], p["btn_pressed_bottom"]), p["btn_pressed_border"], None),
        (solid(p["btn_disabled"]), p["btn_disabled_border"], None),
        (vgrad(1, s - 1, p["btn_hot_top"], p["btn_hot_bottom"]), p["btn_hot_border"], None),
        (vgrad(1, s - 1, p["btn_top"], p["btn_bottom"]), p["btn_focus_border"], p["btn_focus_inner"]),
    ]
    for fill, border, inner in specs:
        f = Img(s, s)
        draw_rrect(f, 0, 0, s, s, 4, fill, border=border, inner=inner)
        out.append(f)
    # a hairline of light at the top of the raised faces, a shade at the top
    # of the pressed one
    for i in (0, 3, 4):
        for x in range(4, s - 4):
            f = out[i]
            f.set(x, 1 if i != 4 else 2, mix(f.get(x, 1 if i != 4 else 2), (255, 255, 255), p["btn_sheen"]))
    for x in range(3, s - 3):
        out[1].set(x, 1, mix(out[1].get(x, 1), p["btn_pressed_border"], 0.35))
    return strip_h(out)


def check_boxes(p):
    """Four frames of 13 x 13: unchecked, checked, unchecked disabled,
    checked disabled."""
    out = []
    for checked, enabled in ((False, True), (True, True), (False, False), (True, False)):
        f = Img(13, 13)
        border = p["check_border"] if enabled else p["btn_disabled_border"]
        if checked and enabled:
            fill = solid(p["accent"])
            border = darken(p["accent"], 0.15)
        else:
            fill = solid(p["check_fill"] if enabled else p["btn_disabled"])
        draw_rrect(f, 0, 0, 13, 13, 2.5, fill, border=border)
        if checked:
            mark = (255, 255, 255) if enabled else p["text_disabled"]
            bg = p["accent"] if enabled else p["btn_disabled"]
            draw_line(f, 3.2, 6.6, 5.4, 8.9, 1.6, mark, bg)
            draw_line(f, 5.4, 8.9, 9.8, 4.0, 1.6, mark, bg)
        out.append(f)
    return strip_h(out)


def radio_buttons(p):
    out = []
    for checked, enabled in ((False, True), (True, True), (False, False), (True, False)):
        f = Img(13, 13)
        border = p["check_border"] if enabled else p["btn_disabled_border"]
        fill = p["check_fill"] if enabled else p["btn_disabled"]
        if checked and enabled:
            border = p["accent"]
        draw_rrect(f, 0, 0, 13, 13, 6.5, solid(fill), border=border)
        if checked:
            dot = p["accent"] if enabled else p["text_disabled"]
            fill_circle(f, 6.5, 6.5, 3.0, dot, fill)
        out.append(f)
    return strip_h(out)


# ----------------------------------------------------------------------------
# tabs, panels, status bar


def tabs(p):
    """Five frames of 24 x 22: normal, selected, hot, disabled, selected
    (the selected tab carries an accent line along its top)."""
    w, h = 24, 22
    out = []
    for state in ("normal", "selected", "hot", "disabled", "selected"):
        f = Img(w, h)
        if state == "selected":
            fill = solid(p["face"])
            border = p["shadow"]
            top = 0
        elif state == "hot":
            fill = vgrad(2, h, lighten(p["tab_top"], 0.35), p["tab_bottom"])
            border = p["shadow"]
            top = 2
        elif state == "disabled":
            fill = solid(mix(p["tab_bottom"], p["face"], 0.5))
            border = mix(p["shadow"], p["face"], 0.5)
            top = 2
        else:
            fill = vgrad(2, h, p["tab_top"], p["tab_bottom"])
            border = p["shadow"]
            top = 2
        draw_rrect(f, 0, top, w, h + 4, 3, fill, border=border, rb=0)
        if state == "selected":
            for x in range(2, w - 2):
                f.set(x, 0, p["accent"])
                f.set(x, 1, p["accent"])
            f.set(1, 1, mix(p["accent"], p["face"], 0.3))
            f.set(w - 2, 1, mix(p["accent"], p["face"], 0.3))
        else:
            # the pane's top line runs under the unselected tabs
            for x in range(w):
                if f.get(x, h - 1) != MAGENTA:
                    f.set(x, h - 1, p["shadow"])
        out.append(f)
    return strip_h(out)


def panel(p):
    """12 x 12: a 1-pixel line, a lighter ring, the face."""
    f = Img(12, 12)
    draw_rrect(f, 0, 0, 12, 12, 0, solid(p["face"]), border=p["shadow"],
               inner=mix(p["hilight"], p["face"], 0.35))
    return f


def status_bar(p):
    """Three frames of 12 x 12: lowered, raised, flat."""
    out = []
    f = Img(12, 12, p["face"])
    draw_rrect(f, 0, 0, 12, 12, 0, solid(mix(p["face_light"], p["face"], 0.4)),
               border=mix(p["shadow"], p["face"], 0.35))
    out.append(f)
    f = Img(12, 12, p["face"])
    for i in range(12):
        f.set(i, 0, p["hilight"])
        f.set(0, i, p["hilight"])
        f.set(i, 11, p["shadow"])
        f.set(11, i, p["shadow"])
    out.append(f)
    out.append(Img(12, 12, p["face"]))
    return strip_h(out)


def sunk_edge(p):
    """Four frames of 10 x 10 (normal, pressed, disabled, hot or focused):
    the frame of an edit field or combo box, white inside."""
    out = []
    for border in (p["btn_border"], p["accent"], p["btn_disabled_border"], p["btn_hot_border"]):
        f = Img(10, 10)
        inner = p["window"] if border is not p["btn_disabled_border"] else p["btn_disabled"]
        draw_rrect(f, 0, 0, 10, 10, 0, solid(inner), border=border)
        out.append(f)
    return strip_h(out)


def combo_button(p):
    """Four frames of 19 x 21 (normal, pressed, disabled, hot): the drop-down
    button inside the combo's frame; its outer ring is see-through so the
    frame of the combo shows."""
    w, h = 19, 21
    out = []
    for state in ("normal", "pressed", "disabled", "hot"):
        f = Img(w, h)
        if state == "pressed":
            fill = vgrad(1, h - 1, p["btn_pressed_top"], p["btn_pressed_bottom"])
        elif state == "hot":
            fill = vgrad(1, h - 1, p["btn_hot_top"], p["btn_hot_bottom"])
        elif state == "disabled":
            fill = solid(p["btn_disabled"])
        else:
            fill = vgrad(1, h - 1, p["btn_top"], p["btn_bottom"])
        for y in range(1, h - 1):
            for x in range(1, w - 1):
                f.set(x, y, fill(x, y))
            f.set(0, y, mix(p["btn_border"], p["window"], 0.3))
        out.append(f)
    return strip_h(out)


def extra_images(p):
    """Five frames of 12 x 12: the combo arrow (normal, pressed, disabled,
    hot) and the size grip of a status bar."""
    out = []
    for c, bg in ((p["arrow"], p["btn_bottom"]), (p["btn_text_pressed"], p["btn_pressed_bottom"]),
                  (p["text_disabled"], p["btn_disabled"]), (p["btn_text_hot"], p["btn_hot_bottom"])):
        f = Img(12, 12)
        chevron(f, 6, 6.5, 3.5, "down", c, 1.5, bg)
        out.append(f)
    f = Img(12, 12)
    for i in range(3):
        for j in range(3 - i):
            x = 9 - 3 * j
            y = 9 - 3 * i
            f.fill_rect(x, y, x + 2, y + 2, mix(p["shadow"], p["face"], 0.2))
            f.set(x, y, p["hilight"])
    out.append(f)
    return strip_h(out)


# ----------------------------------------------------------------------------
# scroll bars


def scroll_glyphs(p):
    """23 frames of 17 x 17.  1-4 left arrow, 5-8 right, 9-12 up, 13-16
    down (normal, pressed, disabled, hot); 17-19 the grip of a horizontal
    thumb and 20-22 of a vertical one (normal, pressed, hot); 23 empty."""
    s = 17
    out = []
    for direction in ("left", "right", "up", "down"):
        for state in ("normal", "pressed", "disabled", "hot"):
            f = Img(s, s, p["track"])
            glyph, bg = p["arrow"], p["track"]
            if state == "pressed":
                draw_rrect(f, 1, 1, s - 1, s - 1, 3, solid(p["thumb_pressed"]), keyed=False, bg=p["track"])
                glyph, bg = (255, 255, 255), p["thumb_pressed"]
            elif state == "hot":
                hot = mix(p["track"], p["thumb"], 0.45)
                draw_rrect(f, 1, 1, s - 1, s - 1, 3, solid(hot), keyed=False, bg=p["track"])
                glyph, bg = p["text"], hot
            elif state == "disabled":
                glyph = mix(p["arrow"], p["track"], 0.6)
            triangle(f, 8.5, 8.5, 3.6, direction, glyph, bg)
            out.append(f)
    for vertical in (False, True):
        for state in ("normal", "pressed", "hot"):
            f = Img(s, s)
            base = {"normal": p["thumb"], "pressed": p["thumb_pressed"], "hot": p["thumb_hot"]}[state]
            line = mix(base, (255, 255, 255), 0.55) if state != "pressed" else (255, 255, 255)
            for k in (-2, 0, 2):
                for t in range(6, 11):
                    if vertical:
                        f.set(t, 8 + k, line)
                    else:
                        f.set(8 + k, t, line)
            out.append(f)
    out.append(Img(s, s))
    return strip_h(out)


def scroll_track(p):
    """Four frames of 8 x 8: enabled, pressed, disabled, hot (flat; one
    image serves both orientations)."""
    cols = (p["track"], p["track_pressed"], mix(p["track"], p["face"], 0.5), p["track"])
    return strip_h([Img(8, 8, c) for c in cols])


def scroll_thumb(p):
    """Three frames of 17 x 17: normal, pressed, hot; a flat rounded bar
    inset from the track (one image for both orientations)."""
    out = []
    for c in (p["thumb"], p["thumb_pressed"], p["thumb_hot"]):
        f = Img(17, 17)
        draw_rrect(f, 3, 3, 14, 14, 3.5, solid(c), keyed=False, bg=p["track"])
        out.append(f)
    return strip_h(out)


# ----------------------------------------------------------------------------
# progress, track bar, up-down


def progress(p):
    """Two frames of 20 x 14: the trough and the bar."""
    t = Img(20, 14)
    draw_rrect(t, 0, 0, 20, 14, 3, solid(p["track"] if p["name"] != "Porcelain" else (248, 250, 253)),
               border=p["btn_border"])
    b = Img(20, 14)
    draw_rrect(b, 0, 0, 20, 14, 3, vgrad(1, 13, p["progress_top"], p["progress_bottom"]),
               border=darken(p["progress_bottom"], 0.2))
    for x in range(3, 17):
        b.set(x, 1, mix(b.get(x, 1), (255, 255, 255), 0.35))
    return strip_h([t, b])


def progress_chunk(p):
    f = Img(10, 10)
    draw_rrect(f, 0, 0, 8, 10, 1.5, vgrad(0, 10, p["progress_top"], p["progress_bottom"]))
    return f


def track_thumb_down(p):
    """Five frames of 11 x 19, a thumb pointing down: normal, normal,
    pressed, hot, disabled (the track bar draws frame 2 in every state)."""
    w, h = 11, 19
    out = []
    specs = [
        (p["btn_top"], p["btn_bottom"], p["btn_hot_border"]),
        (p["btn_top"], p["btn_bottom"], p["btn_hot_border"]),
        (p["btn_pressed_top"], p["btn_pressed_bottom"], p["btn_pressed_border"]),
        (p["btn_hot_top"], p["btn_hot_bottom"], p["accent"]),
        (p["btn_disabled"], p["btn_disabled"], p["btn_disabled_border"]),
    ]
    for top, bottom, border in specs:
        f = Img(w, h)
        outer = [(0, 1.5), (1.5, 0), (w - 1.5, 0), (w, 1.5), (w, h - 5.5), (w / 2.0, h), (0, h - 5.5)]
        fill_poly(f, outer, border, keyed=True)
        inner = [(1, 2), (2, 1), (w - 2, 1), (w - 1, 2), (w - 1, h - 6), (w / 2.0, h - 1.4), (1, h - 6)]
        g = vgrad(1, h - 1, top, bottom)
        test = lambda px, py: in_poly(px, py, inner)
        for y in range(h):
            for x in range(w):
                a = coverage(test, x, y)
                if a > 0 and f.get(x, y) != MAGENTA:
                    f.set(x, y, mix(border, g(x, y), a))
        out.append(f)
    return strip_h(out)


def rotate_frames(strip, n, turn):
    """Turns every frame of a horizontal strip of n frames: turn 1 = 90
    degrees clockwise, 2 = upside down, 3 = counter-clockwise."""
    fw = strip.w // n
    frames = [strip.crop(i * fw, 0, (i + 1) * fw, strip.h) for i in range(n)]
    res = []
    for f in frames:
        for _ in range(turn):
            f = f.rotate_cw()
        res.append(f)
    return strip_h(res)


def up_down(p):
    """Eight frames of 16 x 11: the faces of the two halves of a spin
    button, normal, pressed, disabled, hot, twice."""
    out = []
    for state in ("normal", "pressed", "disabled", "hot"):
        f = Img(16, 11)
        if state == "pressed":
            draw_rrect(f, 0, 0, 16, 11, 2, vgrad(1, 10, p["btn_pressed_top"], p["btn_pressed_bottom"]),
                       border=p["btn_pressed_border"])
        elif state == "hot":
            draw_rrect(f, 0, 0, 16, 11, 2, vgrad(1, 10, p["btn_hot_top"], p["btn_hot_bottom"]),
                       border=p["btn_hot_border"])
        elif state == "disabled":
            draw_rrect(f, 0, 0, 16, 11, 2, solid(p["btn_disabled"]), border=p["btn_disabled_border"])
        else:
            draw_rrect(f, 0, 0, 16, 11, 2, vgrad(1, 10, p["btn_top"], p["btn_bottom"]),
                       border=p["btn_border"])
        out.append(f)
    return strip_h(out + out)


def up_down_glyphs(p, vertical):
    """Eight arrow heads: up 1-4 and down 5-8 (vertical), left 1-4 and
    right 5-8 (horizontal); each in the four states."""
    dirs = ("up", "down") if vertical else ("left", "right")
    w, h = (9, 5) if vertical else (5, 9)
    out = []
    for d in dirs:
        for c, bg in ((p["arrow"], p["btn_bottom"]), (p["btn_text_pressed"], p["btn_pressed_bottom"]),
                      (p["text_disabled"], p["btn_disabled"]), (p["btn_text_hot"], p["btn_hot_bottom"])):
            f = Img(w, h)
            triangle(f, w / 2.0, h / 2.0, 3.4, d, c, bg)
            out.append(f)
    return strip_h(out)


# ----------------------------------------------------------------------------
# group box, header, menu


def group_box(p):
    """The label of a group box: 16 x 16, a soft rounded plate."""
    f = Img(16, 16)
    draw_rrect(f, 0, 0, 16, 16, 3, solid(p["face_light"]), border=p["shadow"])
    return f


def group_box_edge(p):
    """Two frames of 12 x 12 (normal, disabled): a rounded 1-pixel line."""
    out = []
    for c in (p["shadow"], mix(p["shadow"], p["face"], 0.5)):
        f = Img(12, 12)
        draw_rrect(f, 0, 0, 12, 12, 3, solid(MAGENTA), border=c, keyed=True)
        out.append(f)
    return strip_h(out)


def header_bar(p):
    """Five frames of 12 x 22: normal, hot, pressed, disabled, selected."""
    w, h = 12, 22
    out = []
    specs = ((p["btn_top"], p["btn_bottom"]),
             (p["btn_hot_top"], p["btn_hot_bottom"]),
             (p["btn_pressed_top"], p["btn_pressed_bottom"]),
             (p["btn_disabled"], p["btn_disabled"]),
             (p["btn_top"], p["btn_bottom"]))
    for i, (t, b) in enumerate(specs):
        f = Img(w, h)
        g = vgrad(0, h - 1, t, b)
        for y in range(h):
            for x in range(w):
                f.set(x, y, g(x, y))
        for x in range(w):
            f.set(x, h - 1, p["shadow"])
        for y in range(4, h - 4):
            f.set(w - 1, y, mix(p["shadow"], b, 0.3))
            f.set(w - 2, y, mix(p["hilight"], b, 0.4))
        if i == 4:
            for x in range(w):
                f.set(x, h - 2, p["accent"])
                f.set(x, h - 3, p["accent"])
        out.append(f)
    return strip_h(out)


def menu_item(p):
    """Five frames of 16 x 20: normal (see-through), separator, disabled
    (see-through), selected, hot."""
    w, h = 16, 20
    out = [Img(w, h)]
    f = Img(w, h)
    # the separator uses the bottom rows of its frame: the line sits 4
    # pixels above the bottom, in the middle of an 8-pixel separator item
    for x in range(2, w - 2):
        f.set(x, h - 5, mix(p["shadow"], p["face"], 0.2))
        f.set(x, h - 4, mix(p["hilight"], p["face"], 0.3))
    out.append(f)
    out.append(Img(w, h))
    f = Img(w, h)
    draw_rrect(f, 1, 1, w - 1, h - 1, 3, solid(p["sel"]), border=darken(p["sel"], 0.12))
    out.append(f)
    f = Img(w, h)
    draw_rrect(f, 1, 1, w - 1, h - 1, 3, solid(p["accent_light"]), border=p["btn_hot_border"])
    out.append(f)
    return strip_h(out)


# ----------------------------------------------------------------------------
# the INI description


def ini_text(p):
    g = p["geo"]
    btn_close_x = g.side + g.button_margin + g.button_w
    step = g.button_w + g.button_gap
    L = []
    add = L.append
    add("; %s skin of the talking calculator" % p["name"])
    add("; made by skins/make_skins.py; edit the script, not this file")
    add("")
    add("[TitlebarSkin]")
    add("SkinName=%s" % p["name"])
    add("")
    add("[Personality]")
    add("; window sides: left and right are strips of 2 frames side by side")
    add("; (active, inactive), top and bottom are 2 frames stacked; for the")
    add("; left and right sides TopHeight/BotHeight are the fixed ends along")
    add("; the side, for the top and bottom sides they are the fixed left and")
    add("; right ends.  Magenta corners give the window its rounded outline.")
    for side, name, th, bh in (("Left", "framel.bmp", g.title, g.side_bottom_cap),
                               ("Right", "framer.bmp", g.title, g.side_bottom_cap),
                               ("Top", "frametop.bmp", g.top_cap, g.top_cap),
                               ("Bottom", "framebot.bmp", g.top_cap - 2, g.top_cap - 2)):
        add("%s=%s" % (side, name))
        add("%sFrame=2" % side)
        add("%sTopHeight=%d" % (side, th))
        add("%sBotHeight=%d" % (side, bh))
        add("%sStretch=1" % side)
        add("%sTrans=1" % side)
    add("; caption text: a chip behind it, white on the title colour")
    add("TextBack=textback.bmp")
    add("TextAlignment=0")
    add("TextShift=%d" % g.text_shift)
    add("TextShiftVert=2")
    add("TextRightClip=%d" % (btn_close_x + 2 * step + 4))
    add("Textbackground=1")
    add("TXTBackleft=9")
    add("TXTBackRight=9")
    for pre, key in (("Active", "title_text"), ("InActive", "ititle_text")):
        c = p[key]
        add("%sTextR=%d" % (pre, c[0]))
        add("%sTextG=%d" % (pre, c[1]))
        add("%sTextB=%d" % (pre, c[2]))
    add("; menu bar: 2 frames stacked (active, inactive)")
    add("menuBar=menubar.bmp")
    add("TileMenu=1")
    add("TileLeftMenu=1")
    add("TileRightMenu=1")
    add("")
    add("[Fonts]")
    add("FontHeight=14")
    add("")
    add("[Colours]")
    colours = (("WindowText", p["text"]), ("TitleTextActive", p["title_text"]),
               ("TitleTextNoActive", p["ititle_text"]), ("ButtonFace", p["face"]),
               ("ButtonText", p["btn_text"]), ("ButtonHilight", p["hilight"]),
               ("Buttonlight", p["face_light"]), ("ButtonShadow", p["shadow"]),
               ("ButtonDkShadow", p["dkshadow"]), ("HilightText", p["sel_text"]),
               ("Hilight", p["sel"]), ("Menubar", p["face"]), ("MenuBarText", p["text"]),
               ("MenuText", p["text"]), ("Menu", p["face"]), ("Scrollbar", p["track"]))
    for k, c in colours:
        add("%s=%s" % (k, rgb_text(c)))
    add("")
    add("[Customcolors]")
    for i, c in enumerate(p["custom"]):
        add("Color%d=%s" % (i, rgb_text(c)))
    add("")
    add("; caption buttons: 6 frames of %d x %d (normal, pressed, hot," % (g.button_w, g.button_h))
    add("; inactive, hot, normal), placed Xcoord pixels from the right edge")
    add("[Button0]")
    add("; close")
    add("ButtonImage=capclose.bmp")
    add("Action=0")
    add("Align=1")
    add("Xcoord=%d" % btn_close_x)
    add("Ycoord=%d" % g.button_y)
    add("Visibility=0")
    add("")
    add("[Button1]")
    add("; maximise and restore; shown when the window has a minimise or")
    add("; maximise box (greyed without a maximise box)")
    add("ButtonImage=capmax.bmp")
    add("Action=1")
    add("Align=1")
    add("Xcoord=%d" % (btn_close_x + step))
    add("Ycoord=%d" % g.button_y)
    add("Visibility=0")
    add("Visibility1=6")
    add("")
    add("[Button2]")
    add("; minimise")
    add("ButtonImage=capmin.bmp")
    add("Action=2")
    add("Align=1")
    add("Xcoord=%d" % (btn_close_x + 2 * step))
    add("Ycoord=%d" % g.button_y)
    add("Visibility=8")
    add("")
    add("[Button3]")
    add("; context help, in the place of the maximise button (its own")
    add("; position is given here), for windows that have help but neither")
    add("; a minimise nor a maximise box")
    add("ButtonImage=caphelp.bmp")
    add("Action=4")
    add("Align=1")
    add("Xcoord=%d" % (btn_close_x + step))
    add("Ycoord=%d" % g.button_y)
    add("Visibility=10")
    add("Visibility1=10")
    add("")
    add("[Button4]")
    add("; the window icon and system menu, at the left of the title")
    add("Action=3")
    add("Align=0")
    add("Xcoord=%d" % g.icon_x)
    add("Ycoord=%d" % g.icon_y)
    add("Visibility=0")
    add("")
    add("[MDICONTROLS]")
    add("; minimise, restore and close of a maximised child: 4 frames each")
    add("Image=mdicontrols.bmp")
    add("")
    add("[Buttons]")
    add("; push buttons: normal, pressed, disabled, hot, focused")
    add("Bitmap=buttons.bmp")
    add("LeftWidth=5")
    add("TopHeight=5")
    add("RightWidth=5")
    add("BottomHeight=5")
    add("Trans=1")
    add("Tile=0")
    add("NormalColour2=%s" % rgb_text(p["btn_text"]))
    add("MouseOverColour2=%s" % rgb_text(p["btn_text_hot"]))
    add("PressedColour2=%s" % rgb_text(p["btn_text_pressed"]))
    add("; check boxes and radio buttons: unchecked, checked, and both disabled")
    add("CheckButton=checkbox.bmp")
    add("CheckButtonFrame=4")
    add("RadioButton=radio.bmp")
    add("RadioButtonFrame=4")
    add("")

    def element(section, image, frame=None, margins=(0, 0, 0, 0), trans=0, tile=0,
                style=None, extra=(), comment=None, colours=None, frame_key="Frame"):
        add("[%s]" % section)
        if comment:
            add("; " + comment)
        add("Image=%s" % image)
        for k, v in extra:
            add("%s=%s" % (k, v))
        if frame is not None:
            add("%s=%d" % (frame_key, frame))
        if style is not None:
            add("Style=%d" % style)
        add("LeftWidth=%d" % margins[0])
        add("TopHeight=%d" % margins[1])
        add("RightWidth=%d" % margins[2])
        add("BottomHeight=%d" % margins[3])
        add("Trans=%d" % trans)
        add("Tile=%d" % tile)
        if colours:
            for k, c in colours:
                add("%s=%s" % (k, rgb_text(c)))
        add("")

    element("Tabs", "tabs.bmp", 5, (4, 4, 4, 3), trans=1, style=1,
            extra=(("Border", "panel.bmp"),),
            comment="normal, selected, hot, disabled, selected; the page frame comes from Tab.Pane",
            colours=(("NormalColour2", p["tab_text"]), ("MouseOverColour2", p["tab_sel_text"])))
    element("Tab.Pane", "panel.bmp", 1, (4, 4, 4, 4))
    element("StatusBarEdges", "statusbar.bmp", 3, (2, 2, 2, 2),
            comment="lowered, raised, flat panel",
            colours=(("NormalColour2", p["status_text"]),))
    element("SunkEdge", "sunkedge.bmp", 4, (2, 2, 2, 2),
            comment="frame of edit fields and combo boxes: normal, pressed, disabled, hot")
    element("ComboButton", "combobutton.bmp", 4, (2, 2, 2, 2), trans=1,
            comment="drop-down button: normal, pressed, disabled, hot")
    element("ExtraImages", "extraimages.bmp", 5, trans=1,
            comment="combo arrow (normal, pressed, disabled, hot), size grip")
    element("Scrollbar", "scrollbar.bmp", 23, trans=1,
            comment="arrows left, right, up, down (normal, pressed, disabled, hot), grips, spare")
    element("HorzScroll", "scrolltrack.bmp", 4, comment="track: enabled, pressed, disabled, hot")
    element("VertScroll", "scrolltrack.bmp", 4, comment="track: enabled, pressed, disabled, hot")
    element("HorzScrollThumb", "scrollthumb.bmp", 3, (6, 6, 6, 6), trans=1,
            comment="thumb: normal, pressed, hot", frame_key="FrameCount")
    element("VertScrollThumb", "scrollthumb.bmp", 3, (6, 6, 6, 6), trans=1,
            comment="thumb: normal, pressed, hot", frame_key="FrameCount")
    add("[Progress]")
    add("; trough and bar, 2 frames")
    add("Bitmap=progress.bmp")
    add("Style=0")
    add("LeftWidth=4")
    add("TopHeight=4")
    add("RightWidth=4")
    add("BottomHeight=4")
    add("Trans=1")
    add("Tile=0")
    add("")
    element("Progress.Chunk", "progresschunk.bmp", 1, (0, 0, 0, 0), trans=1, tile=1)
    thumb_comment = "normal, normal (drawn in every state), pressed, hot, disabled"
    element("Trackbar.ThumbHorz", "thumbdown.bmp", 5, trans=1, comment=thumb_comment)
    element("Trackbar.ThumbVert", "thumbright.bmp", 5, trans=1, comment=thumb_comment)
    element("Trackbar.ThumbLeft", "thumbleft.bmp", 5, trans=1, comment=thumb_comment)
    element("Trackbar.ThumbRight", "thumbright.bmp", 5, trans=1, comment=thumb_comment)
    element("Trackbar.ThumbUp", "thumbup.bmp", 5, trans=1, comment=thumb_comment)
    element("Trackbar.ThumbDown", "thumbdown.bmp", 5, trans=1, comment=thumb_comment)
    element("UpDown.Horz", "updown.bmp", 8, trans=1,
            extra=(("GlyphImage", "updownglyphh.bmp"),),
            comment="left 1-4, right 5-8: normal, pressed, disabled, hot")
    element("UpDown.Vert", "updown.bmp", 8, trans=1,
            extra=(("GlyphImage", "updownglyphv.bmp"),),
            comment="up 1-4, down 5-8: normal, pressed, disabled, hot")
    element("GroupBox", "groupbox.bmp", 1, (4, 4, 4, 4), trans=1,
            extra=(("BackgroundAlignment", "0"), ("BackgroundLeftShift", "6"),
                   ("BackgroundRightShift", "6")))
    element("GroupBoxEdge", "groupboxedge.bmp", 2, (4, 4, 4, 4), trans=1,
            comment="normal, disabled")
    element("ToolBars", "headerbar.bmp", 5, (2, 2, 3, 3),
            comment="normal, hot, pressed, disabled, selected")
    element("Headerbar", "headerbar.bmp", 5, (2, 2, 3, 3),
            comment="normal, hot, pressed, disabled, selected")
    element("MenuItem", "menuitem.bmp", 5, (4, 3, 4, 3), trans=1,
            comment="normal, separator, disabled, selected, hot")
    element("MenuBackground", "panel.bmp", 1, (4, 4, 4, 4))
    return "\r\n".join(L).rstrip("\r\n") + "\r\n"


# ----------------------------------------------------------------------------


def build(p):
    left, right, top, bottom = frame_sides(p)
    thumb_down = track_thumb_down(p)
    images = {
        "framel.bmp": left,
        "framer.bmp": right,
        "frametop.bmp": top,
        "framebot.bmp": bottom,
        "textback.bmp": text_back(p),
        "menubar.bmp": menu_bar(p),
        "capclose.bmp": caption_button(p, "close"),
        "capmax.bmp": caption_button(p, "max"),
        "capmin.bmp": caption_button(p, "min"),
        "caphelp.bmp": caption_button(p, "help"),
        "mdicontrols.bmp": mdi_controls(p),
        "buttons.bmp": push_buttons(p),
        "checkbox.bmp": check_boxes(p),
        "radio.bmp": radio_buttons(p),
        "tabs.bmp": tabs(p),
        "panel.bmp": panel(p),
        "statusbar.bmp": status_bar(p),
        "sunkedge.bmp": sunk_edge(p),
        "combobutton.bmp": combo_button(p),
        "extraimages.bmp": extra_images(p),
        "scrollbar.bmp": scroll_glyphs(p),
        "scrolltrack.bmp": scroll_track(p),
        "scrollthumb.bmp": scroll_thumb(p),
        "progress.bmp": progress(p),
        "progresschunk.bmp": progress_chunk(p),
        "thumbdown.bmp": thumb_down,
        "thumbleft.bmp": rotate_frames(thumb_down, 5, 1),
        "thumbup.bmp": rotate_frames(thumb_down, 5, 2),
        "thumbright.bmp": rotate_frames(thumb_down, 5, 3),
        "updown.bmp": up_down(p),
        "updownglyphv.bmp": up_down_glyphs(p, True),
        "updownglyphh.bmp": up_down_glyphs(p, False),
        "groupbox.bmp": group_box(p),
        "groupboxedge.bmp": group_box_edge(p),
        "headerbar.bmp": header_bar(p),
        "menuitem.bmp": menu_item(p),
    }
    return images, ini_text(p)


def write_skin(folder, p):
    images, ini = build(p)
    os.makedirs(folder, exist_ok=True)
    wanted = set(images) | {"skin.ini"}
    for name in sorted(os.listdir(folder)):
        if name.lower().endswith((".bmp", ".ini")) and name not in wanted:
            os.remove(os.path.join(folder, name))
    for name in sorted(images):
        with open(os.path.join(folder, name), "wb") as fh:
            fh.write(images[name].bmp_bytes())
    with open(os.path.join(folder, "skin.ini"), "wb") as fh:
        fh.write(ini.encode("ascii"))
    return len(images)


def main(argv):
    out = argv[1] if len(argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for sub, pal in (("default", palette_default()), ("dark", palette_dark())):
        n = write_skin(os.path.join(out, sub), pal)
        print("%s: %d bitmaps and skin.ini" % (os.path.join(out, sub), n))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
