#!/usr/bin/env python3
"""Draws Velkorin's three pictures and writes them to src/ui/res/.

    Velkorin.ico  program icon: a database cylinder with a green check mark,
                  32x32, 8 bits per pixel, 256-colour palette, 1-bit mask
    logo.gif      16x16 GIF89a: a white "f" on a #3B5998 field, transparent
                  corners (colour index 34)
    hand.cur      32x32 hand cursor, 4 bits per pixel, hot spot (0,0) at the
                  tip of the index finger

Standard library only; the output is the same bytes on every run.
Usage: python3 tools/make-pictures.py [output-folder]
"""

import math
import os
import struct
import sys

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


# --- Windows icon and cursor files ---------------------------------------

def dib_rows(indices, bpp):
    """Packs rows of palette indices bottom-up, each row padded to 4 bytes."""
    out = bytearray()
    for row in reversed(indices):
        bits = 0
        nbits = 0
        line = bytearray()
        for value in row:
            bits = (bits << bpp) | value
            nbits += bpp
            if nbits == 8:
                line.append(bits)
                bits = nbits = 0
        assert nbits == 0, "row width must fill whole bytes"
        line.extend(b"\0" * (-len(line) % 4))
        out += line
    return bytes(out)


def icon_image(indices, palette, bpp, transparent):
    """BITMAPINFOHEADER, palette, XOR bitmap and AND mask of one icon image.

    `transparent` holds (x, y) pairs; their AND bit is 1 and their colour
    index must point at black so that the XOR step leaves the screen alone.
    """
    height = len(indices)
    width = len(indices[0])
    assert len(palette) == 1 << bpp
    for x, y in transparent:
        assert palette[indices[y][x]] == BLACK, (x, y)
    mask = [[1 if (x, y) in transparent else 0 for x in range(width)]
            for y in range(height)]
    xor_bits = dib_rows(indices, bpp)
    and_bits = dib_rows(mask, 1)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bpp, 0,
                         len(xor_bits) + len(and_bits), 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor_bits + and_bits


def icon_file(kind, width, height, colour_count, field1, field2, image):
    """ICONDIR with one ICONDIRENTRY, then the image.

    kind 1 is an icon (field1/field2 = planes, bits per pixel);
    kind 2 is a cursor (field1/field2 = hot spot x, y).
    """
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, colour_count,
                        0, field1, field2, len(image), 6 + 16)
    return directory + entry + image


# --- Program icon: database check ----------------------------------------

def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def ramp(dark, light, steps):
    return [mix(dark, light, i / (steps - 1)) for i in range(steps)]


# Palette slots; everything not named stays black.
ICON_OUTLINE = 1       # dark navy rim around the cylinder
ICON_BAND = 2          # the lines between the disks
ICON_CHECK_EDGE = 3    # dark green rim of the check mark
ICON_TOP = 16          # 8 shades for the lid
ICON_BODY = 32         # 16 shades for the side, lit from the left
ICON_CHECK = 48        # 8 shades of green
ICON_STEPS = {ICON_TOP: 8, ICON_BODY: 16, ICON_CHECK: 8}


def icon_palette():
    palette = [BLACK] * 256
    palette[ICON_OUTLINE] = (22, 38, 72)
    palette[ICON_BAND] = (40, 70, 120)
    palette[ICON_CHECK_EDGE] = (14, 84, 24)
    palette[ICON_TOP:ICON_TOP + 8] = ramp((120, 160, 210), (215, 232, 250), 8)
    palette[ICON_BODY:ICON_BODY + 16] = ramp((44, 78, 140), (128, 170, 222), 16)
    palette[ICON_CHECK:ICON_CHECK + 8] = ramp((34, 150, 44), (120, 220, 100), 8)
    return palette


def shade(base, t):
    """Index into one of the ramps for a brightness t in 0..1."""
    steps = ICON_STEPS[base]
    return base + min(steps - 1, max(0, int(t * steps)))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = min(1.0, max(0.0, t))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def draw_icon():
    size = 32
    cx, rx, ry = 13.0, 11.0, 4.0      # cylinder axis, radii of the ellipses
    top, bottom = 7.0, 25.0           # centres of the lid and the base ellipse
    bands = (13.0, 19.0)              # disk seams, drawn as lower half-ellipses
    check = ((15.5, 21.5), (20.5, 26.5), (29.0, 14.0))

    def in_ellipse(x, y, cy):
        return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0

    def in_cylinder(x, y):
        if abs(x - cx) > rx:
            return False
        return top <= y <= bottom or in_ellipse(x, y, top) or in_ellipse(x, y, bottom)

    def check_distance(x, y):
        return min(segment_distance(x, y, *check[i], *check[i + 1])
                   for i in range(len(check) - 1))

    indices = [[0] * size for _ in range(size)]
    transparent = set()
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            d = check_distance(px, py)
            if d <= 1.7:
                # Brighter towards the upper left of the stroke.
                indices[y][x] = shade(ICON_CHECK, 0.9 - (d / 1.7) * 0.5
                                      - (py - 14) / 40)
            elif d <= 2.9:
                indices[y][x] = ICON_CHECK_EDGE
            elif not in_cylinder(px, py):
                transparent.add((x, y))
            elif not all(in_cylinder(px + ox, py + oy)
                         for ox, oy in ((-1, 0), (1, 0), (0, -1), (0, 1))):
                indices[y][x] = ICON_OUTLINE
            elif in_ellipse(px, py, top):
                if not in_ellipse(px, py + 1, top):
                    indices[y][x] = ICON_OUTLINE   # front edge of the lid
                else:
                    indices[y][x] = shade(ICON_TOP, 1 - math.hypot(
                        (px - cx + 4) / rx, (py - top + 1.5) / ry) / 1.6)
            elif any(on_arc(x, y, cx, rx, ry, c) for c in bands):
                indices[y][x] = ICON_BAND
            else:
                # Light from the left: bright a third of the way across.
                u = (px - cx) / rx
                indices[y][x] = shade(ICON_BODY, 1 - abs(u + 0.35) / 1.35)
    return indices, transparent


def on_arc(x, y, cx, rx, ry, cy):
    """True on the pixel row that the lower half of an ellipse crosses."""
    u = (x + 0.5 - cx) / rx
    if abs(u) >= 1:
        return False
    return int(cy + ry * math.sqrt(1 - u * u)) == y


def make_icon():
    indices, transparent = draw_icon()
    image = icon_image(indices, icon_palette(), 8, transparent)
    return icon_file(1, 32, 32, 0, 1, 8, image)


# --- Logo: white "f" on blue ---------------------------------------------

LOGO_BLUE = 1
LOGO_WHITE = 2
LOGO_CLEAR = 34        # transparent; magenta so a viewer ignoring it shows it

# "+" is the blue field, "o" the letter, "." the transparent corners.
LOGO_ART = """
..++++++++++++..
.++++++++++++++.
++++++++++oooo++
+++++++++ooooo++
++++++++ooo+++++
++++++++ooo+++++
++++++ooooooo+++
++++++ooooooo+++
++++++++ooo+++++
++++++++ooo+++++
++++++++ooo+++++
++++++++ooo+++++
++++++++ooo+++++
++++++++ooo+++++
.+++++++ooo++++.
..++++++ooo+++..
"""


def art_grid(art, width, height):
    """ASCII art as `height` strings of `width` characters, padded with "."."""
    lines = art.strip("\n").split("\n")
    assert len(lines) <= height and all(len(l) <= width for l in lines)
    return [l.ljust(width, ".") for l in lines + [""] * (height - len(lines))]


def art_indices(grid, keys):
    return [[keys[c] for c in line] for line in grid]


def logo_palette():
    palette = [BLACK] * 256
    palette[LOGO_BLUE] = (59, 89, 152)
    palette[LOGO_WHITE] = WHITE
    palette[LOGO_CLEAR] = (255, 0, 255)
    return palette


class BitWriter:
    """Packs variable-width codes least significant bit first, as GIF wants."""

    def __init__(self):
        self.out = bytearray()
        self.bits = 0
        self.count = 0

    def write(self, code, width):
        self.bits |= code << self.count
        self.count += width
        while self.count >= 8:
            self.out.append(self.bits & 0xFF)
            self.bits >>= 8
            self.count -= 8

    def finish(self):
        if self.count:
            self.out.append(self.bits & 0xFF)
        return bytes(self.out)


def lzw_encode(pixels, min_code_size):
    """GIF LZW: starts with a clear code, clears again when the table is full."""
    clear = 1 << min_code_size
    end = clear + 1
    writer = BitWriter()

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = reset()
    writer.write(clear, width)
    run = (pixels[0],)
    for value in pixels[1:]:
        grown = run + (value,)
        if grown in table:
            run = grown
            continue
        writer.write(table[run], width)
        if next_code == 4096:
            writer.write(clear, width)
            table, next_code, width = reset()
        else:
            table[grown] = next_code
            # The decoder learns this code one step later, so widen only
            # once a code that needs the extra bit exists.
            if next_code == 1 << width and width < 12:
                width += 1
            next_code += 1
        run = (value,)
    writer.write(table[run], width)
    writer.write(end, width)
    return writer.finish()


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    return bytes(out) + b"\0"


def make_logo():
    width = height = 16
    rows = art_indices(art_grid(LOGO_ART, width, height),
                       {"+": LOGO_BLUE, "o": LOGO_WHITE, ".": LOGO_CLEAR})
    palette = logo_palette()
    # Global table of 256 entries (size bits 7), colour resolution 8 bits.
    screen = struct.pack("<6sHHBBB", b"GIF89a", width, height, 0xF7,
                         LOGO_CLEAR, 0)
    colours = b"".join(bytes(c) for c in palette)
    # Graphic Control Extension: no disposal, transparency on, delay 0.
    control = struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, LOGO_CLEAR, 0)
    descriptor = struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    pixels = [value for row in rows for value in row]
    data = bytes([8]) + sub_blocks(lzw_encode(pixels, 8))
    return screen + colours + control + descriptor + data + b"\x3B"


# --- Hand cursor ----------------------------------------------------------

# The 16 standard VGA colours; the hand uses black, silver and white.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
       (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
       (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
CUR_BLACK, CUR_SILVER, CUR_WHITE = 0, 7, 15

# "#" outline, "o" white, "+" silver shading, "." transparent.
# The tip of the index finger touches the top-left corner: the hot spot.
HAND_ART = """
.###
#ooo#
#ooo#
#ooo#
#ooo#
#ooo#
#ooo#
#ooo#
#ooo#.##
#ooo##oo#.##
#ooo#ooo##oo#.#
#ooo#ooo#ooo##o#
#ooo#ooo#ooo#oo#
#ooo#ooo#ooo#oo#
#ooo#ooo#ooo#oo#
#ooo+ooo+ooo+oo#
#oooooooooooooo#
#oooooooooooooo#
#oooooooooooooo#
#ooooooooooooo+#
.#oooooooooooo#
.#+oooooooooo+#
..#+oooooooo+#
..############
..#++++++++++#
..############
"""


def make_cursor():
    grid = art_grid(HAND_ART, 32, 32)
    rows = art_indices(grid, {"#": CUR_BLACK, "o": CUR_WHITE,
                              "+": CUR_SILVER, ".": CUR_BLACK})
    transparent = {(x, y) for y, line in enumerate(grid)
                   for x, c in enumerate(line) if c == "."}
    image = icon_image(rows, VGA, 4, transparent)
    return icon_file(2, 32, 32, 16, 0, 0, image)


def icon_resources(ico):
    """The icon as the executable carries it: the image alone, id 30001, and a group directory
    that names it, since the resource compiler would number the image itself."""
    width, height, colours, reserved, planes, bits, size, offset = struct.unpack_from(
        "<BBBBHHII", ico, 6)
    image = ico[offset:offset + size]
    group = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHIH", width, height, colours, reserved, planes, bits, size, 30001)
    return image, group


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "src", "ui", "res")
    os.makedirs(folder, exist_ok=True)
    icon = make_icon()
    icon_image_bytes, icon_group_bytes = icon_resources(icon)
    for name, data in (("Velkorin.ico", icon), ("logo.gif", make_logo()),
                       ("hand.cur", make_cursor()),
                       ("Velkorin-icon-image.bin", icon_image_bytes),
                       ("Velkorin-icon-group.bin", icon_group_bytes)):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
