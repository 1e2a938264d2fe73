#include "raster/bitmap_rotation.h"

#include <gtest/gtest.h>

#include <random>

#include "support/pictures.h"

namespace vxcl {
namespace {

using test::Picture;

OneBitBitmap OnlyTopLeft(int width, int height) {
  OneBitBitmap bitmap(width, height);
  bitmap.SetDark(0, 0, true);
  return bitmap;
}

OneBitBitmap Random(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  OneBitBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetDark(x, y, random() & 1);
  return bitmap;
}

// The turns pixel by pixel, as the result's pixels are defined.
OneBitBitmap Expected(const OneBitBitmap& s, int degrees) {
  const int w = s.Width(), h = s.Height();
  const bool quarter = degrees != 180;
  OneBitBitmap d(quarter ? h : w, quarter ? w : h);
  for (int y = 0; y < d.Height(); ++y)
    for (int x = 0; x < d.Width(); ++x) {
      bool dark = false;
      if (degrees == 90) dark = s.IsDark(w - 1 - y, x);
      if (degrees == 180) dark = s.IsDark(w - 1 - x, h - 1 - y);
      if (degrees == 270) dark = s.IsDark(y, h - 1 - x);
      d.SetDark(x, y, dark);
    }
  return d;
}

TEST(RotateBitmap, TopLeftPixelOfA16By24Bitmap) {
  struct Case {
    int degrees, width, height, x, y;
  } cases[] = {
      {90, 24, 16, 0, 15},
      {180, 16, 24, 15, 23},
      {270, 24, 16, 23, 0},
  };
  for (const Case& c : cases) {
    const OneBitBitmap turned = RotateBitmap(OnlyTopLeft(16, 24), c.degrees);
    OneBitBitmap expected(c.width, c.height);
    expected.SetDark(c.x, c.y, true);
    EXPECT_EQ(turned, expected) << c.degrees << "\n" << Picture(turned);
  }
}

TEST(RotateBitmap, MatchesThePixelMappingsForAnySize) {
  // Sizes on and off byte boundaries, including one-pixel sides.
  const int sizes[][2] = {{1, 1},  {1, 9},  {9, 1},   {8, 8},  {16, 24},
                          {17, 5}, {3, 23}, {31, 33}, {64, 7}, {100, 13}};
  unsigned seed = 1;
  for (const auto& size : sizes)
    for (int degrees : {90, 180, 270}) {
      const OneBitBitmap source = Random(size[0], size[1], seed++);
      EXPECT_EQ(RotateBitmap(source, degrees), Expected(source, degrees))
          << degrees << " degrees, " << size[0] << " x " << size[1];
    }
}

TEST(RotateBitmap, TruncatesToWholeQuarters) {
  const OneBitBitmap source = Random(13, 6, 7);
  EXPECT_EQ(RotateBitmap(source, 45), source);
  EXPECT_EQ(RotateBitmap(source, 0), source);
  EXPECT_EQ(RotateBitmap(source, 135), RotateBitmap(source, 90));
  EXPECT_EQ(RotateBitmap(source, -90), RotateBitmap(source, 270));
  EXPECT_EQ(RotateBitmap(source, 360), source);
}

TEST(RotateBitmap, KeepsBitsBeyondTheWidthClear) {
  // A 5-wide result: turning must not leave stray bits to the right, which
  // padding would uncover.
  OneBitBitmap source(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) source.SetDark(x, y, true);
  for (int degrees : {90, 180, 270}) {
    const OneBitBitmap turned = RotateBitmap(source, degrees);
    for (int y = 0; y < turned.Height(); ++y)
      EXPECT_EQ(turned.Row(y)[0], degrees == 180 ? 0xFE : 0xF8) << degrees;
  }
}

}  // namespace
}  // namespace vxcl
