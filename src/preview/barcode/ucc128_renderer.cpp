#include "preview/barcode/ucc128_renderer.h"

#include <algorithm>

#include "language/code128.h"
#include "preview/barcode/bar_pattern.h"
#include "preview/barcode/code128_symbol.h"
#include "preview/command_reader.h"
#include "preview/font_cells.h"
#include "preview/hatched_box.h"
#include "preview/parameters.h"
#include "preview/text_renderer.h"

namespace vxcl::preview {

namespace {

constexpr long long kTextGap = 10;

bool AllDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string SsccWithCheckDigit(std::string_view digits) {
  // Weights 3, 1, 3, ... from the rightmost digit.
  int sum = 0;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const int digit = digits[digits.size() - 1 - i] - '0';
    sum += digit * (i % 2 == 0 ? 3 : 1);
  }
  return std::string(digits) + static_cast<char>('0' + (10 - sum % 10) % 10);
}

void DrawUcc128(const ElementContext& context, std::string_view body) {
  Parameters p(body);
  const auto narrow = p.Digits(2);
  const auto height = p.Digits(3);
  const auto mode = p.Digits(1);
  const std::string_view data = p.Rest();
  if (!narrow || !height || !mode || *narrow == 0 || *height == 0) {
    context.Warn("malformed UCC-128 ESC \"BI" + Shown(body) + "\": not drawn");
    return;
  }
  const long long module = *narrow;

  // The text in the printer's OCR-B cells.
  TextStyle style;
  style.face = std::string(kFixedFace);
  const auto cell = FindBitmapFont("OB", context.dotsPerMm);
  style.cellWidth = cell->cellWidth;
  style.cellHeight = cell->cellHeight;
  const long long textRoom = *mode == 1 ? style.cellHeight + kTextGap : 0;

  if (data.size() != 17 || !AllDigits(data)) {
    context.Warn("UCC-128 data must be 17 digits: drawn as a placeholder");
    DrawHatchedBox(context.placement, context.fonts,
                   {0, textRoom, 22 * 11 * module, *height}, data,
                   context.warnings);
    return;
  }
  const std::string code = SsccWithCheckDigit(data);
  std::vector<int> values = {code128::Codes(code128::CodeSet::C).startValue,
                             code128::kFnc1Value, 0};  // 0: the pair "00"
  for (std::size_t i = 0; i < code.size(); i += 2)
    values.push_back((code[i] - '0') * 10 + (code[i + 1] - '0'));
  const BarPattern pattern = Code128Pattern(values, module);
  DrawBars(context.placement, pattern, 0, textRoom, *height);

  if (*mode != 1 && *mode != 2) return;
  const std::string text = "(00)" + code;
  const long long textWidth = TextWidth(context.fonts, style, text);
  const long long x = std::max(0LL, (pattern.Width() - textWidth) / 2);
  const long long y = *mode == 1 ? 0 : textRoom + *height + kTextGap;
  DrawText(context.placement, context.fonts, style, text, context.warnings, x,
           y);
}

}  // namespace vxcl::preview
