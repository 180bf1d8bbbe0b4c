#!/usr/bin/env python3
"""Draws Saruvi's pictures and writes them into resources/.

    glyph_open.bmp, glyph_about.bmp, glyph_exit.bmp   32 x 16, 4 bpp: normal and disabled image
    saruvi_icon.bmp                                   32 x 32, 8 bpp: the application icon
    about_picture.bmp                                 100 x 125, 24 bpp: the About box picture
    saruvi_icon_N.png, saruvi_icon.svg                the desktop's menu icon, N x N and scalable
    controls/<Unit>.bmp                               24 x 24, 24 bpp: each control's palette picture

Everything is drawn here, by hand or procedurally; run it again after changing a picture.
"""

import bisect
import math
import os
import struct
import sys
import zlib

# The Windows 16-colour palette, in its usual order, as (r, g, b).
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, OLIVE, GREY, SILVER, RED, YELLOW, FUCHSIA, WHITE = 0, 1, 3, 8, 7, 9, 11, 13, 15

# Fuchsia is the transparent colour of every glyph; no picture uses it.
GLYPH_KEYS = {'.': FUCHSIA, 'K': BLACK, 'O': OLIVE, 'Y': YELLOW, 'W': WHITE,
              'G': GREY, 'S': SILVER, 'R': RED, 'M': MAROON}


# ---------------------------------------------------------------------------------------------
# BMP files

def bmp_bytes(width, height, bpp, palette, rows):
    """rows: top row first; each a list of palette indices (bpp <= 8) or (r, g, b) tuples."""
    stride = (width * bpp + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bpp == 24:
            for r, g, b in row:
                line += bytes((b, g, r))
        elif bpp == 8:
            line += bytes(row)
        elif bpp == 4:
            for i in range(0, width, 2):
                line.append(row[i] << 4 | (row[i + 1] if i + 1 < width else 0))
        line += bytes(stride - len(line))
        pixels += line
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0, len(pixels),
                       3780, 3780, len(palette), len(palette))
    return header + info + table + bytes(pixels)


def write_bmp(path, width, height, bpp, palette, rows):
    assert len(rows) == height and all(len(r) == width for r in rows)
    with open(path, 'wb') as f:
        f.write(bmp_bytes(width, height, bpp, palette, rows))


# ---------------------------------------------------------------------------------------------
# Glyphs: 16 x 16 pixel art; the disabled image is derived from the normal one

FOLDER = """
................
................
..KKKK..........
.KWYYYK.........
.KYYYYYKKKKKK...
.KYOOOOOOOOOYK..
.KYOOOOOOOOOYK..
.KYOOKKKKKKKKKKK
.KYOKWYYYYYYYYYK
.KYOKYYYYYYYYYK.
.KYKYYYYYYYYYYK.
.KYKYYYYYYYYYK..
.KKYYYYYYYYYYK..
.KKKKKKKKKKKKK..
................
................
"""

QUESTION = """
.....KKKKKK.....
...KKWWYYYYKK...
..KWWYYYYYYYOK..
.KWYYYKKKKYYYOK.
.KWYYKKYYKKYYOK.
KYYYYKKYYKKYYYOK
KYYYYYYYYKKYYYOK
KYYYYYYYKKYYYYOK
KYYYYYYKKYYYYYOK
KYYYYYYKKYYYYYOK
KYYYYYYYYYYYYYOK
.KYYYYYKKYYYYOK.
.KYYYYYKKYYYYOK.
..KOYYYYYYYYOK..
...KKOOOOOOKK...
.....KKKKKK.....
"""


def cross():
    """A bold red X with a maroon rim."""
    size = 16
    core = [[2 <= x <= 13 and 2 <= y <= 13 and (abs(x - y) <= 1 or abs(x + y - 15) <= 1)
             for x in range(size)] for y in range(size)]
    art = []
    for y in range(size):
        line = ''
        for x in range(size):
            near = any(0 <= x + dx < size and 0 <= y + dy < size and core[y + dy][x + dx]
                       for dx in (-1, 0, 1) for dy in (-1, 0, 1))
            line += 'R' if core[y][x] else ('M' if near else '.')
        art.append(line)
    return '\n'.join(art)


def parse_art(art):
    rows = [line for line in art.strip().split('\n')]
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), art
    return [[GLYPH_KEYS[c] for c in r] for r in rows]


def luminance(index):
    r, g, b = VGA[index]
    return 0.299 * r + 0.587 * g + 0.114 * b


def disabled(image):
    """The classic greyed look: the dark strokes in grey over a white copy one pixel down-right."""
    size = len(image)
    ink = [[image[y][x] != FUCHSIA and luminance(image[y][x]) < 160 for x in range(size)]
           for y in range(size)]
    out = [[FUCHSIA] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if ink[y][x] and x + 1 < size and y + 1 < size and not ink[y + 1][x + 1]:
                out[y + 1][x + 1] = WHITE
    for y in range(size):
        for x in range(size):
            if ink[y][x]:
                out[y][x] = GREY
    return out


def glyph(art):
    normal = parse_art(art)
    grey = disabled(normal)
    return [normal[y] + grey[y] for y in range(16)]


# ---------------------------------------------------------------------------------------------
# Procedural drawing with anti-aliasing: shapes are predicates on a point, sampled n x n per pixel.
# The icon's shapes also know their SVG outline, so its scalable version is the same drawing.

class Picture:
    """scale: pixels per drawing unit, so one drawing serves every icon size."""

    def __init__(self, width, height, background, samples=4, scale=1):
        self.width, self.height, self.samples, self.scale = width, height, samples, scale
        self.pixels = [[tuple(map(float, background)) for _ in range(width)]
                       for _ in range(height)]

    def fill(self, inside, colour, opacity=1.0):
        """colour: (r, g, b), or a function of the pixel centre giving one."""
        n, k = self.samples, self.scale
        offsets = [(i + 0.5) / n for i in range(n)]
        for py in range(self.height):
            for px in range(self.width):
                hits = sum(1 for oy in offsets for ox in offsets
                           if inside((px + ox) / k, (py + oy) / k))
                a = opacity * hits / (n * n)
                if a > 0:
                    c = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                    old = self.pixels[py][px]
                    self.pixels[py][px] = tuple(o + (v - o) * a for o, v in zip(old, c))

    def rgb_rows(self):
        return [[tuple(max(0, min(255, int(round(c)))) for c in p) for p in row]
                for row in self.pixels]


def number(v):
    return f'{v:.3f}'.rstrip('0').rstrip('.')


class Shape:
    """A region: called with a point, whether the point lies inside; element() draws it in SVG."""

    def element(self, paint):
        return f'<path fill-rule="evenodd" d="{self.path()}" {paint}/>'


class circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def __call__(self, x, y):
        return (x - self.cx) ** 2 + (y - self.cy) ** 2 <= self.r * self.r

    def path(self):
        cx, cy, r = self.cx, self.cy, self.r
        arc = f'A{number(r)} {number(r)} 0 1 0'
        return (f'M{number(cx - r)} {number(cy)}{arc} {number(cx + r)} {number(cy)}'
                f'{arc} {number(cx - r)} {number(cy)}Z')


class ring(Shape):
    def __init__(self, cx, cy, r_out, r_in):
        self.outer, self.inner = circle(cx, cy, r_out), circle(cx, cy, r_in)

    def __call__(self, x, y):
        d = (x - self.outer.cx) ** 2 + (y - self.outer.cy) ** 2
        return self.inner.r * self.inner.r <= d <= self.outer.r * self.outer.r

    def path(self):
        return self.outer.path() + self.inner.path()


class capsule(Shape):
    """The points within r of the segment (x0, y0)-(x1, y1): a line with round caps."""

    def __init__(self, x0, y0, x1, y1, r):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, r

    def __call__(self, x, y):
        x0, y0, dx, dy = self.x0, self.y0, self.x1 - self.x0, self.y1 - self.y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= self.r * self.r

    def element(self, paint):
        stroke = paint.replace('fill', 'stroke')
        return (f'<line x1="{number(self.x0)}" y1="{number(self.y0)}" x2="{number(self.x1)}" '
                f'y2="{number(self.y1)}" stroke-width="{number(2 * self.r)}" '
                f'stroke-linecap="round" {stroke}/>')


class rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def __call__(self, x, y):
        return self.x0 <= x < self.x1 and self.y0 <= y < self.y1

    def path(self):
        return (f'M{number(self.x0)} {number(self.y0)}H{number(self.x1)}V{number(self.y1)}'
                f'H{number(self.x0)}Z')


class polygon(Shape):
    """Even-odd inside test; the crossings of each sampled row are found once."""

    def __init__(self, vertices):
        self.vertices = vertices
        self.left, self.right = min(v[0] for v in vertices), max(v[0] for v in vertices)
        self.top, self.bottom = min(v[1] for v in vertices), max(v[1] for v in vertices)
        self.rows = {}

    def crossings(self, y):
        if y not in self.rows:
            xs = []
            j = len(self.vertices) - 1
            for i, (xi, yi) in enumerate(self.vertices):
                xj, yj = self.vertices[j]
                if (yi > y) != (yj > y):
                    xs.append((xj - xi) * (y - yi) / (yj - yi) + xi)
                j = i
            self.rows[y] = sorted(xs)
        return self.rows[y]

    def __call__(self, x, y):
        if not (self.left <= x <= self.right and self.top <= y <= self.bottom):
            return False
        xs = self.crossings(y)
        return (len(xs) - bisect.bisect_right(xs, x)) % 2 == 1

    def path(self):
        return 'M' + 'L'.join(f'{number(x)} {number(y)}' for x, y in self.vertices) + 'Z'


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


class intersect(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes

    def __call__(self, x, y):
        return all(s(x, y) for s in self.shapes)

    def element(self, paint):
        """Two shapes: the first clipped to the second."""
        shape, clip = self.shapes
        name = f'clip{zlib.crc32(clip.path().encode()):08x}'
        return (f'<clipPath id="{name}"><path d="{clip.path()}"/></clipPath>'
                f'<path clip-path="url(#{name})" d="{shape.path()}" {paint}/>')


class minus(Shape):
    """A shape less a hole inside it."""

    def __init__(self, shape, hole):
        self.shape, self.hole = shape, hole

    def __call__(self, x, y):
        return self.shape(x, y) and not self.hole(x, y)

    def path(self):
        return self.shape.path() + self.hole.path()


def smooth_closed_curve(points, steps=24):
    """A closed Catmull-Rom spline through points, as a dense polygon."""
    out = []
    n = len(points)
    for i in range(n):
        p0, p1, p2, p3 = (points[(i + k - 1) % n] for k in range(4))
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                                    (-a + 3 * b - 3 * c + d) * t3)
                             for a, b, c, d in zip(p0, p1, p2, p3)))
    return out


def scaled(points, sx, sy, dx, dy):
    return [(x * sx + dx, y * sy + dy) for x, y in points]


# A blob with a bulge to the left and a tail to the right; unit box about 0..1 x 0..1.
BLOB = [(0.10, 0.45), (0.22, 0.18), (0.50, 0.10), (0.80, 0.20), (0.95, 0.42), (0.78, 0.62),
        (0.55, 0.70), (0.35, 0.90), (0.14, 0.78)]

# A stylised liver seen from the front: the large right lobe on the viewer's left, tapering
# into the thin left lobe; unit box about 0..1 x 0..1.
LIVER = [(0.05, 0.42), (0.12, 0.18), (0.35, 0.06), (0.62, 0.08), (0.86, 0.15), (0.99, 0.25),
         (0.90, 0.36), (0.70, 0.48), (0.52, 0.62), (0.40, 0.80), (0.22, 0.88), (0.09, 0.72)]


# ---------------------------------------------------------------------------------------------
# The application icon: a magnifier over a dark blob whose measured part is red

def median_cut(colours, count):
    """A palette of at most count colours for the given (r, g, b) samples."""
    boxes = [list(colours)]
    while len(boxes) < count:
        widest = max(boxes, key=lambda b: max(max(c[k] for c in b) - min(c[k] for c in b)
                                              for k in range(3)))
        if len(widest) < 2:
            break
        channel = max(range(3), key=lambda k: max(c[k] for c in widest) - min(c[k] for c in widest))
        widest.sort(key=lambda c: c[channel])
        half = len(widest) // 2
        boxes.remove(widest)
        boxes += [widest[:half], widest[half:]]
    return [tuple(round(sum(c[k] for c in b) / len(b)) for k in range(3)) for b in boxes]


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


# The icon in 32 units a side: (shape, colour, opacity), painted in order over the background.
ICON_UNITS = 32
# The desktop's icon theme sizes (hicolor); the package installs each.
ICON_SIZES = (16, 32, 48, 64, 128, 256)
ICON_BACKGROUND = (75, 123, 130)


def icon_drawing():
    blob = polygon(scaled(smooth_closed_curve(BLOB), 26, 24, 5, 6))
    lens = circle(12.5, 12.5, 7.2)
    return [
        (minus(rect(0, 0, 32, 32), rect(1, 1, 31, 31)), (36, 62, 68), 1.0),
        (blob, (26, 22, 30), 1.0),
        (intersect(blob, lens), (235, 24, 24), 1.0),
        (lens, (210, 235, 255), 0.18),
        (capsule(18.5, 18.5, 28, 28, 2.7), (44, 28, 18), 1.0),
        (capsule(19.5, 19.5, 27.3, 27.3, 1.2), (150, 100, 55), 1.0),
        (ring(12.5, 12.5, 10.4, 9.2), (50, 50, 60), 1.0),
        (ring(12.5, 12.5, 9.3, 7.2), (232, 234, 238), 1.0),
        (capsule(8.4, 9.0, 10.2, 7.2, 0.9), (255, 255, 255), 0.85),
    ]


def icon_rgb(size):
    # Large sizes need fewer samples per pixel for the same smoothness.
    pic = Picture(size, size, ICON_BACKGROUND, samples=4 if size <= 64 else 2,
                  scale=size / ICON_UNITS)
    for shape, colour, opacity in icon_drawing():
        pic.fill(shape, colour, opacity)
    return pic.rgb_rows()


def icon_svg():
    def hex_colour(c):
        return '#%02x%02x%02x' % c
    paint = [f'fill="{hex_colour(colour)}"' + (f' fill-opacity="{opacity}"' if opacity < 1 else '')
             for _, colour, opacity in icon_drawing()]
    body = '\n'.join(shape.element(p) for (shape, _, _), p in zip(icon_drawing(), paint))
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{ICON_UNITS}" '
            f'height="{ICON_UNITS}" viewBox="0 0 {ICON_UNITS} {ICON_UNITS}">\n'
            f'<rect width="{ICON_UNITS}" height="{ICON_UNITS}" '
            f'fill="{hex_colour(ICON_BACKGROUND)}"/>\n{body}\n</svg>\n')


def make_icon():
    """The window's icon: 8 bpp with the colours the drawing needs."""
    rgb = icon_rgb(32)
    palette = median_cut([p for row in rgb for p in row], 256)
    palette += [(0, 0, 0)] * (256 - len(palette))
    cache = {}
    return palette, [[cache.setdefault(p, nearest(palette, p)) for p in row] for row in rgb]


def png_bytes(rows):
    """rows: top row first, each a list of (r, g, b)."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))
    raw = b''.join(b'\0' + bytes(c for p in row for c in p) for row in rows)
    header = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) +
            chunk(b'IEND', b''))


# ---------------------------------------------------------------------------------------------
# The About picture: a liver over a measuring grid, its measured part red, and a scale bar

def make_about_picture():
    width, height = 100, 125
    pic = Picture(width, height, (246, 242, 228))
    grid_minor = union(lambda x, y: (x % 5) < 0.6, lambda x, y: (y % 5) < 0.6)
    grid_major = union(lambda x, y: (x % 25) < 0.9, lambda x, y: (y % 25) < 0.9)
    pic.fill(grid_minor, (170, 200, 215), 0.55)
    pic.fill(grid_major, (110, 160, 185), 0.8)

    outline = scaled(smooth_closed_curve(LIVER), 88, 70, 6, 22)
    liver = polygon(outline)
    shadow = polygon(scaled(smooth_closed_curve(LIVER), 88, 70, 8, 25))
    pic.fill(minus(shadow, liver), (60, 50, 40), 0.35)

    def liver_shade(x, y):
        # Lit from the top left: lighter near (30, 35), darker toward the lower right.
        d = math.hypot(x - 30, y - 35) / 70
        return (150 - 70 * d, 55 - 25 * d, 45 - 20 * d)
    pic.fill(liver, liver_shade)
    pic.fill(intersect(liver, rect(18, 0, 52, height)), (232, 16, 16))
    pic.fill(circle(36, 48, 1.6), (255, 255, 255))
    pic.fill(ring(36, 48, 3.6, 2.6), (255, 255, 255))

    # The falciform ligament: a pale groove between the lobes.
    pic.fill(intersect(liver, capsule(60, 12, 48, 66, 0.7)), (240, 200, 180), 0.7)
    edge = minus(polygon(scaled(smooth_closed_curve(LIVER), 90, 72, 5, 21)), liver)
    pic.fill(edge, (60, 20, 18), 0.9)

    # Scale bar: 50 pixels with ticks every 10.
    bar_y = 108
    pic.fill(rect(25, bar_y, 75, bar_y + 2), (30, 30, 40))
    for i in range(6):
        x = 25 + 10 * i
        tall = 5 if i in (0, 5) else 3
        pic.fill(rect(x - (1 if i == 5 else 0), bar_y - tall, x + (0 if i == 5 else 1), bar_y),
                 (30, 30, 40))
    frame = minus(rect(0, 0, width, height), rect(1, 1, width - 1, height - 1))
    pic.fill(frame, (40, 60, 70))
    return pic.rgb_rows()


# ---------------------------------------------------------------------------------------------
# Palette pictures: 24 x 24 pixel drawings of each control in miniature. Fuchsia, the colour of
# the bottom-left pixel, is transparent on the palette's buttons.

TRANSPARENT = (255, 0, 255)
INK, NAVY, WHITE_RGB = (0, 0, 0), (0, 0, 128), (255, 255, 255)
FACE, SHADOW, DARK = (192, 192, 192), (128, 128, 128), (64, 64, 64)

# 3 x 5 digits, a row of bits each, top row first.
DIGITS = {'1': (2, 6, 2, 2, 7), '2': (7, 1, 7, 4, 7), '3': (7, 1, 3, 1, 7)}


class Tile:
    def __init__(self):
        self.rows = [[TRANSPARENT] * 24 for _ in range(24)]

    def box(self, left, top, right, bottom, colour):
        """Fills columns left..right-1 of rows top..bottom-1."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.rows[y][x] = colour

    def bevel(self, left, top, right, bottom, light, dark):
        self.box(left, top, right, top + 1, light)
        self.box(left, top, left + 1, bottom, light)
        self.box(left, bottom - 1, right, bottom, dark)
        self.box(right - 1, top, right, bottom, dark)

    def text(self, left, top, chars, colour):
        for char in chars:
            for dy, bits in enumerate(DIGITS[char]):
                for dx in range(3):
                    if bits & (4 >> dx):
                        self.rows[top + dy][left + dx] = colour
            left += 4


def palette_stroke_bar():
    """A raised panel with its band two-thirds stroked and the limit mark above it."""
    t = Tile()
    t.box(0, 3, 24, 21, FACE)
    t.bevel(0, 3, 24, 21, WHITE_RGB, SHADOW)
    t.box(3, 10, 21, 16, WHITE_RGB)
    t.bevel(2, 9, 22, 17, SHADOW, WHITE_RGB)
    t.box(3, 10, 15, 16, NAVY)
    t.box(15, 10, 16, 16, (0, 0, 255))
    for i in range(3):
        t.box(14 - i, 5 + i, 17 + i, 6 + i, (255, 0, 0))
    return t.rows


def palette_gauge():
    """A sunken frame half filled, with a digit in the middle as the percentage."""
    t = Tile()
    t.box(1, 7, 23, 17, WHITE_RGB)
    t.bevel(0, 6, 24, 18, SHADOW, WHITE_RGB)
    t.box(1, 7, 12, 17, NAVY)
    t.text(8, 9, '3', WHITE_RGB)
    t.text(12, 9, '2', NAVY)
    return t.rows


def palette_color_button():
    """A raised button with a coloured face and a dark rim."""
    t = Tile()
    t.box(1, 4, 23, 20, (255, 200, 0))
    t.bevel(1, 4, 23, 20, WHITE_RGB, NAVY)
    t.box(0, 3, 24, 4, INK)
    t.box(0, 20, 24, 21, INK)
    t.box(0, 3, 1, 21, INK)
    t.box(23, 3, 24, 21, INK)
    t.box(5, 11, 19, 13, (0, 128, 0))
    return t.rows


def palette_cute_button():
    """A raised button with a drop-down arrow and the menu's first item below it."""
    t = Tile()
    t.box(0, 1, 24, 13, FACE)
    t.bevel(0, 1, 24, 13, WHITE_RGB, DARK)
    t.bevel(1, 2, 23, 12, WHITE_RGB, SHADOW)
    for i in range(4):
        t.box(12 - 3 + i, 5 + i, 12 + 4 - i, 6 + i, INK)
    t.box(4, 13, 22, 23, WHITE_RGB)
    t.bevel(4, 13, 22, 23, FACE, DARK)
    t.box(5, 14, 21, 18, NAVY)
    t.box(7, 15, 16, 17, WHITE_RGB)
    t.box(7, 19, 14, 21, SHADOW)
    return t.rows


def palette_number_edit():
    """A sunken white entry showing 123."""
    t = Tile()
    t.box(1, 6, 23, 18, WHITE_RGB)
    t.bevel(0, 5, 24, 19, SHADOW, WHITE_RGB)
    t.bevel(1, 6, 23, 18, DARK, FACE)
    t.text(8, 9, '123', INK)
    t.box(20, 8, 21, 16, INK)
    return t.rows


def palette_track_bar():
    """A groove with the selection range in blue, a thumb on it and ticks under it."""
    t = Tile()
    t.box(2, 8, 22, 11, WHITE_RGB)
    t.bevel(2, 8, 22, 11, SHADOW, WHITE_RGB)
    t.box(7, 9, 17, 10, (0, 0, 255))
    t.box(10, 4, 15, 13, FACE)
    t.bevel(10, 4, 15, 13, WHITE_RGB, DARK)
    t.box(11, 13, 14, 14, FACE)
    t.box(12, 14, 13, 15, DARK)
    t.box(10, 13, 11, 14, WHITE_RGB)
    t.box(14, 13, 15, 14, DARK)
    for x in range(2, 23, 4):
        t.box(x, 17, x + 1, 20, INK)
    t.box(7, 17, 8, 21, (0, 0, 255))
    t.box(16, 17, 17, 21, (0, 0, 255))
    return t.rows


PALETTE_PICTURES = (('StrokeBar', palette_stroke_bar), ('xGauge', palette_gauge),
                    ('ColorBtn', palette_color_button), ('CuteBtn', palette_cute_button),
                    ('NumberEdit', palette_number_edit), ('xTrackBar', palette_track_bar))


# ---------------------------------------------------------------------------------------------

def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources')
    out = sys.argv[1] if len(sys.argv) > 1 else root
    os.makedirs(out, exist_ok=True)
    for name, art in (('glyph_open.bmp', FOLDER), ('glyph_about.bmp', QUESTION),
                      ('glyph_exit.bmp', cross())):
        write_bmp(os.path.join(out, name), 32, 16, 4, VGA, glyph(art))
    palette, icon = make_icon()
    write_bmp(os.path.join(out, 'saruvi_icon.bmp'), 32, 32, 8, palette, icon)
    write_bmp(os.path.join(out, 'about_picture.bmp'), 100, 125, 24, [], make_about_picture())
    for size in ICON_SIZES:
        with open(os.path.join(out, f'saruvi_icon_{size}.png'), 'wb') as f:
            f.write(png_bytes(icon_rgb(size)))
    with open(os.path.join(out, 'saruvi_icon.svg'), 'w') as f:
        f.write(icon_svg())
    controls = os.path.join(out, '..', 'controls') if len(sys.argv) <= 1 else out
    for unit, draw in PALETTE_PICTURES:
        rows = draw()
        assert rows[23][0] == TRANSPARENT, unit
        write_bmp(os.path.join(controls, f'{unit}.bmp'), 24, 24, 24, [], rows)


if __name__ == '__main__':
    main()
