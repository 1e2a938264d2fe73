// The operating system's printers where the library has no spooler backend:
// none. Virtual printers still work.
#include "platform/platform.h"

namespace vxcl {

namespace {

class NoPrinters final : public PrinterSystem {
 public:
  std::optional<std::vector<std::string>> PrinterNames() override {
    return std::vector<std::string>{};
  }
  std::optional<std::string> DefaultPrinterName() override {
    return std::string();
  }
  std::unique_ptr<Printer> Open(std::string_view) override { return nullptr; }
};

}  // namespace

PrinterSystem& OsPrinterSystem() {
  static NoPrinters printers;
  return printers;
}

}  // namespace vxcl
