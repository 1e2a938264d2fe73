#include "preview/text_renderer.h"

#include <algorithm>

#include "platform/host_text.h"

namespace vxcl::preview {

namespace {

// The largest cell drawn: the vector and raster fonts reach 999 dots, the
// bitmap fonts 48 x 12.
constexpr int kMostCellSide = 1000;

char32_t CharacterOf(char byte) {
  const std::u32string decoded = DecodeHostText(std::string_view(&byte, 1));
  return decoded.empty() ? U'?' : decoded[0];
}

std::shared_ptr<RasterFont> FontFor(FontRasterizer& fonts,
                                    const TextStyle& style) {
  FontRequest request;
  request.faceName = style.face;
  request.height = std::clamp(style.cellHeight, 1, kMostCellSide);
  request.width = std::clamp(style.cellWidth, 1, kMostCellSide);
  request.weight = style.weight;
  request.italic = style.italic;
  return fonts.Font(request);
}

// Each character's advance, without the gap.
template <class OnCharacter>
long long ForEachCell(RasterFont* font, const TextStyle& style,
                      std::string_view text, OnCharacter&& onCharacter) {
  long long pen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = CharacterOf(text[i]);
    int advance = style.cellWidth;
    if (style.proportional && font)
      advance = std::max(1, font->Extent(std::u32string_view(&c, 1)).width);
    if (!onCharacter(c, pen, advance)) break;
    pen += advance;
    if (i + 1 < text.size()) pen += style.gap;
  }
  return pen;
}

}  // namespace

long long DrawText(Placement& placement, FontRasterizer& fonts,
                   const TextStyle& style, std::string_view text,
                   Warnings& warnings, long long x, long long y) {
  if (style.cellWidth < 1 || style.cellHeight < 1) return 0;
  std::shared_ptr<RasterFont> font;
  try {
    font = FontFor(fonts, style);
  } catch (const FontError& error) {
    warnings.Add(std::string("text not drawn: ") + error.what());
  }
  const int height = std::min(style.cellHeight, kMostCellSide);
  return ForEachCell(
      font.get(), style, text, [&](char32_t c, long long pen, int advance) {
        const DotRect cell{x + pen, y, std::min(advance, kMostCellSide),
                           height};
        if (!font || c < U' ' || !placement.Visible(cell)) return true;
        // Each glyph is cut to its own cell, so a text takes exactly the
        // room its cells say.
        OneBitBitmap glyph(static_cast<int>(cell.width), height);
        try {
          font->Draw(std::u32string_view(&c, 1), 0, 0, glyph);
        } catch (const FontError& error) {
          warnings.Add(std::string("text not drawn: ") + error.what());
          return false;
        }
        placement.OrBitmap(glyph, cell.x, cell.y);
        return true;
      });
}

long long TextWidth(FontRasterizer& fonts, const TextStyle& style,
                    std::string_view text) {
  std::shared_ptr<RasterFont> font;
  if (style.proportional) {
    try {
      font = FontFor(fonts, style);
    } catch (const FontError&) {
    }
  }
  return ForEachCell(font.get(), style, text,
                     [](char32_t, long long, int) { return true; });
}

}  // namespace vxcl::preview
