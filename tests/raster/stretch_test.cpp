#include "raster/stretch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "support/pictures.h"

namespace vxcl {
namespace {

using test::Drawn;
using test::Picture;

// Each result pixel straight from the covering rule.
OneBitBitmap Expected(const OneBitBitmap& s, int dw, int dh) {
  OneBitBitmap d(dw, dh);
  const long long sw = s.Width(), sh = s.Height();
  for (int dy = 0; dy < dh; ++dy)
    for (int dx = 0; dx < dw; ++dx) {
      const long long x0 = dx * sw / dw, y0 = dy * sh / dh;
      const long long x1 = std::max((dx + 1) * sw / dw, x0 + 1);
      const long long y1 = std::max((dy + 1) * sh / dh, y0 + 1);
      bool dark = false;
      for (long long y = y0; y < y1; ++y)
        for (long long x = x0; x < x1; ++x)
          dark = dark || s.IsDark(static_cast<int>(x), static_cast<int>(y));
      d.SetDark(dx, dy, dark);
    }
  return d;
}

TEST(Stretch, EnlargingRepeatsPixels) {
  const OneBitBitmap doubled = Stretch(Drawn({"#.", ".#"}), 4, 4);
  EXPECT_EQ(doubled, Drawn({"##..", "##..", "..##", "..##"}))
      << Picture(doubled);
}

TEST(Stretch, ShrinkingKeepsThinDarkLines) {
  // A one-pixel line in a 9 x 9 picture survives shrinking to 3 x 3.
  OneBitBitmap source(9, 9);
  for (int y = 0; y < 9; ++y) source.SetDark(4, y, true);
  const OneBitBitmap shrunk = Stretch(source, 3, 3);
  EXPECT_EQ(shrunk, Drawn({".#.", ".#.", ".#."})) << Picture(shrunk);
  EXPECT_EQ(Stretch(source, 1, 1), Drawn({"#"}));
}

TEST(Stretch, FollowsTheCoveringRuleForAnySizes) {
  std::mt19937 random(3);
  const int sizes[][4] = {{7, 5, 20, 11}, {20, 11, 7, 5},  {13, 13, 13, 13},
                          {1, 1, 9, 3},   {33, 2, 10, 17}, {100, 40, 9, 39}};
  for (const auto& s : sizes) {
    OneBitBitmap source(s[0], s[1]);
    for (int y = 0; y < s[1]; ++y)
      for (int x = 0; x < s[0]; ++x) source.SetDark(x, y, random() % 5 == 0);
    EXPECT_EQ(Stretch(source, s[2], s[3]), Expected(source, s[2], s[3]))
        << s[0] << " x " << s[1] << " to " << s[2] << " x " << s[3];
  }
}

}  // namespace
}  // namespace vxcl
