// Two printer systems seen as one: the first one's printers are listed and
// opened before the second's.
#ifndef VXCL_PLATFORM_LAYERED_PRINTER_SYSTEM_H
#define VXCL_PLATFORM_LAYERED_PRINTER_SYSTEM_H

#include "platform/printer_system.h"

namespace vxcl {

class LayeredPrinterSystem final : public PrinterSystem {
 public:
  LayeredPrinterSystem(PrinterSystem& first, PrinterSystem& second)
      : first_(first), second_(second) {}

  // Fails only when both layers fail; a failing layer adds no names.
  std::optional<std::vector<std::string>> PrinterNames() override;
  std::string ListingFailure() const override;
  // Asks the second layer only when no name of the first is found, so that
  // finding a virtual printer never waits on the operating system's.
  std::optional<std::vector<std::string>> PrinterNamesUntil(
      const std::function<bool(std::string_view)>& found) override;
  // The second layer's default: the operating system's.
  std::optional<std::string> DefaultPrinterName() override;
  std::unique_ptr<Printer> Open(std::string_view name) override;
  bool LastOpenStalled() const override { return second_.LastOpenStalled(); }

 private:
  PrinterSystem& first_;
  PrinterSystem& second_;
};

}  // namespace vxcl

#endif
