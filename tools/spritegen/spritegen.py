#!/usr/bin/env python3
"""Draws the street scene's sprites and packs them into railquest.bmp, masks.bmp, railquest.dat and tracks.bmp.

Everything is drawn by code on small canvases (a pixel is an (r, g, b) tuple or None for "the scene
shows through"), outlined, and packed on one sheet. The mask is white wherever a canvas pixel is
None and black elsewhere; the sheet is black under every white mask pixel, which is what the
game's AND-then-XOR drawing needs.

Light comes from the upper left everywhere: left and top faces are lit, right and bottom faces are
in shade. Usage: python3 spritegen.py [--out DIR] [--preview FILE.png]
"""

import argparse
import math
import os
import random
import struct
import zlib

# ---------------------------------------------------------------------------------------------
# Palette: one set of colours for every picture.

OUTLINE = (43, 30, 48)          # dark plum: reads on the peach street and against black walls
SKIN = (246, 196, 156)
SKIN_SHADE = (214, 150, 116)
EYE = (40, 28, 44)
MOUTH = (170, 74, 74)
WHITE = (250, 250, 244)

# The player: ochre explorer hat, red jacket, satchel, blue jeans.
HAT = (238, 176, 46)
HAT_LIGHT = (255, 214, 110)
HAT_SHADE = (190, 126, 28)
HAT_BAND = (120, 52, 34)
JACKET = (208, 52, 48)
JACKET_LIGHT = (240, 98, 80)
JACKET_SHADE = (150, 32, 44)
BAG = (138, 86, 44)
BAG_LIGHT = (176, 120, 64)
BAG_SHADE = (98, 58, 30)
JEANS = (58, 82, 150)
JEANS_SHADE = (40, 56, 108)
BOOT = (84, 52, 36)

# A citizen: brown hair, teal coat, grey trousers.
HAIR = (104, 64, 40)
HAIR_LIGHT = (140, 92, 58)
COAT = (52, 132, 150)
COAT_LIGHT = (92, 176, 188)
COAT_SHADE = (34, 92, 112)
TROUSERS = (112, 110, 124)
TROUSERS_SHADE = (80, 78, 94)
SHOE = (54, 44, 48)
COLLAR = (236, 236, 226)

# A fuzzy: sickly lime fur with bruise-purple mottling.
FUR = (176, 200, 58)
FUR_LIGHT = (214, 230, 112)
FUR_SHADE = (118, 142, 40)
FUR_MOTTLE = (134, 82, 146)
FUR_MOTTLE_DARK = (96, 52, 110)
SICK_EYE = (252, 246, 196)
VEIN = (214, 48, 60)
PUPIL = (40, 20, 40)

# Crystals: cyan gem.
GEM_LIGHT = (214, 255, 255)
GEM = (64, 214, 236)
GEM_MID = (36, 156, 214)
GEM_SHADE = (26, 92, 170)
GEM_OUTLINE = (22, 40, 96)
SPARK = (255, 255, 210)

# Buildings.
ROOF = (178, 62, 50)
ROOF_LIGHT = (214, 96, 74)
ROOF_SHADE = (124, 40, 40)
PLANK = (232, 200, 140)
PLANK_SHADE = (196, 158, 102)
PLANK_LINE = (170, 130, 84)
TRIM = (90, 58, 40)
SIGN = (34, 84, 64)
SIGN_LIGHT = (60, 122, 92)
SIGN_TEXT = (255, 236, 150)
DOOR = (120, 70, 38)
DOOR_SHADE = (84, 46, 26)
BRASS = (240, 200, 90)
GLASS = (150, 206, 232)
GLASS_LIGHT = (214, 240, 250)
GLASS_SHADE = (86, 140, 178)
STONE = (240, 236, 222)
STONE_LIGHT = (255, 253, 244)
STONE_SHADE = (196, 188, 170)
STONE_DARK = (150, 142, 128)
DOME = (212, 222, 228)
DOME_LIGHT = (248, 252, 252)
DOME_SHADE = (150, 168, 182)
FLAG_RED = (206, 44, 52)
FLAG_BLUE = (48, 64, 150)

# Trains.
LOCO = (186, 40, 40)
LOCO_LIGHT = (226, 82, 70)
LOCO_SHADE = (128, 26, 34)
STRIPE = (250, 204, 64)
COACH = (126, 36, 48)
COACH_LIGHT = (164, 60, 68)
COACH_SHADE = (88, 24, 36)
CREAM = (244, 226, 176)
CREAM_SHADE = (210, 186, 132)
WINDOW = (255, 226, 128)        # lit windows read on the black band at night too
WINDOW_SHADE = (214, 170, 80)
WHEEL = (52, 48, 56)
WHEEL_RIM = (150, 150, 160)
UNDER = (70, 64, 72)
SILVER = (214, 222, 232)
SILVER_LIGHT = (246, 250, 255)
SILVER_SHADE = (150, 162, 180)
EXPRESS_BLUE = (30, 86, 196)
EXPRESS_BLUE_LIGHT = (70, 132, 236)
EXPRESS_RED = (226, 54, 64)
LAMP = (255, 250, 200)

# The fuzzbomb.
BOMB = (70, 36, 86)
BOMB_LIGHT = (118, 70, 140)
BOMB_SHADE = (44, 20, 58)
TOXIC = (150, 255, 80)
TOXIC_DARK = (84, 196, 48)
FUSE = (120, 96, 70)
FLAME = (255, 160, 40)
FLAME_CORE = (255, 244, 150)
EMBER = (255, 84, 40)

# Skyline layers.
MOUNTAIN_FAR = (112, 118, 168)
MOUNTAIN = (84, 96, 146)
MOUNTAIN_SHADE = (62, 70, 116)
SNOW = (244, 248, 255)
SNOW_SHADE = (196, 206, 232)
PINE = (44, 96, 70)
PINE_SHADE = (30, 70, 54)
HOUSE_WALLS = [(232, 188, 120), (214, 140, 110), (176, 196, 150), (236, 216, 176), (170, 170, 200)]
HOUSE_ROOFS = [(160, 58, 48), (92, 70, 112), (70, 96, 120), (134, 80, 50)]
TREE = (62, 140, 72)
TREE_LIGHT = (98, 176, 86)
TREE_SHADE = (40, 100, 60)
TRUNK = (100, 66, 44)
TOWER_COLOURS = [(92, 104, 134), (120, 110, 140), (76, 96, 118), (138, 130, 150), (98, 120, 146), (110, 92, 112)]
TOWER_WINDOW = (255, 222, 120)
TOWER_WINDOW_DARK = (60, 70, 96)

# Track.
BALLAST = (118, 108, 100)
BALLAST_DARK = (88, 80, 76)
BALLAST_LIGHT = (150, 140, 128)
SLEEPER = (112, 74, 48)
SLEEPER_SHADE = (80, 52, 36)
RAIL = (196, 200, 210)
RAIL_SHADE = (112, 116, 130)


# ---------------------------------------------------------------------------------------------
# Canvas and drawing primitives.

class Canvas:
    def __init__(self, w, h):
        self.w = w
        self.h = h
        self.px = [[None] * w for _ in range(h)]

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y][x]
        return None

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x, y, w, h, c):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, c)

    def hline(self, x0, x1, y, c):
        for x in range(x0, x1 + 1):
            self.set(x, y, c)

    def vline(self, x, y0, y1, c):
        for y in range(y0, y1 + 1):
            self.set(x, y, c)

    def ellipse(self, cx, cy, rx, ry, c, shade=None):
        """A filled ellipse; with shade(nx, ny) -> colour the colour depends on the normalised position."""
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                nx = (x + 0.5 - cx) / rx
                ny = (y + 0.5 - cy) / ry
                if nx * nx + ny * ny <= 1.0:
                    colour = shade(nx, ny) if shade else c
                    if colour is not None:  # a shade of None leaves the pixel as it was
                        self.set(x, y, colour)

    def polygon(self, pts, c):
        ys = [p[1] for p in pts]
        for y in range(int(min(ys)), int(math.ceil(max(ys))) + 1):
            yc = y + 0.5
            xs = []
            n = len(pts)
            for i in range(n):
                (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(math.ceil(xs[i] - 0.5)), int(math.floor(xs[i + 1] - 0.5)) + 1):
                    self.set(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.set(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def outline(self, c=OUTLINE, diagonal=False):
        """Gives every drawn shape a one-pixel outline on its transparent side."""
        add = []
        for y in range(self.h):
            for x in range(self.w):
                if self.px[y][x] is not None:
                    continue
                near = [(1, 0), (-1, 0), (0, 1), (0, -1)]
                if diagonal:
                    near += [(1, 1), (-1, 1), (1, -1), (-1, -1)]
                if any(self.get(x + dx, y + dy) not in (None, c) for dx, dy in near):
                    add.append((x, y))
        for x, y in add:
            self.px[y][x] = c


def lit(light, mid, dark, nx, ny, bias=0.0):
    """Light from the upper left: pick a tone by the surface normal's direction."""
    v = -0.7 * nx - 0.7 * ny + bias
    if v > 0.45:
        return light
    if v < -0.35:
        return dark
    return mid


# A 5 × 7 pixel font for the signs.
FONT = {
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'I': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'K': ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
}


def text(canvas, x, y, s, c, shadow=None):
    for ch in s:
        glyph = FONT[ch]
        for gy, row in enumerate(glyph):
            for gx, p in enumerate(row):
                if p == '#':
                    if shadow:
                        canvas.set(x + gx + 1, y + gy + 1, shadow)
                    canvas.set(x + gx, y + gy, c)
        x += len(glyph[0]) + 1
    return x


def text_width(s):
    return sum(len(FONT[ch][0]) + 1 for ch in s) - 1


# ---------------------------------------------------------------------------------------------
# Actors: 24 × 32, four walking frames, front view. Frames 0 and 2 are steps (one leg forward,
# the body down), 1 and 3 the passing poses (legs together, the body one pixel up).

ACTOR_W, ACTOR_H = 24, 32


def legs(c, step, trousers, trousers_shade, shoe, bob):
    """step: -1 left leg forward, +1 right leg forward, 0 passing."""
    top = 22 + bob
    for side, x in ((-1, 8), (1, 13)):
        forward = step == side
        back = step == -side
        bottom = 28 if back else 29
        if forward:
            bottom = 29
        c.rect(x, top, 3, bottom - top + 1, trousers)
        c.vline(x + 2, top, bottom, trousers_shade)
        # The forward foot shows its sole a pixel lower and wider, the back foot is lifted.
        if forward:
            c.rect(x - 1 if side < 0 else x, bottom + 1, 4, 2, shoe)
        elif back:
            c.rect(x, bottom + 1, 3, 1, shoe)
        else:
            c.rect(x, bottom + 1, 3, 2, shoe)
    # The crotch gap between the legs.
    c.rect(11, top + 2, 2, 8, None)


def arms(c, step, sleeve, sleeve_light, sleeve_shade, bob):
    top = 14 + bob
    for side, x in ((-1, 5), (1, 17)):
        swing = 0 if step == 0 else (-1 if step == -side else 1)
        length = 7 + swing
        c.rect(x, top + 1, 2, length, sleeve)
        c.vline(x if side < 0 else x + 1, top + 1, top + length, sleeve_light if side < 0 else sleeve_shade)
        c.rect(x, top + 1 + length, 2, 2, SKIN)
        c.set(x + 1, top + 2 + length, SKIN_SHADE)


def torso(c, body, light, shade, bob):
    top = 14 + bob
    c.rect(7, top, 10, 9, body)
    c.vline(7, top + 1, top + 8, light)
    c.hline(8, 15, top, light)
    c.rect(15, top + 1, 2, 8, shade)
    c.set(7, top, None)
    c.set(16, top, None)


def head(c, bob):
    top = 4 + bob
    c.ellipse(11.5, top + 5, 5, 5.2, SKIN, lambda nx, ny: SKIN_SHADE if nx > 0.55 or ny > 0.75 else SKIN)
    c.set(9, top + 5, EYE)
    c.set(14, top + 5, EYE)
    c.hline(11, 12, top + 8, MOUTH)
    # cheeks
    c.set(8, top + 7, (240, 160, 140))
    c.set(15, top + 7, (226, 146, 126))
    # neck
    c.rect(10, top + 10, 4, 1, SKIN_SHADE)


def player_frame(step):
    bob = 0 if step else -1
    c = Canvas(ACTOR_W, ACTOR_H)
    legs(c, step, JEANS, JEANS_SHADE, BOOT, bob)
    torso(c, JACKET, JACKET_LIGHT, JACKET_SHADE, bob)
    arms(c, step, JACKET, JACKET_LIGHT, JACKET_SHADE, bob)
    # Satchel strap from the right shoulder down to the bag on the left hip.
    for i in range(8):
        c.set(15 - i, 14 + bob + i, BAG_SHADE if i % 3 == 2 else BAG)
    c.rect(2, 19 + bob, 6, 5, BAG)
    c.hline(2, 7, 19 + bob, BAG_LIGHT)
    c.vline(2, 19 + bob, 23 + bob, BAG_LIGHT)
    c.hline(3, 7, 23 + bob, BAG_SHADE)
    c.rect(2, 19 + bob, 6, 2, BAG_SHADE)
    c.hline(2, 7, 19 + bob, BAG_LIGHT)
    c.set(5, 21 + bob, BRASS)
    head(c, bob)
    # The explorer's hat: a wide brim and a dented crown.
    top = 1 + bob
    c.rect(8, top, 8, 5, HAT)
    c.set(8, top, None)
    c.set(15, top, None)
    c.hline(9, 11, top, HAT_LIGHT)
    c.vline(8, top + 1, top + 3, HAT_LIGHT)
    c.vline(15, top + 1, top + 4, HAT_SHADE)
    c.set(12, top, HAT_SHADE)
    c.hline(8, 15, top + 4, HAT_BAND)
    c.hline(3, 20, top + 5, HAT)
    c.hline(2, 21, top + 6, HAT_SHADE)
    c.hline(3, 9, top + 5, HAT_LIGHT)
    c.set(2, top + 6, HAT)
    c.outline()
    return c


def citizen_frame(step):
    bob = 0 if step else -1
    c = Canvas(ACTOR_W, ACTOR_H)
    legs(c, step, TROUSERS, TROUSERS_SHADE, SHOE, bob)
    torso(c, COAT, COAT_LIGHT, COAT_SHADE, bob)
    # A long coat over the top of the legs, a white collar and buttons.
    c.rect(7, 23 + bob, 10, 2, COAT)
    c.vline(7, 23 + bob, 24 + bob, COAT_LIGHT)
    c.rect(15, 23 + bob, 2, 2, COAT_SHADE)
    c.set(11, 24 + bob, COAT_SHADE)
    c.set(12, 24 + bob, COAT_SHADE)
    c.hline(10, 13, 14 + bob, COLLAR)
    c.set(11, 15 + bob, COLLAR)
    c.set(12, 15 + bob, COLLAR)
    for y in (17, 19, 21):
        c.set(12, y + bob, COAT_SHADE)
    arms(c, step, COAT, COAT_LIGHT, COAT_SHADE, bob)
    head(c, bob)
    # Short brown hair with a side parting, ears free, eyes clear.
    top = 3 + bob
    c.ellipse(11.5, top + 3, 5.8, 3.2, HAIR, lambda nx, ny: HAIR_LIGHT if (nx < -0.1 and ny < -0.2) else HAIR)
    for y in range(top + 3, top + 8):
        for x in range(6, 18):
            if c.get(x, y) == HAIR or c.get(x, y) == HAIR_LIGHT:
                c.set(x, y, SKIN if 8 <= x <= 15 else None)
    c.hline(7, 16, top + 3, HAIR)
    c.hline(7, 11, top + 4, HAIR)
    c.set(7, top + 5, HAIR)
    c.vline(6, top + 3, top + 6, HAIR)
    c.vline(17, top + 3, top + 6, HAIR)
    c.vline(16, top + 4, top + 5, HAIR)
    c.set(12, top + 3, HAIR_LIGHT)
    c.outline()
    return c


def fuzzy_frame(step, frame):
    """A shaggy ball of sick fur with bloodshot eyes and a ragged grin; the fur bristles in every frame."""
    bob = 0 if step else -1
    c = Canvas(ACTOR_W, ACTOR_H)
    rng = random.Random(1000 + frame)
    cx, cy = 11.5, 15.5 + bob

    def fur(nx, ny):
        return lit(FUR_LIGHT, FUR, FUR_SHADE, nx, ny)

    c.ellipse(cx, cy, 9.5, 11, FUR, fur)
    # Spikes: tufts sticking out all round, different in each frame.
    for i in range(22):
        a = 2 * math.pi * i / 22 + rng.uniform(-0.08, 0.08)
        length = rng.choice([2, 3, 3, 4])
        for r in range(0, length + 1):
            x = cx + math.cos(a) * (9.5 + r)
            y = cy + math.sin(a) * (11 + r)
            nx, ny = math.cos(a), math.sin(a)
            c.set(int(x), int(y), fur(nx, ny) if r < length else FUR_SHADE)
    # Mottled patches of purple.
    for _ in range(9):
        x = int(cx + rng.uniform(-7, 7))
        y = int(cy + rng.uniform(-8, 9))
        if c.get(x, y) is not None:
            c.set(x, y, FUR_MOTTLE)
            c.set(x + 1, y, FUR_MOTTLE_DARK)
            c.set(x, y + 1, FUR_MOTTLE_DARK)
    # Feet stepping below the fur.
    for side, x in ((-1, 7), (1, 14)):
        lift = (step == -side)
        y = 28 + bob - (1 if lift else 0)
        c.rect(x, y, 3, 2 if not lift else 1, FUR_MOTTLE_DARK)
        c.rect(x - (1 if side < 0 else 0), y + (2 if not lift else 1), 4, 1, FUR_MOTTLE_DARK)
    # Two big sick eyes, the left one larger, red veins and small pupils.
    ey = int(cy - 3)
    for ex, rx, (px, py) in ((8, 3.4, (1, 0)), (15, 2.8, (-1, -1))):
        c.ellipse(ex + 0.5, ey + 0.5, rx, rx, SICK_EYE)
        # Wonky pupils that look two ways at once, and bloodshot corners.
        c.rect(ex + px, ey + py + 1, 2, 2, PUPIL)
        c.set(int(ex - rx + 1.5), ey, VEIN)
        c.set(int(ex - rx + 2), ey + 2, VEIN)
        c.set(int(ex + rx - 0.5), ey + 1, VEIN)
    # A ragged grin with two teeth.
    my = int(cy + 4)
    c.hline(8, 15, my, PUPIL)
    c.hline(9, 14, my + 1, PUPIL)
    c.set(9, my, WHITE)
    c.set(13, my, WHITE)
    c.set(10, my + 2, PUPIL)
    c.set(13, my + 2, PUPIL)
    # Clawed arms raised on alternate frames.
    arm_up = frame % 2 == 0
    for side, x in ((-1, 1), (1, 22)):
        y = int(cy) - (3 if arm_up == (side < 0) else 0)
        c.set(x, y, FUR_SHADE)
        c.set(x, y - 1, FUR_MOTTLE_DARK)
        c.set(x - side, y - 2, FUR_MOTTLE_DARK)
    c.outline()
    return c


# ---------------------------------------------------------------------------------------------
# Crystals: 12 × 12. Frames 12..16 show one growing out of a sparkle, 17 is the full crystal.

CRYSTAL = 12


def gem(c, cx, cy, r):
    """A cut gem, point down, its table facet lit from the upper left."""
    top = cy - r * 0.55
    girdle = cy - r * 0.05
    bottom = cy + r
    pts_crown = [(cx - r * 0.55, top), (cx + r * 0.55, top), (cx + r, girdle), (cx - r, girdle)]
    pts_pavilion = [(cx - r, girdle), (cx + r, girdle), (cx, bottom)]
    c.polygon(pts_crown, GEM)
    c.polygon(pts_pavilion, GEM_MID)
    # Facets: the left of the pavilion catches the light, the right is shaded.
    c.polygon([(cx, girdle), (cx + r, girdle), (cx, bottom)], GEM_SHADE)
    c.polygon([(cx - r * 0.55, top), (cx, top), (cx - r * 0.35, girdle)], GEM_LIGHT)


def crystal_frame(k):
    c = Canvas(CRYSTAL, CRYSTAL)
    cx, cy = 6, 5.5
    if k == 0:
        for d in (0, 1):
            c.set(6 - d, 6, SPARK)
            c.set(6 + d, 6, SPARK)
            c.set(6, 6 - d, SPARK)
            c.set(6, 6 + d, SPARK)
        return c
    if k == 1:
        for d in range(0, 4):
            c.set(6 - d, 6, SPARK if d < 3 else GEM)
            c.set(6 + d, 6, SPARK if d < 3 else GEM)
            c.set(6, 6 - d, SPARK if d < 3 else GEM)
            c.set(6, 6 + d, SPARK if d < 3 else GEM)
        c.set(5, 5, GEM_LIGHT)
        c.set(7, 7, GEM_LIGHT)
        return c
    r = {2: 2.6, 3: 3.6, 4: 4.4, 5: 4.9}[k]
    gem(c, cx + 0.5, cy, r)
    c.outline(GEM_OUTLINE)
    if k in (2, 3):
        c.set(1, 1, SPARK)
        c.set(10, 2, SPARK)
    if k == 5:
        c.set(4, 3, WHITE)
    return c


# ---------------------------------------------------------------------------------------------
# The ticket office (frame 18): a station booth with a "TICKETS" sign and its door on the bottom edge.

def ticket_office():
    w, h = 88, 78
    c = Canvas(w, h)
    # Plank walls.
    c.rect(4, 30, w - 8, h - 30, PLANK)
    for y in range(33, h, 4):
        c.hline(5, w - 6, y, PLANK_LINE)
    c.rect(w - 12, 30, 8, h - 30, PLANK_SHADE)
    for y in range(33, h, 4):
        c.hline(w - 12, w - 5, y, PLANK_LINE)
    c.vline(4, 30, h - 1, (248, 224, 176))
    # Corner posts and a base board.
    c.rect(4, 30, 3, h - 30, TRIM)
    c.rect(w - 7, 30, 3, h - 30, TRIM)
    c.rect(4, h - 3, w - 8, 3, TRIM)
    # Roof: a hipped roof with tiles and an overhang.
    c.polygon([(14, 4), (w - 14, 4), (w, 27), (0, 27)], ROOF)
    c.polygon([(14, 4), (30, 4), (16, 27), (0, 27)], ROOF_LIGHT)
    c.polygon([(w - 30, 4), (w - 14, 4), (w, 27), (w - 16, 27)], ROOF_SHADE)
    # Rows of tiles: a darker line under each row, only on the roof itself.
    for y in range(8, 27, 4):
        for x in range(w):
            p = c.get(x, y)
            if p == ROOF:
                c.set(x, y, ROOF_SHADE)
            elif p == ROOF_LIGHT:
                c.set(x, y, ROOF)
            elif p == ROOF_SHADE:
                c.set(x, y, (96, 30, 34))
    c.rect(0, 27, w, 3, TRIM)
    c.hline(0, w - 1, 27, (130, 88, 60))
    c.rect(12, 0, w - 24, 5, ROOF_SHADE)
    c.hline(13, w - 14, 0, ROOF_LIGHT)
    # The sign board across the roof's front.
    label = "TICKETS"
    tw = text_width(label)
    sx = (w - tw) // 2 - 4
    c.rect(sx, 9, tw + 8, 13, SIGN)
    c.hline(sx, sx + tw + 7, 9, SIGN_LIGHT)
    c.vline(sx, 9, 21, SIGN_LIGHT)
    c.rect(sx + 1, 10, tw + 6, 11, SIGN)
    text(c, sx + 4, 12, label, SIGN_TEXT, shadow=(20, 50, 40))
    c.hline(sx, sx + tw + 7, 21, (20, 50, 40))
    # Two ticket windows with a grille and a counter.
    for wx in (10, w - 28):
        c.rect(wx, 36, 18, 16, TRIM)
        c.rect(wx + 2, 38, 14, 12, GLASS)
        c.rect(wx + 2, 38, 5, 5, GLASS_LIGHT)
        c.rect(wx + 11, 44, 5, 6, GLASS_SHADE)
        for gx in range(wx + 4, wx + 16, 3):
            c.vline(gx, 38, 49, (90, 100, 110))
        c.rect(wx - 1, 52, 20, 2, TRIM)
        c.hline(wx - 1, wx + 18, 52, (150, 104, 70))
    # A clock above the door.
    c.ellipse(w / 2, 37, 5, 5, WHITE, lambda nx, ny: STONE_SHADE if nx + ny > 0.8 else WHITE)
    c.set(w // 2, 34, EYE)
    c.set(w // 2, 35, EYE)
    c.set(w // 2 + 1, 37, EYE)
    c.set(w // 2 + 2, 37, EYE)
    # The door, opening on the bottom edge, with an arrow step in front.
    dx = w // 2 - 8
    c.rect(dx - 2, 44, 20, h - 44, TRIM)
    c.rect(dx, 46, 16, h - 46, DOOR)
    c.rect(dx + 1, 47, 6, h - 48, (150, 92, 52))
    c.rect(dx + 12, 47, 3, h - 47, DOOR_SHADE)
    c.rect(dx + 2, 49, 12, 9, GLASS)
    c.rect(dx + 2, 49, 4, 4, GLASS_LIGHT)
    c.vline(dx + 8, 49, 57, TRIM)
    c.set(dx + 13, 64, BRASS)
    c.set(dx + 13, 65, BRASS)
    c.outline()
    return c


# ---------------------------------------------------------------------------------------------
# The capitol (frame 19): dome and columns; the entrance is on its right side.

def capitol():
    w, h = 156, 116
    c = Canvas(w, h)
    cx = 70
    # Main block with wings.
    c.rect(6, 58, 128, 52, STONE)
    c.rect(6, 58, 128, 3, STONE_LIGHT)
    c.rect(120, 61, 14, 49, STONE_SHADE)
    c.rect(6, 56, 128, 3, STONE_SHADE)
    c.hline(6, 133, 55, STONE_LIGHT)
    # Windows of the wings.
    for wx in list(range(12, 40, 9)) + list(range(101, 120, 9)):
        for wy in (66, 86):
            c.rect(wx, wy, 5, 11, GLASS_SHADE)
            c.rect(wx, wy, 5, 3, GLASS)
            c.set(wx, wy, GLASS_LIGHT)
            c.hline(wx - 1, wx + 5, wy + 11, STONE_DARK)
    # Central portico: pediment over six columns.
    px0, px1 = cx - 30, cx + 30
    c.polygon([(px0 - 4, 62), (px1 + 4, 62), (cx, 46)], STONE)
    c.polygon([(px0 + 2, 60), (px1 - 2, 60), (cx, 50)], STONE_SHADE)
    c.hline(px0 - 4, px1 + 4, 62, STONE_DARK)
    c.rect(px0 - 2, 63, px1 - px0 + 4, 3, STONE_LIGHT)
    c.rect(px0, 66, px1 - px0, 38, STONE_DARK)
    for i in range(6):
        x = px0 + 2 + i * 11
        c.rect(x, 66, 5, 38, STONE)
        c.vline(x, 66, 103, STONE_LIGHT)
        c.vline(x + 4, 66, 103, STONE_SHADE)
        c.hline(x - 1, x + 5, 66, STONE_LIGHT)
        c.hline(x - 1, x + 5, 103, STONE_SHADE)
    # Steps across the front.
    for i in range(3):
        c.rect(px0 - 4 - 2 * i, 104 + 2 * i, px1 - px0 + 8 + 4 * i, 2, STONE_LIGHT if i % 2 == 0 else STONE_SHADE)
    c.rect(6, 110, 128, 6, STONE_SHADE)
    c.hline(6, 133, 110, STONE_DARK)
    # Drum, dome, lantern and flag.
    c.rect(cx - 22, 36, 44, 12, STONE)
    for x in range(cx - 20, cx + 21, 5):
        c.vline(x, 37, 46, STONE_SHADE)
    c.hline(cx - 22, cx + 21, 36, STONE_LIGHT)
    c.hline(cx - 23, cx + 22, 47, STONE_DARK)
    c.ellipse(cx, 36, 20, 22, DOME, lambda nx, ny: lit(DOME_LIGHT, DOME, DOME_SHADE, nx, ny, 0.1) if ny < 0 else None)
    for x in (cx - 12, cx - 4, cx + 4, cx + 12):
        for y in range(18, 36):
            if c.get(x, y) is not None:
                c.set(x, y, DOME_SHADE)
    c.rect(cx - 3, 8, 6, 8, STONE)
    c.vline(cx + 2, 8, 15, STONE_SHADE)
    c.rect(cx - 4, 7, 8, 1, STONE_DARK)
    c.vline(cx, 0, 6, STONE_DARK)
    c.rect(cx + 1, 0, 9, 5, FLAG_RED)
    c.rect(cx + 1, 0, 4, 3, FLAG_BLUE)
    c.hline(cx + 5, cx + 9, 2, WHITE)
    # The entrance on the right side: a porch with a tall open door facing right.
    c.rect(134, 72, 18, 38, STONE)
    c.hline(134, 151, 72, STONE_LIGHT)
    c.rect(132, 68, 22, 4, STONE_DARK)
    c.hline(132, 153, 68, STONE_LIGHT)
    c.rect(140, 78, 12, 32, DOOR_SHADE)
    c.rect(141, 79, 10, 31, DOOR)
    c.rect(141, 79, 4, 31, (150, 92, 52))
    c.set(143, 94, BRASS)
    c.rect(134, 76, 4, 34, STONE_SHADE)
    c.vline(152, 72, 109, STONE_SHADE)
    for i in range(3):
        c.rect(136 + 3 * i, 110 + 2 * i, 20 - 3 * i, 2, STONE_LIGHT if i % 2 == 0 else STONE_SHADE)
    # An arrow over the door showing the way in.
    c.polygon([(139, 73), (150, 73), (150, 71), (154, 75), (150, 79), (150, 77), (139, 77)], BRASS)
    c.outline()
    return c


# ---------------------------------------------------------------------------------------------
# Trains (frames 20, 21): they run in from the right, so the front is on the left.

TRAIN_H = 48


def bogie(c, x, y):
    c.rect(x, y, 26, 3, UNDER)
    for wx in (x + 5, x + 20):
        c.ellipse(wx, y + 5, 4.5, 4.5, WHEEL)
        c.set(wx, y + 5, WHEEL_RIM)
        c.set(wx - 1, y + 3, WHEEL_RIM)
        c.set(wx + 1, y + 3, WHEEL_RIM)


def coach(c, x, y, w, body, light, shade, band, band_shade):
    c.rect(x, y + 4, w, 30, body)
    c.rect(x + 2, y + 1, w - 4, 4, shade)          # roof
    c.hline(x + 3, x + w - 4, y, light)
    c.hline(x, x + w - 1, y + 4, light)
    c.rect(x, y + 12, w, 11, band)
    c.hline(x, x + w - 1, y + 22, band_shade)
    for wx in range(x + 6, x + w - 10, 12):
        c.rect(wx, y + 13, 8, 8, WINDOW)
        c.hline(wx, wx + 7, y + 20, WINDOW_SHADE)
        c.vline(wx + 7, y + 13, y + 20, WINDOW_SHADE)
    c.rect(x, y + 30, w, 4, shade)
    c.vline(x, y + 4, y + 33, light)
    c.vline(x + w - 1, y + 4, y + 33, shade)
    bogie(c, x + 6, y + 34)
    bogie(c, x + w - 32, y + 34)


def ordinary_train():
    w = 256
    c = Canvas(w, TRAIN_H)
    y = 4
    # Locomotive: a red diesel with a yellow stripe, cab at the front.
    lw = 80
    c.rect(6, y + 6, lw - 6, 28, LOCO)
    c.polygon([(1, y + 34), (6, y + 10), (6, y + 34)], LOCO)
    c.rect(8, y + 2, 24, 6, LOCO_SHADE)           # cab roof
    c.hline(8, 31, y + 1, LOCO_LIGHT)
    c.rect(30, y + 4, lw - 32, 4, LOCO_SHADE)       # engine hood
    c.rect(50, y - 1, 6, 5, (60, 56, 62))          # exhaust stack
    c.hline(6, lw - 1, y + 6, LOCO_LIGHT)
    c.rect(9, y + 10, 10, 9, GLASS)                # cab windows
    c.rect(9, y + 10, 4, 4, GLASS_LIGHT)
    c.rect(22, y + 10, 8, 9, GLASS)
    c.rect(36, y + 11, 38, 3, LOCO_SHADE)           # grilles
    c.rect(36, y + 16, 38, 2, LOCO_SHADE)
    c.rect(1, y + 22, lw - 1, 5, STRIPE)
    c.hline(1, lw - 1, y + 26, (214, 160, 40))
    c.rect(2, y + 28, 3, 3, LAMP)                  # headlight at the front
    c.set(1, y + 29, WHITE)
    c.rect(6, y + 31, lw - 6, 3, LOCO_SHADE)
    c.polygon([(0, y + 34), (8, y + 34), (3, y + 40)], (90, 90, 100))  # cow-catcher
    bogie(c, 8, y + 34)
    bogie(c, lw - 34, y + 34)
    # Two coaches behind, coupled.
    for i in range(2):
        x = lw + 4 + i * 86
        c.rect(x - 4, y + 28, 4, 3, UNDER)
        coach(c, x, y, 84, COACH, COACH_LIGHT, COACH_SHADE, CREAM, CREAM_SHADE)
    c.outline()
    return c


def express_train():
    w = 272
    c = Canvas(w, TRAIN_H)
    y = 4
    # One long streamlined body: a silver shell with a blue band and a red pin-stripe.
    nose = 52
    body_top = y + 4
    c.rect(nose, body_top, w - nose - 2, 30, SILVER)
    # The nose: a long curve down to the rail.
    pts = [(nose, body_top)]
    for i in range(0, 21):
        t = i / 20
        pts.append((nose - nose * (math.sin(t * math.pi / 2)) + 1, body_top + t * 30))
    pts.append((nose, body_top + 30))
    c.polygon(pts, SILVER)
    # Shading of the nose and roof line.
    for yy in range(body_top, body_top + 30):
        row = [x for x in range(0, nose + 1) if c.get(x, yy) is not None]
        if row:
            c.set(row[0], yy, SILVER_LIGHT)
            c.set(row[0] + 1, yy, SILVER_LIGHT)
    c.hline(nose - 6, w - 3, body_top, SILVER_LIGHT)
    c.rect(nose, body_top + 26, w - nose - 2, 4, SILVER_SHADE)
    # Blue band and red stripe sweeping into the nose.
    for yy in range(body_top + 14, body_top + 23):
        xs = [x for x in range(0, w) if c.get(x, yy) is not None]
        c.hline(xs[0] + 1, xs[-1], yy, EXPRESS_BLUE if yy > body_top + 15 else EXPRESS_BLUE_LIGHT)
    for yy in (body_top + 24,):
        xs = [x for x in range(0, w) if c.get(x, yy) is not None]
        c.hline(xs[0] + 2, xs[-1], yy, EXPRESS_RED)
    # Windscreen.
    c.polygon([(nose - 20, body_top + 4), (nose - 2, body_top + 4), (nose - 2, body_top + 11), (nose - 30, body_top + 11)], GLASS_SHADE)
    c.polygon([(nose - 19, body_top + 5), (nose - 10, body_top + 5), (nose - 14, body_top + 9), (nose - 26, body_top + 9)], GLASS_LIGHT)
    c.rect(6, body_top + 24, 4, 2, LAMP)
    # Passenger windows in one ribbon.
    for wx in range(nose + 10, w - 14, 14):
        c.rect(wx, body_top + 6, 10, 7, WINDOW)
        c.hline(wx, wx + 9, body_top + 12, WINDOW_SHADE)
    # Car joints and doors.
    for jx in (nose + 60, nose + 136):
        c.vline(jx, body_top + 1, body_top + 29, SILVER_SHADE)
        c.rect(jx + 4, body_top + 5, 6, 20, SILVER_SHADE)
        c.rect(jx + 5, body_top + 6, 4, 7, GLASS)
    c.vline(w - 3, body_top, body_top + 29, SILVER_SHADE)
    # Skirt over the wheels.
    c.rect(nose - 4, body_top + 30, w - nose + 2, 3, SILVER_SHADE)
    for bx in (nose - 2, nose + 70, nose + 150, w - 34):
        bogie(c, bx, body_top + 32)
    c.outline()
    return c


# ---------------------------------------------------------------------------------------------
# The fuzzbomb (frames 22..25): a fur-covered bomb with toxic cracks and a burning fuse, pulsing.

BOMB_SIZE = 64


def fuzzbomb_frame(k):
    c = Canvas(BOMB_SIZE, BOMB_SIZE)
    pulse = [0.0, 1.0, 2.0, 1.0][k]
    rng = random.Random(77)
    cx, cy = 32, 36
    r = 18 + pulse * 0.7
    # A toxic aura of bristles that swells and shrinks with the pulse; the tips glow.
    for i in range(44):
        a = 2 * math.pi * i / 44
        length = 4 + pulse * 1.6 + rng.uniform(0, 2.5)
        for step in range(int(length) + 1):
            x = cx + math.cos(a) * (r + step)
            y = cy + math.sin(a) * (r + step)
            c.set(int(round(x)), int(round(y)), TOXIC if step >= length - 2 else TOXIC_DARK)
    # Sparks of poison floating around on the strong beats.
    for i in range(int(pulse) * 4):
        a = rng.uniform(0, 2 * math.pi)
        d = r + 7 + pulse * 2 + rng.uniform(0, 3)
        c.set(int(cx + math.cos(a) * d), int(cy + math.sin(a) * d), TOXIC)
    c.ellipse(cx, cy, r, r, BOMB, lambda nx, ny: lit(BOMB_LIGHT, BOMB, BOMB_SHADE, nx, ny))
    c.ellipse(cx - r * 0.45, cy - r * 0.5, 3.5, 2.2, (176, 136, 196))
    c.set(int(cx - r * 0.45) - 1, int(cy - r * 0.5), (220, 200, 230))
    # Glowing cracks that widen with the pulse.
    cracks = [[(cx - 12, cy + 3), (cx - 6, cy - 0), (cx - 1, cy + 5), (cx + 5, cy + 1), (cx + 13, cy + 6)],
              [(cx - 7, cy + 12), (cx - 1, cy + 9), (cx + 4, cy + 14)],
              [(cx + 7, cy - 12), (cx + 10, cy - 7), (cx + 14, cy - 9)]]
    for crack in cracks:
        for (x0, y0), (x1, y1) in zip(crack, crack[1:]):
            c.line(int(x0), int(y0), int(x1), int(y1), TOXIC if pulse >= 1 else TOXIC_DARK)
            if pulse >= 2:
                c.line(int(x0), int(y0) + 1, int(x1), int(y1) + 1, TOXIC_DARK)
    # Slanted, glowing eyes.
    for ex, slope in ((cx - 7, 1), (cx + 7, -1)):
        c.polygon([(ex - 5, cy - 9 - 2 * slope), (ex + 5, cy - 9 + 2 * slope), (ex + 4, cy - 4), (ex - 4, cy - 4)],
                  TOXIC if pulse >= 1 else TOXIC_DARK)
        c.rect(ex - 1, cy - 7, 2, 2, PUPIL)
    # Fuse cap and a burning fuse whose flame flickers.
    top = int(cy - r)
    c.rect(cx - 5, top - 5, 11, 6, (90, 80, 96))
    c.hline(cx - 5, cx + 5, top - 5, (150, 140, 160))
    c.vline(cx + 5, top - 4, top, (64, 56, 70))
    fx, fy = cx + 1, top - 6
    for i in range(8):
        c.set(fx + i // 2, fy - i, FUSE)
        c.set(fx + i // 2 + 1, fy - i, (90, 70, 50))
    sx, sy = fx + 4, fy - 9
    size = [1.6, 2.4, 3.0, 2.0][k]
    c.ellipse(sx, sy, size + 0.8, size + 1.4, EMBER)
    c.ellipse(sx, sy + 0.5, size, size, FLAME)
    c.ellipse(sx, sy + 0.8, size * 0.5, size * 0.5, FLAME_CORE)
    for i in range(3 + k):
        a = rng.uniform(0, 2 * math.pi)
        c.set(int(sx + math.cos(a) * (size + 3)), int(sy + math.sin(a) * (size + 3)), FLAME_CORE)
    c.outline()
    return c


# ---------------------------------------------------------------------------------------------
# Skyline layers (frames 26..28): 640 wide, as high as the sky band, drawn over it at the top of
# the station view. Transparent above the silhouettes so the sky colour shows through.

SKY_W, SKY_H = 640, 112


def mountains():
    c = Canvas(SKY_W, SKY_H)
    rng = random.Random(26)

    def ridge(base, peaks, light, shade, snow_light, snow_shade, foot, foot_line):
        """Peaks as lit-left, shaded-right triangles, the tallest at the back so that the smaller
        ones overlap them with slanting edges; ragged ridges, snow caps and a hazy foot."""
        for px, ph, pw in sorted(peaks, key=lambda p: -p[1]):
            wobble = 0.0
            snow_line = base - ph * 0.62
            for x in range(int(px - pw), int(px + pw) + 1):
                if not 0 <= x < SKY_W:
                    continue
                wobble = max(-2.5, min(2.5, wobble + rng.uniform(-0.9, 0.9)))
                d = abs(x - px) / pw
                if d >= 1:
                    continue
                hgt = ph * (1 - d) ** 1.2
                top = int(base - hgt + wobble * min(1.0, hgt / 30))
                left = x <= px
                ragged = snow_line + rng.uniform(-2, 2)
                for y in range(max(top, 0), SKY_H):
                    if ph > 60 and y < ragged:
                        col = snow_light if left else snow_shade
                    else:
                        col = light if left else shade
                    below = y - foot_line
                    if below >= 3 or (below >= 0 and (x + y) % (3 - below) == 0):
                        col = foot
                    c.set(x, y, col)
                # A faint rim along the ridge separates a peak from the one behind it.
                if top >= 0 and not (ph > 60 and top < snow_line):
                    c.set(x, top, light if left else (light if x % 2 else shade))

    far = [(x + rng.uniform(-20, 20), rng.uniform(40, 62), rng.uniform(55, 90)) for x in range(-20, SKY_W + 80, 64)]
    ridge(100, far, MOUNTAIN_FAR, (98, 104, 152), (214, 222, 244), (180, 190, 222), (100, 108, 156), 84)
    near = [(30, 80, 100), (150, 98, 115), (262, 70, 85), (380, 104, 125), (505, 82, 100), (615, 92, 105)]
    ridge(110, near, MOUNTAIN, MOUNTAIN_SHADE, SNOW, SNOW_SHADE, (58, 74, 110), 88)
    # Pines along the foot.
    for x in range(2, SKY_W, 6):
        hgt = rng.randint(7, 13)
        base = SKY_H - 1
        for i in range(hgt):
            half = (i * 3) // hgt + (1 if i > hgt // 2 else 0)
            c.hline(x - half, x + half, base - hgt + i, PINE if i % 3 else PINE_SHADE)
            c.set(x + half, base - hgt + i, PINE_SHADE)
        c.set(x, base, TRUNK)
    c.rect(0, SKY_H - 2, SKY_W, 2, PINE_SHADE)
    return c


def town():
    c = Canvas(SKY_W, SKY_H)
    rng = random.Random(27)
    x = 0
    ground = SKY_H - 1
    while x < SKY_W:
        if rng.random() < 0.35:
            # A round tree.
            r = rng.randint(6, 9)
            tx = x + r
            c.rect(tx - 1, ground - r, 3, r + 1, TRUNK)
            c.ellipse(tx, ground - r - r * 0.6, r, r * 1.05, TREE, lambda nx, ny: lit(TREE_LIGHT, TREE, TREE_SHADE, nx, ny))
            x += 2 * r + rng.randint(1, 4)
            continue
        hw = rng.randint(22, 34)
        hh = rng.randint(14, 22)
        wall = rng.choice(HOUSE_WALLS)
        roof = rng.choice(HOUSE_ROOFS)
        shade = tuple(int(v * 0.78) for v in wall)
        top = ground - hh
        c.rect(x, top, hw, hh + 1, wall)
        c.rect(x + hw - 4, top, 4, hh + 1, shade)
        # Gable roof.
        rh = rng.randint(9, 14)
        c.polygon([(x - 3, top + 1), (x + hw + 3, top + 1), (x + hw / 2, top - rh)], roof)
        c.polygon([(x + hw / 2, top - rh), (x + hw + 3, top + 1), (x + hw / 2, top + 1)],
                  tuple(int(v * 0.75) for v in roof))
        if rng.random() < 0.5:
            c.rect(x + hw - 9, top - rh + 2, 4, 8, (120, 80, 70))
        # Windows lit warm, a door.
        for wx in range(x + 4, x + hw - 6, 9):
            c.rect(wx, top + 4, 5, 5, WINDOW)
            c.hline(wx, wx + 4, top + 6, WINDOW_SHADE)
        c.rect(x + hw // 2 - 2, ground - 7, 5, 8, DOOR)
        x += hw + rng.randint(3, 10)
    # A church with a steeple near the middle.
    sx = 300
    c.rect(sx, ground - 30, 24, 31, (236, 230, 214))
    c.rect(sx + 18, ground - 30, 6, 31, (200, 192, 176))
    c.polygon([(sx - 2, ground - 29), (sx + 26, ground - 29), (sx + 12, ground - 44)], (92, 70, 112))
    c.rect(sx + 8, ground - 62, 8, 20, (236, 230, 214))
    c.polygon([(sx + 6, ground - 61), (sx + 18, ground - 61), (sx + 12, ground - 80)], (70, 60, 96))
    c.rect(sx + 10, ground - 56, 4, 6, WINDOW)
    c.rect(sx + 9, ground - 10, 6, 11, DOOR)
    c.rect(0, ground - 1, SKY_W, 2, (88, 120, 70))
    return c


def downtown():
    c = Canvas(SKY_W, SKY_H)
    rng = random.Random(28)
    ground = SKY_H - 1
    # Tall towers clustered in the middle, leaving the edges to the town and the mountains.
    x = 150
    while x < 490:
        tw = rng.randint(20, 36)
        centre = abs(x + tw / 2 - 320) / 170
        th = int(rng.randint(60, 100) * (1.05 - 0.5 * centre))
        th = min(th, SKY_H - 6)
        col = rng.choice(TOWER_COLOURS)
        light = tuple(min(255, int(v * 1.2)) for v in col)
        shade = tuple(int(v * 0.72) for v in col)
        top = ground - th
        c.rect(x, top, tw, th + 1, col)
        c.vline(x, top, ground, light)
        c.rect(x + tw - 5, top, 5, th + 1, shade)
        style = rng.randint(0, 2)
        if style == 0:
            c.rect(x + tw // 2 - 1, top - 12, 2, 12, shade)          # antenna
            c.set(x + tw // 2 - 1, top - 13, EMBER)
        elif style == 1:
            c.polygon([(x, top), (x + tw, top), (x + tw / 2, top - 10)], shade)  # spire top
        else:
            c.rect(x + 3, top - 5, tw - 6, 5, shade)                 # stepped top
        for wy in range(top + 4, ground - 3, 5):
            for wx in range(x + 3, x + tw - 5, 4):
                lit_window = rng.random() < 0.55
                c.rect(wx, wy, 2, 3, TOWER_WINDOW if lit_window else TOWER_WINDOW_DARK)
        x += tw + rng.randint(0, 6)
    c.rect(150, ground - 1, 340, 2, (70, 72, 90))
    return c


# ---------------------------------------------------------------------------------------------
# The track tile: 32 × 10, seamless side to side.

def track_tile():
    w, h = 32, 10
    c = Canvas(w, h)
    rng = random.Random(10)
    for y in range(h):
        for x in range(w):
            c.set(x, y, rng.choice([BALLAST, BALLAST, BALLAST_DARK, BALLAST_LIGHT]))
    for sx in (2, 18):
        c.rect(sx, 3, 11, 6, SLEEPER)
        c.hline(sx, sx + 10, 8, SLEEPER_SHADE)
        c.vline(sx + 10, 3, 8, SLEEPER_SHADE)
    c.hline(0, w - 1, 1, RAIL)
    c.hline(0, w - 1, 2, RAIL_SHADE)
    c.hline(0, w - 1, 6, RAIL)
    c.hline(0, w - 1, 7, RAIL_SHADE)
    return c


# ---------------------------------------------------------------------------------------------
# Packing and files.

def all_frames():
    frames = []
    steps = [-1, 0, 1, 0]
    frames += [player_frame(s) for s in steps]
    frames += [fuzzy_frame(s, i) for i, s in enumerate(steps)]
    frames += [citizen_frame(s) for s in steps]
    frames += [crystal_frame(k) for k in range(6)]
    frames.append(ticket_office())
    frames.append(capitol())
    frames.append(ordinary_train())
    frames.append(express_train())
    frames += [fuzzbomb_frame(k) for k in range(4)]
    frames += [mountains(), town(), downtown()]
    return frames


def pack(frames, width=640, gap=2):
    """Shelf packing in frame order: each frame's place on the sheet."""
    places = []
    x = y = shelf = 0
    for f in frames:
        if x + f.w > width:
            x = 0
            y += shelf + gap
            shelf = 0
        places.append((x, y))
        x += f.w + gap
        shelf = max(shelf, f.h)
    return places, y + shelf


def write_bmp(path, w, h, pixel):
    """A 24-bit bottom-up Windows bitmap; pixel(x, y) -> (r, g, b)."""
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - w * 3)
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_png(path, w, h, pixel, scale=1):
    raw = bytearray()
    for y in range(h * scale):
        raw.append(0)
        for x in range(w * scale):
            raw += bytes(pixel(x // scale, y // scale))

    def chunk(kind, payload):
        return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w * scale, h * scale, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "assets"), help="the assets folder")
    parser.add_argument("--preview", help="also write the sheet on the street colour, enlarged, as PNG")
    args = parser.parse_args()

    frames = all_frames()
    places, height = pack(frames)
    width = 640
    sheet = [[None] * width for _ in range(height)]
    for f, (fx, fy) in zip(frames, places):
        for y in range(f.h):
            for x in range(f.w):
                sheet[fy + y][fx + x] = f.px[y][x]

    black, white = (0, 0, 0), (255, 255, 255)
    os.makedirs(args.out, exist_ok=True)
    write_bmp(os.path.join(args.out, "railquest.bmp"), width, height,
              lambda x, y: sheet[y][x] if sheet[y][x] is not None else black)
    write_bmp(os.path.join(args.out, "masks.bmp"), width, height,
              lambda x, y: white if sheet[y][x] is None else black)
    with open(os.path.join(args.out, "railquest.dat"), "w", newline="\r\n") as f:
        f.write("%d\n" % len(frames))
        for fr, (fx, fy) in zip(frames, places):
            f.write("%d,%d,%d,%d\n" % (fx, fy, fr.w, fr.h))
    tile = track_tile()
    write_bmp(os.path.join(args.out, "tracks.bmp"), tile.w, tile.h, lambda x, y: tile.px[y][x])

    if args.preview:
        peach = (255, 224, 192)
        write_png(args.preview, width, height, lambda x, y: sheet[y][x] if sheet[y][x] is not None else peach, scale=2)


if __name__ == "__main__":
    main()
