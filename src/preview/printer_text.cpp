#include "preview/printer_text.h"

#include <cmath>
#include <string>

#include "preview/command_reader.h"
#include "preview/font_cells.h"
#include "preview/parameters.h"
#include "preview/text_renderer.h"

namespace vxcl::preview {

namespace {

constexpr int kBold = 700;

// A size of the raster font: three digits of dots, or "P" and two digits
// of points (0.35 mm each).
std::optional<int> RasterSize(Parameters& p, int dotsPerMm) {
  if (p.Take('P')) {
    const auto points = p.Digits(2);
    if (!points) return std::nullopt;
    return static_cast<int>(std::lround(*points * 0.35 * dotsPerMm));
  }
  const auto dots = p.Digits(3);
  if (!dots) return std::nullopt;
  return *dots;
}

}  // namespace

void DrawBitmapFontText(const ElementContext& context, std::string_view command,
                        std::string_view body, const TextSettings& settings) {
  const auto font = FindBitmapFont(command, context.dotsPerMm);
  if (!font) return;
  Parameters p(body);
  if (font->smoothingDigit && !p.Digits(1))
    context.Warn("font ESC \"" + std::string(command) +
                 "\" without its smoothing digit");
  TextStyle style;
  style.proportional = font->proportionalCapable && settings.proportional;
  style.face = std::string(style.proportional ? kProportionalFace : kFixedFace);
  style.cellWidth = font->cellWidth * settings.hExpansion;
  style.cellHeight = font->cellHeight * settings.vExpansion;
  style.gap = settings.pitch * settings.hExpansion;
  DrawText(context.placement, context.fonts, style, p.Rest(), context.warnings);
}

std::optional<VectorFont> ReadVectorFont(const ElementContext& context,
                                         std::string_view body) {
  Parameters p(body);
  VectorFont font;
  const auto type = p.Char();
  const bool c1 = p.Take(',');
  const auto width = p.Number(3);
  const bool c2 = p.Take(',');
  const auto height = p.Number(3);
  const bool c3 = p.Take(',');
  const auto variation = p.Number(1);
  if (!type || !c1 || !width || !c2 || !height || !c3 || !variation) {
    context.Warn("malformed vector font ESC \"$" + Shown(body) + "\"");
    return std::nullopt;
  }
  if (*type != 'A' && *type != 'B')
    context.Warn("vector font type \"" + Shown(std::string_view(&*type, 1)) +
                 "\" unknown: type A used");
  font.type = *type == 'B' ? 'B' : 'A';
  font.width = *width >= 50 ? static_cast<int>(*width) : 50;
  font.height = *height >= 50 ? static_cast<int>(*height) : 50;
  font.variation = static_cast<int>(*variation);
  return font;
}

void DrawVectorFontText(const ElementContext& context, const VectorFont& font,
                        std::string_view text, const TextSettings& settings) {
  TextStyle style;
  style.face = std::string(kHelveticaFace);
  style.weight = kBold;
  style.italic = font.variation >= 8;
  style.proportional = font.type == 'A';
  style.cellWidth = font.width;
  style.cellHeight = font.height;
  style.gap = settings.pitch;
  DrawText(context.placement, context.fonts, style, text, context.warnings);
}

void DrawRasterFontText(const ElementContext& context, std::string_view body,
                        const TextSettings& settings) {
  Parameters p(body);
  const auto type = p.Char();
  const auto styleDigits = p.Digits(2);
  const bool c1 = p.Take(',');
  const auto width = RasterSize(p, context.dotsPerMm);
  const bool c2 = p.Take(',');
  const auto height = RasterSize(p, context.dotsPerMm);
  if (!type || !styleDigits || !c1 || !width || !c2 || !height) {
    context.Warn("malformed raster font ESC \"RD" + Shown(body) +
                 "\": not drawn");
    return;
  }
  p.Take(',');  // one printer example leaves it out
  TextStyle style;
  style.face = std::string(*type == 'A' ? kTimesFace : kHelveticaFace);
  const int styleDigit = *styleDigits % 10;
  style.weight = styleDigit == 1 || styleDigit == 3 ? kBold : 0;
  style.italic = styleDigit == 2 || styleDigit == 3;
  style.proportional = true;
  style.cellWidth = *width;
  style.cellHeight = *height;
  style.gap = settings.pitch;
  DrawText(context.placement, context.fonts, style, p.Rest(), context.warnings);
}

}  // namespace vxcl::preview
