// A font system with fixed, easily predicted glyphs, for the logic of text
// drawn as a graphic.
#ifndef VXCL_TESTS_FAKE_FONTS_H
#define VXCL_TESTS_FAKE_FONTS_H

#include <memory>
#include <string>
#include <vector>

#include "platform/font_rasterizer.h"

namespace vxcl::test {

// Every character advances 10 pixels in a cell 20 pixels high. Its glyph is
// the cell's top-left pixel and a 6 x 12 block at (2, 4) within its part of
// the cell, so turns and cuts are visible. `overhang` pixels right of the
// text's end, in row 10, stand for ink beyond the advance (an italic's
// last stroke).
class FakeFonts final : public FontRasterizer {
 public:
  static constexpr int kAdvance = 10;
  static constexpr int kCellHeight = 20;

  std::shared_ptr<RasterFont> Font(const FontRequest& request) override;

  // The text drawn at (x, y) into a new width x height bitmap.
  OneBitBitmap Rendered(std::u32string_view text, int width, int height,
                        int x = 0, int y = 0) const;

  int overhang = 0;
  std::vector<FontRequest> requests;
  std::vector<std::u32string> drawnTexts;
};

}  // namespace vxcl::test

#endif
