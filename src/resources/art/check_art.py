"""Reads kiveran.ico and hand.cur back and checks them against the pictures (draw_art.py --check)."""

import struct
import zlib

from draw_art import CUR_PATH, ICO_PATH, ICON_IMAGES, build_cur, build_ico, row_stride
from pictures import HAND_32, HAND_HOTSPOT, ICON_CHARS, VGA_PALETTE


PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def parse_png(data):
    """Decodes the PNGs png() writes: top-down rows of (r, g, b), None where transparent."""
    assert data[:8] == PNG_SIGNATURE
    pos, kinds, chunks = 8, [], {}
    while pos < len(data):
        (length,) = struct.unpack_from(">I", data, pos)
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        assert struct.unpack_from(">I", data, pos + 8 + length)[0] == zlib.crc32(kind + body)
        kinds.append(kind)
        chunks[kind] = chunks.get(kind, b"") + body
        pos += 12 + length
    assert pos == len(data) and kinds[0] == b"IHDR" and kinds[-1] == b"IEND", "chunk order"
    width, height, depth, colour_type, compression, filtering, interlace = \
        struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    assert (depth, colour_type) == (8, 6), "32-bit RGBA"
    assert (compression, filtering, interlace) == (0, 0, 0)
    raw = zlib.decompress(chunks[b"IDAT"])
    stride = 1 + 4 * width
    assert len(raw) == stride * height
    pixels = []
    for y in range(height):
        row = raw[y * stride:(y + 1) * stride]
        assert row[0] == 0, "filter type None"
        rgba = [tuple(row[1 + 4 * x:5 + 4 * x]) for x in range(width)]
        assert all(a in (0, 255) for (_, _, _, a) in rgba), "fully opaque or fully transparent"
        pixels.append([None if a == 0 else (r, g, b) for (r, g, b, a) in rgba])
    return width, height, pixels


def parse_dib(blob, off):
    """Decodes a DIB with its mask: header fields and top-down rows of (r, g, b) or None."""
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
    pixels = []
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
                row.append(palette[v])
        pixels.append(row)
        # padding bits beyond the image width must be zero
        assert all(b == 0 for b in xr[(size * bpp + 7) // 8:])
    return dict(bi_size=bi_size, bw=bw, bh=bh, planes=planes, bpp=bpp, comp=comp,
                img_size=img_size, palette=palette, pixels=pixels,
                end=and_off + and_stride * size)


def parse(blob):
    """Returns (type, [entry dicts with the decoded image])."""
    reserved, kind, count = struct.unpack_from("<HHH", blob, 0)
    assert reserved == 0
    entries = []
    for i in range(count):
        w, h, ncol, res, f1, f2, nbytes, off = struct.unpack_from("<BBBBHHII", blob, 6 + 16 * i)
        entry = dict(w=w, h=h, ncol=ncol, res=res, f1=f1, f2=f2, nbytes=nbytes, off=off)
        if blob[off:off + 8] == PNG_SIGNATURE:
            pw, ph, pixels = parse_png(blob[off:off + nbytes])
            entry.update(png=True, bw=pw, bh=ph, pixels=pixels, end=off + nbytes)
        else:
            entry.update(parse_dib(blob, off), png=False)
        entries.append(entry)
    return kind, entries


def check():
    with open(ICO_PATH, "rb") as f:
        ico = f.read()
    with open(CUR_PATH, "rb") as f:
        cur = f.read()
    # Another zlib may deflate the same rows into other bytes: the pictures
    # are compared below, pixel by pixel.
    if ico != build_ico():
        print("kiveran.ico: bytes differ from this machine's drawing; comparing pixels")
    assert cur == build_cur(), "hand.cur differs from what this script draws"

    kind, entries = parse(ico)
    assert kind == 1 and len(entries) == len(ICON_IMAGES)
    offset = 6 + 16 * len(ICON_IMAGES)
    for e, (size, grid, image_kind) in zip(entries, ICON_IMAGES):
        assert (e["w"], e["h"]) == (size, size)
        assert e["res"] == 0
        expected_entry = (0, 1, 32) if image_kind == "png" else (16, 1, 4)
        assert (e["ncol"], e["f1"], e["f2"]) == expected_entry, "bColorCount/wPlanes/wBitCount"
        assert e["off"] == offset, "dwImageOffset"
        assert e["png"] == (image_kind == "png")
        if e["png"]:
            assert (e["bw"], e["bh"]) == (size, size)
        else:
            expected = 40 + 16 * 4 + row_stride(size, 4) * size + row_stride(size, 1) * size
            assert e["nbytes"] == expected, "dwBytesInRes"
            assert e["bi_size"] == 40 and e["bw"] == size and e["bh"] == 2 * size
            assert e["planes"] == 1 and e["bpp"] == 4 and e["comp"] == 0
            assert e["palette"] == VGA_PALETTE
        assert e["end"] - e["off"] == e["nbytes"]
        for y in range(size):
            for x in range(size):
                ch = grid[y][x]
                assert e["pixels"][y][x] == (None if ch == "." else VGA_PALETTE[ICON_CHARS[ch]])
        offset += e["nbytes"]
    assert offset == len(ico), "trailing or missing bytes in kiveran.ico"
    print("kiveran.ico: %d bytes, %d images (%s): OK"
          % (len(ico), len(entries),
             ", ".join("%dx%d %s %d bytes @%d" % (e["w"], e["h"], "32bpp PNG" if e["png"] else "4bpp",
                                                  e["nbytes"], e["off"])
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
    colours = {".": None, "K": (0, 0, 0), "W": (255, 255, 255)}
    for y in range(32):
        for x in range(32):
            assert e["pixels"][y][x] == colours[HAND_32[y][x]]
    assert e["pixels"][0][0] == (0, 0, 0), "fingertip (hot spot pixel) should be opaque black"
    print("hand.cur: %d bytes, 1 image 32x32 1bpp %d bytes @%d, hot spot (%d,%d): OK"
          % (len(cur), e["nbytes"], e["off"], e["f1"], e["f2"]))
