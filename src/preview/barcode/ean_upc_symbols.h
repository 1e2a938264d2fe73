// Not a *_renderer: builds or lays down what the renderers draw.
// UPC-A, EAN-13, EAN-8, UPC-E and the UPC/EAN add-ons as the printer takes
// their data, with the guard bars that the longer forms lengthen and the
// places of the digits printed under the bars.
#ifndef VXCL_PREVIEW_BARCODE_EAN_UPC_SYMBOLS_H
#define VXCL_PREVIEW_BARCODE_EAN_UPC_SYMBOLS_H

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vxcl::preview {

struct EanUpcSymbol {
  std::vector<int> runs;  // module runs, bar first
  // Modules [first, end) whose bars are guard bars.
  std::vector<std::pair<int, int>> guards;
  // The human-readable digits: each group spread evenly over `modules`
  // modules from `firstModule` (negative: left of the symbol).
  struct DigitGroup {
    std::string digits;
    int firstModule;
    int modules;
  };
  std::vector<DigitGroup> groups;
};

// True for the type letters "3" (UPC-A / EAN-13), "4" (EAN-8), "E" (UPC-E)
// and "F" (add-on).
bool IsEanUpcType(char type);

// Type "3": 11 digits make a UPC-A, 12 an EAN-13, the check digit added;
// 13 digits are an EAN-13 as given. Type "4": 7 digits (check digit
// added) or 8. Type "E": 6 digits, number system 0. Type "F": 2 or 5
// digits. nullopt, with the reason in `problem`, for other data.
std::optional<EanUpcSymbol> EncodeEanUpc(char type, std::string_view data,
                                         std::string& problem);

}  // namespace vxcl::preview

#endif
