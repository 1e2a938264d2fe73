// Not a *_renderer: builds or lays down what the renderers draw.
// Draws the modules of a two-dimensional symbol that libzint encoded, each
// module a rectangle of the printer's module width and height.
#ifndef VXCL_PREVIEW_BARCODE_MODULE_GRID_H
#define VXCL_PREVIEW_BARCODE_MODULE_GRID_H

#include "preview/barcode/zint_symbol.h"
#include "preview/placement.h"

namespace vxcl::preview {

// The symbol's top-left module at the element point.
void DrawModuleGrid(Placement& placement, const ZintSymbol& symbol,
                    long long moduleWidth, long long moduleHeight);

}  // namespace vxcl::preview

#endif
