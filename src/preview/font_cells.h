// The printer's bitmap fonts: the character cell each font command prints,
// and the installed face the preview draws it with.
#ifndef VXCL_PREVIEW_FONT_CELLS_H
#define VXCL_PREVIEW_FONT_CELLS_H

#include <optional>
#include <string_view>

namespace vxcl::preview {

struct BitmapFont {
  int cellWidth = 0;  // dots, descenders and character spacing included
  int cellHeight = 0;
  bool proportionalCapable = false;  // ESC "PS" gives it proportional widths
  bool smoothingDigit = false;       // a 0/1 digit follows the command
};

// The font of a font command ("U", "S", "M", "XU", "XS", "XM", "OA", "OB",
// "WB", "WL", "XB", "XL", "XW") at the printer's resolution; nullopt for
// any other name. U, S, M and the X fonts keep their dot matrix on finer
// heads; OCR-A and OCR-B keep their physical size.
std::optional<BitmapFont> FindBitmapFont(std::string_view command,
                                         int dotsPerMm);

// The faces the fonts are drawn with: fixed-pitch fonts, proportional text,
// the vector font (a Helvetica Bold) and the raster fonts (CG Times, CG
// Triumvirate).
inline constexpr std::string_view kFixedFace = "DejaVu Sans Mono";
inline constexpr std::string_view kProportionalFace = "DejaVu Sans";
inline constexpr std::string_view kHelveticaFace = "Liberation Sans";
inline constexpr std::string_view kTimesFace = "Liberation Serif";

}  // namespace vxcl::preview

#endif
