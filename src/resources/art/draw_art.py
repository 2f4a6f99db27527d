#!/usr/bin/env python3
"""Draws Kiveran's program icon and hand cursor and writes them as binary files.

    python3 src/resources/art/draw_art.py           (re)write kiveran.ico and hand.cur
    python3 src/resources/art/draw_art.py --check   parse both files back and verify them

The pictures are the character grids of pictures.py; one character is one pixel.
Output is deterministic: the same grids always give the same bytes.
Standard library only.
"""

import os
import struct
import sys

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


# The icon group's images, in the order of the file's directory: the large
# and small sizes at 100 % scaling first, then those of 150 %.
ICON_IMAGES = [(32, ICON_32), (16, ICON_16), (48, ICON_48), (24, ICON_24)]


def build_ico():
    for size, grid in ICON_IMAGES:
        check_grid(grid, size, ICON_CHARS)
    images = [(size, dib(grid, 4, VGA_PALETTE, ICON_CHARS)) for size, grid in ICON_IMAGES]
    out = struct.pack("<HHH", 0, 1, len(images))      # ICONDIR: reserved, type 1 = icon
    offset = 6 + 16 * len(images)
    for size, data in images:                         # ICONDIRENTRY
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
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


# ---------------------------------------------------------------------------
# Reader used by --check
# ---------------------------------------------------------------------------
def parse(blob):
    """Returns (type, [entry dicts with the decoded image])."""
    reserved, kind, count = struct.unpack_from("<HHH", blob, 0)
    assert reserved == 0
    entries = []
    for i in range(count):
        w, h, ncol, res, f1, f2, nbytes, off = struct.unpack_from("<BBBBHHII", blob, 6 + 16 * i)
        (bi_size, bw, bh, planes, bpp, comp, img_size, _, _, clr_used, _) = \
            struct.unpack_from("<IiiHHIIiiII", blob, off)
        ncolours = clr_used or (1 << bpp)
        pal_off = off + bi_size
        palette = [struct.unpack_from("<BBBB", blob, pal_off + 4 * k) for k in range(ncolours)]
        palette = [(r, g, b) for (b, g, r, _) in palette]
        size = bw
        xor_stride = row_stride(size, bpp)
        and_stride = row_stride(size, 1)
        xor_off = pal_off + 4 * ncolours
        and_off = xor_off + xor_stride * size
        end = and_off + and_stride * size
        pixels = []   # top-down rows of (palette index or None for transparent)
        for y in range(size):
            src_row = size - 1 - y
            xr = blob[xor_off + src_row * xor_stride: xor_off + (src_row + 1) * xor_stride]
            ar = blob[and_off + src_row * and_stride: and_off + (src_row + 1) * and_stride]
            row = []
            for x in range(size):
                a = (ar[x // 8] >> (7 - x % 8)) & 1
                per = 8 // bpp
                v = (xr[x // per] >> (8 - bpp * (x % per + 1))) & ((1 << bpp) - 1)
                if a:
                    assert v == 0, "transparent pixel with non-zero XOR at %d,%d" % (x, y)
                    row.append(None)
                else:
                    row.append(v)
            pixels.append(row)
            # padding bits beyond the image width must be zero
            assert all(b == 0 for b in xr[(size * bpp + 7) // 8:])
        entries.append(dict(w=w, h=h, ncol=ncol, res=res, f1=f1, f2=f2, nbytes=nbytes,
                            off=off, bi_size=bi_size, bw=bw, bh=bh, planes=planes,
                            bpp=bpp, comp=comp, img_size=img_size, palette=palette,
                            pixels=pixels, end=end))
    return kind, entries


def check():
    with open(ICO_PATH, "rb") as f:
        ico = f.read()
    with open(CUR_PATH, "rb") as f:
        cur = f.read()
    assert ico == build_ico(), "kiveran.ico differs from what this script draws"
    assert cur == build_cur(), "hand.cur differs from what this script draws"

    kind, entries = parse(ico)
    assert kind == 1 and len(entries) == len(ICON_IMAGES)
    offset = 6 + 16 * len(ICON_IMAGES)
    for e, (size, grid) in zip(entries, ICON_IMAGES):
        assert (e["w"], e["h"]) == (size, size)
        assert e["ncol"] == 16 and e["res"] == 0
        assert e["f1"] == 1 and e["f2"] == 4, "wPlanes/wBitCount"
        assert e["off"] == offset, "dwImageOffset"
        expected = 40 + 16 * 4 + row_stride(size, 4) * size + row_stride(size, 1) * size
        assert e["nbytes"] == expected, "dwBytesInRes"
        assert e["end"] - e["off"] == e["nbytes"]
        assert e["bi_size"] == 40 and e["bw"] == size and e["bh"] == 2 * size
        assert e["planes"] == 1 and e["bpp"] == 4 and e["comp"] == 0
        assert e["palette"] == VGA_PALETTE
        for y in range(size):
            for x in range(size):
                ch = grid[y][x]
                assert e["pixels"][y][x] == (None if ch == "." else ICON_CHARS[ch])
        offset += e["nbytes"]
    assert offset == len(ico), "trailing or missing bytes in kiveran.ico"
    print("kiveran.ico: %d bytes, %d images (%s): OK"
          % (len(ico), len(entries),
             ", ".join("%dx%d 4bpp %d bytes @%d" % (e["w"], e["h"], e["nbytes"], e["off"])
                       for e in entries)))

    kind, entries = parse(cur)
    assert kind == 2 and len(entries) == 1
    e = entries[0]
    assert (e["w"], e["h"]) == (32, 32) and e["ncol"] == 2 and e["res"] == 0
    assert (e["f1"], e["f2"]) == HAND_HOTSPOT == (0, 0), "hot spot"
    assert e["off"] == 22
    assert e["nbytes"] == 40 + 2 * 4 + 4 * 32 + 4 * 32 == e["end"] - e["off"]
    assert e["bi_size"] == 40 and e["bw"] == 32 and e["bh"] == 64
    assert e["planes"] == 1 and e["bpp"] == 1 and e["comp"] == 0
    assert e["palette"] == [(0, 0, 0), (255, 255, 255)]
    assert e["off"] + e["nbytes"] == len(cur)
    for y in range(32):
        for x in range(32):
            ch = HAND_32[y][x]
            assert e["pixels"][y][x] == {".": None, "K": 0, "W": 1}[ch]
    assert e["pixels"][0][0] == 0, "fingertip (hot spot pixel) should be opaque black"
    print("hand.cur: %d bytes, 1 image 32x32 1bpp %d bytes @%d, hot spot (%d,%d): OK"
          % (len(cur), e["nbytes"], e["off"], e["f1"], e["f2"]))


def main():
    if "--check" in sys.argv[1:]:
        check()
        return
    for path, data in ((ICO_PATH, build_ico()), (CUR_PATH, build_cur())):
        with open(path, "wb") as f:
            f.write(data)
        print("wrote %s (%d bytes)" % (os.path.relpath(path), len(data)))


if __name__ == "__main__":
    main()
