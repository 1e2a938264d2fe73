// Fonts on Linux: fontconfig finds the face for a name (with its usual
// substitutions), FreeType draws its glyphs one bit deep with monochrome
// hinting. Faces, sizes and drawn glyphs stay cached between calls.
#ifndef VXCL_PLATFORM_PORTABLE_FREETYPE_FONT_RASTERIZER_H
#define VXCL_PLATFORM_PORTABLE_FREETYPE_FONT_RASTERIZER_H

#include <memory>

#include "platform/font_rasterizer.h"

namespace vxcl {

// Windows font sizing reproduced: a negative height is the em size in
// pixels, a positive one the cell height (the OS/2 table's Windows ascent
// plus descent), a width the average character width (the OS/2 table's
// average). Weights from 600 and italic are synthesised when the matched
// face lacks them; underline and strike-out use the face's own position and
// thickness. Characters the face lacks are drawn from the first of
// fontconfig's sorted candidates that has them, at the same em size on the
// same baseline; only those no installed face has draw as the face's
// missing-glyph shape. Windows face names (MingLiU, SimSun, MS Gothic, ...)
// are mapped by a configuration the library loads itself.
class FreeTypeFontRasterizer final : public FontRasterizer {
 public:
  FreeTypeFontRasterizer();
  ~FreeTypeFontRasterizer() override;
  FreeTypeFontRasterizer(const FreeTypeFontRasterizer&) = delete;
  FreeTypeFontRasterizer& operator=(const FreeTypeFontRasterizer&) = delete;

  std::shared_ptr<RasterFont> Font(const FontRequest& request) override;

 private:
  struct Caches;
  std::unique_ptr<Caches> caches_;  // made on first use
};

}  // namespace vxcl

#endif
