#!/usr/bin/env python3
"""Writes the themed test window's pictures into pictures/, byte for byte the same at every run.

Each picture is a 24x24 canvas whose background is the mask colour (magenta), with a block of a
colour that appears nowhere else on the window, so a screenshot shows exactly where it landed:
  framed.bmp      a 16x16 block, green above (8 rows) and blue below (8 rows): upright or not
  option.ico      an icon, a 12x12 orange block, everything else see-through through its mask
  check.bmp       a 12x12 purple block
  check-down.bmp  a 12x12 teal block (the checked look)
  disabled.bmp    a 6x6 black block (embossed when shown disabled)
"""
import os
import struct

SIZE = 24
MAGENTA = (255, 0, 255)


def canvas(blocks):
    """Rows top-down of (r, g, b); blocks are (left, top, width, height, colour)."""
    rows = [[MAGENTA] * SIZE for _ in range(SIZE)]
    for left, top, width, height, colour in blocks:
        for y in range(top, top + height):
            for x in range(left, left + width):
                rows[y][x] = colour
    return rows


def bgr_rows(rows):
    """24-bit rows bottom-up, each padded to 4 bytes."""
    data = b""
    for row in reversed(rows):
        line = b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
        data += line + b"\0" * ((4 - len(line) % 4) % 4)
    return data


def info_header(height_rows, image_size):
    return struct.pack("<IiiHHIIiiII", 40, SIZE, height_rows, 1, 24, 0, image_size, 2835, 2835, 0, 0)


def bmp(rows):
    pixels = bgr_rows(rows)
    header = info_header(SIZE, len(pixels))
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + pixels


def ico(rows):
    """One 24-bit image with its AND mask: magenta pixels are see-through (mask 1, colour black)."""
    colour_rows = [[(0, 0, 0) if p == MAGENTA else p for p in row] for row in rows]
    xor = bgr_rows(colour_rows)
    mask = b""
    for row in reversed(rows):
        bits = 0
        for x, p in enumerate(row):
            if p == MAGENTA:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)  # 24 bits used, the row padded to 32
    image = info_header(SIZE * 2, len(xor) + len(mask)) + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


PICTURES = {
    "framed.bmp": bmp(canvas([(4, 4, 16, 8, (0, 160, 0)), (4, 12, 16, 8, (0, 0, 192))])),
    "option.ico": ico(canvas([(6, 6, 12, 12, (255, 128, 0))])),
    "check.bmp": bmp(canvas([(6, 6, 12, 12, (128, 0, 160))])),
    "check-down.bmp": bmp(canvas([(6, 6, 12, 12, (0, 128, 128))])),
    "disabled.bmp": bmp(canvas([(9, 9, 6, 6, (0, 0, 0))])),
}

if __name__ == "__main__":
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pictures")
    os.makedirs(folder, exist_ok=True)
    for name, data in PICTURES.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
