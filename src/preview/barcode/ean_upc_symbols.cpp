#include "preview/barcode/ean_upc_symbols.h"

#include <zint.h>

#include <algorithm>

#include "preview/barcode/zint_symbol.h"

namespace vxcl::preview {

namespace {

bool AllDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

using Group = EanUpcSymbol::DigitGroup;

// The layouts, from the text libzint gives with its check digit.
void Lay(EanUpcSymbol& s, int symbology, const std::string& text) {
  auto part = [&](std::size_t from, std::size_t count) {
    return text.substr(std::min(from, text.size()), count);
  };
  switch (symbology) {
    case BARCODE_UPCA:
      s.guards = {{0, 10}, {45, 50}, {85, 95}};
      s.groups = {Group{part(0, 1), -8, 7}, Group{part(1, 5), 10, 35},
                  Group{part(6, 5), 50, 35}, Group{part(11, 1), 96, 7}};
      break;
    case BARCODE_UPCE:
      s.guards = {{0, 3}, {45, 51}};
      s.groups = {Group{part(0, 1), -8, 7}, Group{part(1, 6), 3, 42},
                  Group{part(7, 1), 52, 7}};
      break;
    default:
      if (text.size() == 8) {  // EAN-8
        s.guards = {{0, 3}, {31, 36}, {64, 67}};
        s.groups = {Group{part(0, 4), 3, 28}, Group{part(4, 4), 36, 28}};
      } else if (text.size() == 13) {  // EAN-13
        s.guards = {{0, 3}, {45, 50}, {92, 95}};
        s.groups = {Group{part(0, 1), -8, 7}, Group{part(1, 6), 3, 42},
                    Group{part(7, 6), 50, 42}};
      }
      // Add-ons have neither guards nor digits underneath.
  }
}

}  // namespace

bool IsEanUpcType(char type) {
  return type == '3' || type == '4' || type == 'E' || type == 'F';
}

std::optional<EanUpcSymbol> EncodeEanUpc(char type, std::string_view data,
                                         std::string& problem) {
  const std::size_t n = data.size();
  int symbology = 0;
  if (!AllDigits(data)) {
    problem = "UPC/EAN data must be digits";
  } else if (type == '3') {
    symbology = n == 11   ? BARCODE_UPCA
                : n == 12 ? BARCODE_EANX
                : n == 13 ? BARCODE_EANX_CHK
                          : 0;
    if (!symbology) problem = "UPC-A/EAN-13 data must be 11, 12 or 13 digits";
  } else if (type == '4') {
    symbology = n == 7 ? BARCODE_EANX : n == 8 ? BARCODE_EANX_CHK : 0;
    if (!symbology) problem = "EAN-8 data must be 7 or 8 digits";
  } else if (type == 'E') {
    symbology = n == 6 ? BARCODE_UPCE : 0;
    if (!symbology) problem = "UPC-E data must be 6 digits";
  } else {
    symbology = n == 2 || n == 5 ? BARCODE_EANX : 0;
    if (!symbology) problem = "add-on data must be 2 or 5 digits";
  }
  if (!symbology) return std::nullopt;

  ZintSymbol symbol(symbology);
  if (auto refused = symbol.Encode(data)) {
    problem = *refused;
    return std::nullopt;
  }
  EanUpcSymbol s;
  s.runs = symbol.Runs(0);
  Lay(s, symbology, symbol.Text());
  return s;
}

}  // namespace vxcl::preview
