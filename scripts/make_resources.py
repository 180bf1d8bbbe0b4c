#!/usr/bin/env python3
"""Draws Saruvi's pictures and writes them as Windows BMP files into resources/.

    glyph_open.bmp, glyph_about.bmp, glyph_exit.bmp   32 x 16, 4 bpp: normal and disabled image
    saruvi_icon.bmp                                   32 x 32, 8 bpp: the application icon
    about_picture.bmp                                 100 x 125, 24 bpp: the About box picture

Everything is drawn here, by hand or procedurally; run it again after changing a picture.
"""

import math
import os
import struct
import sys

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
# Procedural drawing with anti-aliasing: shapes are predicates on a point, sampled n x n per pixel

class Picture:
    def __init__(self, width, height, background, samples=4):
        self.width, self.height, self.samples = width, height, samples
        self.pixels = [[tuple(map(float, background)) for _ in range(width)]
                       for _ in range(height)]

    def fill(self, inside, colour, opacity=1.0):
        """colour: (r, g, b), or a function of the pixel centre giving one."""
        n = self.samples
        offsets = [(i + 0.5) / n for i in range(n)]
        for py in range(self.height):
            for px in range(self.width):
                hits = sum(1 for oy in offsets for ox in offsets if inside(px + ox, py + oy))
                a = opacity * hits / (n * n)
                if a > 0:
                    c = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                    old = self.pixels[py][px]
                    self.pixels[py][px] = tuple(o + (v - o) * a for o, v in zip(old, c))

    def rgb_rows(self):
        return [[tuple(max(0, min(255, int(round(c)))) for c in p) for p in row]
                for row in self.pixels]


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in * r_in <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def capsule(x0, y0, x1, y1, r):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= r * r
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: all(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


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


def polygon(vertices):
    left, right = min(v[0] for v in vertices), max(v[0] for v in vertices)
    top, bottom = min(v[1] for v in vertices), max(v[1] for v in vertices)

    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        result = False
        j = len(vertices) - 1
        for i, (xi, yi) in enumerate(vertices):
            xj, yj = vertices[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


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


def make_icon():
    size = 32
    pic = Picture(size, size, (75, 123, 130))
    pic.fill(minus(rect(0, 0, 32, 32), rect(1, 1, 31, 31)), (36, 62, 68))
    blob = polygon(scaled(smooth_closed_curve(BLOB), 26, 24, 5, 6))
    pic.fill(blob, (26, 22, 30))
    lens = circle(12.5, 12.5, 7.2)
    pic.fill(intersect(blob, lens), (235, 24, 24))
    pic.fill(lens, (210, 235, 255), 0.18)
    pic.fill(capsule(18.5, 18.5, 28, 28, 2.7), (44, 28, 18))
    pic.fill(capsule(19.5, 19.5, 27.3, 27.3, 1.2), (150, 100, 55))
    pic.fill(ring(12.5, 12.5, 10.4, 9.2), (50, 50, 60))
    pic.fill(ring(12.5, 12.5, 9.3, 7.2), (232, 234, 238))
    pic.fill(capsule(8.4, 9.0, 10.2, 7.2, 0.9), (255, 255, 255), 0.85)
    rgb = pic.rgb_rows()
    palette = median_cut([p for row in rgb for p in row], 256)
    palette += [(0, 0, 0)] * (256 - len(palette))
    cache = {}
    return palette, [[cache.setdefault(p, nearest(palette, p)) for p in row] for row in rgb]


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


if __name__ == '__main__':
    main()
