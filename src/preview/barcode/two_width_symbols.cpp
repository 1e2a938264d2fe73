#include "preview/barcode/two_width_symbols.h"

#include <zint.h>

#include "preview/barcode/zint_symbol.h"

namespace vxcl::preview {

bool IsTwoWidthType(char type) {
  return type == '0' || type == '1' || type == '2' || type == '5' ||
         type == '6';
}

std::optional<std::vector<int>> TwoWidthRuns(char type, std::string_view data,
                                             std::string& problem) {
  std::string prepared(data);
  int symbology = BARCODE_CODABAR;
  switch (type) {
    case '1':
      // The printer prints the "*" characters the data holds; libzint adds
      // them itself.
      symbology = BARCODE_CODE39;
      if (prepared.size() >= 2 && prepared.front() == '*' &&
          prepared.back() == '*')
        prepared = prepared.substr(1, prepared.size() - 2);
      else
        problem = "Code 39 data without its \"*\" start and stop characters";
      break;
    case '2':
      symbology = BARCODE_C25INTER;  // libzint adds the leading 0 itself
      break;
    case '5':
    case '6':
      symbology = type == '5' ? BARCODE_C25IND : BARCODE_C25STANDARD;
      if (prepared.size() % 2 != 0) prepared.insert(prepared.begin(), '0');
      break;
    default:
      break;
  }
  ZintSymbol symbol(symbology);
  if (auto refused = symbol.Encode(prepared)) {
    problem = *refused;
    return std::nullopt;
  }
  return symbol.Runs(0);
}

}  // namespace vxcl::preview
