#!/usr/bin/env python3
"""Draws the tester's icon, a flatbed scanner with its light bar, as 16-colour
32x32 and 16x16 images, and writes them as one icon file (tester.ico)."""
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DGREY, LGREY, WHITE, GREEN, CYAN, BLUE = 0, 8, 7, 15, 10, 14, 4


def draw(size):
    """Returns rows (top first) of palette indices, None for transparent."""
    s = size / 32.0
    px = [[None] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), max(int(y1 * s), int(y0 * s) + 1)):
            for x in range(int(x0 * s), max(int(x1 * s), int(x0 * s) + 1)):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = c

    rect(2, 14, 30, 28, DGREY)   # body outline
    rect(3, 15, 29, 27, LGREY)   # body
    rect(2, 9, 30, 14, BLACK)    # lid outline
    rect(3, 10, 29, 13, WHITE)   # lid
    rect(5, 17, 27, 20, BLUE)    # glass
    rect(5, 18, 27, 19, CYAN)    # light bar on the glass
    rect(22, 23, 27, 25, GREEN)  # power lamp
    rect(3, 28, 29, 29, BLACK)   # shadow
    return px


def icon_image(size):
    rows = draw(size)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, c in enumerate(row):
            nibble = 0 if c is None else c
            line[x // 2] |= nibble << (4 if x % 2 == 0 else 0)
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def main(path):
    images = [icon_image(32), icon_image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'tester.ico')
