// In-process printers that record every job they receive: for tests, for
// the vxlabel tool, and for hosts that want to see the exact bytes a label
// job sends.
#ifndef VXCL_PLATFORM_VIRTUAL_PRINTERS_H
#define VXCL_PLATFORM_VIRTUAL_PRINTERS_H

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/printer_system.h"

namespace vxcl {

struct VirtualJob {
  std::string documentName;
  std::string bytes;
  std::optional<LabelLayout> label;  // the label of a label job
};

class VirtualPrinterSystem final : public PrinterSystem {
 public:
  // False when refused: empty name, name taken, a value below 1.
  bool Add(std::string_view name, int dotsPerInch, int maxWidthMm,
           int maxHeightMm);
  bool Remove(std::string_view name);
  // nullopt for an unknown printer.
  std::optional<int> JobCount(std::string_view name) const;
  // nullopt when there is no such printer or job.
  std::optional<VirtualJob> Job(std::string_view name, int index) const;

  std::optional<std::vector<std::string>> PrinterNames() override;
  std::optional<std::string> DefaultPrinterName() override;
  std::unique_ptr<Printer> Open(std::string_view name) override;

  // Called by an open virtual printer when a document is complete; false
  // when the printer was removed meanwhile.
  bool Deliver(const std::string& printerName, VirtualJob job);

 private:
  struct Entry {
    std::string name;
    int dotsPerInch;
    int maxWidthMm;
    int maxHeightMm;
    std::vector<VirtualJob> jobs;
  };
  const Entry* Find(std::string_view name) const;

  mutable std::mutex mutex_;
  std::vector<Entry> printers_;  // in the order they were added
};

// The process-wide virtual printers; they live until removed or until the
// library is unloaded.
VirtualPrinterSystem& VirtualPrinters();

}  // namespace vxcl

#endif
