"""Writes the end-to-end runs' image: a 24-bit BMP, 200 x 150 and white, with a black 80 x 60
rectangle at columns 40..119 and rows 30..89 (rows counted from the top).

    python3 region_bmp.py OUT.bmp
"""
import struct
import sys

WIDTH, HEIGHT = 200, 150
rows = []
for y in range(HEIGHT - 1, -1, -1):
    row = b''.join(b'\0\0\0' if 40 <= x < 120 and 30 <= y < 90 else b'\xff\xff\xff'
                   for x in range(WIDTH))
    rows.append(row + bytes(-len(row) % 4))
pixels = b''.join(rows)
header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
with open(sys.argv[1], 'wb') as out:
    out.write(header + info + pixels)
