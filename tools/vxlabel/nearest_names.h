// Names close to a mistyped one, for "did you mean" hints.
#ifndef VXLABEL_NEAREST_NAMES_H
#define VXLABEL_NEAREST_NAMES_H

#include <string>
#include <string_view>
#include <vector>

namespace vxlabel {

// The candidates nearest to `name` by edits of single letters (letter case
// ignored), best first, at most three; none when even the nearest would
// need more edits than a third of the name's letters (at least two).
std::vector<std::string> NearestNames(
    std::string_view name, const std::vector<std::string_view>& candidates);

}  // namespace vxlabel

#endif
