// Text drawn with the installed fonts through fontconfig and FreeType:
// recognisably the text, sized as Windows sizes it, with its styles.
#include "platform/portable/freetype_font_rasterizer.h"

#include <ft2build.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include FT_FREETYPE_H

#include "raster/bitmap_rotation.h"
#include "support/graphic_element.h"
#include "support/heap_usage.h"
#include "support/job_fixture.h"
#include "support/pictures.h"
#include "vxclcmd.h"

namespace vxcl {
namespace {

using test::Picture;

constexpr const char* kDejaVuSans =
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The text as FreeType draws it one bit deep, glyph by glyph from the pen
// positions, with no other help: the reference for the library's drawing.
OneBitBitmap FreeTypesOwn(const char* path, int pixelsPerEm,
                          std::u32string_view text) {
  FT_Library library;
  FT_Face face;
  EXPECT_EQ(FT_Init_FreeType(&library), 0);
  EXPECT_EQ(FT_New_Face(library, path, 0, &face), 0);
  FT_Set_Pixel_Sizes(face, 0, pixelsPerEm);
  OneBitBitmap bitmap(pixelsPerEm * static_cast<int>(text.size() + 1),
                      2 * pixelsPerEm);
  const int baseline = 3 * pixelsPerEm / 2;
  int pen = 0;
  for (const char32_t c : text) {
    FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO);
    const FT_GlyphSlot g = face->glyph;
    for (unsigned row = 0; row < g->bitmap.rows; ++row)
      for (unsigned col = 0; col < g->bitmap.width; ++col)
        if (g->bitmap.buffer[row * g->bitmap.pitch + col / 8] &
            (0x80 >> (col % 8)))
          bitmap.SetDark(pen + g->bitmap_left + static_cast<int>(col),
                         baseline - g->bitmap_top + static_cast<int>(row),
                         true);
    pen += static_cast<int>(g->advance.x >> 6);
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  return bitmap;
}

// PIL's one-bit drawing of the same text at the same size, from the
// comparison script; an empty bitmap when PIL cannot be run.
OneBitBitmap PilsOwn(const std::string& text) {
  const std::string command =
      "/usr/bin/python3 " + std::string(VXCL_SOURCE_DIR) +
      "/bench/pil_truetype.py --render '" + text + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"),
                                             pclose);
  std::vector<std::string> rows;
  std::string row;
  for (int c; pipe && (c = fgetc(pipe.get())) != EOF;) {
    if (c != '\n') {
      row += static_cast<char>(c);
    } else {
      rows.push_back(row);
      row.clear();
    }
  }
  if (rows.empty()) return {};
  OneBitBitmap bitmap(static_cast<int>(rows[0].size()),
                      static_cast<int>(rows.size()));
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      bitmap.SetDark(x, y, rows[y][x] == '#');
  return bitmap;
}

struct Ink {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive
  int count = 0;
};

Ink InkOf(const OneBitBitmap& b) {
  Ink ink{b.Width(), b.Height(), -1, -1, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.IsDark(x, y)) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
        ++ink.count;
      }
  return ink;
}

// Pixels that differ once both inks are laid on each other, at the best of
// the placements within a pixel of their top-left corners.
int Mismatch(const OneBitBitmap& a, const OneBitBitmap& b) {
  const Ink ia = InkOf(a), ib = InkOf(b);
  const int width = std::max(ia.right - ia.left, ib.right - ib.left) + 3;
  const int height = std::max(ia.bottom - ia.top, ib.bottom - ib.top) + 3;
  const auto dark = [](const OneBitBitmap& m, int x, int y) {
    return x >= 0 && y >= 0 && x < m.Width() && y < m.Height() &&
           m.IsDark(x, y);
  };
  int best = ia.count + ib.count;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      int differ = 0;
      for (int y = -1; y < height; ++y)
        for (int x = -1; x < width; ++x)
          differ += dark(a, ia.left + x, ia.top + y) !=
                    dark(b, ib.left + x + dx, ib.top + y + dy);
      best = std::min(best, differ);
    }
  return best;
}

// The ink of `b` split at its blank columns into glyph-sized pieces, each
// with its place from the ink's top and left.
struct Piece {
  int left, top;
  OneBitBitmap pixels;
};

std::vector<Piece> Pieces(const OneBitBitmap& b) {
  const Ink ink = InkOf(b);
  std::vector<Piece> pieces;
  const auto blank = [&](int x) {
    for (int y = ink.top; y <= ink.bottom; ++y)
      if (b.IsDark(x, y)) return false;
    return true;
  };
  for (int x = ink.left; x <= ink.right;) {
    int end = x;
    while (end <= ink.right && !blank(end)) ++end;
    OneBitBitmap column(end - x, ink.bottom - ink.top + 1);
    for (int y = 0; y < column.Height(); ++y)
      for (int i = 0; i < column.Width(); ++i)
        column.SetDark(i, y, b.IsDark(x + i, ink.top + y));
    const Ink own = InkOf(column);
    OneBitBitmap pixels(own.right - own.left + 1, own.bottom - own.top + 1);
    for (int y = 0; y < pixels.Height(); ++y)
      for (int i = 0; i < pixels.Width(); ++i)
        pixels.SetDark(i, y, column.IsDark(own.left + i, own.top + y));
    pieces.push_back({x - ink.left, own.top, std::move(pixels)});
    for (x = end; x <= ink.right && blank(x);) ++x;
  }
  return pieces;
}

class FreeTypeTextTest : public test::JobTest {
 protected:
  // The graphic of one PrnTrueTypeFont call on a fresh job.
  test::GraphicElement Drawn(int rotation, const char* face, int size,
                             int weight, int italic, int underline,
                             int strikeOut, const char* text) {
    OpenJob();
    EXPECT_EQ(PrnTrueTypeFont(rotation, 50.0, 30.0, face, size, 0, 0, weight,
                              italic, underline, strikeOut, 0, 0.0, text),
              1);
    return test::ParseGraphicElement(PrintedElements());
  }

  FreeTypeFontRasterizer fonts;
};

TEST_F(FreeTypeTextTest, ALineIsFreeTypesOwnOneBitDrawing) {
  const auto e = Drawn(0, "DejaVu Sans", 24, 0, 0, 0, 0, "Shipping label");
  const OneBitBitmap reference =
      FreeTypesOwn(kDejaVuSans, 32, U"Shipping label");
  EXPECT_GT(InkOf(e.bitmap).count, 500);
  EXPECT_EQ(Mismatch(e.bitmap, reference), 0) << Picture(e.bitmap);
}

TEST_F(FreeTypeTextTest, ALineMatchesPilsOneBitDrawing) {
  const OneBitBitmap pil = PilsOwn("Shipping label");
  ASSERT_GT(pil.Width(), 0) << "python3-pil is needed for this comparison";
  const auto e = Drawn(0, "DejaVu Sans", 24, 0, 0, 0, 0, "Shipping label");
  // PIL places glyphs at unrounded pen positions, so a letter may stand a
  // pixel apart; the letters themselves and their heights are the same.
  const std::vector<Piece> ours = Pieces(e.bitmap), theirs = Pieces(pil);
  ASSERT_EQ(ours.size(), theirs.size()) << Picture(e.bitmap) << "\n"
                                        << Picture(pil);
  for (std::size_t i = 0; i < ours.size(); ++i) {
    EXPECT_EQ(ours[i].pixels, theirs[i].pixels) << "letter " << i;
    EXPECT_EQ(ours[i].top, theirs[i].top) << "letter " << i;
    EXPECT_NEAR(ours[i].left, theirs[i].left, 2) << "letter " << i;
  }
}

TEST_F(FreeTypeTextTest, QuarterTurnsAreExactTurnsOfTheUnturnedText) {
  const auto plain = Drawn(0, "DejaVu Sans", 12, 1, 0, 0, 0, "Label 42");
  // The unturned cell: its extent, without the padding.
  const TextExtent cell =
      fonts.Font({.faceName = "DejaVu Sans", .height = -16, .weight = 100})
          ->Extent(U"Label 42");
  OneBitBitmap unturned = plain.bitmap;
  unturned.Resize(cell.width, cell.height);
  EXPECT_EQ(InkOf(unturned).count, InkOf(plain.bitmap).count)
      << "ink outside the cell";
  for (int rotation : {90, 180, 270}) {
    const auto turned =
        Drawn(rotation, "DejaVu Sans", 12, 1, 0, 0, 0, "Label 42");
    OneBitBitmap expected = RotateBitmap(unturned, rotation);
    expected.Resize(turned.bitmap.Width(), turned.bitmap.Height());
    EXPECT_EQ(turned.bitmap, expected) << rotation << "\n"
                                       << Picture(turned.bitmap);
  }
}

TEST_F(FreeTypeTextTest, SizesAreWindowsSizes) {
  // DejaVu Sans: 2048 units per em, Windows ascent 1901 and descent 483, so
  // 32 pixels per em make a cell of 30 + 8 pixels.
  const auto font = fonts.Font({.faceName = "DejaVu Sans", .height = -32});
  EXPECT_EQ(font->Extent(U"").height, 38);
  EXPECT_EQ(font->Extent(U"").width, 0);
  EXPECT_EQ(font->Extent(U"ii").width, 2 * font->Extent(U"i").width);
  // A positive height is the cell height, never exceeded.
  for (int cell : {20, 38, 50, 101}) {
    const int got = fonts.Font({.faceName = "DejaVu Sans", .height = cell})
                        ->Extent(U"x")
                        .height;
    EXPECT_LE(got, cell);
    EXPECT_GE(got, cell - 2);
  }
  // A width scales the average character width alone.
  const auto narrow =
      fonts.Font({.faceName = "DejaVu Sans", .height = 40, .width = 10});
  const auto wide =
      fonts.Font({.faceName = "DejaVu Sans", .height = 40, .width = 20});
  const int n = narrow->Extent(U"abcdefghijklmnopqrstuvwxyz").width;
  const int w = wide->Extent(U"abcdefghijklmnopqrstuvwxyz").width;
  EXPECT_NEAR(n, 26 * 10, 26 * 2);
  EXPECT_NEAR(w, 2 * n, n / 10);
  EXPECT_EQ(narrow->Extent(U"x").height, wide->Extent(U"x").height);
}

TEST_F(FreeTypeTextTest, FaceNamesAreSubstitutedAndFontsCached) {
  const auto extent = [&](const char* face) {
    return fonts.Font({.faceName = face, .height = -32})
        ->Extent(U"Shipping label");
  };
  // Arial's metric-compatible substitute.
  EXPECT_EQ(extent("Arial").width, extent("Liberation Sans").width);
  EXPECT_NE(extent("Arial").width, extent("DejaVu Sans").width);
  // An unknown face and no face both give the default sans face.
  EXPECT_EQ(extent("No Such Face 4711").width, extent("").width);
  EXPECT_GT(extent("").width, 0);
  const FontRequest request{.faceName = "DejaVu Sans", .height = -20};
  EXPECT_EQ(fonts.Font(request), fonts.Font(request));
}

TEST_F(FreeTypeTextTest, WeightAndItalic) {
  const OneBitBitmap regular =
      Drawn(0, "DejaVu Sans", 24, 4, 0, 0, 0, "Label").bitmap;
  const OneBitBitmap italic =
      Drawn(0, "DejaVu Sans", 24, 4, 1, 0, 0, "Label").bitmap;
  const OneBitBitmap bold =
      Drawn(0, "DejaVu Sans", 24, 7, 0, 0, 0, "Label").bitmap;
  EXPECT_NE(italic, regular);
  EXPECT_NEAR(InkOf(italic).count, InkOf(regular).count,
              InkOf(regular).count / 8);
  EXPECT_GT(InkOf(bold).count, InkOf(regular).count * 5 / 4);
  // Weight 0 leaves the face's default, its regular weight.
  EXPECT_EQ(Drawn(0, "DejaVu Sans", 24, 0, 0, 0, 0, "Label").bitmap, regular);
}

// Rows that are dark all along `width` in `with` and clear in `without`.
std::vector<int> AddedFullRows(const OneBitBitmap& with,
                               const OneBitBitmap& without, int width) {
  std::vector<int> rows;
  for (int y = 0; y < with.Height(); ++y) {
    bool full = true, added = false;
    for (int x = 0; x < width; ++x) {
      full = full && with.IsDark(x, y);
      added = added || !without.IsDark(x, y);
    }
    if (full && added) rows.push_back(y);
  }
  return rows;
}

TEST_F(FreeTypeTextTest, UnderlineAndStrikeOutAddRowsOfSetBits) {
  const auto font = fonts.Font({.faceName = "DejaVu Sans", .height = -32});
  const TextExtent cell = font->Extent(U"Label");
  const auto plain = Drawn(0, "DejaVu Sans", 24, 4, 0, 0, 0, "Label");
  const auto under = Drawn(0, "DejaVu Sans", 24, 4, 0, 1, 0, "Label");
  const auto struck = Drawn(0, "DejaVu Sans", 24, 4, 0, 0, 1, "Label");
  const std::vector<int> underRows =
      AddedFullRows(under.bitmap, plain.bitmap, cell.width);
  const std::vector<int> strikeRows =
      AddedFullRows(struck.bitmap, plain.bitmap, cell.width);
  // DejaVu Sans: thickness 90 of 2048 units, 1 pixel at 32 per em; the
  // underline below the baseline (row 30), the strike-out above it.
  ASSERT_FALSE(underRows.empty()) << Picture(under.bitmap);
  ASSERT_FALSE(strikeRows.empty()) << Picture(struck.bitmap);
  EXPECT_GT(underRows.front(), 30);
  EXPECT_LT(underRows.back(), cell.height);
  EXPECT_LT(strikeRows.back(), 30);
  EXPECT_GT(strikeRows.front(), 30 - 20);
  // Nothing right of the text's advance is set by the lines.
  for (int y : underRows) EXPECT_FALSE(under.bitmap.IsDark(cell.width, y));
}

TEST_F(FreeTypeTextTest, CharactersTheFaceLacksStillTakeTheirPlace) {
  const auto font = fonts.Font({.faceName = "DejaVu Sans", .height = -32});
  EXPECT_GT(font->Extent(U"\u4e2d").width, 0);  // no CJK in DejaVu Sans
  const auto e = Drawn(0, "DejaVu Sans", 24, 0, 0, 0, 0, "\xE4\xB8\xAD");
  EXPECT_GT(InkOf(e.bitmap).count, 0);
}

TEST_F(FreeTypeTextTest, HugeSizesAreRefusedBeforeAnythingIsDrawn) {
  OpenJob();
  EXPECT_EQ(PrnTrueTypeFont(0, 0.0, 0.0, "DejaVu Sans", 30000, 0, 0, 0, 0, 0, 0,
                            0, 0.0, "A"),
            VXCL_INTERNAL_FAILURE);
  EXPECT_EQ(PrintedElements(), "") << "nothing was added";
  OpenJob();
  EXPECT_EQ(PrnTrueTypeFont(0, 0.0, 0.0, "DejaVu Sans", 24, 0, 0, 0, 0, 0, 0, 0,
                            0.0, "A"),
            1);
}

// The peak of the process's resident memory, in MiB.
long PeakResidentMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// Glyphs that fall wholly outside the bitmap are not drawn at all: at the
// largest size one glyph alone would take over 100 MiB and a good part of a
// second, for pixels that are dropped.
TEST_F(FreeTypeTextTest, GlyphsOutsideTheBitmapAreNeverDrawn) {
  const auto font = fonts.Font({.faceName = "DejaVu Sans", .height = -32767});
  OneBitBitmap target(8, 8);
  const long before = PeakResidentMiB();
  font->Draw(U"ABC", -200000, -200000, target);
  EXPECT_LT(PeakResidentMiB() - before, 64);
  EXPECT_EQ(InkOf(target).count, 0);
  // Huge text turned wholly off the label keeps nothing, and the call adds
  // its empty graphic.
  OpenJob();
  EXPECT_EQ(PrnTrueTypeFont(180, 0.0, 0.0, "DejaVu Sans", 0, 999999, 1000000, 0,
                            0, 0, 0, 0, 0.0, "ABC"),
            1);
  EXPECT_EQ(InkOf(test::ParseGraphicElement(PrintedElements()).bitmap).count,
            0);
  EXPECT_LT(PeakResidentMiB() - before, 64);
}

// Drawn glyphs stay cached, but large ones not without bound: twenty
// capitals of about 9 MiB each leave well under 100 MiB behind.
TEST_F(FreeTypeTextTest, CachedGlyphPixelsStayBounded) {
  const auto font = fonts.Font({.faceName = "DejaVu Sans", .height = -12000});
  OneBitBitmap target(12000, 14000);
  const std::size_t before = test::HeapBytesInUse();
  for (char32_t c = U'A'; c < U'A' + 20; ++c)
    font->Draw(std::u32string_view(&c, 1), 0, 0, target);
  EXPECT_TRUE(target.IsDark(6000, 7000)) << "the glyphs reach the bitmap";
  EXPECT_LT(test::HeapBytesInUse() - before, std::size_t{100} << 20);
}

}  // namespace
}  // namespace vxcl
