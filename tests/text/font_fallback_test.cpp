// Characters a face lacks, drawn from the installed face fontconfig ranks
// first among those that have them; Windows face names found on Linux; what
// no face can draw, and replaced names, reported.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <gtest/gtest.h>

#include <string>
#include FT_FREETYPE_H

#include "platform/portable/freetype_font_rasterizer.h"
#include "support/pictures.h"

namespace vxcl {
namespace {

using test::Picture;

constexpr int kEm = 32;

struct FaceFile {
  std::string path;
  int index = 0;
};

// The first face of fontconfig's ranking for `family` that has `c`.
FaceFile FirstFaceWith(const char* family, char32_t c) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcFontSet* sorted = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
  FaceFile found;
  for (int i = 0; sorted && i < sorted->nfont && found.path.empty(); ++i) {
    FcCharSet* charset;
    FcChar8* file;
    if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &charset) ==
            FcResultMatch &&
        FcCharSetHasChar(charset, c) &&
        FcPatternGetString(sorted->fonts[i], FC_FILE, 0, &file) ==
            FcResultMatch) {
      found.path = reinterpret_cast<const char*>(file);
      FcPatternGetInteger(sorted->fonts[i], FC_INDEX, 0, &found.index);
    }
  }
  if (sorted) FcFontSetDestroy(sorted);
  FcPatternDestroy(pattern);
  return found;
}

// FreeType's own one-bit glyph of `c` at kEm pixels, with its pen offsets.
struct OwnGlyph {
  OneBitBitmap pixels;
  int left = 0, top = 0, advance = 0;
};

OwnGlyph FreeTypesOwnGlyph(const FaceFile& file, char32_t c) {
  FT_Library library;
  FT_Face face;
  OwnGlyph glyph;
  EXPECT_EQ(FT_Init_FreeType(&library), 0);
  EXPECT_EQ(FT_New_Face(library, file.path.c_str(), file.index, &face), 0);
  FT_Set_Pixel_Sizes(face, 0, kEm);
  FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO);
  const FT_Bitmap& b = face->glyph->bitmap;
  glyph.pixels =
      OneBitBitmap(static_cast<int>(b.width), static_cast<int>(b.rows));
  for (unsigned row = 0; row < b.rows; ++row)
    for (unsigned col = 0; col < b.width; ++col)
      glyph.pixels.SetDark(
          static_cast<int>(col), static_cast<int>(row),
          b.buffer[row * b.pitch + col / 8] & (0x80 >> (col % 8)));
  glyph.left = face->glyph->bitmap_left;
  glyph.top = face->glyph->bitmap_top;
  glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  return glyph;
}

TEST(FontFallback, ChineseInALatinFaceIsTheFallbackFacesOwnGlyphOnTheBaseline) {
  FreeTypeFontRasterizer fonts;
  const auto font = fonts.Font({"DejaVu Sans", -kEm});
  const std::u32string text = U"Lot 東京都千代田區 7";
  const TextExtent cell = font->Extent(text);
  OneBitBitmap line(cell.width, cell.height);
  font->Draw(text, 0, 0, line);

  // The Latin face sets the baseline: the foot of the L stands on it.
  const auto dejaVu = FirstFaceWith("DejaVu Sans", U'L');
  const OwnGlyph l = FreeTypesOwnGlyph(dejaVu, U'L');
  int baseline = 0;
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < l.advance; ++x)
      if (line.IsDark(x, y)) baseline = y + 1;
  ASSERT_EQ(baseline - l.top + l.pixels.Height(), baseline) << Picture(line);
  EXPECT_EQ(cell.height, 38) << "DejaVu Sans' cell at 32 pixels";

  int pen = 0;
  for (const char32_t c : text) {
    const bool chinese = c >= 0x4E00;
    const FaceFile face = chinese ? FirstFaceWith("DejaVu Sans", c) : dejaVu;
    ASSERT_FALSE(face.path.empty());
    if (chinese) {
      EXPECT_NE(face.path, dejaVu.path);
    }
    const OwnGlyph own = FreeTypesOwnGlyph(face, c);
    if (chinese) {
      // The glyph's advance, drawn alone where the line puts it.
      OneBitBitmap expected(own.advance, cell.height),
          drawn(own.advance, cell.height);
      for (int y = 0; y < own.pixels.Height(); ++y)
        for (int x = 0; x < own.pixels.Width(); ++x)
          if (own.pixels.IsDark(x, y))
            expected.SetDark(own.left + x, baseline - own.top + y, true);
      for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < own.advance; ++x)
          drawn.SetDark(x, y, line.IsDark(pen + x, y));
      EXPECT_GT(own.pixels.Width(), kEm / 2);
      EXPECT_EQ(drawn, expected) << "U+" << std::hex << unsigned(c) << "\n"
                                 << Picture(drawn) << "\n"
                                 << Picture(expected);
    }
    pen += own.advance;
  }
  EXPECT_EQ(pen, cell.width);
  EXPECT_TRUE(font->Undrawable(text).empty());
}

TEST(FontFallback, WindowsFaceNamesFindTheNearestInstalledFace) {
  struct Case {
    const char* asked;
    const char* found;  // the start of the family name
  };
  const Case cases[] = {
      {"細明體", "AR PL UMing"},
      {"MingLiU", "AR PL UMing"},
      {"新細明體", "AR PL UMing"},
      {"PMingLiU", "AR PL UMing"},
      {"標楷體", "AR PL UMing"},
      {"DFKai-SB", "AR PL UMing"},
      {"宋体", "AR PL UMing"},
      {"SimSun", "AR PL UMing"},
      {"MS Mincho", "AR PL UMing"},
      {"微軟正黑體", "WenQuanYi Micro Hei"},
      {"Microsoft JhengHei", "WenQuanYi Micro Hei"},
      {"黑体", "WenQuanYi Micro Hei"},
      {"SimHei", "WenQuanYi Micro Hei"},
      {"MS Gothic", "WenQuanYi Micro Hei"},
      {"Malgun Gothic", "WenQuanYi Micro Hei"},
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},
      {"DejaVu Serif", "DejaVu Serif"},
      {"", "DejaVu Sans"},
  };
  FreeTypeFontRasterizer fonts;
  for (const Case& c : cases) {
    const FaceChoice choice = fonts.Font({c.asked, -16})->Face();
    EXPECT_TRUE(choice.used.starts_with(c.found))
        << c.asked << " gave " << choice.used;
    EXPECT_FALSE(choice.replaced) << c.asked;
  }
  const FaceChoice unknown = fonts.Font({"No Such Face 4711", -16})->Face();
  EXPECT_TRUE(unknown.replaced);
  EXPECT_EQ(unknown.used, "DejaVu Sans");
}

TEST(FontFallback, OnlyCharactersNoFaceHasAreUndrawable) {
  FreeTypeFontRasterizer fonts;
  const auto font = fonts.Font({"DejaVu Sans", -16});
  EXPECT_EQ(font->Undrawable(U"A\U0010FFFD東\u0378\U0010FFFDB"),
            U"\U0010FFFD\u0378");
  // They print as the face's own missing-glyph shape: ink, one each.
  const std::u32string missing = U"\u0378";
  OneBitBitmap box(font->Extent(missing).width, font->Extent(missing).height);
  font->Draw(missing, 0, 0, box);
  EXPECT_NE(box, OneBitBitmap(box.Width(), box.Height())) << Picture(box);
}

}  // namespace
}  // namespace vxcl
