// Graphics, lines, boxes and reversed areas are drawn dot for dot where the
// printer prints them.
#include <gtest/gtest.h>

#include "job/graphic_command.h"
#include "raster/bitmap_drawing.h"
#include "support/graphic_element.h"
#include "support/job_fixture.h"
#include "support/preview_support.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using preview::DotRect;

// A picture with no symmetry, so that a turned or shifted copy never
// matches by chance.
OneBitBitmap Pattern(int width, int height) {
  OneBitBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.SetDark(x, y, (x * 7 + y * 3) % 5 == 0 || (x == 0 && y < 3));
  return b;
}

// An 832 x 400 label with the given rectangles printed.
OneBitBitmap Expected(std::initializer_list<DotRect> rects) {
  OneBitBitmap b(832, 400);
  for (const DotRect& r : rects)
    FillDark(b, static_cast<int>(r.x), static_cast<int>(r.y),
             static_cast<int>(r.width), static_cast<int>(r.height));
  return b;
}

class ExactDrawing : public JobTest {
 protected:
  // The label of the job just sent: 100 x 50 mm on the 104 mm head.
  OneBitBitmap Sent() {
    EXPECT_EQ(PrnQty(1), 1);
    EXPECT_EQ(PrnEnd(), 1);
    preview::StreamPreview drawn = PreviewOfLastJob(kPrinter);
    EXPECT_EQ(drawn.labels.size(), 1u);
    EXPECT_TRUE(drawn.warnings.empty()) << drawn.warnings.front();
    EXPECT_EQ(drawn.labels[0].labelLeft, 32);
    EXPECT_EQ(drawn.labels[0].labelWidth, 800);
    return std::move(drawn.labels[0].dots);
  }
};

TEST_F(ExactDrawing, LinesRunFromTheirPointAndAreThickDownOrRight) {
  OpenJob();                                          // media offset 32
  ASSERT_EQ(PrnDrawLine(10.0, 20.0, 0, 2, 50.0), 1);  // H112 V160 FW02H0400
  ASSERT_EQ(PrnDrawLine(5.0, 1.0, 1, 3, 10.0), 1);    // H72 V8 FW03V0080
  EXPECT_EQ(Sent(), Expected({{112, 160, 400, 2}, {72, 8, 3, 80}}));
}

TEST_F(ExactDrawing, BoxesHaveOuterSizesAndEachPairOfSidesItsThickness) {
  OpenJob();
  // FW0205H0640V0320: top and bottom 2 thick, left and right 5.
  ASSERT_EQ(PrnDrawBox(5.0, 5.0, 2, 5, 80.0, 40.0), 1);
  EXPECT_EQ(Sent(), Expected({{72, 40, 640, 2},
                              {72, 358, 640, 2},
                              {72, 40, 5, 320},
                              {707, 40, 5, 320}}));
}

TEST_F(ExactDrawing, ABoxThickerThanItsSizeIsFilled) {
  OpenJob();
  ASSERT_EQ(PrnDrawBox(0.0, 0.0, 99, 99, 2.0, 2.0), 1);  // 16 x 16 dots
  EXPECT_EQ(Sent(), Expected({{32, 0, 16, 16}}));
}

TEST_F(ExactDrawing, AReversedAreaInvertsWhatWasDrawnBeforeIt) {
  OpenJob();
  ASSERT_EQ(PrnDrawLine(0.0, 1.0, 0, 16, 10.0), 1);    // 80 x 16 at 32, 8
  ASSERT_EQ(PrnReverseImage(5.0, 0.0, 10.0, 4.0), 1);  // 80 x 32 at 72, 0
  ASSERT_EQ(PrnDrawLine(8.0, 2.0, 0, 1, 1.0), 1);      // drawn after it
  EXPECT_EQ(Sent(), Expected({{32, 8, 40, 16},         // line left of the area
                              {72, 0, 80, 8},          // area above the line
                              {112, 8, 40, 16},        // area right of the line
                              {72, 24, 80, 8},         // area below the line
                              {96, 16, 8, 1}}));  // later line, not reversed
}

TEST_F(ExactDrawing, PicturesAreTheirGraphicDotForDot) {
  OpenJob();
  const std::string bmp = std::string(VXCL_SOURCE_DIR) + "/examples/logo.bmp";
  const std::string pcx = std::string(VXCL_SOURCE_DIR) + "/examples/logo.pcx";
  ASSERT_EQ(PrnDrawBMP(0, 2.0, 3.0, 0.0, 0.0, bmp.c_str()), 1);
  ASSERT_EQ(PrnDrawPCX(0, 50.0, 20.0, 0.0, 0.0, pcx.c_str()), 1);
  const OneBitBitmap label = Sent();
  // The two graphic elements, each ending with its rows: ESC "GB", the bytes
  // a row and the blocks of eight rows, then the rows; the trailer follows.
  const std::string job = LastSentJob();
  std::string_view elements = job;
  elements.remove_prefix(OpenJobHeader().size());
  elements.remove_suffix(B("<ESC>Q1<ESC>Z<ETX>").size());
  const std::size_t gb = elements.find("\x1bGB");
  const std::size_t firstLength =
      gb + 9 +
      std::stoul(std::string(elements.substr(gb + 3, 3))) *
          std::stoul(std::string(elements.substr(gb + 6, 3))) * 8;
  const GraphicElement first =
      ParseGraphicElement(elements.substr(0, firstLength));
  const GraphicElement second =
      ParseGraphicElement(elements.substr(firstLength));
  for (const GraphicElement* g : {&first, &second}) {
    const DotRect at{g->h, g->v, g->bitmap.Width(), g->bitmap.Height()};
    EXPECT_EQ(Cut(label, at), g->bitmap) << "graphic at " << g->h;
  }
  // Nothing else is printed.
  OneBitBitmap both(832, 400);
  for (const GraphicElement* g : {&first, &second})
    for (int y = 0; y < g->bitmap.Height(); ++y)
      OrPackedRow(both, static_cast<int>(g->h), static_cast<int>(g->v) + y,
                  g->bitmap.Row(y), g->bitmap.Width());
  EXPECT_EQ(label, both);
}

TEST(GraphicData, HoldsAnyByteAndHexDataDrawsTheSame) {
  OneBitBitmap bits = Pattern(24, 16);
  // Rows of ESC, STX, ETX and NUL bytes, which must not end the data.
  bits.Row(2)[0] = 0x1B;
  bits.Row(3)[1] = 0x02;
  bits.Row(4)[2] = 0x03;
  bits.Row(5)[0] = 0x00;
  const std::string binary = EncodeBitmapGraphic(bits);
  std::string hex = "\x1bGH003002";
  for (std::size_t i = 9; i < binary.size(); ++i) {
    char two[3];
    std::snprintf(two, sizeof two, "%02X",
                  static_cast<unsigned char>(binary[i]));
    hex += two;
  }
  preview::PreviewMetrics metrics;
  metrics.labelLengthDots = 100;
  for (const std::string& graphic : {binary, hex}) {
    const OneBitBitmap label =
        OnlyLabel(LabelFrame("\x1bH100\x1bV50" + graphic), metrics);
    EXPECT_EQ(Cut(label, {100, 50, 24, 16}), bits);
    EXPECT_EQ(InkBounds(label).Empty(), false);
    const DotRect ink = InkBounds(label);
    EXPECT_GE(ink.x, 100);
    EXPECT_LE(ink.x + ink.width, 124);
  }
}

TEST(GraphicData, RowsCutShortStayWhiteWithAWarning) {
  const OneBitBitmap bits = Pattern(16, 16);
  const std::string graphic = EncodeBitmapGraphic(bits);
  // Five whole rows and half of the sixth.
  const std::string cut = graphic.substr(0, 9 + 5 * 2 + 1);
  preview::PreviewMetrics metrics;
  metrics.labelLengthDots = 80;
  const preview::StreamPreview drawn = PreviewOf(
      "\x02\x1b"
      "A\x1bH0\x1bV0" +
          cut,
      metrics);
  ASSERT_EQ(drawn.labels.size(), 1u);
  OneBitBitmap expected = bits;
  expected.Resize(16, 5);
  expected.Resize(16, 16);
  EXPECT_EQ(Cut(drawn.labels[0].dots, {0, 0, 16, 16}), expected);
  ASSERT_FALSE(drawn.warnings.empty());
  EXPECT_NE(drawn.warnings[0].find("5 of 16 rows"), std::string::npos)
      << drawn.warnings[0];
}

}  // namespace
}  // namespace vxcl::test
