#include "platform/portable/freetype_font_rasterizer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <map>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_SIZES_H

#include "platform/portable/fontconfig_faces.h"
#include "platform/portable/kept_loaded.h"
#include "raster/bitmap_drawing.h"

namespace vxcl {

namespace {

// Limits that keep the caches small and the glyphs drawable.
constexpr std::size_t kMaxCachedMatches = 64;
constexpr std::size_t kMaxCachedFonts = 32;
constexpr std::size_t kMaxCachedFaces = 16;
constexpr std::size_t kMaxCachedGlyphs = 4096;
// Drawn glyphs of a font keep at most about this many bytes of pixels: at
// large sizes one glyph takes megabytes.
constexpr std::size_t kMaxCachedGlyphBytes = std::size_t{64} << 20;
constexpr long kMaxPixelsPerEm = 32767;
// Windows' size for a font whose height is left to the font system.
constexpr long kDefaultPixelsPerEm = 16;

long RoundedPixels(FT_Pos units26_6) { return (units26_6 + 32) >> 6; }

class FreeTypeLibrary {
 public:
  FreeTypeLibrary() {
    if (FT_Init_FreeType(&library_) != 0)
      throw FontError("FreeType could not be started");
  }
  ~FreeTypeLibrary() { FT_Done_FreeType(library_); }
  FreeTypeLibrary(const FreeTypeLibrary&) = delete;
  FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
  FT_Library Get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

class FreeTypeFace {
 public:
  FreeTypeFace(std::shared_ptr<FreeTypeLibrary> library,
               const std::string& file, int index)
      : library_(std::move(library)) {
    if (FT_New_Face(library_->Get(), file.c_str(), index, &face_) != 0)
      throw FontError("the font file " + file + " could not be read");
  }
  ~FreeTypeFace() { FT_Done_Face(face_); }
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;
  FT_Face Get() const { return face_; }

 private:
  std::shared_ptr<FreeTypeLibrary> library_;  // outlives the face
  FT_Face face_ = nullptr;
};

// One glyph's advance and, once it has been drawn, its pixels one bit deep
// and where they stand. Measuring needs no pixels, so a text too large to
// draw is refused before any of its glyphs are drawn.
struct Glyph {
  long advance = 0;
  bool drawn = false;
  int left = 0, top = 0;  // from the pen position on the baseline
  int width = 0, rows = 0;
  int pitch = 0;
  std::vector<std::uint8_t> bits;
};

// The face's vertical measures in font units, as Windows reads them.
struct FaceMeasures {
  long ascent, descent, averageWidth;
  long underlinePosition, underlineThickness;
  long strikePosition, strikeThickness;
};

FaceMeasures MeasuresOf(FT_Face face) {
  FaceMeasures m{};
  const auto* os2 =
      static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    m.ascent = os2->usWinAscent;
    m.descent = os2->usWinDescent;
  } else {
    m.ascent = face->ascender;
    m.descent = -face->descender;
  }
  const long em = face->units_per_EM;
  m.averageWidth = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : em / 2;
  m.underlinePosition = face->underline_position;
  m.underlineThickness = face->underline_thickness;
  if (os2 && os2->yStrikeoutSize > 0) {
    m.strikePosition = os2->yStrikeoutPosition;
    m.strikeThickness = os2->yStrikeoutSize;
  } else {
    m.strikePosition = em * 26 / 100;
    m.strikeThickness = m.underlineThickness;
  }
  return m;
}

long ClampedPpem(long long ppem) {
  return static_cast<long>(std::clamp<long long>(ppem, 1, kMaxPixelsPerEm));
}

// A face at one size, with its synthetic styles and its glyphs cached.
class SizedFace {
 public:
  SizedFace(std::shared_ptr<FreeTypeFace> face, const FaceMatch& match)
      : face_(std::move(face)),
        embolden_(match.embolden),
        oblique_(match.oblique) {
    if (FT_New_Size(face_->Get(), &size_) != 0)
      throw FontError("no memory for a size");
    Activate();
  }
  ~SizedFace() { FT_Done_Size(size_); }
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  FT_Face Get() const { return face_->Get(); }

  void SetPixelSizes(long xPpem, long yPpem) {
    Activate();
    if (FT_Set_Pixel_Sizes(Get(), static_cast<FT_UInt>(xPpem),
                           static_cast<FT_UInt>(yPpem)) != 0)
      throw FontError("the font cannot be drawn at this size");
  }

  // A face of bitmaps only: the strike nearest `pixels` high.
  void SelectStrike(long pixels) {
    FT_Face f = Get();
    if (f->num_fixed_sizes < 1) throw FontError("the font has no sizes");
    int best = 0;
    for (int i = 1; i < f->num_fixed_sizes; ++i)
      if (std::abs(f->available_sizes[i].height - pixels) <
          std::abs(f->available_sizes[best].height - pixels))
        best = i;
    Activate();
    if (FT_Select_Size(f, best) != 0)
      throw FontError("the font cannot be drawn at this size");
  }

  bool Has(char32_t c) const { return FT_Get_Char_Index(Get(), c) != 0; }

  Glyph& Measured(char32_t c) {
    if (const auto found = glyphs_.find(c); found != glyphs_.end())
      return found->second;
    if (glyphs_.size() >= kMaxCachedGlyphs) ForgetGlyphs();
    Glyph glyph;
    glyph.advance = RoundedPixels(Loaded(c)->advance.x);
    return glyphs_.emplace(c, std::move(glyph)).first->second;
  }

  // Whether any pixel of `c`, drawn at `pen` on `baseline`, can fall inside
  // the target. Before a glyph is drawn its outline's control box (which
  // holds every pixel the outline sets) answers.
  bool Reaches(char32_t c, long long pen, long long baseline,
               const OneBitBitmap& target) {
    long long left, top, right, bottom;  // pixels, top and bottom upwards
    const Glyph& g = Measured(c);
    if (g.drawn) {
      left = g.left;
      right = static_cast<long long>(g.left) + g.width;
      top = g.top;
      bottom = static_cast<long long>(g.top) - g.rows;
    } else {
      FT_GlyphSlot slot = Loaded(c);
      if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_BBox box;
        FT_Outline_Get_CBox(&slot->outline, &box);
        left = box.xMin >> 6;
        right = (box.xMax + 63) >> 6;
        top = (box.yMax + 63) >> 6;
        bottom = box.yMin >> 6;
      } else {
        left = slot->bitmap_left;
        right = left + slot->bitmap.width;
        top = slot->bitmap_top;
        bottom = top - slot->bitmap.rows;
      }
    }
    return pen + left < target.Width() && pen + right > 0 &&
           baseline - top < target.Height() && baseline - bottom > 0;
  }

  const Glyph& Drawn(char32_t c) {
    if (glyphBytes_ > kMaxCachedGlyphBytes) ForgetGlyphs();
    Glyph& glyph = Measured(c);
    if (glyph.drawn) return glyph;
    FT_GlyphSlot slot = Loaded(c);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
      throw FontError("a glyph of the font could not be drawn");
    CopyPixels(slot, glyph);
    glyph.drawn = true;
    glyphBytes_ += glyph.bits.size();
    return glyph;
  }

 private:
  void Activate() {
    if (FT_Activate_Size(size_) != 0) throw FontError("font size unusable");
  }

  void ForgetGlyphs() {
    glyphs_.clear();
    glyphBytes_ = 0;
  }

  // The glyph of `c` loaded with monochrome hinting and its synthetic
  // styles, not yet drawn.
  FT_GlyphSlot Loaded(char32_t c) {
    Activate();
    FT_Face f = Get();
    const FT_UInt index = FT_Get_Char_Index(f, c);
    FT_Int32 flags = FT_LOAD_TARGET_MONO;
    if (oblique_) flags |= FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(f, index, flags) != 0)
      throw FontError("a glyph of the font could not be loaded");
    FT_GlyphSlot slot = f->glyph;
    if (oblique_) FT_GlyphSlot_Oblique(slot);
    if (embolden_) FT_GlyphSlot_Embolden(slot);
    return slot;
  }

  static void CopyPixels(FT_GlyphSlot slot, Glyph& g) {
    const FT_Bitmap& b = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    const bool mono = b.pixel_mode == FT_PIXEL_MODE_MONO;
    if (!mono && b.pixel_mode != FT_PIXEL_MODE_GRAY) return;  // colour
    g.width = static_cast<int>(b.width);
    g.rows = static_cast<int>(b.rows);
    g.pitch = (g.width + 7) / 8;
    g.bits.assign(static_cast<std::size_t>(g.pitch) * g.rows, 0);
    const int stride = std::abs(b.pitch);
    for (int r = 0; r < g.rows; ++r) {
      const unsigned char* source =
          b.buffer + (b.pitch >= 0 ? r : g.rows - 1 - r) * stride;
      std::uint8_t* row = g.bits.data() + r * g.pitch;
      if (mono) {
        std::copy_n(source, g.pitch, row);
        if (g.width % 8)
          row[g.pitch - 1] &=
              static_cast<std::uint8_t>(0xFF00 >> (g.width % 8));
      } else {
        for (int i = 0; i < g.width; ++i)
          if (source[i] >= 128) row[i / 8] |= 0x80 >> (i % 8);
      }
    }
  }

  std::shared_ptr<FreeTypeFace> face_;
  FT_Size size_ = nullptr;
  bool embolden_, oblique_;
  std::unordered_map<char32_t, Glyph> glyphs_;
  std::size_t glyphBytes_ = 0;  // pixels of the drawn glyphs in glyphs_
};

// Opened faces, shared by every font made from them.
class FaceCache {
 public:
  std::shared_ptr<FreeTypeFace> Face(const FaceMatch& match) {
    const auto key = std::make_pair(match.file, match.index);
    if (const auto found = faces_.find(key); found != faces_.end())
      return found->second;
    if (faces_.size() >= kMaxCachedFaces) faces_.clear();
    auto face =
        std::make_shared<FreeTypeFace>(library_, match.file, match.index);
    faces_.emplace(key, face);
    return face;
  }

 private:
  std::shared_ptr<FreeTypeLibrary> library_ =
      std::make_shared<FreeTypeLibrary>();
  std::map<std::pair<std::string, int>, std::shared_ptr<FreeTypeFace>> faces_;
};

// The chosen face at the requested size; characters it lacks come from the
// first fallback face that has them, at the same em size and on the same
// baseline, so the cell stays the chosen face's.
class FreeTypeFont final : public RasterFont {
 public:
  FreeTypeFont(std::shared_ptr<FaceCache> faces, const FontRequest& request,
               const FaceMatch& match, std::shared_ptr<FallbackFaces> fallbacks)
      : faces_(std::move(faces)),
        fallbacks_(std::move(fallbacks)),
        primary_(faces_->Face(match), match),
        choice_{match.family, match.replaced},
        underline_(request.underline),
        strikeOut_(request.strikeOut) {
    if (FT_IS_SCALABLE(primary_.Get()))
      SetScalableSize(request);
    else
      SelectStrike(request);
  }

  FaceChoice Face() const override { return choice_; }

  TextExtent Extent(std::u32string_view text) override {
    long long width = 0;
    for (const char32_t c : text) width += FaceFor(c).Measured(c).advance;
    return {static_cast<int>(std::clamp<long long>(width, 0, INT_MAX)),
            ascent_ + descent_};
  }

  std::u32string Undrawable(std::u32string_view text) override {
    std::u32string missing;
    for (const char32_t c : text)
      if (!primary_.Has(c) && !Fallback(c) &&
          missing.find(c) == std::u32string::npos)
        missing += c;
    return missing;
  }

  void Draw(std::u32string_view text, int x, int y,
            OneBitBitmap& target) override {
    const long long baseline = static_cast<long long>(y) + ascent_;
    long long pen = x;
    for (const char32_t c : text) {
      SizedFace& face = FaceFor(c);
      // A glyph that misses the target is not drawn at all: at huge sizes
      // drawing one takes seconds and gigabytes, for pixels that would be
      // dropped.
      if (!face.Reaches(c, pen, baseline, target)) {
        pen += face.Measured(c).advance;
        continue;
      }
      const Glyph& g = face.Drawn(c);
      const long long left = pen + g.left, top = baseline - g.top;
      if (left < target.Width() && left + g.width > 0 &&
          top < target.Height() && top + g.rows > 0) {
        for (int r = 0; r < g.rows; ++r)
          OrPackedRow(target, static_cast<int>(left), static_cast<int>(top + r),
                      g.bits.data() + r * g.pitch, g.width);
      }
      pen += g.advance;
    }
    const long long width = pen - x;
    if (underline_ && width > 0)
      FillLine(target, x, baseline + underlineTop_, width, underlineThickness_);
    if (strikeOut_ && width > 0)
      FillLine(target, x, baseline - strikeTop_, width, strikeThickness_);
  }

 private:
  void SetScalableSize(const FontRequest& request) {
    FT_Face f = primary_.Get();
    const FaceMeasures m = MeasuresOf(f);
    const long long em = f->units_per_EM;
    const long long cell = std::max(1L, m.ascent + m.descent);
    yPpem_ = kDefaultPixelsPerEm;
    if (request.height < 0)
      yPpem_ = ClampedPpem(-static_cast<long long>(request.height));
    else if (request.height > 0)
      yPpem_ = ClampedPpem(request.height * em / cell);  // cell not exceeded
    xPpem_ = yPpem_;
    if (request.width > 0)
      xPpem_ = ClampedPpem((request.width * em + m.averageWidth / 2) /
                           std::max(1L, m.averageWidth));
    primary_.SetPixelSizes(xPpem_, yPpem_);
    const FT_Fixed yScale = f->size->metrics.y_scale;
    const auto pixels = [&](long units) {
      return static_cast<int>(RoundedPixels(FT_MulFix(units, yScale)));
    };
    ascent_ = pixels(m.ascent);
    descent_ = pixels(m.descent);
    underlineThickness_ = std::max(1, pixels(m.underlineThickness));
    // The underline's position is the middle of its stroke, below the
    // baseline; the strike-out's is the top of its stroke, above it.
    underlineTop_ = -pixels(m.underlinePosition) - underlineThickness_ / 2;
    strikeThickness_ = std::max(1, pixels(m.strikeThickness));
    strikeTop_ = pixels(m.strikePosition);
  }

  void SelectStrike(const FontRequest& request) {
    primary_.SelectStrike(request.height == 0
                              ? kDefaultPixelsPerEm
                              : std::abs(static_cast<long>(request.height)));
    const FT_Size_Metrics& metrics = primary_.Get()->size->metrics;
    xPpem_ = std::max<long>(1, metrics.x_ppem);
    yPpem_ = std::max<long>(1, metrics.y_ppem);
    ascent_ = static_cast<int>(RoundedPixels(metrics.ascender));
    descent_ = static_cast<int>(RoundedPixels(-metrics.descender));
    underlineThickness_ = strikeThickness_ = 1;
    underlineTop_ = std::max(1, descent_ / 2);
    strikeTop_ = ascent_ / 3;
  }

  // The face that draws `c`: the chosen face when it has the character or
  // no installed face does (its missing-glyph shape), else a fallback face.
  SizedFace& FaceFor(char32_t c) {
    if (const auto found = faceOf_.find(c); found != faceOf_.end())
      return *found->second;
    SizedFace* face = primary_.Has(c) ? &primary_ : Fallback(c);
    if (!face) face = &primary_;
    if (faceOf_.size() >= kMaxCachedGlyphs) faceOf_.clear();
    faceOf_.emplace(c, face);
    return *face;
  }

  SizedFace* Fallback(char32_t c) {
    if (!fallbacks_) return nullptr;
    const int candidate = fallbacks_->For(c);
    if (candidate < 0) return nullptr;
    std::unique_ptr<SizedFace>& sized = fallbackSizes_[candidate];
    if (!sized) {
      const FaceMatch& match = fallbacks_->Candidate(candidate);
      auto face = std::make_unique<SizedFace>(faces_->Face(match), match);
      face->SetPixelSizes(xPpem_, yPpem_);
      sized = std::move(face);
    }
    return sized.get();
  }

  static void FillLine(OneBitBitmap& target, long long x, long long top,
                       long long width, int thickness) {
    const auto clamp = [](long long v) {
      return static_cast<int>(
          std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2));
    };
    FillDark(target, clamp(x), clamp(top), clamp(width), thickness);
  }

  std::shared_ptr<FaceCache> faces_;
  std::shared_ptr<FallbackFaces> fallbacks_;
  SizedFace primary_;
  FaceChoice choice_;
  bool underline_, strikeOut_;
  long xPpem_ = kDefaultPixelsPerEm, yPpem_ = kDefaultPixelsPerEm;
  int ascent_ = 0, descent_ = 0;
  int underlineTop_ = 0, underlineThickness_ = 1;  // from the baseline down
  int strikeTop_ = 0, strikeThickness_ = 1;        // from the baseline up
  std::map<int, std::unique_ptr<SizedFace>> fallbackSizes_;
  std::unordered_map<char32_t, SizedFace*> faceOf_;
};

using FontKey = std::tuple<std::string, int, int, int, bool, bool, bool>;

FontKey KeyOf(const FontRequest& r) {
  return {r.faceName, r.height,    r.width,    r.weight,
          r.italic,   r.underline, r.strikeOut};
}

}  // namespace

struct FreeTypeFontRasterizer::Caches {
  // fontconfig's configuration is the process's, never released (another
  // user may share it): unloading fontconfig with this library would lose
  // it at every unload, so once used fontconfig and FreeType stay loaded.
  Caches() {
    KeepLoaded(reinterpret_cast<void*>(&FcConfigSubstitute));
    KeepLoaded(reinterpret_cast<void*>(&FT_Init_FreeType));
  }

  std::shared_ptr<FontconfigFaces> fontconfig =
      std::make_shared<FontconfigFaces>();
  std::shared_ptr<FaceCache> faces = std::make_shared<FaceCache>();
  struct Matched {
    FaceMatch face;
    std::shared_ptr<FallbackFaces> fallbacks;
  };
  std::map<std::tuple<std::string, int, bool>, Matched> matches;
  std::map<FontKey, std::shared_ptr<FreeTypeFont>> fonts;

  const Matched& Match(const FontRequest& r) {
    const FaceQuery query{r.faceName, r.weight > 0 ? r.weight : 0, r.italic};
    const auto key = std::make_tuple(query.name, query.weight, query.italic);
    if (const auto found = matches.find(key); found != matches.end())
      return found->second;
    if (matches.size() >= kMaxCachedMatches) matches.clear();
    Matched matched{fontconfig->Match(query),
                    std::make_shared<FallbackFaces>(fontconfig, query)};
    return matches.emplace(key, std::move(matched)).first->second;
  }
};

FreeTypeFontRasterizer::FreeTypeFontRasterizer() = default;
FreeTypeFontRasterizer::~FreeTypeFontRasterizer() = default;

std::shared_ptr<RasterFont> FreeTypeFontRasterizer::Font(
    const FontRequest& request) {
  if (!caches_) caches_ = std::make_unique<Caches>();
  const FontKey key = KeyOf(request);
  if (const auto found = caches_->fonts.find(key);
      found != caches_->fonts.end())
    return found->second;
  const Caches::Matched& match = caches_->Match(request);
  auto font = std::make_shared<FreeTypeFont>(caches_->faces, request,
                                             match.face, match.fallbacks);
  if (caches_->fonts.size() >= kMaxCachedFonts) caches_->fonts.clear();
  caches_->fonts.emplace(key, font);
  return font;
}

}  // namespace vxcl
