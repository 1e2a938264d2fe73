#include "preview/barcode/module_grid.h"

namespace vxcl::preview {

void DrawModuleGrid(Placement& placement, const ZintSymbol& symbol,
                    long long moduleWidth, long long moduleHeight) {
  for (int row = 0; row < symbol.Rows(); ++row) {
    const long long y = row * moduleHeight;
    if (!placement.Visible(
            {0, y, symbol.Columns() * moduleWidth, moduleHeight}))
      continue;
    int column = 0;
    while (column < symbol.Columns()) {
      if (!symbol.Module(row, column)) {
        ++column;
        continue;
      }
      const int first = column;
      while (column < symbol.Columns() && symbol.Module(row, column)) ++column;
      placement.Fill({first * moduleWidth, y, (column - first) * moduleWidth,
                      moduleHeight});
    }
  }
}

}  // namespace vxcl::preview
