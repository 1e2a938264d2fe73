#include "preview/barcode/zint_symbol.h"

#include <zint.h>

#include <climits>
#include <new>
#include <string>

namespace vxcl::preview {

ZintSymbol::ZintSymbol(int symbology) : symbol_(ZBarcode_Create()) {
  if (!symbol_) throw std::bad_alloc();
  symbol_->symbology = symbology;
  symbol_->input_mode = DATA_MODE;
  symbol_->show_hrt = 0;
}

ZintSymbol::~ZintSymbol() { ZBarcode_Delete(symbol_); }

void ZintSymbol::SetOptions(int option1, int option2, int option3) {
  symbol_->option_1 = option1;
  symbol_->option_2 = option2;
  symbol_->option_3 = option3;
}

std::optional<std::string> ZintSymbol::Encode(std::string_view data) {
  // libzint reads a length of 0 as "up to the terminating NUL".
  if (data.empty()) return std::string("no data");
  if (data.size() > INT_MAX / 2) return std::string("data too long");
  const std::string terminated(data);
  const int result = ZBarcode_Encode(
      symbol_, reinterpret_cast<const unsigned char*>(terminated.c_str()),
      static_cast<int>(terminated.size()));
  if (result == ZINT_ERROR_MEMORY) throw std::bad_alloc();
  if (result >= ZINT_ERROR) return std::string(symbol_->errtxt);
  return std::nullopt;
}

int ZintSymbol::Rows() const { return symbol_->rows; }
int ZintSymbol::Columns() const { return symbol_->width; }

bool ZintSymbol::Module(int row, int column) const {
  return (symbol_->encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

std::string ZintSymbol::Text() const {
  return reinterpret_cast<const char*>(symbol_->text);
}

std::vector<int> ZintSymbol::Runs(int row) const {
  std::vector<int> runs;
  bool bar = true;
  int length = 0;
  for (int column = 0; column < Columns(); ++column) {
    if (Module(row, column) != bar) {
      runs.push_back(length);
      bar = !bar;
      length = 0;
    }
    ++length;
  }
  if (length > 0) runs.push_back(length);
  return runs;
}

}  // namespace vxcl::preview
