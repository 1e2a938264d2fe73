#include "preview/barcode/bar_pattern.h"

#include <algorithm>
#include <climits>

namespace vxcl::preview {

long long BarPattern::Width() const {
  long long width = 0;
  for (long long w : widths) width += w;
  return width;
}

BarPattern ModulePattern(const std::vector<int>& runs, long long module) {
  BarPattern pattern;
  pattern.widths.reserve(runs.size());
  for (int run : runs) pattern.widths.push_back(run * module);
  return pattern;
}

BarPattern TwoWidthPattern(const std::vector<int>& runs,
                           const ElementWidths& widths) {
  int narrow = INT_MAX;
  for (int run : runs)
    if (run > 0) narrow = std::min(narrow, run);
  BarPattern pattern;
  pattern.widths.reserve(runs.size());
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const bool bar = i % 2 == 0;
    if (runs[i] == 0)
      pattern.widths.push_back(0);
    else if (runs[i] == narrow)
      pattern.widths.push_back(bar ? widths.narrowBar : widths.narrowSpace);
    else
      pattern.widths.push_back(bar ? widths.wideBar : widths.wideSpace);
  }
  return pattern;
}

void DrawBars(Placement& placement, const BarPattern& pattern, long long x,
              long long y, long long height, long long longer) {
  long long pen = x;
  for (std::size_t i = 0; i < pattern.widths.size(); ++i) {
    const long long w = pattern.widths[i];
    if (i % 2 == 0 && w > 0) {
      const bool isLong = i < pattern.longBar.size() && pattern.longBar[i];
      placement.Fill({pen, y, w, height + (isLong ? longer : 0)});
    }
    pen += w;
  }
}

}  // namespace vxcl::preview
