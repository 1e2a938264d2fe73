// Not a *_renderer: builds or lays down what the renderers draw.
// The symbologies whose elements come in two widths, narrow and wide, that
// the printer's ratio sets: Codabar, Code 39, Interleaved, Industrial and
// Matrix 2 of 5.
#ifndef VXCL_PREVIEW_BARCODE_TWO_WIDTH_SYMBOLS_H
#define VXCL_PREVIEW_BARCODE_TWO_WIDTH_SYMBOLS_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxcl::preview {

// True for the type letters "0" (Codabar), "1" (Code 39), "2" (Interleaved
// 2 of 5), "5" (Industrial 2 of 5) and "6" (Matrix 2 of 5).
bool IsTwoWidthType(char type);

// The symbol's module runs (bar first), encoded by libzint from the data as
// the printer takes it: Codabar with its own start and stop letters, Code
// 39 with its "*" start and stop characters, the 2 of 5 codes with a
// leading 0 added to an odd count of digits. nullopt, with the reason in
// `problem`, when the data cannot be encoded.
std::optional<std::vector<int>> TwoWidthRuns(char type, std::string_view data,
                                             std::string& problem);

}  // namespace vxcl::preview

#endif
