// Not a *_renderer: builds or lays down what the renderers draw.
// A symbol encoded by libzint, read module by module: the preview draws
// the modules itself, at the printer's element widths and heights.
#ifndef VXCL_PREVIEW_BARCODE_ZINT_SYMBOL_H
#define VXCL_PREVIEW_BARCODE_ZINT_SYMBOL_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct zint_symbol;

namespace vxcl::preview {

class ZintSymbol {
 public:
  explicit ZintSymbol(int symbology);
  ~ZintSymbol();
  ZintSymbol(const ZintSymbol&) = delete;
  ZintSymbol& operator=(const ZintSymbol&) = delete;

  // The options of the symbology (see zint.h); set before Encode.
  void SetOptions(int option1, int option2, int option3);

  // Encodes the bytes as they are. nullopt on success (warnings included),
  // else zint's reason.
  std::optional<std::string> Encode(std::string_view data);

  int Rows() const;
  int Columns() const;
  bool Module(int row, int column) const;
  // The human-readable text zint made (check digits included).
  std::string Text() const;
  // The row's runs of equal modules in module counts, a bar's first: a row
  // that starts with a space starts with a bar of 0.
  std::vector<int> Runs(int row) const;

 private:
  zint_symbol* symbol_;
};

}  // namespace vxcl::preview

#endif
