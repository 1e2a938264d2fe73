// The Windows print spooler (winspool) and the printer drivers' device
// contexts (GDI) as the library's printer system.
#ifndef VXCL_PLATFORM_WINDOWS_WINSPOOL_PRINTER_SYSTEM_H
#define VXCL_PLATFORM_WINDOWS_WINSPOOL_PRINTER_SYSTEM_H

#include <string>

#include "platform/printer_system.h"

namespace vxcl {

class WinspoolPrinterSystem final : public PrinterSystem {
 public:
  // Local printers and printer connections (EnumPrintersA, level 4).
  std::optional<std::vector<std::string>> PrinterNames() override;
  // This thread's last listing's failure.
  std::string ListingFailure() const override;
  // EnumPrintersA with PRINTER_ENUM_DEFAULT (level 5); where that lists
  // nothing, as on the NT family, GetDefaultPrinterA.
  std::optional<std::string> DefaultPrinterName() override;
  // OpenPrinterA with no defaults.
  std::unique_ptr<Printer> Open(std::string_view name) override;
};

}  // namespace vxcl

#endif
