// The CUPS destinations as the operating system's printers. Every call asks
// the scheduler libcups is set up for (CUPS_SERVER, client.conf, or the
// local default) afresh.
#ifndef VXCL_PLATFORM_CUPS_CUPS_PRINTER_SYSTEM_H
#define VXCL_PLATFORM_CUPS_CUPS_PRINTER_SYSTEM_H

#include "platform/printer_system.h"

namespace vxcl::cups {

class CupsPrinterSystem final : public PrinterSystem {
 public:
  // The destinations in the order CUPS lists them, instances as
  // "name/instance"; nullopt when the scheduler cannot be asked.
  std::optional<std::vector<std::string>> PrinterNames() override;
  // This thread's last listing's failure.
  std::string ListingFailure() const override;
  // CUPS' default destination.
  std::optional<std::string> DefaultPrinterName() override;
  // The destination of exactly this name (letter case counting, as the
  // lookup compares); null when there is none or the scheduler is down.
  std::unique_ptr<Printer> Open(std::string_view name) override;
  bool LastOpenStalled() const override { return stalled_; }

 private:
  static thread_local bool stalled_;
};

}  // namespace vxcl::cups

#endif
