#!/usr/bin/env python3
"""Draws Kiveran's program icon and hand cursor and writes them as binary files.

    python3 src/resources/art/draw_art.py           (re)write kiveran.ico and hand.cur
    python3 src/resources/art/draw_art.py --check   parse both files back and verify them

The pictures are the character grids of pictures.py; one character is one pixel.
Output is deterministic: the same grids give the same bytes (the PNG images
with the same zlib; --check compares pixels).
Standard library only.
"""

import os
import struct
import sys
import zlib

from pictures import (HAND_32, HAND_HOTSPOT, ICON_16, ICON_24, ICON_32, ICON_48, ICON_CHARS,
                      VGA_PALETTE)

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.dirname(HERE)                       # src/resources
ICO_PATH = os.path.join(OUT_DIR, "kiveran.ico")
CUR_PATH = os.path.join(OUT_DIR, "hand.cur")



# ---------------------------------------------------------------------------
# Writers
# ---------------------------------------------------------------------------
def row_stride(width, bits_per_pixel):
    """Bytes per DIB row, padded to a multiple of 4."""
    return ((width * bits_per_pixel + 31) // 32) * 4


def check_grid(grid, size, allowed):
    assert len(grid) == size, "grid has %d rows, expected %d" % (len(grid), size)
    for y, row in enumerate(grid):
        assert len(row) == size, "row %d has %d pixels, expected %d" % (y, len(row), size)
        for ch in row:
            assert ch == "." or ch in allowed, "unknown pixel %r in row %d" % (ch, y)


def pack_bits(values, bits_per_pixel, stride):
    """Packs pixel values (most significant bits first) into one padded row."""
    out = bytearray(stride)
    per_byte = 8 // bits_per_pixel
    for x, v in enumerate(values):
        shift = 8 - bits_per_pixel * (x % per_byte + 1)
        out[x // per_byte] |= v << shift
    return bytes(out)


def dib(grid, bits_per_pixel, palette, colour_of):
    """A BITMAPINFOHEADER + palette + XOR rows + AND rows (both bottom-up).

    colour_of maps a grid character to a palette index; '.' is transparent:
    AND bit 1 with XOR index 0, so the screen shows through unchanged."""
    size = len(grid)
    xor_stride = row_stride(size, bits_per_pixel)
    and_stride = row_stride(size, 1)
    xor_rows = []
    and_rows = []
    for row in reversed(grid):
        xor_rows.append(pack_bits([0 if ch == "." else colour_of[ch] for ch in row],
                                  bits_per_pixel, xor_stride))
        and_rows.append(pack_bits([1 if ch == "." else 0 for ch in row], 1, and_stride))
    image_bytes = xor_stride * size + and_stride * size
    header = struct.pack(
        "<IiiHHIIiiII",
        40,               # biSize
        size,             # biWidth
        size * 2,         # biHeight: XOR image + AND mask
        1,                # biPlanes
        bits_per_pixel,   # biBitCount
        0,                # biCompression = BI_RGB
        image_bytes,      # biSizeImage
        0, 0,             # biXPelsPerMeter, biYPelsPerMeter
        0,                # biClrUsed (0 = full table of 2^bitcount entries)
        0,                # biClrImportant
    )
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    assert len(palette) == 1 << bits_per_pixel
    return header + pal + b"".join(xor_rows) + b"".join(and_rows)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(grid, palette, colour_of):
    """A 32-bit RGBA PNG of the grid's 16-colour picture, '.' fully transparent.

    Windows reads PNG images in an icon group since Vista, documented as
    32-bit RGBA; at 24 and 48 pixels they take about a quarter of the bytes
    of a DIB with its mask."""
    size = len(grid)
    raw = b"".join(b"\0" + b"".join(b"\0\0\0\0" if ch == "." else bytes(palette[colour_of[ch]]) + b"\xff"
                                    for ch in row)
                   for row in grid)
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


# The icon group's images, in the order of the file's directory: the large
# and small sizes at 100 % scaling first (DIBs, which the windows load there
# without a PNG decoder), then those of 150 % (PNG).
ICON_IMAGES = [(32, ICON_32, "dib"), (16, ICON_16, "dib"), (48, ICON_48, "png"),
               (24, ICON_24, "png")]


def icon_image(grid, kind):
    if kind == "png":
        return png(grid, VGA_PALETTE, ICON_CHARS)
    return dib(grid, 4, VGA_PALETTE, ICON_CHARS)


def build_ico():
    for size, grid, _ in ICON_IMAGES:
        check_grid(grid, size, ICON_CHARS)
    images = [(size, icon_image(grid, kind)) for size, grid, kind in ICON_IMAGES]
    out = struct.pack("<HHH", 0, 1, len(images))      # ICONDIR: reserved, type 1 = icon
    offset = 6 + 16 * len(images)
    for (size, data), (_, _, kind) in zip(images, ICON_IMAGES):   # ICONDIRENTRY
        colours, bits = (0, 32) if kind == "png" else (16, 4)
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return out


def build_cur():
    colours = {"K": 0, "W": 1}
    check_grid(HAND_32, 32, colours)
    data = dib(HAND_32, 1, [(0, 0, 0), (0xFF, 0xFF, 0xFF)], colours)
    out = struct.pack("<HHH", 0, 2, 1)                # ICONDIR: reserved, type 2 = cursor
    out += struct.pack("<BBBBHHII", 32, 32, 2, 0,     # width, height, colours, reserved
                       HAND_HOTSPOT[0], HAND_HOTSPOT[1], len(data), 6 + 16)
    return out + data


def main():
    if "--check" in sys.argv[1:]:
        from check_art import check
        check()
        return
    for path, data in ((ICO_PATH, build_ico()), (CUR_PATH, build_cur())):
        with open(path, "wb") as f:
            f.write(data)
        print("wrote %s (%d bytes)" % (os.path.relpath(path), len(data)))


if __name__ == "__main__":
    main()
