// Printer-font text takes exactly the room its font's cells, the expansion
// and the pitch give it; installed fonts draw the glyphs inside the cells.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/platform.h"
#include "preview/stream_preview.h"
#include "raster/bitmap_drawing.h"
#include "support/preview_support.h"

namespace vxcl::test {
namespace {

using preview::DotRect;

// Every character fills its whole cell: the request's average width wide
// and its cell height high, so the ink shows the cells.
class CellFillingFonts final : public FontRasterizer {
 public:
  std::shared_ptr<RasterFont> Font(const FontRequest& request) override {
    requests.push_back(request);
    return std::make_shared<Filling>(request);
  }
  std::vector<FontRequest> requests;

 private:
  class Filling final : public RasterFont {
   public:
    explicit Filling(FontRequest r) : r_(std::move(r)) {}
    TextExtent Extent(std::u32string_view text) override {
      return {static_cast<int>(text.size()) * r_.width, r_.height};
    }
    void Draw(std::u32string_view text, int x, int y,
              OneBitBitmap& target) override {
      FillDark(target, x, y, static_cast<int>(text.size()) * r_.width,
               r_.height);
    }

   private:
    FontRequest r_;
  };
};

// The cells' columns and the text's height, as the ink shows them.
struct Ink {
  std::vector<DotRect> cells;  // runs of inked columns, left to right
  long long top = 0, height = 0;
};

Ink InkOf(const OneBitBitmap& label) {
  Ink ink;
  const DotRect all = InkBounds(label);
  ink.top = all.y;
  ink.height = all.height;
  for (int x = 0; x < label.Width(); ++x) {
    bool inked = false;
    for (int y = 0; y < label.Height() && !inked; ++y)
      inked = label.IsDark(x, y);
    if (!inked) continue;
    if (!ink.cells.empty() && ink.cells.back().x + ink.cells.back().width == x)
      ++ink.cells.back().width;
    else
      ink.cells.push_back({x, all.y, 1, all.height});
  }
  return ink;
}

struct Case {
  const char* what;
  std::string elements;  // after ESC "H100" ESC "V50"
  int dotsPerMm;
  long long cellWidth, gap, height;
  std::size_t characters;
};

// Tests are named by what each case shows.
void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class CellCases : public ::testing::TestWithParam<Case> {};

TEST_P(CellCases, TextTakesItsCellsAndGaps) {
  const Case& c = GetParam();
  CellFillingFonts fonts;
  preview::PreviewMetrics metrics;
  metrics.dotsPerMm = c.dotsPerMm;
  metrics.headWidthDots = 1600;
  metrics.labelLengthDots = 800;
  const preview::StreamPreview drawn = preview::PreviewStream(
      LabelFrame("\x1bH100\x1bV50" + c.elements), metrics, fonts);
  ASSERT_EQ(drawn.labels.size(), 1u);
  EXPECT_TRUE(drawn.warnings.empty()) << drawn.warnings[0];
  const Ink ink = InkOf(drawn.labels[0].dots);
  EXPECT_EQ(ink.top, 50) << c.what;
  EXPECT_EQ(ink.height, c.height) << c.what;
  ASSERT_EQ(ink.cells.size(), c.characters) << c.what;
  for (std::size_t i = 0; i < ink.cells.size(); ++i) {
    EXPECT_EQ(ink.cells[i].x,
              100 + static_cast<long long>(i) * (c.cellWidth + c.gap))
        << c.what << ", character " << i;
    EXPECT_EQ(ink.cells[i].width, c.cellWidth) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, CellCases,
    ::testing::Values(
        Case{"S 8 x 15, pitch 2", "\x1bP02\x1bSABC", 8, 8, 2, 15, 3},
        Case{"U 5 x 9, pitch 5", "\x1bP05\x1bUAB", 8, 5, 5, 9, 2},
        Case{"M 13 x 20, no pitch given: 2", "\x1bMAB", 8, 13, 2, 20, 2},
        Case{"XM expanded 3 x 2: cells 72 x 48, pitch 4 becomes 12",
             "\x1bL0302\x1bP04\x1bXMAB", 8, 72, 12, 48, 2},
        Case{"WB: the smoothing digit is not text", "\x1bP01\x1bWB1AB", 8, 18,
             1, 30, 2},
        Case{"OCR-B keeps its size on a 305 dpi head: 30 x 36",
             "\x1bP01\x1bOBAB", 12, 30, 1, 36, 2},
        Case{"OCR-A on a 609 dpi head: 44 x 66", "\x1bP01\x1bOAAB", 24, 44, 1,
             66, 2},
        Case{"S keeps its dots on a 305 dpi head", "\x1bP01\x1bSAB", 12, 8, 1,
             15, 2},
        Case{"vector font B: its cells, the pitch unexpanded",
             "\x1bL0202\x1bP03\x1b$B,100,120,0\x1b$=AB", 8, 100, 3, 120, 2},
        Case{"vector font A: average width as the cell",
             "\x1bP03\x1b$A,60,80,0\x1b$=AB", 8, 60, 3, 80, 2},
        Case{"raster font in dots", "\x1bP02\x1bRDB00,024,032,AB", 8, 24, 2, 32,
             2},
        Case{"raster font in points: P10 is 3.5 mm, 28 dots",
             "\x1bP01\x1bRDA00,P10,P10,AB", 8, 28, 1, 28, 2}));

TEST(PrinterText, PitchFallsBackToTwoAfterEachText) {
  CellFillingFonts fonts;
  const preview::StreamPreview drawn = preview::PreviewStream(
      LabelFrame("\x1bH0\x1bV0\x1bP09\x1bUAB\x1bH0\x1bV100\x1bUAB"), {}, fonts);
  const OneBitBitmap& label = drawn.labels.at(0).dots;
  EXPECT_TRUE(label.IsDark(14, 0));   // second cell after 5 + 9
  EXPECT_TRUE(label.IsDark(7, 100));  // second cell after 5 + 2
  EXPECT_FALSE(label.IsDark(7, 0));
}

TEST(PrinterText, ExpansionLastsUntilTheLabelEnds) {
  CellFillingFonts fonts;
  const std::string label = "\x1bL0202\x1bH0\x1bV0\x1bUA\x1bH0\x1bV100\x1bUA";
  const preview::StreamPreview drawn = preview::PreviewStream(
      LabelFrame(label) + LabelFrame("\x1bH0\x1bV0\x1bUA"), {}, fonts);
  ASSERT_EQ(drawn.labels.size(), 2u);
  EXPECT_EQ(InkBounds(drawn.labels[0].dots).width, 10);  // both doubled
  EXPECT_EQ(InkBounds(drawn.labels[0].dots).height, 118);
  EXPECT_EQ(InkBounds(drawn.labels[1].dots).width, 5);  // next label: 1x
}

TEST(PrinterText, ProportionalSpacingOnlyForTheFontsThatHaveIt) {
  CellFillingFonts fonts;
  preview::PreviewStream(LabelFrame("\x1bPS\x1bXMa\x1bUa\x1bPR\x1bXMa"), {},
                         fonts);
  ASSERT_EQ(fonts.requests.size(), 3u);
  EXPECT_EQ(fonts.requests[0].faceName, "DejaVu Sans");       // XM with PS
  EXPECT_EQ(fonts.requests[1].faceName, "DejaVu Sans Mono");  // U never
  EXPECT_EQ(fonts.requests[2].faceName, "DejaVu Sans Mono");  // XM with PR
}

TEST(PrinterText, TurnsAboutItsPoint) {
  CellFillingFonts fonts;
  preview::PreviewMetrics metrics;
  metrics.labelLengthDots = 400;
  // "AB" in S: 18 x 15 dots unturned.
  const struct {
    int rotation;
    DotRect ink;
  } cases[] = {{0, {300, 200, 18, 15}},
               {1, {300, 182, 15, 18}},
               {2, {282, 185, 18, 15}},
               {3, {285, 200, 15, 18}}};
  for (const auto& c : cases) {
    const preview::StreamPreview drawn =
        preview::PreviewStream(LabelFrame("\x1b%" + std::to_string(c.rotation) +
                                          "\x1bH300\x1bV200\x1bSAB"),
                               metrics, fonts);
    const DotRect ink = InkBounds(drawn.labels.at(0).dots);
    EXPECT_EQ(ink.x, c.ink.x) << c.rotation;
    EXPECT_EQ(ink.y, c.ink.y) << c.rotation;
    EXPECT_EQ(ink.width, c.ink.width) << c.rotation;
    EXPECT_EQ(ink.height, c.ink.height) << c.rotation;
  }
}

TEST(PrinterText, InstalledFontsDrawInsideTheCells) {
  // With the real fonts every glyph stays in its cell and fills a good part
  // of its height.
  preview::PreviewMetrics metrics;
  metrics.labelLengthDots = 200;
  const OneBitBitmap label = OnlyLabel(
      LabelFrame("\x1bH100\x1bV50\x1bL0202\x1bP03\x1bXMHgW"), metrics);
  const DotRect ink = InkBounds(label);
  EXPECT_GE(ink.x, 100);
  EXPECT_GE(ink.y, 50);
  EXPECT_LE(ink.x + ink.width, 100 + 3 * 48 + 2 * 6);
  EXPECT_LE(ink.y + ink.height, 50 + 48);
  EXPECT_GE(ink.height, 30);
  for (int gapColumn = 148; gapColumn < 154; ++gapColumn)
    for (int y = 0; y < label.Height(); ++y)
      ASSERT_FALSE(label.IsDark(gapColumn, y)) << "pitch gap at " << gapColumn;
}

}  // namespace
}  // namespace vxcl::test
