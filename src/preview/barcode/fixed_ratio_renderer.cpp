#include "preview/barcode/fixed_ratio_renderer.h"

#include <zint.h>

#include <string>

#include "preview/barcode/bar_pattern.h"
#include "preview/barcode/code128_symbol.h"
#include "preview/barcode/ean_upc_symbols.h"
#include "preview/barcode/two_width_symbols.h"
#include "preview/barcode/ucc128_renderer.h"
#include "preview/barcode/zint_symbol.h"
#include "preview/command_reader.h"
#include "preview/font_cells.h"
#include "preview/hatched_box.h"
#include "preview/parameters.h"
#include "preview/text_renderer.h"

namespace vxcl::preview {

namespace {

// A symbol that cannot be drawn stands as a hatched box about as wide as
// eleven narrow modules a character.
void DrawPlaceholder(const ElementContext& context, long long narrow,
                     long long height, std::string_view data) {
  const long long width =
      (static_cast<long long>(data.size()) + 2) * 11 * narrow;
  DrawHatchedBox(context.placement, context.fonts, {0, 0, width, height}, data,
                 context.warnings);
}

void DrawEanUpc(const ElementContext& context, std::string_view command,
                char type, const EanUpcSymbol& symbol, long long module,
                long long height) {
  BarPattern pattern = ModulePattern(symbol.runs, module);
  const bool guards = command != "B";
  const bool digits = command == "BD" || (type == '4' && command == "D");
  // The digits sit under the bars in cells one digit's modules wide.
  const long long cellWidth = 7 * module;
  const long long cellHeight = 10 * module;
  if (guards) {
    pattern.longBar.assign(pattern.widths.size(), false);
    int at = 0;
    for (std::size_t i = 0; i < symbol.runs.size(); ++i) {
      for (const auto& [first, end] : symbol.guards)
        if (i % 2 == 0 && at >= first && at < end) pattern.longBar[i] = true;
      at += symbol.runs[i];
    }
  }
  DrawBars(context.placement, pattern, 0, 0, height,
           guards ? cellHeight / 2 + module : 0);
  if (!digits) return;
  TextStyle style;
  style.face = std::string(kFixedFace);
  style.cellHeight = static_cast<int>(cellHeight);
  for (const EanUpcSymbol::DigitGroup& group : symbol.groups) {
    if (group.digits.empty()) continue;
    const long long span = group.modules * module;
    style.cellWidth = static_cast<int>(std::min(
        cellWidth, span / static_cast<long long>(group.digits.size())));
    DrawText(context.placement, context.fonts, style, group.digits,
             context.warnings, group.firstModule * module, height + module);
  }
}

}  // namespace

void DrawFixedRatioBarcode(const ElementContext& context,
                           std::string_view command, std::string_view body) {
  Parameters p(body);
  const auto type = p.Char();
  if (type == 'I') return DrawUcc128(context, p.Rest());
  const auto narrow = p.Digits(2);
  const auto height = p.Digits(3);
  std::optional<int> length;
  if (type == 'C') length = p.Digits(2);
  if (!type || !narrow || !height || (type == 'C' && !length)) {
    context.Warn("malformed barcode ESC \"" + std::string(command) +
                 Shown(body) + "\": not drawn");
    return;
  }
  if (*narrow == 0 || *height == 0) {
    context.Warn("barcode ESC \"" + std::string(command) + Shown(body) +
                 "\" has no width or no height: not drawn");
    return;
  }
  const std::string_view data = p.Rest();
  const long long module = *narrow;
  std::string problem;

  if (IsTwoWidthType(*type)) {
    // 1:3 for "B", 1:2 for "D", 2:5 for "BD".
    const long long n = command == "BD" ? 2 * module : module;
    const long long wide = command == "BD"  ? 5 * module
                           : command == "B" ? 3 * module
                                            : 2 * module;
    const auto runs = TwoWidthRuns(*type, data, problem);
    if (!problem.empty()) context.Warn(problem);
    if (!runs) return DrawPlaceholder(context, n, *height, data);
    DrawBars(context.placement, TwoWidthPattern(*runs, {n, wide, n, wide}), 0,
             0, *height);
    return;
  }
  if (IsEanUpcType(*type)) {
    const auto symbol = EncodeEanUpc(*type, data, problem);
    if (!symbol) {
      context.Warn(problem);
      return DrawPlaceholder(context, module, *height, data);
    }
    DrawEanUpc(context, command, *type, *symbol, module, *height);
    return;
  }
  if (*type == 'G') {
    const Code128Values read = ReadCode128Data(data);
    for (const std::string& fault : read.problems)
      context.Warn("Code 128: " + fault);
    DrawBars(context.placement, Code128Pattern(read.values, module), 0, 0,
             *height);
    return;
  }
  if (*type == 'A' || *type == 'C') {
    if (*type == 'C' && static_cast<std::size_t>(*length) != data.size())
      context.Warn("Code 93 length " + std::to_string(*length) +
                   " differs from the data's " + std::to_string(data.size()));
    ZintSymbol symbol(*type == 'A' ? BARCODE_MSI_PLESSEY : BARCODE_CODE93);
    if (auto refused = symbol.Encode(data)) {
      context.Warn(*refused);
      return DrawPlaceholder(context, module, *height, data);
    }
    DrawBars(context.placement, ModulePattern(symbol.Runs(0), module), 0, 0,
             *height);
    return;
  }
  context.Warn("barcode type \"" + Shown(std::string_view(&*type, 1)) +
               "\" unknown: not drawn");
  context.Find(FindingKind::BarcodeType,
               "barcode type \"" + Shown(std::string_view(&*type, 1)) +
                   "\" is not a type the printers know: nothing prints");
}

}  // namespace vxcl::preview
