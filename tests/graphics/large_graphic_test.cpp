// Graphics too large for one graphic command (its sizes have three digits)
// go to the printer in parts that each fit, and print as the whole would;
// a job stays within its size limit.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "dump.h"
#include "job/graphic_command.h"
#include "platform/platform.h"
#include "preview/placement.h"
#include "support/bytes.h"
#include "support/fake_fonts.h"
#include "support/job_fixture.h"
#include "support/pictures.h"
#include "support/preview_support.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

// Dots set at random, so that a part out of place shows.
OneBitBitmap Speckled(int width, int height) {
  std::mt19937 random(12345);
  OneBitBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (random() % 3 == 0) bitmap.SetDark(x, y, true);
  return bitmap;
}

std::string LastError() {
  char message[400] = {};
  VxclLastError(message, sizeof message);
  return message;
}

// Every ESC "GB" header of a stream: its six digits.
std::vector<std::string> GraphicSizes(std::string_view stream) {
  std::vector<std::string> sizes;
  for (const std::string& line : vxlabel::DumpStream(stream)) {
    if (line.rfind("<ESC>GB", 0) != 0) continue;
    EXPECT_EQ(line.find("missing"), std::string::npos) << line;
    sizes.push_back(line.substr(7, 6));
  }
  return sizes;
}

TEST(GraphicElements, PartsFitThreeDigitsAndKeepTheirPlace) {
  const std::string gb = B("<ESC>GB");
  struct Case {
    int width, height, direction;
    std::string heads;  // each element without its data
  } cases[] = {
      // What fits one command is one element, as always.
      {7992, 8, 0, B("<ESC>%0<ESC>H100<ESC>V200") + gb + "999001"},
      {8, 7992, 0, B("<ESC>%0<ESC>H100<ESC>V200") + gb + "001999"},
      {8000, 8, 0,
       B("<ESC>%0<ESC>H100<ESC>V200") + gb + "999001" +
           B("<ESC>%0<ESC>H8092<ESC>V200") + gb + "001001"},
      {8, 8000, 0,
       B("<ESC>%0<ESC>H100<ESC>V200") + gb + "001999" +
           B("<ESC>%0<ESC>H100<ESC>V8192") + gb + "001001"},
      // The printer turns each part about its own point.
      {8000, 8, 1,
       B("<ESC>%1<ESC>H100<ESC>V200") + gb + "999001" +
           B("<ESC>%1<ESC>H100<ESC>V-7792") + gb + "001001"},
      {8, 8000, 2,
       B("<ESC>%2<ESC>H100<ESC>V200") + gb + "001999" +
           B("<ESC>%2<ESC>H100<ESC>V-7792") + gb + "001001"},
      {8, 8000, 3,
       B("<ESC>%3<ESC>H100<ESC>V200") + gb + "001999" +
           B("<ESC>%3<ESC>H-7892<ESC>V200") + gb + "001001"},
  };
  for (const Case& c : cases) {
    const OneBitBitmap blank(c.width, c.height);
    Expected<std::string> text = GraphicElements(c.direction, 100, 200, blank);
    ASSERT_TRUE(text);
    std::string heads;
    for (std::size_t at = 0; at < text->size();) {
      const std::size_t gbAt = text->find(gb, at);
      ASSERT_NE(gbAt, std::string::npos);
      const long long rowBytes = std::stoll(text->substr(gbAt + 3, 3));
      const long long blocks = std::stoll(text->substr(gbAt + 6, 3));
      heads += text->substr(at, gbAt + 9 - at);
      at = gbAt + 9 + static_cast<std::size_t>(rowBytes * blocks * 8);
    }
    EXPECT_EQ(Show(heads), Show(c.heads))
        << c.width << " x " << c.height << " turned " << c.direction;
  }
}

// Wide and tall bitmaps under each printer rotation: the preview of the
// parts is the preview of the bitmap placed whole.
TEST(GraphicElements, PartsPrintAsTheWholeUnderEveryRotation) {
  preview::PreviewMetrics metrics;
  metrics.headWidthDots = 8200;
  metrics.labelLengthDots = 8200;
  // Points from which each turn keeps the bitmap on the label.
  const int points[4][2] = {{50, 50}, {50, 8100}, {8100, 8100}, {8100, 50}};
  for (const auto& [width, height] : {std::pair{8008, 16}, {16, 8008}})
    for (int direction = 0; direction < 4; ++direction) {
      const OneBitBitmap bitmap = Speckled(width, height);
      const int h = points[direction][0], v = points[direction][1];
      Expected<std::string> text = GraphicElements(direction, h, v, bitmap);
      ASSERT_TRUE(text);
      const OneBitBitmap printed = OnlyLabel(LabelFrame(*text), metrics);
      OneBitBitmap whole(printed.Width(), printed.Height());
      preview::Placement(whole, h, v, direction).OrBitmap(bitmap, 0, 0);
      EXPECT_TRUE(printed == whole)
          << width << " x " << height << " turned " << direction;
    }
}

class LargeGraphicTest : public JobTest {
 protected:
  ScratchDir dir_;
};

// A picture 7992 dots tall on a 1000 mm label is padded to 8000 rows.
TEST_F(LargeGraphicTest, TallPictureOnALongLabelPrintsWhole) {
  const OneBitBitmap dots = Speckled(16, 7992);
  const std::string file =
      dir_.Write("tall.bmp", Bmp24(16, 7992, [&](int x, int y) {
                   return dots.IsDark(x, y) ? kBlack : kWhite;
                 }));
  ASSERT_EQ(PrnInit(kPrinter, 3, 4, 104.0, 1000.0, 0.0), 1);
  ASSERT_EQ(PrnDrawBMP(0, 1.0, 0.0, 0.0, 0.0, file.c_str()), 1);
  const std::string job = PrintedJob();
  EXPECT_EQ(GraphicSizes(job), (std::vector<std::string>{"003999", "003001"}));
  const preview::StreamPreview drawn = PreviewOfLastJob(kPrinter);
  EXPECT_TRUE(drawn.warnings.empty()) << drawn.warnings[0];
  ASSERT_EQ(drawn.labels.size(), 1u);
  const OneBitBitmap& label = drawn.labels[0].dots;
  ASSERT_EQ(label.Height(), 8000);
  OneBitBitmap expected(label.Width(), label.Height());
  preview::Placement(expected, 8, 0, 0).OrBitmap(dots, 0, 0);
  EXPECT_TRUE(label == expected);
}

// TrueType text 9000 dots long, drawn with predictable glyphs.
TEST_F(LargeGraphicTest, LongTextPrintsWhole) {
  FakeFonts fonts;
  Platform platform = CurrentPlatform();
  platform.fonts = &fonts;
  ReplacePlatform(platform);
  const std::u32string text(900, U'W');
  OpenJob();
  ASSERT_EQ(PrnTrueTypeFont(0, 0.0, 2.0, "Any", 24, 0, 0, 0, 0, 0, 0, 0, 0.0,
                            std::string(900, 'W').c_str()),
            1);
  const std::string job = PrintedJob();
  // 9000 dots padded to 9008: 1126 bytes a row; 20 rows padded to 24.
  EXPECT_EQ(GraphicSizes(job), (std::vector<std::string>{"999003", "127003"}));
  preview::PreviewMetrics wide;
  wide.headWidthDots = 9100;
  wide.labelLengthDots = 100;
  preview::StreamPreview drawn = PreviewOf(job, wide);
  EXPECT_TRUE(drawn.warnings.empty()) << drawn.warnings[0];
  const OneBitBitmap rendered = fonts.Rendered(text, 9000, 20);
  OneBitBitmap expected(wide.headWidthDots, 100);
  // The 100 mm label of OpenJob starts 32 dots in; y 2 mm is 16 dots.
  preview::Placement(expected, 32, 16, 0).OrBitmap(rendered, 0, 0);
  EXPECT_TRUE(drawn.labels.at(0).dots == expected);
}

TEST_F(LargeGraphicTest, PartsBeyondTheNamablePositionsAreRefused) {
  const std::string file =
      dir_.Write("wide.bmp", Bmp24(8000, 1, [](int, int) { return kBlack; }));
  OpenJob();
  const std::string before = job().body;
  EXPECT_EQ(PrnDrawBMP(0, 1e9, 0.0, 0.0, 0.0, file.c_str()),
            VXCL_GRAPHIC_UNPLACEABLE);
  EXPECT_EQ(LastError(),
            "PrnDrawBMP: the graphic of 8008 x 8 dots is sent in parts, and "
            "the part at (7992, 0) would lie at H 2147491639, V 0, beyond the "
            "positions a command can name; nothing added");
  EXPECT_EQ(job().body, before);
}

// One picture stretched to the largest size would add 134 MB: refused at
// once, before anything is drawn, and the job prints as it was.
TEST_F(LargeGraphicTest, JobSizeLimitRefusesBeforeDrawing) {
  const std::string dot =
      dir_.Write("dot.bmp", Bmp24(1, 1, [](int, int) { return kBlack; }));
  OpenJob();
  ASSERT_EQ(PrnDrawBMP(0, 0.0, 0.0, 0.0, 0.0, dot.c_str()), 1);
  const std::string before = job().body;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(PrnDrawBMP(0, 0.0, 0.0, 4095.0, 4095.0, dot.c_str()),
            VXCL_JOB_TOO_LARGE);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(LastError(),
            "PrnDrawBMP: the picture of 32760 x 32760 dots would add "
            "134218928 bytes to the job's " +
                std::to_string(before.size()) +
                ", more than the 67108864 bytes (64 MiB) one job may hold; "
                "nothing added");
  EXPECT_EQ(job().body, before);

  // Elements of any kind add up to the same limit.
  const std::string text(4 << 20, 'A');
  int added = 0, result = 1;
  while (result == 1 && added < 20) {
    result = PrnInternalFont(0, 1.0, 1.0, "U", 1, 1, 0, text.c_str());
    if (result == 1) ++added;
  }
  EXPECT_EQ(result, VXCL_JOB_TOO_LARGE);
  EXPECT_EQ(added, 15);
  EXPECT_LE(job().body.size(), std::size_t{64} << 20);
  ASSERT_EQ(PrnQty(1), 1);
  EXPECT_EQ(PrnEnd(), 1);
}

}  // namespace
}  // namespace vxcl::test
