#!/usr/bin/env python3
"""Counts the pixels of the menu's heading green, RGB(0, 128, 0), in an X
window dump (xwd, 24- or 32-bit ZPixmap) and fails when there are too few."""
import struct
import sys

data = open(sys.argv[1], 'rb').read()
fields = struct.unpack('>25I', data[:100])
header_size, _, _, depth, width, height = fields[:6]
byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
red_mask, green_mask, blue_mask = fields[14:17]
ncolors = fields[19]
pixels = data[header_size + 12 * ncolors:]
if bits_per_pixel not in (24, 32):
    sys.exit(f'unexpected {bits_per_pixel} bits per pixel')
step = bits_per_pixel // 8
big = byte_order != 0
shift = (green_mask & -green_mask).bit_length() - 1
wanted_green = 128 << shift
green = 0
for y in range(height):
    row = pixels[y * bytes_per_line: y * bytes_per_line + step * width]
    for x in range(0, len(row), step):
        value = int.from_bytes(row[x:x + step], 'big' if big else 'little')
        if value & red_mask == 0 and value & blue_mask == 0 and value & green_mask == wanted_green:
            green += 1
print(f'{green} pixels of the heading green')
sys.exit(0 if green >= 200 else 1)
