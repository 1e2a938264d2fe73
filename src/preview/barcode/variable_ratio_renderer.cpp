#include "preview/barcode/variable_ratio_renderer.h"

#include "preview/barcode/bar_pattern.h"
#include "preview/barcode/two_width_symbols.h"
#include "preview/command_reader.h"
#include "preview/hatched_box.h"
#include "preview/parameters.h"

namespace vxcl::preview {

std::optional<VariableRatio> ReadVariableRatio(const ElementContext& context,
                                               std::string_view body) {
  Parameters p(body);
  VariableRatio ratio;
  const auto type = p.Char();
  const auto a = p.Digits(2), b = p.Digits(2), c = p.Digits(2), d = p.Digits(2);
  if (!type || !IsTwoWidthType(*type) || !a || !b || !c || !d || *a == 0 ||
      *b == 0 || *c == 0 || *d == 0) {
    context.Warn("malformed ESC \"BT" + Shown(body) +
                 "\": the next ESC \"BW\" is not drawn");
    return std::nullopt;
  }
  ratio.type = *type;
  ratio.narrowSpace = *a;
  ratio.wideSpace = *b;
  ratio.narrowBar = *c;
  ratio.wideBar = *d;
  return ratio;
}

void DrawVariableRatioBarcode(const ElementContext& context,
                              const VariableRatio& ratio,
                              std::string_view body) {
  Parameters p(body);
  const auto multiplier = p.Digits(2);
  const auto height = p.Digits(3);
  if (!multiplier || !height || *multiplier == 0 || *height == 0) {
    context.Warn("malformed ESC \"BW" + Shown(body) + "\": not drawn");
    return;
  }
  const std::string_view data = p.Rest();
  const long long m = *multiplier;
  const ElementWidths widths{ratio.narrowBar * m, ratio.wideBar * m,
                             ratio.narrowSpace * m, ratio.wideSpace * m};
  std::string problem;
  const auto runs = TwoWidthRuns(ratio.type, data, problem);
  if (!problem.empty()) context.Warn(problem);
  if (!runs) {
    const long long width = (static_cast<long long>(data.size()) + 2) *
                            (3 * widths.narrowBar + 3 * widths.narrowSpace +
                             2 * widths.wideBar + widths.wideSpace);
    DrawHatchedBox(context.placement, context.fonts, {0, 0, width, *height},
                   data, context.warnings);
    return;
  }
  DrawBars(context.placement, TwoWidthPattern(*runs, widths), 0, 0, *height);
}

}  // namespace vxcl::preview
