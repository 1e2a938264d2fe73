#!/usr/bin/python3
"""PIL's one-bit text rendering, for comparison with the library's.

  pil_truetype.py                  time PIL drawing the benchmark text
  pil_truetype.py BENCH_BINARY     time PIL, then run truetype_bench: both
                                   figures from one run
  pil_truetype.py --render TEXT    print PIL's one-bit drawing of TEXT as
                                   '#' and '.' rows (used by the tests)

The text is drawn with DejaVu Sans at 32 pixels per em, the size that
24 points make at 96 pixels per inch.
"""
import subprocess
import sys
import timeit

from PIL import Image, ImageDraw, ImageFont

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
PIXELS_PER_EM = 32
TEXT = "Shipping label 0123456789"


def render(font, text):
    """The text drawn one-bit into an image of its size."""
    left, top, right, bottom = font.getbbox(text)
    image = Image.new("1", (max(right, 1), max(bottom, 1)))
    ImageDraw.Draw(image).text((0, 0), text, font=font, fill=1)
    return image


def time_pil():
    font = ImageFont.truetype(FONT, PIXELS_PER_EM)
    draw = lambda: font.getmask(TEXT, mode="1")  # one-bit glyph pixels
    draw()  # warm
    runs = 2000
    best = min(timeit.repeat(draw, number=runs, repeat=5))
    return best / runs * 1e6


def main(args):
    if len(args) == 2 and args[0] == "--render":
        image = render(ImageFont.truetype(FONT, PIXELS_PER_EM), args[1])
        for y in range(image.height):
            print("".join("#" if image.getpixel((x, y)) else "."
                          for x in range(image.width)))
        return 0
    print(f"PIL one-bit \"{TEXT}\" at {PIXELS_PER_EM} px: "
          f"{time_pil():.1f} us per call")
    if args:
        subprocess.run([args[0], "--benchmark_filter=WarmTrueTypeText"],
                       check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
