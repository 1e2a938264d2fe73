"""The picture placement of bench/picture_bench.cpp written with PIL, timed
on the same files in the same run: read, reduce to one bit (only exact
white stays white), pad, turn by 90 degrees, invert, encode, append.

Usage: /usr/bin/python3 bench/pil_picture_pipeline.py BUILD_DIR
Runs BUILD_DIR/bench/picture_bench first (it writes the pictures), then
times PIL on them and prints both medians.
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops

EXACT_WHITE = [0] * 255 + [255]


def pad(im):
    w, h = im.size
    padded = Image.new("1", (w + 8 - w % 8, h + 8 - h % 8), 1)
    padded.paste(im, (0, 0))
    return padded


def encode(body, im):
    # '1' images store 1 for white; inverted, dark pixels are the set bits.
    # (ImageChops.invert does not invert '1' images: XOR with white does.)
    data = ImageChops.logical_xor(im, Image.new("1", im.size, 1)).tobytes()
    command = b"\x1bGB%03d%03d" % (im.width // 8, im.height // 8) + data
    return body + b"\x1b%0\x1bH80\x1bV1896" + command


def place_bmp(path):
    with Image.open(path) as im:
        r, g, b = im.convert("RGB").split()
    white = ImageChops.logical_and(
        ImageChops.logical_and(r.point(EXACT_WHITE, "1"), g.point(EXACT_WHITE, "1")),
        b.point(EXACT_WHITE, "1"))
    turned = pad(white).transpose(Image.Transpose.ROTATE_90)
    return encode(b"", turned)


def place_pcx(path):
    with Image.open(path) as im:
        turned = im.transpose(Image.Transpose.ROTATE_90)
    return encode(b"", pad(turned))


def median_ms(place, path, runs=30):
    place(path)  # warm the file cache
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        place(path)
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)


def main():
    build = sys.argv[1]
    pictures = os.environ.get("VXCL_PICTURE_DIR") or os.path.join(
        tempfile.gettempdir(), "vxcl-picture-bench")
    env = dict(os.environ, VXCL_PICTURE_DIR=pictures)
    out = subprocess.run(
        [os.path.join(build, "bench", "picture_bench"), "--benchmark_repetitions=5",
         "--benchmark_format=json"],
        check=True, capture_output=True, text=True, env=env).stdout
    library = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            library[b["run_name"]] = b["real_time"]
    pil_bmp = median_ms(place_bmp, os.path.join(pictures, "picture24.bmp"))
    pil_pcx = median_ms(place_pcx, os.path.join(pictures, "picture1.pcx"))
    print("2400 x 1600 picture, unscaled, turned 90 degrees (median ms):")
    print("  24-bit BMP: library %.2f  PIL %.2f" % (library["BM_Bmp24Rotated90"], pil_bmp))
    print("  1-bit PCX:  library %.2f  PIL %.2f" % (library["BM_Pcx1Rotated90"], pil_pcx))


if __name__ == "__main__":
    main()
