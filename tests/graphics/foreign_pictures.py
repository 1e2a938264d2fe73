"""Writes BMP and PCX pictures with ImageMagick and PIL, and beside each
picture NAME.rgb: its pixels as red, green, blue bytes, decoded by the tool
that wrote it (PIL decodes the files built here byte by byte). manifest.txt
lists "NAME.EXT WIDTH HEIGHT", one picture a line.

Usage: foreign_pictures.py OUTDIR
"""
import os
import shutil
import struct
import subprocess
import sys

from PIL import Image

WIDTH, HEIGHT = 37, 23


def source():
    """Colours of every kind, with exact white, near-white and light grey."""
    im = Image.new("RGB", (WIDTH, HEIGHT))
    px = im.load()
    for y in range(HEIGHT):
        for x in range(WIDTH):
            px[x, y] = ((x * 7) % 256, (y * 11) % 256, ((x + y) * 5) % 256)
    for y in range(HEIGHT):
        for x in range(0, 9):
            px[x, y] = (255, 255, 255)
    for x in range(9, 14):
        px[x, 0] = (254, 255, 255)
        px[x, 1] = (255, 255, 254)
        px[x, 2] = (211, 211, 211)
    return im


def convert():
    for path in ("/usr/bin/convert", shutil.which("convert")):
        if path and os.path.exists(path):
            return path
    sys.exit("ImageMagick's convert is missing")


def pil_rgb(path):
    with Image.open(path) as im:
        return im.convert("RGB").tobytes()


def magick_rgb(path):
    return subprocess.run([convert(), path, "-depth", "8", "rgb:-"],
                          check=True, capture_output=True).stdout


def top_down(path, out):
    """The same 24-bit BMP with its rows stored top row first."""
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) // 4 * 4
    rows = [data[offset + i * stride: offset + (i + 1) * stride]
            for i in range(height)]
    header = bytearray(data[:offset])
    struct.pack_into("<i", header, 22, -height)
    open(out, "wb").write(bytes(header) + b"".join(reversed(rows)))


def sixteen_colour_pcx(im, out):
    """A run-length encoded PCX of four bit planes, as PIL reads them."""
    pal = im.quantize(16)
    palette = pal.getpalette()[:48]
    palette += [0] * (48 - len(palette))
    bpl = (WIDTH + 7) // 8  # PIL reads planes of exactly this many bytes
    header = bytearray(128)
    header[0:4] = bytes([0x0A, 5, 1, 1])
    struct.pack_into("<HHHH", header, 4, 0, 0, WIDTH - 1, HEIGHT - 1)
    header[16:64] = bytes(palette)
    header[65] = 4
    struct.pack_into("<HH", header, 66, bpl, 1)
    px = pal.load()
    encoded = bytearray()
    for y in range(HEIGHT):
        line = bytearray()
        for plane in range(4):
            row = bytearray(bpl)
            for x in range(WIDTH):
                if (px[x, y] >> plane) & 1:
                    row[x // 8] |= 0x80 >> (x % 8)
            line += row
        i = 0
        while i < len(line):
            run = 1
            while i + run < len(line) and line[i + run] == line[i] and run < 63:
                run += 1
            if run > 1 or line[i] >= 0xC0:
                encoded += bytes([0xC0 | run, line[i]])
            else:
                encoded.append(line[i])
            i += run
    open(out, "wb").write(bytes(header) + bytes(encoded))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    im = source()
    png = os.path.join(out, "source.png")
    im.save(png)
    pictures = []

    def pil(name, picture):
        path = os.path.join(out, name)
        picture.save(path)
        pictures.append((name, pil_rgb(path)))

    def magick(name, coder, *options):
        path = os.path.join(out, name)
        subprocess.run([convert(), png, *options, coder + ":" + path], check=True)
        pictures.append((name, magick_rgb(path)))

    def built(name):
        pictures.append((name, pil_rgb(os.path.join(out, name))))

    pil("pil_1bit.bmp", im.convert("1", dither=Image.Dither.NONE))
    pil("pil_grey.bmp", im.convert("L"))
    pil("pil_palette.bmp", im.quantize(256))
    pil("pil_24bit.bmp", im)
    pil("pil_32bit.bmp", im.convert("RGBA"))
    top_down(os.path.join(out, "pil_24bit.bmp"), os.path.join(out, "top_down.bmp"))
    built("top_down.bmp")
    magick("magick_4bit.bmp", "BMP3", "-colors", "16")
    magick("magick_rgb565.bmp", "BMP", "-define", "bmp:subtype=RGB565")
    magick("magick_argb.bmp", "BMP", "-alpha", "set", "-channel", "A",
           "-evaluate", "set", "50%")
    magick("magick_core.bmp", "BMP2")
    magick("magick_core8.bmp", "BMP2", "-colors", "200")

    pil("pil_1bit.pcx", im.convert("1", dither=Image.Dither.NONE))
    pil("pil_grey.pcx", im.convert("L"))
    pil("pil_palette.pcx", im.quantize(256))
    pil("pil_24bit.pcx", im)
    sixteen_colour_pcx(im, os.path.join(out, "planes4.pcx"))
    built("planes4.pcx")
    magick("magick_palette.pcx", "PCX", "-colors", "200")
    magick("magick_24bit.pcx", "PCX")

    with open(os.path.join(out, "manifest.txt"), "w") as manifest:
        for name, rgb in pictures:
            assert len(rgb) == WIDTH * HEIGHT * 3, name
            open(os.path.join(out, name + ".rgb"), "wb").write(rgb)
            manifest.write("%s %d %d\n" % (name, WIDTH, HEIGHT))


if __name__ == "__main__":
    main()
