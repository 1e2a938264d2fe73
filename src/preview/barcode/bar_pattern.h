// Not a *_renderer: builds or lays down what the renderers draw.
// A one-dimensional symbol as the printer lays it down: its bars and spaces
// in dots, left to right.
#ifndef VXCL_PREVIEW_BARCODE_BAR_PATTERN_H
#define VXCL_PREVIEW_BARCODE_BAR_PATTERN_H

#include <vector>

#include "preview/placement.h"

namespace vxcl::preview {

struct BarPattern {
  // Element widths in dots; even indexes are bars, odd ones spaces.
  std::vector<long long> widths;
  // Bars that run longer than the others (the guard bars of UPC and EAN),
  // by index into `widths`; empty when none do.
  std::vector<bool> longBar;

  long long Width() const;
};

// Module runs (bar first) at `module` dots a module.
BarPattern ModulePattern(const std::vector<int>& runs, long long module);

// Module runs of a two-width symbology (narrow and wide elements, in any
// module counts) redrawn at the printer's widths: each run is narrow when
// it is the shortest run of the symbol, else wide.
struct ElementWidths {
  long long narrowBar, wideBar, narrowSpace, wideSpace;
};
BarPattern TwoWidthPattern(const std::vector<int>& runs,
                           const ElementWidths& widths);

// Draws the bars `height` dots high from (x, y); long bars run `longer`
// dots further down.
void DrawBars(Placement& placement, const BarPattern& pattern, long long x,
              long long y, long long height, long long longer = 0);

}  // namespace vxcl::preview

#endif
