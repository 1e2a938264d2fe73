// A *_renderer reads a barcode command and draws its symbol.
// Data Matrix: ESC "BX" sets the symbol, ESC "DC" that follows gives its
// data. ECC 200 symbols are drawn with libzint; the older ECC 000 to 140
// symbols, which libzint cannot make, stand as hatched boxes of their size.
#ifndef VXCL_PREVIEW_BARCODE_DATA_MATRIX_RENDERER_H
#define VXCL_PREVIEW_BARCODE_DATA_MATRIX_RENDERER_H

#include <optional>
#include <string_view>

#include "preview/element_context.h"

namespace vxcl::preview {

struct DataMatrixSettings {
  int format = 1;      // character set of ECC 000-140
  int ecc = 0;         // 0, 50, 80, 100, 140 or 200
  int cellWidth = 3;   // dots
  int cellHeight = 3;  // dots
  int columns = 0;     // symbol size in cells; 0 and 0: the smallest fit
  int rows = 0;
};

// `body` follows "BX": two digits each of format, error correction (00,
// 05, 08, 10, 14 for ECC 000 to 140, 20 for ECC 200; others count as 00),
// cell width and cell height, three each of columns and rows, one of
// mirror and two of guide thickness (both without effect on ECC 200).
// nullopt (with a warning) when malformed.
std::optional<DataMatrixSettings> ReadDataMatrixSettings(
    const ElementContext& context, std::string_view body);

// The side in cells of the smallest ECC 000-140 square (9 to 49, odd) that
// holds `length` characters of the settings' format at its error
// correction; 49 when none does.
int LegacySymbolSide(const DataMatrixSettings& settings, std::size_t length);

// Draws the symbol of `data` with its top-left corner at the element
// point; the printer turns it with the rotation like any other element.
void DrawDataMatrix(const ElementContext& context,
                    const DataMatrixSettings& settings, std::string_view data);

}  // namespace vxcl::preview

#endif
