#include "preview/barcode/data_matrix_renderer.h"

#include <zint.h>

#include <cmath>

#include "preview/barcode/module_grid.h"
#include "preview/barcode/zint_symbol.h"
#include "preview/command_reader.h"
#include "preview/hatched_box.h"
#include "preview/parameters.h"

namespace vxcl::preview {

namespace {

// zint's Data Matrix sizes are numbered 1 to 48; the number of the size
// with these columns and rows, found by asking zint, or 0.
int ZintSizeOf(int columns, int rows, std::string_view data) {
  for (int size = 1; size <= 48; ++size) {
    ZintSymbol probe(BARCODE_DATAMATRIX);
    probe.SetOptions(0, size, 0);
    if (probe.Encode(data)) continue;
    if (probe.Columns() == columns && probe.Rows() == rows) return size;
  }
  return 0;
}

}  // namespace

std::optional<DataMatrixSettings> ReadDataMatrixSettings(
    const ElementContext& context, std::string_view body) {
  Parameters p(body);
  const auto format = p.Digits(2), ecc = p.Digits(2);
  const auto width = p.Digits(2), height = p.Digits(2);
  const auto columns = p.Digits(3), rows = p.Digits(3);
  if (!format || !ecc || !width || !height || !columns || !rows ||
      *width == 0 || *height == 0) {
    context.Warn("malformed Data Matrix ESC \"BX" + Shown(body) +
                 "\": the next ESC \"DC\" is not drawn");
    return std::nullopt;
  }
  DataMatrixSettings s;
  s.format = *format;
  switch (*ecc) {
    case 5:
    case 8:
    case 10:
    case 14:
    case 20:
      s.ecc = *ecc * 10;
      break;
    default:
      s.ecc = 0;
  }
  s.cellWidth = *width;
  s.cellHeight = *height;
  s.columns = *columns;
  s.rows = *rows;
  return s;
}

int LegacySymbolSide(const DataMatrixSettings& settings, std::size_t length) {
  // Bits a character by character set, as the symbology packs them.
  static constexpr double kBitsPerCharacter[] = {8,    3.5, 4.8, 5.5,
                                                 5.25, 7.0, 8.0};
  const int set = settings.format % 10;
  const double perCharacter = kBitsPerCharacter[set >= 1 && set <= 6 ? set : 0];
  // Format, CRC (32 bits for formats 11 to 16) and length.
  const double header = settings.format > 10 ? 7 + 32 + 9 : 7 + 16 + 9;
  double rate = 1.0;
  switch (settings.ecc) {
    case 50:
      rate = 3.0 / 4;
      break;
    case 80:
      rate = 2.0 / 3;
      break;
    case 100:
      rate = 1.0 / 2;
      break;
    case 140:
      rate = 1.0 / 4;
      break;
  }
  const double bits =
      std::ceil((header + perCharacter * static_cast<double>(length)) / rate);
  for (int side = 9; side <= 49; side += 2)
    if ((side - 2) * (side - 2) >= bits) return side;
  return 49;
}

// "ECC 080", as the symbology names its levels.
std::string EccName(int ecc) {
  std::string digits = std::to_string(ecc);
  return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

void DrawDataMatrix(const ElementContext& context,
                    const DataMatrixSettings& settings, std::string_view data) {
  if (settings.ecc != 200) {
    const int side = LegacySymbolSide(settings, data.size());
    const int columns = settings.columns > 0 ? settings.columns : side;
    const int rows = settings.rows > 0 ? settings.rows : side;
    context.Warn("Data Matrix ECC " + std::to_string(settings.ecc) +
                 " cannot be drawn: a placeholder of its size");
    context.Find(FindingKind::DataMatrixEcc,
                 "Data Matrix at ECC " + EccName(settings.ecc) +
                     ": many scanners read only ECC 200");
    DrawHatchedBox(context.placement, context.fonts,
                   {0, 0, static_cast<long long>(columns) * settings.cellWidth,
                    static_cast<long long>(rows) * settings.cellHeight},
                   data, context.warnings);
    return;
  }
  ZintSymbol symbol(BARCODE_DATAMATRIX);
  int size = 0;
  if (settings.columns > 0 || settings.rows > 0) {
    size = ZintSizeOf(settings.columns, settings.rows, data);
    if (size == 0)
      context.Warn("Data Matrix size " + std::to_string(settings.columns) +
                   " x " + std::to_string(settings.rows) +
                   " unknown or too small: the smallest fitting size drawn");
  }
  symbol.SetOptions(0, size, size == 0 ? DM_SQUARE : 0);
  if (auto refused = symbol.Encode(data)) {
    context.Warn("Data Matrix not drawn: " + *refused);
    const long long side = 144;
    DrawHatchedBox(
        context.placement, context.fonts,
        {0, 0, side * settings.cellWidth, side * settings.cellHeight}, data,
        context.warnings);
    return;
  }
  DrawModuleGrid(context.placement, symbol, settings.cellWidth,
                 settings.cellHeight);
}

}  // namespace vxcl::preview
