// Fonts on Windows: GDI makes each font from the request (a LOGFONT),
// measures text with it and draws it into a one-bit DIB section, where
// glyphs are never smoothed. Face substitution is Windows' own.
#ifndef VXCL_PLATFORM_WINDOWS_GDI_FONT_RASTERIZER_H
#define VXCL_PLATFORM_WINDOWS_GDI_FONT_RASTERIZER_H

#include "platform/font_rasterizer.h"

namespace vxcl {

class GdiFontRasterizer final : public FontRasterizer {
 public:
  std::shared_ptr<RasterFont> Font(const FontRequest& request) override;
  // The screen's LOGPIXELSY.
  int ScreenPixelsPerInch() override;
};

}  // namespace vxcl

#endif
