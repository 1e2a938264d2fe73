// Text in the printer's fonts: the bitmap fonts, the vector font
// (ESC "$" then ESC "$=") and the AGFA raster font (ESC "RD").
#ifndef VXCL_PREVIEW_PRINTER_TEXT_H
#define VXCL_PREVIEW_PRINTER_TEXT_H

#include <optional>
#include <string_view>

#include "preview/element_context.h"

namespace vxcl::preview {

// The text settings in force when a text is printed.
struct TextSettings {
  int pitch = 2;                       // dots between characters (ESC "P")
  int hExpansion = 1, vExpansion = 1;  // ESC "L"
  bool proportional = false;           // ESC "PS" / ESC "PR"
};

// `command` is a bitmap font's command, `body` what follows it: the
// smoothing digit of the fonts that take one, then the text. Cells are the
// font's, times the expansion; characters stand pitch times the horizontal
// expansion apart.
void DrawBitmapFontText(const ElementContext& context, std::string_view command,
                        std::string_view body, const TextSettings& settings);

// The vector font's settings (ESC "$"): type "A" proportional or "B" fixed
// pitch, character width and height in dots (50 to 999; others are 50),
// and the variation.
struct VectorFont {
  char type = 'A';
  int width = 50, height = 50;
  int variation = 0;
};
std::optional<VectorFont> ReadVectorFont(const ElementContext& context,
                                         std::string_view body);

// ESC "$=" text in the vector font: the expansion does not apply, the
// pitch does. Variations 8 and 9 are italic; the others are drawn plain.
void DrawVectorFontText(const ElementContext& context, const VectorFont& font,
                        std::string_view text, const TextSettings& settings);

// ESC "RD": the typeface ("A" CG Times, "B" CG Triumvirate), two digits of
// style (the last one: 1 bold, 2 italic, 3 both), the width and height (in
// dots, or in points as "P" and two digits), then the text after a comma.
void DrawRasterFontText(const ElementContext& context, std::string_view body,
                        const TextSettings& settings);

}  // namespace vxcl::preview

#endif
