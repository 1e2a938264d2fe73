#include "preview/barcode/pdf417_renderer.h"

#include <zint.h>

#include "preview/barcode/module_grid.h"
#include "preview/barcode/zint_symbol.h"
#include "preview/command_reader.h"
#include "preview/hatched_box.h"
#include "preview/parameters.h"

namespace vxcl::preview {

void DrawPdf417(const ElementContext& context, std::string_view body) {
  Parameters p(body);
  const auto moduleWidth = p.Digits(2), rowHeight = p.Digits(2);
  const auto level = p.Digits(1), columns = p.Digits(2), rows = p.Digits(2);
  const auto length = p.Digits(4);
  if (!moduleWidth || !rowHeight || !level || !columns || !rows || !length ||
      *moduleWidth == 0 || *rowHeight == 0) {
    context.Warn("malformed PDF417 ESC \"BK" + Shown(body) + "\": not drawn");
    return;
  }
  std::string_view rest = p.Rest();
  const std::string_view data =
      rest.substr(0, static_cast<std::size_t>(*length));
  if (data.size() < static_cast<std::size_t>(*length))
    context.Warn("PDF417 data cut short: " + std::to_string(data.size()) +
                 " of " + std::to_string(*length) + " bytes");
  const std::string_view variant = rest.substr(data.size());
  int symbology = BARCODE_PDF417;
  if (variant == ",T")
    symbology = BARCODE_PDF417COMP;
  else if (variant == ",M")
    symbology = BARCODE_MICROPDF417;
  else if (!variant.empty())
    context.Warn("PDF417 variant \"" + Shown(variant) +
                 "\" unknown: a standard symbol drawn");

  ZintSymbol symbol(symbology);
  if (symbology == BARCODE_MICROPDF417)
    symbol.SetOptions(0, *columns <= 4 ? *columns : 0, 0);
  else
    symbol.SetOptions(*level, *columns, *rows);
  auto refused = symbol.Encode(data);
  if (refused && (*columns != 0 || *rows != 0)) {
    // The data does not fit the rows and columns asked for: let them grow.
    context.Warn("PDF417 rows and columns " + std::to_string(*rows) + " x " +
                 std::to_string(*columns) + " refused (" + *refused +
                 "): drawn with rows and columns chosen to fit");
    symbol.SetOptions(symbology == BARCODE_MICROPDF417 ? 0 : *level, 0, 0);
    refused = symbol.Encode(data);
  }
  if (refused) {
    context.Warn("PDF417 not drawn: " + *refused);
    DrawHatchedBox(context.placement, context.fonts,
                   {0, 0, 17 * 5 * *moduleWidth, 10 * *rowHeight}, data,
                   context.warnings);
    return;
  }
  DrawModuleGrid(context.placement, symbol, *moduleWidth, *rowHeight);
}

}  // namespace vxcl::preview
