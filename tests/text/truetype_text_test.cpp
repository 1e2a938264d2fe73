// PrnTrueTypeFont: the choice of plain or styled rendering, turns, cuts at
// the label's edges, alignment and the element's bytes, on a font system
// whose glyphs are predictable.
#include "text/truetype_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "job/graphic_command.h"
#include "raster/bitmap_rotation.h"
#include "support/bytes.h"
#include "support/fake_fonts.h"
#include "support/graphic_element.h"
#include "support/job_fixture.h"
#include "support/pictures.h"
#include "vxclcmd.h"

namespace vxcl {
namespace {

using test::B;
using Element = test::GraphicElement;
using test::FakeFonts;
using test::Picture;
using test::Show;

// The bitmap grown (or cut) to width x height at its top left.
OneBitBitmap Sized(OneBitBitmap bitmap, int width, int height) {
  bitmap.Resize(width, height);
  return bitmap;
}

// The pixels of `bitmap` from (left, top) on, width x height.
OneBitBitmap Cropped(const OneBitBitmap& bitmap, int left, int top, int width,
                     int height) {
  OneBitBitmap part(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (left + x < bitmap.Width() && top + y < bitmap.Height())
        part.SetDark(x, y, bitmap.IsDark(left + x, top + y));
  return part;
}

class TrueTypeTextTest : public test::JobTest {
 protected:
  void SetUp() override {
    JobTest::SetUp();
    UseFonts(&fonts);
    OpenJob();
  }

  static void UseFonts(FontRasterizer* rasterizer) {
    Platform platform = CurrentPlatform();
    platform.fonts = rasterizer;
    ReplacePlatform(platform);
  }

  static int Call(const TrueTypeTextArgs& a) {
    const std::string font(a.fontName), text(a.text);
    return PrnTrueTypeFont(a.rotation, a.x, a.y, font.c_str(), a.fontSize,
                           a.charWidth, a.charHeight, a.weight, a.italic,
                           a.underline, a.strikeOut, a.alignMode, a.alignOffset,
                           text.c_str());
  }

  // Ends the job: the first element the printer received.
  Element Printed() { return test::ParseGraphicElement(PrintedElements()); }

  // The fake's text drawn unturned in its cell (cx x cy).
  OneBitBitmap Cell(std::u32string_view text) {
    return fonts.Rendered(text, FakeFonts::kAdvance * int(text.size()),
                          FakeFonts::kCellHeight);
  }

  FakeFonts fonts;
};

TEST_F(TrueTypeTextTest, WithoutAJobNothingIsDrawnOrAsked) {
  PrintedJob();
  EXPECT_EQ(Call({.rotation = 45, .text = "AB"}), 0);
  EXPECT_TRUE(fonts.requests.empty());
}

TEST_F(TrueTypeTextTest, StyleSumChoosesPlainOrStyledFont) {
  struct Case {
    const char* what;
    TrueTypeTextArgs args;
    int height, width, weight;
    bool italic, underline, strikeOut;
  } cases[] = {
      {"nothing asked: plain, normal weight", {}, -32, 0, 400, 0, 0, 0},
      {"charWidth alone: styled, no size, weight 0 written",
       {.charWidth = 10},
       -32,
       0,
       0,
       0,
       0,
       0},
      {"weight -1 and italic 1 add up to 0: plain",
       {.weight = -1, .italic = 1},
       -32,
       0,
       400,
       0,
       0,
       0},
      {"both sizes positive: cell height and average width",
       {.charWidth = 10, .charHeight = 30},
       30,
       10,
       0,
       0,
       0,
       0},
      {"a negative width keeps the point size",
       {.charWidth = -5, .charHeight = 30},
       -32,
       0,
       0,
       0,
       0,
       0},
      {"weight in hundreds", {.weight = 7}, -32, 0, 700, 0, 0, 0},
      {"only the low byte of a style counts",
       {.italic = 0x100},
       -32,
       0,
       0,
       0,
       0,
       0},
      {"all three styles",
       {.italic = 1, .underline = 2, .strikeOut = -1},
       -32,
       0,
       0,
       1,
       1,
       1},
      {"a turn alone asks for styles", {.rotation = 270}, -32, 0, 0, 0, 0, 0},
      {"the sum wraps like a 32-bit integer",
       {.weight = INT_MAX, .italic = 1},
       -32,
       0,
       400,
       0,
       0,
       0},
  };
  for (Case& c : cases) {
    fonts.requests.clear();
    c.args.fontSize = 24;
    c.args.text = "AB";
    EXPECT_EQ(Call(c.args), 1) << c.what;
    ASSERT_EQ(fonts.requests.size(), 1u) << c.what;
    const FontRequest& r = fonts.requests[0];
    EXPECT_EQ(r.height, c.height) << c.what;
    EXPECT_EQ(r.width, c.width) << c.what;
    EXPECT_EQ(r.weight, c.weight) << c.what;
    EXPECT_EQ(r.italic, c.italic) << c.what;
    EXPECT_EQ(r.underline, c.underline) << c.what;
    EXPECT_EQ(r.strikeOut, c.strikeOut) << c.what;
  }
}

TEST_F(TrueTypeTextTest, PointsBecomeTheCharacterHeightAtNinetySixPerInch) {
  // MulDiv(size, 96, 72), rounded half away from zero and negated; a
  // negative size gives a cell height; an overflow gives MulDiv's -1.
  const int cases[][2] = {{24, -32}, {10, -13}, {11, -15}, {9, -12},
                          {-10, 13}, {-11, 15}, {0, 0},    {INT_MAX, 1}};
  for (const auto& [points, height] : cases) {
    fonts.requests.clear();
    Call({.fontSize = points, .text = "A"});
    ASSERT_EQ(fonts.requests.size(), 1u);
    EXPECT_EQ(fonts.requests[0].height, height) << points << " points";
  }
}

TEST_F(TrueTypeTextTest, FaceNamesAndTextsAreDecoded) {
  // Null: the default face and the empty text.
  EXPECT_EQ(
      PrnTrueTypeFont(0, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr), 1);
  Call({.fontName = "Caf\xE9 Sans", .text = "\xE9t\xC3\xA9"});
  ASSERT_EQ(fonts.requests.size(), 2u);
  EXPECT_EQ(fonts.requests[0].faceName, "");
  EXPECT_EQ(fonts.requests[1].faceName, "Caf\xC3\xA9 Sans");
  ASSERT_EQ(fonts.drawnTexts.size(), 2u);
  EXPECT_EQ(fonts.drawnTexts[0], U"");
  EXPECT_EQ(fonts.drawnTexts[1], U"\u00e9t\u00e9");
}

TEST_F(TrueTypeTextTest, PrinterRotationsPrefixAnUnturnedGraphic) {
  for (int rotation = 0; rotation <= 3; ++rotation) {
    OpenJob();
    EXPECT_EQ(Call({.rotation = rotation, .x = 5.0, .y = 10.0, .text = "AB"}),
              1);
    // "AB" is 20 x 20; padding makes it 24 x 24.
    const std::string prefix = "<ESC>%" + std::to_string(rotation);
    const OneBitBitmap expected = Sized(Cell(U"AB"), 24, 24);
    EXPECT_EQ(Show(PrintedElements()), Show(B(prefix + "<ESC>H72<ESC>V80") +
                                            EncodeBitmapGraphic(expected)));
  }
}

TEST_F(TrueTypeTextTest, TurnsMoveTheGraphicSoItsCornerStaysAtXY) {
  // "ABC" is 30 x 20; x and y are 160 dots; the media offset is 32.
  struct Case {
    int rotation;
    const char* header;
    long long h, v;
  } cases[] = {
      {90, "<ESC>GB003004", 192, 130},   // 20 x 30 turned, y - 30
      {180, "<ESC>GB004003", 162, 140},  // x - 30, y - 20
      {270, "<ESC>GB003004", 172, 160},  // x - 20
  };
  for (const Case& c : cases) {
    OpenJob();
    EXPECT_EQ(
        Call({.rotation = c.rotation, .x = 20.0, .y = 20.0, .text = "ABC"}), 1);
    const Element e = Printed();
    EXPECT_EQ(Show(e.prefix), "<ESC>%0") << c.rotation;
    EXPECT_EQ(Show(e.header), Show(B(c.header))) << c.rotation;
    EXPECT_EQ(e.h, c.h) << c.rotation;
    EXPECT_EQ(e.v, c.v) << c.rotation;
    // Exactly the unturned text turned, then padded.
    const OneBitBitmap turned = RotateBitmap(Cell(U"ABC"), c.rotation);
    const OneBitBitmap expected =
        Sized(turned, PaddedSide(turned.Width()), PaddedSide(turned.Height()));
    EXPECT_EQ(e.bitmap, expected) << c.rotation << "\n" << Picture(e.bitmap);
  }
}

// A font system that turns text itself (as Windows' does): each turned
// drawing marks the turned cell's top-left corner and is recorded.
class TurningFonts final : public FontRasterizer {
 public:
  struct Call {
    int quarters, x, y, width, height;
  };

  std::shared_ptr<RasterFont> Font(const FontRequest&) override {
    return std::make_shared<TurningFont>(*this);
  }

  std::vector<Call> calls;
  int unturnedDraws = 0;

 private:
  struct TurningFont final : RasterFont {
    explicit TurningFont(TurningFonts& owner) : owner(owner) {}
    TextExtent Extent(std::u32string_view text) override {
      return {10 * static_cast<int>(text.size()), 20};
    }
    void Draw(std::u32string_view, int, int, OneBitBitmap&) override {
      ++owner.unturnedDraws;
    }
    bool TurnsText() const override { return true; }
    void DrawTurned(std::u32string_view, int quarters, int x, int y,
                    OneBitBitmap& target) override {
      owner.calls.push_back({quarters, x, y, target.Width(), target.Height()});
      if (x >= 0 && y >= 0 && x < target.Width() && y < target.Height())
        target.SetDark(x, y, true);
    }
    TurningFonts& owner;
  };
};

TEST_F(TrueTypeTextTest, AFontSystemThatTurnsTextDrawsItInThePaddedWindow) {
  TurningFonts turning;
  UseFonts(&turning);
  // "ABC" is 30 x 20: a quarter turn makes it 20 x 30, padded 24 x 32.
  ASSERT_EQ(Call({.rotation = 90, .x = 20.0, .y = 20.0, .text = "ABC"}), 1);
  ASSERT_EQ(turning.calls.size(), 1u);
  EXPECT_EQ(turning.calls[0].quarters, 1);
  EXPECT_EQ(turning.calls[0].x, 0);
  EXPECT_EQ(turning.calls[0].y, 0);
  EXPECT_EQ(turning.calls[0].width, 24);
  EXPECT_EQ(turning.calls[0].height, 32);
  EXPECT_EQ(turning.unturnedDraws, 0);
  Element e = Printed();
  EXPECT_EQ(Show(e.header), Show(B("<ESC>GB003004")));
  EXPECT_EQ(e.v, 160 - 30);
  EXPECT_TRUE(e.bitmap.IsDark(0, 0));

  // A half turn at y 1 mm moves the text 12 rows above the label: they are
  // cut, and the drawing starts above the window.
  OpenJob();
  ASSERT_EQ(Call({.rotation = 180, .x = 20.0, .y = 1.0, .text = "ABC"}), 1);
  ASSERT_EQ(turning.calls.size(), 2u);
  EXPECT_EQ(turning.calls[1].quarters, 2);
  EXPECT_EQ(turning.calls[1].y, -12);  // 8 dots - 20 tall
  EXPECT_EQ(turning.calls[1].height, 16);
  e = Printed();
  EXPECT_EQ(e.v, 0);
  EXPECT_FALSE(e.bitmap.IsDark(0, 0));
}

TEST_F(TrueTypeTextTest, OtherRotationsDrawUnturnedWithCodeSeven) {
  for (int rotation : {45, -1, 4, 91, 360, INT_MIN}) {
    OpenJob();
    EXPECT_EQ(Call({.rotation = rotation, .x = 20.0, .y = 20.0, .text = "ABC"}),
              7)
        << rotation;
    EXPECT_EQ(Show(PrintedElements().substr(0, 22)),
              Show(B("<ESC>%0<ESC>H192<ESC>V160<ESC>GB004003")))
        << rotation;
  }
}

TEST_F(TrueTypeTextTest, PlainRenderingLeavesTheTurnOut) {
  // 90 degrees with weight -1: the sum is 0, so the text is plain and
  // unturned, and its position unchanged.
  EXPECT_EQ(
      Call({.rotation = 90, .x = 20.0, .y = 20.0, .weight = -1, .text = "ABC"}),
      1);
  EXPECT_EQ(Show(PrintedElements().substr(0, 22)),
            Show(B("<ESC>%0<ESC>H192<ESC>V160<ESC>GB004003")));
}

TEST_F(TrueTypeTextTest, AlignmentRules) {
  // Nine characters: 90 dots wide, padded to Bw = 96. x is 80 dots. CL
  // labels lie at the head's far edge (media offset 832 - width), CT400
  // labels are centred on it.
  struct Case {
    const char* what;
    int alignMode;
    double offset;
    bool ct400;
    double widthMm, shiftMm;
    long long h;
  } cases[] = {
      {"0: x, media offset and offset", 0, 1.0, false, 100, 0, 80 + 32 + 8},
      {"0 with a shift", 0, 1.0, false, 100, 0.625, 80 + 32 + 8 + 5},
      {"1: the offset from the label's left edge", 1, 1.0, false, 100, 0,
       32 + 8},
      {"2: centred, even", 2, 0.0, false, 50, 0, 152 + 432},
      {"2: centred, odd", 2, 0.0, false, 50.125, 0, 153 + 431},
      {"2: narrower label, truncated toward zero", 2, 0.0, false, 6.25, 0,
       -22 + 782},
      {"2: with offset and shift", 2, -1.0, false, 50, 0.375,
       152 + 432 - 7 + 3},
      {"3: printer's right edge", 3, 1.0, false, 100, 0, 832 - 96 + 8},
      {"3: less a centred label's offset", 3, 1.0, true, 100, 0,
       832 - 96 + 8 - 16},
      {"5: x alone", 5, 1.0, false, 100, 0, 80},
      {"-1: x alone", -1, 1.0, true, 100, 0, 80},
      {"-1 with a shift", -1, 1.0, true, 100, 0.875, 87},
  };
  for (const Case& c : cases) {
    if (c.ct400)
      OpenCt400Job(c.widthMm, c.shiftMm);
    else
      OpenJob(c.widthMm, c.shiftMm);
    EXPECT_EQ(Call({.x = 10.0,
                    .y = 5.0,
                    .alignMode = c.alignMode,
                    .alignOffset = c.offset,
                    .text = "123456789"}),
              1)
        << c.what;
    const Element e = Printed();
    EXPECT_EQ(Show(e.header), Show(B("<ESC>GB012003"))) << c.what;
    EXPECT_EQ(e.h, c.h) << c.what;
    EXPECT_EQ(e.v, 40) << c.what;
  }
}

TEST_F(TrueTypeTextTest, AlignmentIgnoresTheMoveOfATurn) {
  // Half a turn of "ABC" moves x by 30, but centring does not use x.
  Call({.rotation = 180, .x = 20.0, .y = 20.0, .alignMode = 2, .text = "ABC"});
  const Element e = Printed();
  EXPECT_EQ(e.h, (800 - 32) / 2 + 32);
  EXPECT_EQ(e.v, 140);
}

TEST_F(TrueTypeTextTest, TextWiderThanTheLabelIsNotCut) {
  const std::string text(100, 'W');  // 1000 dots on an 800-dot label
  EXPECT_EQ(Call({.text = text}), 1);
  const Element e = Printed();
  EXPECT_EQ(Show(e.header), Show(B("<ESC>GB126003")));
  EXPECT_TRUE(e.bitmap.IsDark(990, 0));
}

TEST_F(TrueTypeTextTest, TurnedTextPushedOffTheLabelIsCutThere) {
  struct Case {
    const char* what;
    TrueTypeTextArgs args;
    std::u32string text;
    int cutLeft, cutTop;  // in the turned text
    int width, height;    // padded
    long long h, v;
  } cases[] = {
      {"90 at y 16: 40 tall, 24 rows above the top",
       {.rotation = 90, .x = 5.0, .y = 2.0, .text = "ABCD"},
       U"ABCD",
       0,
       24,
       24,
       24,
       40 + 32,
       0},
      {"270 at x 8: 20 wide, 12 columns left of the edge",
       {.rotation = 270, .x = 1.0, .y = 5.0, .text = "AB"},
       U"AB",
       12,
       0,
       16,
       24,
       32,
       40},
      {"180 at (8, 8): cut on both sides",
       {.rotation = 180, .x = 1.0, .y = 1.0, .text = "ABC"},
       U"ABC",
       22,
       12,
       16,
       16,
       32,
       0},
      {"90 at y 0: the whole text is above the label",
       {.rotation = 90, .x = 5.0, .y = 0.0, .text = "AB"},
       U"AB",
       0,
       20,
       24,
       8,
       72,
       0},
      {"270 at x 8 centred: x is not used, nothing is cut",
       {.rotation = 270, .x = 1.0, .y = 5.0, .alignMode = 2, .text = "AB"},
       U"AB",
       0,
       0,
       24,
       24,
       (800 - 24) / 2 + 32,
       40},
      {"270 at x 8 with rule 5: cut, and written as 0",
       {.rotation = 270, .x = 1.0, .y = 5.0, .alignMode = 5, .text = "AB"},
       U"AB",
       12,
       0,
       16,
       24,
       0,
       40},
  };
  for (const Case& c : cases) {
    OpenJob();
    EXPECT_EQ(Call(c.args), 1) << c.what;
    const Element e = Printed();
    EXPECT_EQ(e.h, c.h) << c.what;
    EXPECT_EQ(e.v, c.v) << c.what;
    const OneBitBitmap turned = RotateBitmap(Cell(c.text), c.args.rotation);
    const OneBitBitmap expected =
        Cropped(turned, c.cutLeft, c.cutTop, c.width, c.height);
    EXPECT_EQ(e.bitmap, expected) << c.what << "\n" << Picture(e.bitmap);
  }
}

TEST_F(TrueTypeTextTest, UnturnedTextKeepsANegativePosition) {
  Call({.x = -1.0, .y = -1.0, .text = "AB"});
  const Element e = Printed();
  // -1 mm is -7.5 dots, truncated toward zero.
  EXPECT_EQ(e.h, -7 + 32);
  EXPECT_EQ(e.v, -7);
  EXPECT_EQ(e.bitmap, Sized(Cell(U"AB"), 24, 24));
}

TEST_F(TrueTypeTextTest, InkBeyondTheTextsEndIsClippedAsATurnedFontWould) {
  // Three pixels of ink right of "AB" (20 x 20, padded 24 x 24). Drawn with
  // a turned font from the corner where the text begins, that ink falls
  // into the padding when the text runs right or down, and outside the
  // bitmap when it runs up or left.
  fonts.overhang = 3;
  FakeFonts clean;
  const OneBitBitmap cell = clean.Rendered(U"AB", 20, 20);
  for (int rotation : {0, 90, 180, 270}) {
    OpenJob();
    Call({.rotation = rotation, .x = 20.0, .y = 20.0, .text = "AB"});
    const OneBitBitmap drawn = Printed().bitmap;
    OneBitBitmap expected = Sized(RotateBitmap(cell, rotation), 24, 24);
    for (int i = 0; i < 3; ++i) {
      if (rotation == 0) expected.SetDark(20 + i, 10, true);
      if (rotation == 270) expected.SetDark(9, 20 + i, true);
    }
    EXPECT_EQ(drawn, expected) << rotation << "\n" << Picture(drawn);
  }
}

TEST_F(TrueTypeTextTest, EmptyTextIsABlankCell) {
  EXPECT_EQ(Call({.text = ""}), 1);
  EXPECT_EQ(
      Show(PrintedElements()),
      Show(B("<ESC>%0<ESC>H32<ESC>V0<ESC>GB001003") + std::string(24, '\0')));
}

TEST_F(TrueTypeTextTest, TooLargeOrWithoutFontsNothingIsAdded) {
  ASSERT_EQ(Call({.x = 1.0, .y = 1.0, .text = "AB"}), 1);
  fonts.drawnTexts.clear();
  const std::string text(3277, 'x');  // 32770 dots wide
  EXPECT_EQ(Call({.text = text}), VXCL_INTERNAL_FAILURE);
  char message[160] = {};
  VxclLastError(message, sizeof message);
  EXPECT_STREQ(message,
               "PrnTrueTypeFont: the text is too large to draw (32770 by 20 "
               "dots, at most 32767 a side); nothing added");
  // Turned, the same text is too tall.
  EXPECT_EQ(Call({.rotation = 90, .y = 5000.0, .text = text}),
            VXCL_INTERNAL_FAILURE);
  EXPECT_TRUE(fonts.drawnTexts.empty());
  UseFonts(nullptr);
  EXPECT_EQ(Call({.text = "A"}), VXCL_INTERNAL_FAILURE);
  EXPECT_EQ(Show(PrintedElements()),
            Show(B("<ESC>%0<ESC>H40<ESC>V8") +
                 EncodeBitmapGraphic(Sized(Cell(U"AB"), 24, 24))));
  // Just within the limit.
  UseFonts(&fonts);
  OpenJob();
  EXPECT_EQ(Call({.text = std::string(3276, 'x')}), 1);
}

}  // namespace
}  // namespace vxcl
