// The printer's rotation turns every element counter-clockwise about the
// point its ESC "H" and ESC "V" name.
#include <gtest/gtest.h>

#include "job/graphic_command.h"
#include "raster/bitmap_drawing.h"
#include "raster/bitmap_rotation.h"
#include "support/preview_support.h"

namespace vxcl::test {
namespace {

using preview::DotRect;

constexpr int kH = 400, kV = 200;

OneBitBitmap Pattern(int width, int height) {
  OneBitBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.SetDark(x, y, (x * 7 + y * 3) % 5 == 0 || (x == 0 && y < 3));
  return b;
}

OneBitBitmap Draw(int rotation, const std::string& element) {
  preview::PreviewMetrics metrics;
  metrics.labelLengthDots = 400;
  return OnlyLabel(
      LabelFrame("\x1b%" + std::to_string(rotation) + "\x1bH" +
                 std::to_string(kH) + "\x1bV" + std::to_string(kV) + element),
      metrics);
}

OneBitBitmap Placed(const OneBitBitmap& bits, int x, int y) {
  OneBitBitmap label(832, 400);
  for (int row = 0; row < bits.Height(); ++row)
    OrPackedRow(label, x, y + row, bits.Row(row), bits.Width());
  return label;
}

TEST(Rotation, TurnsAGraphicAboutItsPoint) {
  const OneBitBitmap bits = Pattern(24, 16);
  const std::string graphic = EncodeBitmapGraphic(bits);
  // Where the turned graphic's top-left corner lands.
  const struct {
    int rotation, x, y;
  } cases[] = {
      {0, kH, kV}, {1, kH, kV - 24}, {2, kH - 24, kV - 16}, {3, kH - 16, kV}};
  for (const auto& c : cases)
    EXPECT_EQ(Draw(c.rotation, graphic),
              Placed(RotateBitmap(bits, 90 * c.rotation), c.x, c.y))
        << "rotation " << c.rotation;
}

TEST(Rotation, TurnsLinesAndBoxesAboutTheirPoint) {
  const struct {
    int rotation;
    DotRect line;
  } cases[] = {{0, {kH, kV, 100, 2}},
               {1, {kH, kV - 100, 2, 100}},
               {2, {kH - 100, kV - 2, 100, 2}},
               {3, {kH - 2, kV, 2, 100}}};
  for (const auto& c : cases) {
    const OneBitBitmap label = Draw(c.rotation,
                                    "\x1b"
                                    "FW02H0100");
    EXPECT_EQ(InkBounds(label).x, c.line.x) << c.rotation;
    EXPECT_EQ(InkBounds(label).y, c.line.y) << c.rotation;
    EXPECT_EQ(InkBounds(label).width, c.line.width) << c.rotation;
    EXPECT_EQ(InkBounds(label).height, c.line.height) << c.rotation;
  }
}

TEST(Rotation, UnknownTurnsCountAsNone) {
  const preview::StreamPreview drawn =
      PreviewOf(LabelFrame("\x1b%7\x1bH10\x1bV10\x1b"
                           "FW01H0010"));
  EXPECT_EQ(InkBounds(drawn.labels.at(0).dots).x, 10);
  ASSERT_EQ(drawn.warnings.size(), 1u);
  EXPECT_NE(drawn.warnings[0].find("rotation 7"), std::string::npos);
}

TEST(Rotation, TurnsBarcodesThatStillDecode) {
  // A Code 128 symbol of 136 x 60 dots: under each rotation it lies on the
  // side of the point that the turn says, and reads.
  for (int rotation = 0; rotation < 4; ++rotation) {
    const OneBitBitmap label = Draw(rotation,
                                    "\x1b"
                                    "BG02060>HABC");
    const DotRect ink = InkBounds(label);
    const bool upright = rotation % 2 == 0;
    EXPECT_EQ(upright ? ink.height : ink.width, 60) << rotation;
    EXPECT_EQ(rotation <= 1 ? ink.x : ink.x + ink.width, kH) << rotation;
    EXPECT_EQ(rotation == 0 || rotation == 3 ? ink.y : ink.y + ink.height, kV)
        << rotation;
    const std::vector<Decoded> read = DecodeBarcodes(label);
    ASSERT_EQ(read.size(), 1u) << Show(read);
    EXPECT_EQ(read[0].bytes, "ABC") << rotation;
  }
}

}  // namespace
}  // namespace vxcl::test
