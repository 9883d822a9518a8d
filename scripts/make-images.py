#!/usr/bin/env python3
"""Draws Tallyvane's application icon and its "Calculate ICM" button bitmap.

Usage: make-images.py ICON_OUT BITMAP_OUT

The icon is a poker chip carrying a small bar chart. It holds 32-bit images of
16, 24, 32, 48, 64 and 128 pixels and a 256-pixel PNG image; the container is
written here because PIL's own ICO writer stores every size as PNG. The bitmap
is a 24 x 24 calculator at 24 bits per pixel whose magenta background the
button replaces with its face colour when it loads the picture.
"""

import io
import struct
import sys

from PIL import Image, ImageDraw

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
PNG_FROM = 256  # sizes from here on are stored as PNG
SUPERSAMPLE = 4

CHIP_RED = (196, 30, 42, 255)
CHIP_DARK = (120, 14, 22, 255)
EDGE_WHITE = (250, 246, 236, 255)
FELT_GREEN = (18, 110, 60, 255)
BAR_GOLD = (250, 196, 40, 255)
KEY_MAGENTA = (255, 0, 255)


def draw_chip(size):
    """Chip of `size` pixels, drawn large and scaled down for smooth edges."""
    big = size * SUPERSAMPLE
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    pad = big * 0.03
    d.ellipse([pad, pad, big - pad, big - pad], fill=CHIP_RED, outline=CHIP_DARK,
              width=max(1, int(big * 0.03)))
    draw_edge_spots(d, big)
    inner = big * 0.24
    d.ellipse([inner, inner, big - inner, big - inner], fill=FELT_GREEN,
              outline=EDGE_WHITE, width=max(1, int(big * 0.035)))
    draw_bars(d, big)
    return img.resize((size, size), Image.LANCZOS)


def draw_edge_spots(d, big):
    """Six white inlays around the rim, as on a casino chip."""
    c = big / 2
    r_out, r_in = big * 0.45, big * 0.31
    for k in range(6):
        a0 = k * 60 - 12
        d.pieslice([c - r_out, c - r_out, c + r_out, c + r_out], a0, a0 + 24, fill=EDGE_WHITE)
    d.ellipse([c - r_in, c - r_in, c + r_in, c + r_in], fill=CHIP_RED)


def draw_bars(d, big):
    """Three rising bars: the share of the pool each stack is worth."""
    base = big * 0.66
    width = big * 0.09
    left = big * 0.345
    for k, height in enumerate((0.12, 0.2, 0.3)):
        x0 = left + k * width * 1.25
        d.rectangle([x0, base - big * height, x0 + width, base], fill=BAR_GOLD)


def bmp_icon_entry(img):
    """BITMAPINFOHEADER, bottom-up BGRA pixels and the AND mask of one icon image."""
    w, h = img.size
    pixels = img.load()
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        row_mask = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = pixels[x, y]
            xor += bytes((b, g, r, a))
            if a == 0:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def png_icon_entry(img):
    out = io.BytesIO()
    img.save(out, format="PNG")
    return out.getvalue()


def write_ico(path, sizes):
    images = [draw_chip(s) for s in sizes]
    blobs = [png_icon_entry(i) if s >= PNG_FROM else bmp_icon_entry(i) for s, i in zip(sizes, images)]
    offset = 6 + 16 * len(blobs)
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    for size, blob in zip(sizes, blobs):
        dim = 0 if size >= 256 else size  # a byte holds 0 for 256
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


def draw_calculator():
    """24 x 24 calculator: body, display and a 3 x 3 key pad on a magenta key colour."""
    img = Image.new("RGB", (24, 24), KEY_MAGENTA)
    d = ImageDraw.Draw(img)
    d.rectangle([4, 1, 19, 22], fill=(70, 78, 92), outline=(30, 34, 42))
    d.rectangle([6, 3, 17, 7], fill=(170, 214, 160), outline=(40, 60, 40))
    d.line([12, 5, 16, 5], fill=(30, 50, 30))
    for row in range(3):
        for col in range(3):
            x, y = 6 + col * 4, 10 + row * 4
            key = BAR_GOLD[:3] if (row, col) == (2, 2) else (230, 232, 236)
            d.rectangle([x, y, x + 2, y + 2], fill=key)
    return img


def write_bmp24(path, img):
    """Uncompressed bottom-up 24 bpp BMP with its file header."""
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    pixels = img.load()
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = pixels[x, y]
            row += bytes((b, g, r))
        data += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(file_header + info + data)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    write_ico(argv[1], ICON_SIZES)
    write_bmp24(argv[2], draw_calculator())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
